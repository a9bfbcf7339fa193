#include "ui/bindings/record_binder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/globals.h"
#include "frame/suite_set.h"
#include "presets/field_values.h"
#include "ui/controls/circular_slider.h"

namespace vx {
namespace {

using platform::ui::ControlClass;
using platform::ui::Notify;
using platform::ui::ScrollCode;

// Shows or hides a control together with its caption: an unnamed label that
// comes just before it in the dialog and stands on the same line.
void ShowWithCaption(platform::ui::Dialog& dialog, int32_t id, bool on) {
  const auto controls = dialog.Controls();
  for (size_t i = 0; i < controls.size(); ++i) {
    platform::ui::Control& c = *controls[i];
    if (c.Id() != id) continue;
    c.Show(on);
    if (i == 0) return;
    platform::ui::Control& label = *controls[i - 1];
    const platform::ui::Rect a = label.Bounds(), b = c.Bounds();
    if (label.Id() == -1 && label.Kind() == ControlClass::kStatic && a.top < b.bottom && b.top < a.bottom)
      label.Show(on);
    return;
  }
}

bool IsInteger(FieldType type) {
  return type == FieldType::kShort || type == FieldType::kInt || type == FieldType::kUnsigned ||
         type == FieldType::kBool;
}

}  // namespace

int32_t RoundHalfAway(double value) {
  return static_cast<int32_t>(value >= 0 ? std::floor(value + 0.5) : std::ceil(value - 0.5));
}

std::string FixedText(double value, int32_t decimals) {
  char text[64];
  if (ai::Code code = suites::StringFormatUtils().formatReal(value, decimals, text, sizeof text); code == 0)
    return text;
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

int16_t PaletteRulerUnit() {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::ruler_unit::kPoints;
  if (globals->rulerUnit > 7) globals->rulerUnit = ai::ruler_unit::kPoints;
  return globals->rulerUnit;
}

int32_t MeasureUnitOfRuler(int16_t rulerUnit) {
  static constexpr int32_t kHostUnits[8] = {0, 2, 4, 1, 5, 3, 10, 8};
  if (rulerUnit < 1 || rulerUnit > 7) rulerUnit = ai::ruler_unit::kPoints;
  return kHostUnits[rulerUnit];
}

RecordBinder::RecordBinder(platform::ui::Dialog& dialog, const RecordSpec& spec, void* record, BindingOwner& owner)
    : dialog_(dialog), spec_(spec), record_(record), owner_(owner) {
  for (size_t f = 0; f < spec.fieldCount; ++f) {
    const FieldSpec& field = spec.fields[f];
    for (int component = 0; component < 2; ++component) {
      const ControlIds& c = component == 0 ? field.controls : field.controlsY;
      if (c.edit != 0) bindings_.push_back({c.edit, &field, component, Role::kEdit, 0});
      if (c.spin != 0) bindings_.push_back({c.spin, &field, component, Role::kSpin, 0});
      if (c.slider != 0) bindings_.push_back({c.slider, &field, component, Role::kSlider, 0});
      for (int32_t k = 0; c.buttons != nullptr && c.buttons[k] != 0; ++k)
        bindings_.push_back({c.buttons[k], &field, component, Role::kButton, k});
    }
    if (field.controls.lengthEdit != 0) bindings_.push_back({field.controls.lengthEdit, &field, 0, Role::kEdit, 0, true});
    if (field.controls.lengthSpin != 0) bindings_.push_back({field.controls.lengthSpin, &field, 0, Role::kSpin, 0, true});
  }
}

const RecordBinder::Binding* RecordBinder::Find(int32_t id) const {
  for (const Binding& b : bindings_)
    if (b.id == id) return &b;
  return nullptr;
}

const RecordBinder::Binding* RecordBinder::FindRole(const FieldSpec& field, int component, Role role) const {
  for (const Binding& b : bindings_)
    if (b.field == &field && b.component == component && b.role == role) return &b;
  return nullptr;
}

Shown RecordBinder::ShownOf(const FieldSpec& field) const { return ShownNow(spec_, field, record_); }

void RecordBinder::Limits(const FieldSpec& field, double* minimum, double* maximum) const {
  const bool lengthFeed = field.shown == Shown::kPercentOrLength && ShownOf(field) == Shown::kLength;
  *minimum = lengthFeed ? field.altMinimum : field.minimum;
  *maximum = lengthFeed ? field.altMaximum : field.maximum;
}

bool RecordBinder::IsQuickSet(const FieldSpec& field, int component) const {
  const ControlIds& c = component == 0 ? field.controls : field.controlsY;
  return c.edit != 0 && c.buttons != nullptr;
}

std::string RecordBinder::Format(const FieldSpec& field, int component) const {
  const int16_t ruler = PaletteRulerUnit();
  const double stored = StoredComponent(field, record_, component);
  const Shown shown = ShownOf(field);
  if (shown == Shown::kLength) {
    char text[64];
    if (suites::StringFormatUtils().formatMeasurement(stored, MeasureUnitOfRuler(ruler), 4, text, sizeof text) == 0)
      return text;
    return FixedText(PointsToRuler(stored, ruler), 4);
  }
  if (IsInteger(field.type) && shown != Shown::kSeconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(std::lround(stored)));
    return text;
  }
  return FixedText(ShownFromStored(shown, stored, ruler), 3);
}

void RecordBinder::SetSliderFromField(const FieldSpec& field, int component) {
  const Binding* slider = FindRole(field, component, Role::kSlider);
  platform::ui::Control* c = slider != nullptr ? dialog_.Item(slider->id) : nullptr;
  if (c == nullptr) return;
  const double shown = ShownFromStored(ShownOf(field), StoredComponent(field, record_, component), PaletteRulerUnit());
  c->SetPosition(RoundHalfAway(shown));
}

ControlIds RecordBinder::ShownControls(const FieldSpec& field, int component) const {
  ControlIds ids = component == 0 ? field.controls : field.controlsY;
  if (ids.lengthEdit != 0 && ShownOf(field) == Shown::kLength) {
    ids.edit = ids.lengthEdit;
    ids.spin = ids.lengthSpin;
  }
  return ids;
}

void RecordBinder::WriteControls(const FieldSpec& field, int component) {
  const ControlIds ids = ShownControls(field, component);
  if (component == 0 && field.controls.lengthEdit != 0) {
    // Only the pair of the current mode is shown; both lie at the same place.
    const bool length = ids.edit == field.controls.lengthEdit;
    for (int32_t id : {field.controls.edit, field.controls.spin})
      if (platform::ui::Control* c = dialog_.Item(id)) c->Show(!length);
    for (int32_t id : {field.controls.lengthEdit, field.controls.lengthSpin})
      if (platform::ui::Control* c = dialog_.Item(id)) c->Show(length);
  }
  const double stored = StoredComponent(field, record_, component);
  if (ids.edit != 0) {
    platform::ui::Control* c = dialog_.Item(ids.edit);
    if (c != nullptr) {
      switch (c->Kind()) {
        case ControlClass::kCheckBox:
        case ControlClass::kRadioButton: c->SetCheck(stored != 0 ? 1 : 0); break;
        case ControlClass::kComboBox:
        case ControlClass::kImageComboBox:
        case ControlClass::kListBox: c->SetSelection(static_cast<int32_t>(std::lround(stored - field.minimum))); break;
        case ControlClass::kEdit: c->SetText(Format(field, component)); break;
        default: break;
      }
    }
  }
  if (ids.buttons != nullptr && !IsQuickSet(field, component)) {
    const int32_t chosen = static_cast<int32_t>(std::lround(stored - field.minimum));
    for (int32_t k = 0; ids.buttons[k] != 0; ++k) {
      platform::ui::Control* b = dialog_.Item(ids.buttons[k]);
      if (b == nullptr) continue;
      if (b->Kind() == ControlClass::kRadioButton) b->SetCheck(k == chosen ? 1 : 0);
      else b->SetPressed(k == chosen);
    }
  }
  SetSliderFromField(field, component);
}

void RecordBinder::Attach() {
  for (const Binding& b : bindings_) {
    if (b.role != Role::kSlider) continue;
    platform::ui::Control* c = dialog_.Item(b.id);
    if (c == nullptr) continue;
    double minimum = 0, maximum = 0;
    Limits(*b.field, &minimum, &maximum);
    c->SetRange(RoundHalfAway(minimum), RoundHalfAway(maximum));
  }
}

void RecordBinder::Refresh() {
  for (size_t f = 0; f < spec_.fieldCount; ++f) {
    WriteControls(spec_.fields[f], 0);
    if (spec_.fields[f].type == FieldType::kPoint) WriteControls(spec_.fields[f], 1);
  }
  ApplyRules();
}

void RecordBinder::EnableControl(int32_t id, bool on) {
  platform::ui::Control* c = dialog_.Item(id);
  if (c == nullptr) return;
  if (auto* dial = dynamic_cast<KDLCircularSliderCtrl*>(c->Behavior())) dial->EnableControl(*c, on);
  else c->Enable(on);
}

void RecordBinder::ApplyRules() {
  for (size_t r = 0; r < ruleCount_; ++r) {
    const EnableRule& rule = rules_[r];
    const FieldSpec* field = FindField(spec_, rule.field);
    if (field == nullptr) continue;
    const double value = StoredComponent(*field, record_);
    const bool on = rule.unless                           ? std::lround(value) != rule.whenEquals
                    : rule.whenEquals == kWhileExactlyZero ? value == 0
                    : rule.whenEquals >= 0                ? std::lround(value) == rule.whenEquals
                                                          : value != 0;
    for (int32_t k = 0; rule.controls[k] != 0; ++k) {
      if (!rule.show) EnableControl(rule.controls[k], on);
      else ShowWithCaption(dialog_, rule.controls[k], on);
    }
  }
  owner_.RulesApplied();
}

void RecordBinder::Changed(const FieldSpec& field, int component) {
  owner_.FieldChanged(field);
  owner_.FieldChangedAt(field, component);
  // Feeds that follow this field as their mode show their other pair now, with
  // what the owner made of their values.
  for (size_t f = 0; f < spec_.fieldCount; ++f) {
    const FieldSpec& feed = spec_.fields[f];
    if (feed.modeField != nullptr && std::strcmp(feed.modeField, field.name) == 0) WriteControls(feed, 0);
  }
  if (owner_.LiveUpdateOn()) owner_.LiveUpdate();
}

void RecordBinder::CommitText(int32_t editId) {
  const Binding* b = Find(editId);
  platform::ui::Control* c = dialog_.Item(editId);
  if (b == nullptr || b->role != Role::kEdit || c == nullptr || c->Kind() != ControlClass::kEdit) return;
  const FieldSpec& field = *b->field;
  double minimum = 0, maximum = 0;
  Limits(field, &minimum, &maximum);
  const Shown shown = ShownOf(field);
  const int16_t ruler = PaletteRulerUnit();
  bool stored = true;
  if (shown == Shown::kLength) {
    double points = 0;
    stored = suites::StringFormatUtils().parseMeasurement(c->Text().c_str(), MeasureUnitOfRuler(ruler), &points) ==
             ai::kNoError;
    if (stored) StoreComponent(field, record_, std::clamp(points, minimum, maximum), b->component);
  } else {
    // The platform's conversions: text that is no number reads as 0.
    double value = IsInteger(field.type) && shown != Shown::kSeconds
                       ? static_cast<double>(std::strtol(c->Text().c_str(), nullptr, 10))
                       : std::strtod(c->Text().c_str(), nullptr);
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, minimum, maximum);
    StoreComponent(field, record_, StoredFromShown(shown, value, ruler), b->component);
  }
  if (stored) Changed(field, b->component);
  c->SetText(Format(field, b->component));
  SetSliderFromField(field, b->component);
  ApplyRules();
}

