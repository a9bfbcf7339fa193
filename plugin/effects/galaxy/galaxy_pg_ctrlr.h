// Live Galaxy's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class GalaxyPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class GalaxyPGCtrlr : public PGCtrlr {
 public:
  explicit GalaxyPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<GalaxyPGViewController>(this); }
};

// Unless the record asks to reproduce its arrangement, a record written into
// objects gets a new seed: the tick count plus 1000.
void NewGalaxySeed(void* record);

// Live Galaxy's row: the default Apply walk and a new seed on every write.
extern const LiveEffect kGalaxyLiveEffect;

}  // namespace vx
