// Live Reflections' palette: the horizontal offset works for every axis type but
// the horizontal axis (0), the vertical offset for every type but the vertical
// axis (1), the axis count only for radial axes (3).
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t kReflectionsOffsetHControls[] = {ctl::reflections::kOffsetH,
                                                          ctl::reflections::kOffsetHSpin, 0};
inline constexpr int32_t kReflectionsOffsetVControls[] = {ctl::reflections::kOffsetV,
                                                          ctl::reflections::kOffsetVSpin, 0};
inline constexpr int32_t kReflectionsAxisCountControls[] = {ctl::reflections::kAxisCount,
                                                            ctl::reflections::kAxisCountSpin, 0};

inline constexpr int32_t kReflectionsVerticalAxis = 1;
inline constexpr int32_t kReflectionsRadialAxes = 3;

inline constexpr EnableRule kReflectionsRules[] = {
    {"axisType", -1, kReflectionsOffsetHControls},
    {"axisType", kReflectionsVerticalAxis, kReflectionsOffsetVControls, true},
    {"axisType", kReflectionsRadialAxes, kReflectionsAxisCountControls},
};

inline constexpr PaletteSpec kReflectionsPalette{res::kReflectionsPalette, kReflectionsRules, {}};

}  // namespace vx
