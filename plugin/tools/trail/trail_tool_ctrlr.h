// TrailToolCtrlr: drags out a trail of copies of the selected art. While the
// mouse moves, outlines of the selection's box show where the copies will go;
// the copies are made, as plain art next to the selection, at mouse up.
// Alt-click picks the end colours from the art under the mouse.
#pragma once

#include <memory>

#include "effects/framework/selected_art.h"
#include "effects/trail/trail_copy.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/trail/trail_params.h"

namespace vx {

// Codes of a mouse down on a selection the tool cannot take.
namespace trail_tool_error {
constexpr ai::Code kNoSelection = 0x2173656C;   // nothing selected
constexpr ai::Code kNoParent = 0x7350734C;      // selected art outside the document tree
constexpr ai::Code kUnsupported = 0x7370506F;   // selected art that is neither path nor group
}

class TrailToolCtrlr : public ToolCtrlr {
 public:
  TrailToolCtrlr();

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  TrailToolParams& params() const { return as<TrailToolParams>(); }
  ai::Code DrawOutlines();
  ai::Code MakeTrail();
  ai::Code PickEndColour(ai::RealPoint where);

  // The drag: the selection taken at mouse down, the box of its paths, where
  // the trail starts (origin, the point copies turn about, and anchor, where
  // the drag vector begins) and the mouse now.
  std::unique_ptr<SelectedArt> selection_;
  ai::RealRect bounds_{};
  ai::RealPoint origin_{}, anchor_{}, current_{};
  bool firstDrag_ = false;
  bool notMoved_ = false;
  TrailTable table_;
};

}  // namespace vx
