// The controller of each tool, made when the tool is chosen.
#include <memory>

#include "frame/ai_error.h"
#include "frame/controllers.h"
#include "presets/record_registry.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/trail/trail_tool_ctrlr.h"
#include "tools/warp/warp_tool_ctrlr.h"

namespace vx {
namespace {

template <class Controller>
ToolPaletteCtrlr* Opened(std::unique_ptr<Controller> controller) {
  ai::Check(controller->Open());
  return controller.release();
}

ToolPaletteCtrlr* MakeWarp(int16_t) { return Opened(std::make_unique<WarpToolCtrlr>()); }
ToolPaletteCtrlr* MakeTrail(int16_t) { return Opened(std::make_unique<TrailToolCtrlr>()); }

// Tools whose own strokes are not built yet: their record, presets, cursors
// and cursor-driven modes.
ToolPaletteCtrlr* MakeCommon(int16_t paletteIndex) {
  const RecordKind* kind = FindKindByToolIndex(paletteIndex);
  return Opened(std::make_unique<ToolCtrlr>(paletteIndex, kind != nullptr ? kind->spec : nullptr));
}

}  // namespace

void InstallToolControllers() {
  for (const ToolEntry& tool : kToolTable) {
    if (HasToolFactory(tool.paletteIndex)) continue;
    if (tool.paletteIndex == 11) {
      SetToolFactory(tool.paletteIndex, MakeTrail);
      continue;
    }
    SetToolFactory(tool.paletteIndex, tool.paletteIndex == 0 ? MakeWarp : MakeCommon);
  }
}

}  // namespace vx
