// The MetaBrush tool's palette: the spacing edit of the chosen space mode is
// the one shown (both sit in one place); every other control is always
// enabled, and the colour sliders keep the default page of 10.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t kMetaBrushRelativeSpace[] = {ctl::metabrush::kRelativeSpace, 0};
inline constexpr int32_t kMetaBrushAbsoluteSpace[] = {ctl::metabrush::kAbsoluteSpace, 0};
inline constexpr EnableRule kMetaBrushRules[] = {
    {"spaceMode", 0, kMetaBrushRelativeSpace, false, true},
    {"spaceMode", 1, kMetaBrushAbsoluteSpace, false, true},
};

inline constexpr PaletteSpec kMetaBrushPalette{res::kMetaBrushPalette, kMetaBrushRules, {}};

}  // namespace vx
