// Live Shadow's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class ShadowPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class ShadowPGCtrlr : public PGCtrlr {
 public:
  explicit ShadowPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<ShadowPGViewController>(this); }
};

// Live Shadow's row: a group holding text-like art is skipped and no later group
// is wrapped; a compound path holding text ends the walk.
extern const LiveEffect kShadowLiveEffect;

}  // namespace vx
