// Live Cutout's palette: every control is always enabled and it has no straight slider.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr PaletteSpec kCutoutPalette{res::kCutoutPalette, {}, {}};

}  // namespace vx
