// The MetaBrush tool's palette: every control is always enabled, and the colour
// sliders keep the default page of 10.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr PaletteSpec kMetaBrushPalette{res::kMetaBrushPalette, {}, {}};

}  // namespace vx
