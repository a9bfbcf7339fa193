// The about box: the product's name and an OK button, run modally.
#pragma once

#include <cstdint>

namespace vx {

constexpr int32_t kAboutTemplateId = 645;

// Runs the about box until the user dismisses it; returns the dialog's end code
// (-1 when it could not be built).
int32_t ShowAboutBox();

}  // namespace vx
