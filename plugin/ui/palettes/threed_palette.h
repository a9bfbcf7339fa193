// Live 3D Transform's palette, shared by the twelve shapes: "Before" and "After"
// work for every shape but the plain rotation (0); all five sliders page by 5.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t k3DMappedControls[] = {ctl::threed::kBefore, ctl::threed::kAfter, 0};

inline constexpr EnableRule k3DRules[] = {
    {"shapeType", -1, k3DMappedControls},
};

inline constexpr SliderPage k3DPages[] = {
    {ctl::threed::ParamSlider(0), 5}, {ctl::threed::ParamSlider(1), 5}, {ctl::threed::ParamSlider(2), 5},
    {ctl::threed::ParamSlider(3), 5}, {ctl::threed::kPerspectiveSlider, 5}};

inline constexpr PaletteSpec k3DPalette{res::k3DPalette, k3DRules, k3DPages};

}  // namespace vx
