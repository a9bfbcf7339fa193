// The Trail tool's palette: Live Trail's shared rows, with the same sliders and hooks.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"
#include "ui/palettes/trail_palette.h"

namespace vx {

// The tool has the angle and size sliders, the first three of Live Trail's.
inline constexpr PaletteSpec kTrailToolPalette{res::kTrailToolPalette, {}, std::span<const SliderPage>(kTrailPages, 3),
                                               &kTrailPaletteHooks};

}  // namespace vx
