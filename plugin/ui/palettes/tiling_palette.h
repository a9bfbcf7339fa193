// Live Tiling's palette: every control is always enabled and it has no slider.
// The feed mode shows one of two pairs of feed edits; the palette class does that.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr PaletteSpec kTilingPalette{res::kTilingPalette, {}, {}};

}  // namespace vx
