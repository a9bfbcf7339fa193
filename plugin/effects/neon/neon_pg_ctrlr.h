// Live Neon's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class NeonPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class NeonPGCtrlr : public PGCtrlr {
 public:
  explicit NeonPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<NeonPGViewController>(this); }
};

// Live Neon's row: a compound path is examined like a group, and text-like art
// inside a group or compound path does not keep it from glowing.
extern const LiveEffect kNeonLiveEffect;

}  // namespace vx
