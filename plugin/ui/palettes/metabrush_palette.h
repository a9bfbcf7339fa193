// The MetaBrush tool's palette: the relative and absolute space edits take
// turns at one place by the space mode; every control is always enabled, and
// the colour sliders keep the default page of 10.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t kMetaBrushRelativeSpaceControls[] = {ctl::metabrush::kRelativeSpace, 0};
inline constexpr int32_t kMetaBrushAbsoluteSpaceControls[] = {ctl::metabrush::kAbsoluteSpace, 0};
inline constexpr EnableRule kMetaBrushRules[] = {
    {"spaceMode", 0, kMetaBrushRelativeSpaceControls, false, true},
    {"spaceMode", 1, kMetaBrushAbsoluteSpaceControls, false, true},
};

inline constexpr PaletteSpec kMetaBrushPalette{res::kMetaBrushPalette, kMetaBrushRules, {}};

}  // namespace vx
