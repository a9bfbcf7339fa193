// The controller of each tool, made when the tool is chosen.
#include <memory>

#include "frame/ai_error.h"
#include "frame/controllers.h"
#include "presets/record_registry.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/trail/trail_tool_ctrlr.h"
#include "tools/craft/craft_tool_ctrlr.h"
#include "tools/lens/lens_tool_ctrlr.h"
#include "tools/metabrush/metabrush_tool_ctrlr.h"
#include "tools/warp/warp_tool_ctrlr.h"
#include "tools/wave/wave_tool_ctrlr.h"
#include "tools/rough/rough_tool_ctrlr.h"
#include "tools/rotate3d/rotate3d_tool_ctrlr.h"
#include "tools/broom/broom_tool_ctrlr.h"

namespace vx {
namespace {

template <class Controller>
ToolPaletteCtrlr* Opened(std::unique_ptr<Controller> controller) {
  ai::Check(controller->Open());
  return controller.release();
}

ToolPaletteCtrlr* MakeWarp(int16_t) { return Opened(std::make_unique<WarpToolCtrlr>()); }
ToolPaletteCtrlr* MakeTrail(int16_t) { return Opened(std::make_unique<TrailToolCtrlr>()); }
ToolPaletteCtrlr* MakeWave(int16_t) { return Opened(std::make_unique<WaveToolCtrlr>()); }
ToolPaletteCtrlr* MakeLens(int16_t) { return Opened(std::make_unique<LensToolCtrlr>()); }
ToolPaletteCtrlr* MakeCraft(int16_t) { return Opened(std::make_unique<CraftToolCtrlr>()); }
ToolPaletteCtrlr* MakeRough(int16_t) { return Opened(std::make_unique<RoughToolCtrlr>()); }
ToolPaletteCtrlr* MakeRotate3D(int16_t) { return Opened(std::make_unique<_3DPGRotateToolCtrlr>()); }
ToolPaletteCtrlr* MakeMetaBrush(int16_t) { return Opened(std::make_unique<MetaBrushToolCtrlr>()); }
ToolPaletteCtrlr* MakeBroom(int16_t) { return Opened(std::make_unique<BroomToolCtrlr>()); }

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
    ToolFactory factory = MakeCommon;
    if (tool.paletteIndex == 0) factory = MakeWarp;
    if (tool.paletteIndex == 2) factory = MakeWave;
    if (tool.paletteIndex == 4) factory = MakeLens;
    if (tool.paletteIndex == 6) factory = MakeCraft;
    if (tool.paletteIndex == 11) factory = MakeTrail;
    if (tool.paletteIndex == 7) factory = MakeRough;
    if (tool.paletteIndex == kRotate3DTool) factory = MakeRotate3D;
    if (tool.paletteIndex == 10) factory = MakeMetaBrush;
    if (tool.paletteIndex == 8) factory = MakeBroom;
    SetToolFactory(tool.paletteIndex, factory);
  }
}

}  // namespace vx
