// Live Frame's palette: the corner-offset slider pages by 5.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr SliderPage kFramePages[] = {{ctl::frame::kCornerOffsetSlider, 5}};

inline constexpr PaletteSpec kFramePalette{res::kFramePalette, {}, kFramePages};

}  // namespace vx
