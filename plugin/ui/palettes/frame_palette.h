// Live Frame's palette: the corner-offset slider pages by 5; a copy at each
// corner can be asked for only while the corner offset is 0.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr SliderPage kFramePages[] = {{ctl::frame::kCornerOffsetSlider, 5}};

inline constexpr int32_t kFramePlaceAtCornerControls[] = {ctl::frame::kPlaceAtCorner, 0};
inline constexpr EnableRule kFrameRules[] = {{"cornerOffset", kWhileExactlyZero, kFramePlaceAtCornerControls}};

inline constexpr PaletteSpec kFramePalette{res::kFramePalette, kFrameRules, kFramePages};

}  // namespace vx
