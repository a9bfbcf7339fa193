#include "tools/framework/tool_drag_state.h"

namespace vx {

ToolDragState& DragState() {
  static ToolDragState state;
  return state;
}

}  // namespace vx
