// Live Trail's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class TrailPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
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