void RecordBinder::ClickButton(const Binding& b) {
  const FieldSpec& field = *b.field;
  const ControlIds ids = ControlsOf(b);
  if (IsQuickSet(field, b.component)) {
    // Quick-set buttons set values spread evenly over the range, the minimum first.
    int32_t count = 0;
    while (ids.buttons[count] != 0) ++count;
    const double value =
        count < 2 ? field.minimum : field.minimum + (field.maximum - field.minimum) * b.index / (count - 1);
    if (platform::ui::Control* edit = dialog_.Item(ids.edit)) {
      edit->SetText(FixedText(value, 3));
      CommitText(ids.edit);
    }
    return;
  }
  StoreComponent(field, record_, field.minimum + b.index, b.component);
  WriteControls(field, b.component);
  Changed(field, b.component);
  ApplyRules();
}

void RecordBinder::Spin(const Binding& b, int32_t delta) {
  const ControlIds ids = ControlsOf(b);
  platform::ui::Control* edit = dialog_.Item(ids.edit);
  if (edit == nullptr) return;
  const bool length = ShownOf(*b.field) == Shown::kLength;
  const double current = std::strtod(edit->Text().c_str(), nullptr);
  const double next = (std::isfinite(current) ? current : 0) + delta * (length ? 0.1 : 1.0);
  if (length) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", next);
    edit->SetText(text);
  } else if (IsInteger(b.field->type)) {
    edit->SetText(std::to_string(std::lround(next)));
  } else {
    edit->SetText(FixedText(next, 3));
  }
  CommitText(ids.edit);
}

