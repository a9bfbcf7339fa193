// Live Circle's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class CirclePGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class CirclePGCtrlr : public PGCtrlr {
 public:
  explicit CirclePGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<CirclePGViewController>(this); }
};

// Live Circle's row: the default Apply walk.
extern const LiveEffect kCircleLiveEffect;

}  // namespace vx
