// The host's colour picker: a modal dialog showing a colour's model and its
// components in percent. OK takes what it shows; Cancel leaves the colour.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"

namespace vxhost {

// Control ids of the picker, for the scripted user.
namespace color_picker {
constexpr int32_t kTemplateId = 9100;
constexpr int32_t kModel = 9101;       // combo box: "Gray", "RGB", "CMYK"
constexpr int32_t kComponent = 9102;   // four edits from here, in percent, in the model's order
constexpr int32_t kModelGray = 0, kModelRgb = 1, kModelCmyk = 2;
}  // namespace color_picker

// Runs the picker on `color`; true when the user accepted it, `color` then
// holding the picked gray, three- or four-colour.
bool RunColorPicker(ai::ColorRecord& color);

}  // namespace vxhost
