// Live Neon's palette: the steps field works only for the manual step mode, the
// shadow group only with "Shadow" on; the gradient-arc slider pages by 5.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t kNeonStepControls[] = {ctl::neon::kStepsLabel, ctl::neon::kSteps, ctl::neon::kStepsSpin, 0};
inline constexpr int32_t kNeonShadowControls[] = {
    ctl::neon::kTintLabel,        ctl::neon::kTint,         ctl::neon::kTintSpin,
    ctl::neon::kShadowReverse,    ctl::neon::kShadowOffsetLabel, ctl::neon::kShadowOffset,
    ctl::neon::kShadowOffsetSpin, ctl::neon::kLightAngleLabel,   ctl::neon::kLightAngle,
    ctl::neon::kLightAngleSpin,   ctl::neon::kLightDial,    0};

inline constexpr int32_t kNeonManualSteps = 3;

inline constexpr EnableRule kNeonRules[] = {
    {"stepMode", kNeonManualSteps, kNeonStepControls},
    {"shadowOn", -1, kNeonShadowControls},
};

inline constexpr SliderPage kNeonPages[] = {{ctl::neon::kGradientArcSlider, 5}};

inline constexpr PaletteSpec kNeonPalette{res::kNeonPalette, kNeonRules, kNeonPages};

}  // namespace vx