void RecordBinder::Scroll(const Binding& b, ScrollCode code, int32_t position) {
  if (code == ScrollCode::kEndScroll) return;
  platform::ui::Control* slider = dialog_.Item(b.id);
  if (slider == nullptr) return;
  // The slider has moved already when it reports a step; its reported position
  // is where it is now.
  slider->SetPosition(position);
  const ControlIds ids = ControlsOf(b);
  platform::ui::Control* edit = dialog_.Item(ids.edit);
  if (edit != nullptr) {
    edit->SetText(FixedText(slider->Position(), 3));
    CommitText(ids.edit);
    return;
  }
  // A slider alone stores its position as the value shown.
  double minimum = 0, maximum = 0;
  Limits(*b.field, &minimum, &maximum);
  const double shown = std::clamp<double>(slider->Position(), minimum, maximum);
  StoreComponent(*b.field, record_, StoredFromShown(ShownOf(*b.field), shown, PaletteRulerUnit()), b.component);
  Changed(*b.field, b.component);
  ApplyRules();
}

bool RecordBinder::OnCommand(int32_t id, Notify code) {
  const Binding* b = Find(id);
  if (b == nullptr) return false;
  platform::ui::Control* c = dialog_.Item(id);
  if (c == nullptr) return false;
  if (b->role == Role::kEdit && c->Kind() == ControlClass::kEdit) {
    if (code == Notify::kFocusLost) CommitText(id);
    return true;
  }
  if (b->role == Role::kButton && code == Notify::kClicked) {
    owner_.FocusHost();
    ClickButton(*b);
    return true;
  }
  if (b->role != Role::kEdit) return false;
  const FieldSpec& field = *b->field;
  if (code == Notify::kClicked && (c->Kind() == ControlClass::kCheckBox || c->Kind() == ControlClass::kRadioButton)) {
    owner_.FocusHost();
    StoreComponent(field, record_, c->Check() != 0 ? 1 : 0, b->component);
    Changed(field, b->component);
    ApplyRules();
    return true;
  }
  if (code == Notify::kClicked && c->Kind() == ControlClass::kButton) {
    // A button that steps through the choices.
    owner_.FocusHost();
    const double next = StoredComponent(field, record_, b->component) + 1;
    StoreComponent(field, record_, next > field.maximum ? field.minimum : next, b->component);
    Changed(field, b->component);
    ApplyRules();
    return true;
  }
  if (code == Notify::kSelectionChanged && c->IsList() == false && c->Selection() >= 0) {
    owner_.FocusHost();
    // The first item is the range's minimum.
    StoreComponent(field, record_, std::clamp<double>(field.minimum + c->Selection(), field.minimum, field.maximum),
                   b->component);
    Changed(field, b->component);
    ApplyRules();
    return true;
  }
  return code == Notify::kClicked || code == Notify::kSelectionChanged;
}

bool RecordBinder::OnNotify(const platform::ui::Notification& n) {
  const Binding* b = Find(n.id);
  if (b == nullptr || b->role != Role::kSpin || n.code != Notify::kSpinDelta) return false;
  owner_.FocusHost();
  Spin(*b, n.delta);
  return true;
}

bool RecordBinder::OnHScroll(int32_t id, ScrollCode code, int32_t position) {
  const Binding* b = Find(id);
  if (b == nullptr || b->role != Role::kSlider) return false;
  owner_.FocusHost();
  Scroll(*b, code, position);
  return true;
}

}  // namespace vx
