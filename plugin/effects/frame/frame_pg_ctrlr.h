// Live Frame's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

// Switching the feed mode converts both feeds by the extent of the selection
// along the first side: its height clockwise, its width counter-clockwise.
class FramePGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
  void FieldChanged(const FieldSpec& field) override;
};

class FramePGCtrlr : public PGCtrlr {
 public:
  explicit FramePGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<FramePGViewController>(this); }
};

// Live Frame's row: the default Apply walk.
extern const LiveEffect kFrameLiveEffect;

}  // namespace vx
