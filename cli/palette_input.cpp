#include "palette_input.h"

#include <cstdlib>

namespace vxcli {
namespace {

PaletteInputError Usage(const std::string& message) { return PaletteInputError(message, true); }

bool ParseSwitch(const std::string& text, bool* on) {
  for (const char* yes : {"1", "on", "yes", "true"})
    if (text == yes) return *on = true, true;
  for (const char* no : {"0", "off", "no", "false"})
    if (text == no) return *on = false, true;
  return false;
}

// Presses a button that steps through its field's choices until its caption is `value`.
int32_t StepTo(platform::ui::ScriptedUser& user, platform::ui::Dialog& dialog, const vx::FieldSpec& field,
               platform::ui::Control& button, const std::string& value) {
  const auto choices = static_cast<int32_t>(field.maximum - field.minimum + 1);
  for (int32_t press = 0; press < choices; ++press) {
    if (button.Text() == value) return platform::ui::kUiOk;
    if (int32_t result = user.Click(dialog, field.controls.edit)) return result;
  }
  if (button.Text() == value) return platform::ui::kUiOk;
  throw Usage(std::string(field.name) + " has no choice '" + value + "'");
}

}  // namespace

void TypeFieldValue(platform::ui::ScriptedUser& user, platform::ui::Dialog& dialog, const vx::FieldSpec& field,
                    const std::string& value) {
  const vx::ControlIds& ids = field.controls;
  int32_t result = platform::ui::kUiOk;
  platform::ui::Control* control = ids.edit != 0 ? dialog.Item(ids.edit) : nullptr;
  if (control != nullptr && control->Kind() == platform::ui::ControlClass::kEdit) {
    result = user.TypeAndLeave(dialog, ids.edit, value);
  } else if (control != nullptr && control->Kind() == platform::ui::ControlClass::kCheckBox) {
    bool on = false;
    if (!ParseSwitch(value, &on)) throw Usage(std::string(field.name) + " is on or off (got '" + value + "')");
    if ((control->Check() != 0) != on) result = user.Click(dialog, ids.edit);
  } else if (control != nullptr && control->Kind() == platform::ui::ControlClass::kButton) {
    result = StepTo(user, dialog, field, *control, value);
  } else if (control != nullptr && control->IsList() == false && !control->Items().empty()) {
    char* end = nullptr;
    const long index = std::strtol(value.c_str(), &end, 10);
    result = *end == '\0' && !value.empty() ? user.PickItem(dialog, ids.edit, static_cast<int32_t>(index - field.minimum))
                                            : user.PickItem(dialog, ids.edit, value);
  } else if (ids.buttons != nullptr) {
    int32_t chosen = -1, count = 0;
    for (; ids.buttons[count] != 0; ++count) {
      const platform::ui::Control* button = dialog.Item(ids.buttons[count]);
      if (button != nullptr && button->Text() == value) chosen = count;
    }
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (chosen < 0 && *end == '\0' && !value.empty()) chosen = static_cast<int32_t>(number - field.minimum);
    if (chosen < 0 || chosen >= count) throw Usage(std::string(field.name) + " has no choice '" + value + "'");
    result = user.Click(dialog, ids.buttons[chosen]);
  } else {
    throw Usage(std::string(field.name) + " has no control on the palette");
  }
  if (result == platform::ui::kUiDisabled)
    throw Usage(std::string(field.name) + " is disabled on the palette now (a switch or mode it depends on is off)");
  if (result == platform::ui::kUiBadItem) throw Usage(std::string(field.name) + " has no choice '" + value + "'");
  if (result != platform::ui::kUiOk)
    throw PaletteInputError(std::string(field.name) + ": the palette refused the value", false);
}

}  // namespace vxcli
