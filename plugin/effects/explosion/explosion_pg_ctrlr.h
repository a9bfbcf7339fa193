// Live Explosion's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class ExplosionPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class ExplosionPGCtrlr : public PGCtrlr {
 public:
  explicit ExplosionPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<ExplosionPGViewController>(this); }
};

// Draws a new seed into an ExplosionPGParams record unless it asks to
// reproduce its random sequence.
void RenewExplosionSeed(void* record);

// Live Explosion's row: the default Apply walk, a new seed before each write.
extern const LiveEffect kExplosionLiveEffect;

}  // namespace vx
