// The tool palettes: ToolViewController is the base of every tool's palette
// dialog; ToolPalette puts it into the shared tool panel for a tool controller,
// with the tool's presets in the panel's flyout menu.
#pragma once

#include <cstdint>
#include <memory>

#include "tools/framework/tool_palette.h"
#include "ui/palettes/palette_table.h"
#include "ui/panels/palette_panel.h"
#include "ui/view_controller.h"

namespace vx {

class ToolCtrlr;

// The template and help row of a tool's palette, by palette index; null for a
// tool without a palette of its own.
struct ToolPaletteEntry {
  int16_t paletteIndex;
  int32_t templateId;
  int16_t helpRow;
  const PaletteSpec* spec;  // rules and slider pages, null when the table says all
};
const ToolPaletteEntry* ToolPaletteOf(int16_t paletteIndex);

class ToolViewController : public VELLUMiX4ViewController {
 public:
  explicit ToolViewController(int16_t helpRow) : helpRow_(helpRow) {}

 protected:
  void OnHelp() override;

 private:
  int16_t helpRow_;
};

class ToolPalette : public ToolPaletteWindow, public PanelClient {
 public:
  ToolPalette(ToolCtrlr& controller, const ToolPaletteEntry& entry);
  ~ToolPalette() override;

  ai::Code Show() override;
  void Hide() override;
  bool Shown() const override;
  void Refresh(int32_t flags) override;
  void OnFlyoutItem(uint32_t itemId) override;
  // Loads preset `index` into the tool's record and shows it (the preset dialog's double-click).
  ai::Code ChoosePreset(int32_t index);

  ToolViewController& view() { return view_; }

 private:
  ai::Code FillPresets();

  ToolCtrlr& controller_;
  const ToolPaletteEntry& entry_;
  ToolViewController view_;
};

// The palette hook of the tool framework.
std::unique_ptr<ToolPaletteWindow> MakeToolPalette(ToolCtrlr& controller);

}  // namespace vx
