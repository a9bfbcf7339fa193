// BroomToolCtrlr: moves whole selected objects that lie in a circle, without
// reshaping them. Each object's reference point (the centre of its bounds, or
// of the fully selected group or compound path it belongs to) is moved as the
// Craft tool would move a point, and the object follows that point's move.
#pragma once

#include "geometry/named_block.h"
#include "tools/broom/broom_params.h"
#include "tools/framework/craft_modes.h"

namespace vx {

class BroomToolCtrlr : public CraftModesTool {
 public:
  BroomToolCtrlr();

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;
  CraftModeSettings Settings() const override;
  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code MovePath(ToolDragState& state, ai::ArtHandle source, ai::ArtHandle target,
                    const CraftMapper& mapper) override;

 private:
  struct Reference {
    ai::ArtHandle path;
    ai::RealPoint point;
  };

  // Takes the reference point of every matched path from the art as it is now.
  ai::Code TakeReferences(const ToolDragState& state);
  const Reference* ReferenceOf(ai::ArtHandle path);

  NamedBlock references_;   // one per matched path, in the order of the selection
  int32_t referenceCount_ = 0;
  int32_t hint_ = 0;        // where the next look-up starts: paths come in selection order
  ai::Code referenceFailure_ = ai::kNoError;
};

}  // namespace vx
