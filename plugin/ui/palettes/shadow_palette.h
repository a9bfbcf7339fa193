// Live Shadow's palette: the transparency slider pages by 5.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr SliderPage kShadowPages[] = {{ctl::shadow::kTransparencySlider, 5}};

inline constexpr PaletteSpec kShadowPalette{res::kShadowPalette, {}, kShadowPages};

}  // namespace vx
