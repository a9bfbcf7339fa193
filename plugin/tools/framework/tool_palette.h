// The palette of a tool controller, made through one hook so that the tool
// framework does not depend on the palette toolkit. With no hook installed a
// controller has no palette: it is never shown and refreshing does nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "frame/host/codes.h"

namespace vx {

class ToolCtrlr;

class ToolPaletteWindow {
 public:
  virtual ~ToolPaletteWindow() = default;
  // Puts the tool's dialog into the shared tool panel and shows it.
  virtual ai::Code Show() = 0;
  virtual void Hide() = 0;
  virtual bool Shown() const = 0;
  // Rewrites the controls from the controller's record (flags: refresh::*).
  virtual void Refresh(int32_t flags) = 0;
};

// Makes the palette of a controller (null: none for this tool).
using ToolPaletteFactory = std::unique_ptr<ToolPaletteWindow> (*)(ToolCtrlr& controller);

void SetToolPaletteFactory(ToolPaletteFactory factory);
ToolPaletteFactory GetToolPaletteFactory();

}  // namespace vx
