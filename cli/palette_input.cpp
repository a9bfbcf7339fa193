#include "palette_input.h"

#include <cstdlib>
#include <sstream>

#include "presets/field_values.h"

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
int32_t StepTo(PaletteHand& user, platform::ui::Dialog& dialog, const vx::FieldSpec& field,
               platform::ui::Control& button, const std::string& value, int32_t current) {
  const auto choices = static_cast<int32_t>(field.maximum - field.minimum + 1);
  for (int32_t press = 0; press < choices; ++press) {
    if (button.Text() == value) return platform::ui::kUiOk;
    if (int32_t result = user.Click(dialog, field.controls.edit)) return result;
  }
  if (button.Text() == value) return platform::ui::kUiOk;
  // A full round of presses leaves the button where it was.
  char* end = nullptr;
  const long number = std::strtol(value.c_str(), &end, 10);
  if (current >= 0 && !value.empty() && *end == '\0' && number >= field.minimum && number <= field.maximum) {
    for (int32_t press = (static_cast<int32_t>(number) - current + choices) % choices; press > 0; --press)
      if (int32_t result = user.Click(dialog, field.controls.edit)) return result;
    return platform::ui::kUiOk;
  }
  throw Usage(std::string(field.name) + " has no choice '" + value + "'");
}

// What a field's control takes, for the message of a value it cannot read.
std::string AcceptedForm(const vx::RecordSpec& spec, const vx::FieldSpec& field, const void* record) {
  const vx::Shown shown = vx::ShownNow(spec, field, record);
  std::string form;
  switch (shown) {
    case vx::Shown::kLength: form = "a length: a number in the ruler unit or with pt, px, in, cm, mm, q or pc"; break;
    case vx::Shown::kPercent: form = "a number in percent"; break;
    case vx::Shown::kDegrees: form = "a number of degrees"; break;
    case vx::Shown::kSeconds: form = "a number of seconds"; break;
    default: form = "a number"; break;
  }
  if (field.type == vx::FieldType::kPoint) form = "a point x,y, each " + form;
  return form;
}

std::string RangeText(const vx::RecordSpec& spec, const vx::FieldSpec& field, const void* record) {
  const bool length = vx::ShownNow(spec, field, record) == vx::Shown::kLength;
  const bool feed = field.shown == vx::Shown::kPercentOrLength && length;
  std::ostringstream range;
  range << (feed ? field.altMinimum : field.minimum) << ".." << (feed ? field.altMaximum : field.maximum)
        << (length ? " pt" : "");
  return range.str();
}

}  // namespace

std::string ReadFieldText(const vx::RecordSpec& spec, const vx::FieldSpec& field, void* record,
                          const std::string& value, int16_t rulerUnit, bool control) {
  const bool number = field.type == vx::FieldType::kShort || field.type == vx::FieldType::kReal ||
                      field.type == vx::FieldType::kUnsigned || field.type == vx::FieldType::kInt ||
                      field.type == vx::FieldType::kPoint;
  if (control && (!number || vx::ShownNow(spec, field, record) == vx::Shown::kChoice)) {
    // A choice by caption does not parse here; its index does and may switch a feed's mode.
    vx::SetFieldFromText(spec, field, record, value, rulerUnit, nullptr);
    return {};
  }
  std::string error;
  bool clamped = false;
  const std::string range = RangeText(spec, field, record);
  if (!vx::SetFieldFromText(spec, field, record, value, rulerUnit, &error, &clamped))
    throw Usage(std::string(field.name) + ": " + error +
                (number ? " (it takes " + AcceptedForm(spec, field, record) + ", " + range + ")" : ""));
  if (!clamped || !number) return {};
  return std::string(field.name) + "=" + value + " is outside " + range + "; the palette takes " +
         vx::FormatFieldValue(spec, field, record, rulerUnit);
}

void TypeFieldValue(PaletteHand& user, platform::ui::Dialog& dialog, const vx::FieldSpec& field,
                    const std::string& value, int32_t current) {
  vx::ControlIds ids = field.controls;
  // A feed with an edit for each mode is typed where the palette shows it.
  if (const platform::ui::Control* lengths = ids.lengthEdit != 0 ? dialog.Item(ids.lengthEdit) : nullptr;
      lengths != nullptr && lengths->Visible())
    ids.edit = ids.lengthEdit;
  int32_t result = platform::ui::kUiOk;
  platform::ui::Control* control = ids.edit != 0 ? dialog.Item(ids.edit) : nullptr;
  if (control != nullptr && control->Kind() == platform::ui::ControlClass::kEdit) {
    result = user.TypeAndLeave(dialog, ids.edit, value);
  } else if (control != nullptr && control->Kind() == platform::ui::ControlClass::kCheckBox) {
    bool on = false;
    if (!ParseSwitch(value, &on)) throw Usage(std::string(field.name) + " is on or off (got '" + value + "')");
    if ((control->Check() != 0) != on) result = user.Click(dialog, ids.edit);
  } else if (control != nullptr && control->Kind() == platform::ui::ControlClass::kButton) {
    result = StepTo(user, dialog, field, *control, value, current);
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
  if (result == platform::ui::kUiHidden)
    throw Usage(std::string(field.name) + " is not shown on the palette now (a mode it depends on is set otherwise)");
  if (result == platform::ui::kUiBadItem) throw Usage(std::string(field.name) + " has no choice '" + value + "'");
  if (result != platform::ui::kUiOk)
    throw PaletteInputError(std::string(field.name) + ": the palette refused the value", false);
}

}  // namespace vxcli
