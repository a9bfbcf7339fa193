// Live Cutout's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class CutoutPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class CutoutPGCtrlr : public PGCtrlr {
 public:
  explicit CutoutPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<CutoutPGViewController>(this); }
};

// Live Cutout's row: text-like art inside a group or compound path does not matter.
extern const LiveEffect kCutoutLiveEffect;

}  // namespace vx
