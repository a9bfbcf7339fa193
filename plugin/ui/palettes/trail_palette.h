// Live Trail's palette: the angle and size sliders page by 5 (the distance and
// length sliders keep the default of 10). The end-colour swatches and their
// buttons, "Calc", the slider ranges and the origin and drag points that follow
// their angle and length belong to the palette class.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr SliderPage kTrailPages[] = {
    {ctl::trail::kAngleSlider, 5}, {ctl::trail::kSizeHSlider, 5}, {ctl::trail::kSizeVSlider, 5}};

inline constexpr PaletteSpec kTrailPalette{res::kTrailPalette, {}, kTrailPages};

}  // namespace vx
