// CraftToolCtrlr: distorts the selected paths inside a circle, strongly at its
// centre and not at all at its rim: free push, dynamic push following the
// pointer, pinch and twirl. Alt-dragging sets the radius; Shift + Alt clicking
// a segment adds an anchor (both through the shared area modes).
#pragma once

#include "tools/craft/craft_params.h"
#include "tools/framework/craft_modes.h"

namespace vx {

class CraftToolCtrlr : public CraftModesTool {
 public:
  CraftToolCtrlr();

 protected:
  CraftModeSettings Settings() const override;
  ai::Code MovePath(ToolDragState& state, ai::ArtHandle source, ai::ArtHandle target,
                    const CraftMapper& mapper) override;
};

}  // namespace vx
