// Live Border's palette: which controls follow which field. The steps field works
// only for the manual step mode; the shadow group works only with "Shadow" on;
// the gradient-arc slider pages by 5.
#pragma once

#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t kBorderStepControls[] = {ctl::border::kStepsLabel, ctl::border::kSteps,
                                                  ctl::border::kStepsSpin, 0};
inline constexpr int32_t kBorderShadowControls[] = {
    ctl::border::kTintLabel,       ctl::border::kTint,       ctl::border::kTintSpin,
    ctl::border::kShadowOffsetLabel, ctl::border::kShadowOffset, ctl::border::kShadowOffsetSpin,
    ctl::border::kLightAngleLabel, ctl::border::kLightAngle, ctl::border::kLightAngleSpin,
    ctl::border::kLightDial,       0};

inline constexpr int32_t kBorderManualSteps = 3;

inline constexpr EnableRule kBorderRules[] = {
    {"stepMode", kBorderManualSteps, kBorderStepControls},
    {"shadowOn", -1, kBorderShadowControls},
};

inline constexpr SliderPage kBorderPages[] = {{ctl::border::kGradientArcSlider, 5}};

inline constexpr PaletteSpec kBorderPalette{res::kBorderPalette, kBorderRules, kBorderPages};

}  // namespace vx
