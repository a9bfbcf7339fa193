// Live Generation's palette: every control is always enabled and it has no
// straight slider. The bound feed edit shows the feed as the mode reads it (a
// percentage or a length in ruler units); the template's second feed edit at
// the same place stays hidden.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr PaletteSpec kGenerationPalette{res::kGenerationPalette, {}, {}};

}  // namespace vx
