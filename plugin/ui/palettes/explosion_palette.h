// Live Explosion's palette: every control is always enabled and it has no slider.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr PaletteSpec kExplosionPalette{res::kExplosionPalette, {}, {}};

}  // namespace vx
