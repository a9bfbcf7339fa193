// Live Neon's controller and palette.
#pragma once

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

}  // namespace vx
