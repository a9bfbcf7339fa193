// Live Trail's palette, whose rows the Trail tool's palette shares: the angle
// and size sliders page by 5 over ranges narrower than their fields, the
// distance and length sliders by 10 over 0..800. The end-colour swatches and
// their buttons, "Calc", Shift linking the two sizes and the origin and drag
// points that follow their angle and length are the palette's hooks.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr SliderPage kTrailPages[] = {{ctl::trail::kAngleSlider, 5, -360, 360},
                                             {ctl::trail::kSizeHSlider, 5, -200, 200},
                                             {ctl::trail::kSizeVSlider, 5, -200, 200},
                                             {ctl::trail::kOriginDistanceSlider, 10, 0, 800},
                                             {ctl::trail::kDragLengthSlider, 10, 0, 800}};

// Defined with the end-colour buttons (effects/trail/trail_end_buttons.cpp).
extern const PaletteHooks kTrailPaletteHooks;

inline constexpr PaletteSpec kTrailPalette{res::kTrailPalette, {}, kTrailPages, &kTrailPaletteHooks};

}  // namespace vx
