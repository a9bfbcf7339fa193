// Live Emboss's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class EmbossPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
};

class EmbossPGCtrlr : public PGCtrlr {
 public:
  explicit EmbossPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<EmbossPGViewController>(this); }
};

// Live Emboss's row: text-like art inside a group or compound path does not matter.
extern const LiveEffect kEmbossLiveEffect;

}  // namespace vx
