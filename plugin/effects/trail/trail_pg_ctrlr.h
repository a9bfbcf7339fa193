// Live Trail's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

// The origin and drag offsets follow their angles and lengths at once, so a
// live update already draws the trail to the new point.
class TrailPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
  void FieldChanged(const FieldSpec& field) override;

 protected:
  // The end-colour buttons, the swap button and "Calc".
  void OnPaletteCommand(int32_t id, platform::ui::Notify code) override;
};

class TrailPGCtrlr : public PGCtrlr {
 public:
  explicit TrailPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<TrailPGViewController>(this); }
};

// Live Trail's row: a compound path is examined like a group, text-like art
// inside a group or compound path does not matter, but selected text-like art
// at the top of the selection means nothing is wrapped.
extern const LiveEffect kTrailLiveEffect;

}  // namespace vx
