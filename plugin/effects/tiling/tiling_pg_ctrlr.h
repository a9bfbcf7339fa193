// Live Tiling's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

// Switching the feed mode converts the horizontal feed by the selection's
// width and the vertical one by its height.
class TilingPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
  void FieldChanged(const FieldSpec& field) override;
};

class TilingPGCtrlr : public PGCtrlr {
 public:
  explicit TilingPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<TilingPGViewController>(this); }
};

// Live Tiling's row: the default Apply walk.
extern const LiveEffect kTilingLiveEffect;

}  // namespace vx
