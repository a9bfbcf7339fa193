// Live Reflections' controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class ReflectionsPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class ReflectionsPGCtrlr : public PGCtrlr {
 public:
  explicit ReflectionsPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override {
    return std::make_unique<ReflectionsPGViewController>(this);
  }
};

// Live Reflections' row: the default Apply walk.
extern const LiveEffect kReflectionsLiveEffect;

}  // namespace vx
