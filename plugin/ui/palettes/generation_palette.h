// Live Generation's palette: every control is always enabled and it has no
// straight slider. The feed mode shows one of two feed edits; the palette class does that.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr PaletteSpec kGenerationPalette{res::kGenerationPalette, {}, {}};

}  // namespace vx
