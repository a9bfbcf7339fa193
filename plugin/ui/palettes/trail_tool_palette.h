// The Trail tool's palette: Live Trail's shared rows, with the same slider pages.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"
#include "ui/palettes/trail_palette.h"

namespace vx {

inline constexpr PaletteSpec kTrailToolPalette{res::kTrailToolPalette, {}, kTrailPages};

}  // namespace vx
