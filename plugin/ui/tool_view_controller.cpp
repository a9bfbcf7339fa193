#include "ui/tool_view_controller.h"

#include <string>
#include <vector>

#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "presets/preset_dialog.h"
#include "presets/preset_records.h"
#include "presets/preset_store.h"
#include "resources/resource_ids.h"
#include "tools/framework/tool_ctrlr.h"
#include "ui/help/help_ctrlr.h"
#include "ui/palettes/metabrush_palette.h"
#include "ui/palettes/trace_palettes.h"
#include "ui/palettes/trail_tool_palette.h"

namespace vx {
namespace {

constexpr ToolPaletteEntry kToolPalettes[] = {
    {0, res::kWarpPalette, 9, &kWarpPalette},
    {2, res::kWavePalette, 1, &kWavePalette},
    {4, res::kLensPalette, 8, &kLensPalette},
    {6, res::kCraftPalette, 2, &kCraftPalette},
    {7, res::kRoughPalette, 7, nullptr},
    {8, res::kBroomPalette, 4, &kBroomPalette},
    {10, res::kMetaBrushPalette, 5, &kMetaBrushPalette},
    {11, res::kTrailToolPalette, 3, &kTrailToolPalette},
};

}  // namespace

const ToolPaletteEntry* ToolPaletteOf(int16_t paletteIndex) {
  for (const ToolPaletteEntry& entry : kToolPalettes)
    if (entry.paletteIndex == paletteIndex) return &entry;
  return nullptr;
}

void ToolViewController::OnHelp() { ShowHelp(helpRow_); }

ToolPalette::ToolPalette(ToolCtrlr& controller, const ToolPaletteEntry& entry)
    : controller_(controller), entry_(entry), view_(entry.helpRow) {}

ToolPalette::~ToolPalette() {
  ReleasePanelClient(PanelKind::kTool, this);
  view_.Destroy();
}

ai::Code ToolPalette::Show() {
  if (ai::Code code = CreatePanel(PanelKind::kTool)) return code;
  if (!view_.IsCreated()) {
    ai::PlatformWindow window = 0;
    if (ai::Code code = suites::Panel().getPlatformWindow(MainPanel(PanelKind::kTool).panel, &window)) return code;
    if (controller_.spec() != nullptr && controller_.record() != nullptr) {
      if (entry_.spec != nullptr) view_.Bind(*controller_.spec(), controller_.record(), *entry_.spec);
      else view_.Bind(*controller_.spec(), controller_.record());
    }
    if (ai::Code code = view_.CreateFromTemplate(entry_.templateId, window)) return code;
  }
  // A preset file that cannot be read leaves the palette with its record as it is.
  if (FillPresets() != ai::kNoError) ShowMessageAlert("Preset File Error!");
  const ToolEntry* tool = controller_.entry();
  if (ai::Code code = ShowPalette(PanelKind::kTool, this, view_, tool != nullptr ? tool->title : "")) return code;
  view_.Refresh(refresh::kOpened);
  return ai::kNoError;
}

ai::Code ToolPalette::FillPresets() {
  const RecordSpec* spec = controller_.spec();
  VELLUMiX4Globals* globals = Globals();
  if (spec == nullptr || globals == nullptr) return FillFlyoutPresets(PanelKind::kTool, nullptr, 0);
  return FillFlyoutPresetsFromFile(PanelKind::kTool, PresetFilePathFor(globals->settingsFolder, *spec));
}

ai::Code ToolPalette::ChoosePreset(int32_t index) {
  VELLUMiX4Globals* globals = Globals();
  if (controller_.spec() == nullptr || globals == nullptr) return ai::kCantHappen;
  if (ai::Code code = LoadPreset(globals->settingsFolder, *controller_.spec(), controller_.record(), index))
    return code;
  view_.Refresh(refresh::kPresetChosen);
  return ai::kNoError;
}

void ToolPalette::Hide() { HidePanel(PanelKind::kTool); }

bool ToolPalette::Shown() const { return PanelShown(PanelKind::kTool) && view_.Visible(); }

void ToolPalette::Refresh(int32_t flags) { view_.Refresh(flags); }

void ToolPalette::OnFlyoutItem(uint32_t itemId) {
  const RecordSpec* spec = controller_.spec();
  VELLUMiX4Globals* globals = Globals();
  if (spec == nullptr || globals == nullptr || controller_.record() == nullptr) return;
  ai::Code code = ai::kNoError;
  if (itemId == flyout::kDefaultSetting)
    code = LoadDefaultSetting(globals->settingsFolder, *spec, controller_.record());
  else if (itemId >= flyout::kFirstPreset)
    code = LoadPreset(globals->settingsFolder, *spec, controller_.record(),
                      static_cast<int>(itemId - flyout::kFirstPreset));
  else {
    if (itemId == flyout::kEditPresets)
      EditPresets(*spec, controller_.record(), PanelKind::kTool, controller_.entry() ? controller_.entry()->title : "",
                  [this](int32_t preset) { return ChoosePreset(preset); });
    return;
  }
  if (code != ai::kNoError) {
    ShowErrorCode(code);
    return;
  }
  view_.Refresh(refresh::kPresetFromMenu);
}

std::unique_ptr<ToolPaletteWindow> MakeToolPalette(ToolCtrlr& controller) {
  const ToolPaletteEntry* entry = ToolPaletteOf(controller.paletteIndex());
  if (entry == nullptr) return nullptr;
  return std::make_unique<ToolPalette>(controller, *entry);
}

}  // namespace vx
