// Live Border's controller and palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

// The palette's three gradient-arc buttons show their icons for the direction
// the band runs in: one set normally, another while "Reverse" is checked.
class BorderPGViewController : public PGViewController {
 public:
  using PGViewController::PGViewController;
  void Refresh(int32_t flags) override;
  void FieldChanged(const FieldSpec& field) override;

 protected:
  bool OnInitDialog() override;

 private:
  void ShowQuickIcons();
};

class BorderPGCtrlr : public PGCtrlr {
 public:
  explicit BorderPGCtrlr(void* record);

 protected:
  std::unique_ptr<PGViewController> MakeView() override { return std::make_unique<BorderPGViewController>(this); }
};

// Live Border's row: a group holding text-like art is skipped, a compound path
// holding text ends the walk.
extern const LiveEffect kBorderLiveEffect;

}  // namespace vx
