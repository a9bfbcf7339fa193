// Live Generation's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

// Switching the feed mode converts the feed by the width of the selection.
class GenerationPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
  void FieldChanged(const FieldSpec& field) override;
};

class GenerationPGCtrlr : public PGCtrlr {
 public:
  explicit GenerationPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<GenerationPGViewController>(this); }
};

// Live Generation's row: the default Apply walk.
extern const LiveEffect kGenerationLiveEffect;

}  // namespace vx
