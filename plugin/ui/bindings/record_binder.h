// Binds a palette's controls to the fields of its parameter record, driven by the
// record's table: every edit field, spin, slider, check box, combo box, radio or
// image button group and quick-set button the table names is handled here, the
// same way on every palette.
//
// A change is read from the control, clamped to the field's range, stored in the
// record's unit, written back in the field's canonical form, and with live update
// on, applied to the selected objects at once. Distances go through the host's
// measurement parsing and formatting in the document's ruler unit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "presets/record_schema.h"

namespace vx {

// What the binder asks of the palette that owns it.
class BindingOwner {
 public:
  virtual ~BindingOwner() = default;
  virtual bool LiveUpdateOn() const = 0;
  virtual void LiveUpdate() = 0;
  // A field was changed by the user (after it was stored, before live update).
  virtual void FieldChanged(const FieldSpec& field) {}
  // The same, with the control's component (a point's x 0, y 1); after FieldChanged.
  virtual void FieldChangedAt(const FieldSpec& field, int component) {}
  // After the rules were applied: the controls follow the record as it is now.
  virtual void RulesApplied() {}
  // Gives the keyboard focus back to the host's window.
  virtual void FocusHost() = 0;
};

// Controls enabled only while a field has a value: with `whenEquals` >= 0 while
// the field equals it, with kWhileExactlyZero while the stored value is exactly
// 0, otherwise while the field is not 0. With `unless` the other way round:
// while the field does not equal `whenEquals`.
inline constexpr int32_t kWhileExactlyZero = -2;
// With `show` the rule shows and hides its controls instead (two fields that
// take turns at one place, by a mode), each with the unnamed label before it
// on its line.
struct EnableRule {
  const char* field;
  int32_t whenEquals;
  const int32_t* controls;  // zero-terminated
  bool unless = false;
  bool show = false;
};

// Half away from zero, as slider positions are rounded.
int32_t RoundHalfAway(double value);
// `value` with `decimals` places, as the host's number formatter writes it.
std::string FixedText(double value, int32_t decimals);

// The ruler unit palettes show distances in: the globals' code, where a code
// above 7 is taken as points and stored back as 3.
int16_t PaletteRulerUnit();
// The host's measurement unit of a ruler code.
int32_t MeasureUnitOfRuler(int16_t rulerUnit);

class RecordBinder {
 public:
  RecordBinder(platform::ui::Dialog& dialog, const RecordSpec& spec, void* record, BindingOwner& owner);

  void SetRules(const EnableRule* rules, size_t count) {
    rules_ = rules;
    ruleCount_ = count;
  }

  // Prepares bound sliders (their range is the field's) after the dialog exists.
  void Attach();
  // Writes every bound control from the record, then applies the rules.
  void Refresh();

  // Handlers; each returns whether the notification was about a bound control.
  bool OnCommand(int32_t id, platform::ui::Notify code);
  bool OnNotify(const platform::ui::Notification& n);
  bool OnHScroll(int32_t id, platform::ui::ScrollCode code, int32_t position);

  // The text-field steps on a bound edit field: read, clamp, store, live update,
  // write back, move its slider. Also what quick-set buttons and sliders use.
  void CommitText(int32_t editId);
  // Enables and disables the controls of every rule.
  void ApplyRules();

  const RecordSpec& spec() const { return spec_; }
  void* record() const { return record_; }

 private:
  enum class Role : uint8_t { kEdit, kSpin, kSlider, kButton };
  struct Binding {
    int32_t id;
    const FieldSpec* field;
    int component;  // 0, or 1 for a point's y
    Role role;
    int32_t index;  // a button's place in its list
    bool length = false;  // the edit or spin of a feed's lengths (ControlIds::lengthEdit)
  };
  const Binding* Find(int32_t id) const;
  const Binding* FindRole(const FieldSpec& field, int component, Role role) const;
  ControlIds ControlsOf(const Binding& b) const {
    if (b.length) return ControlIds{b.field->controls.lengthEdit, b.field->controls.lengthSpin};
    return b.component == 1 ? b.field->controlsY : b.field->controls;
  }
  // The controls that show a field now: a feed's pair of the current mode.
  ControlIds ShownControls(const FieldSpec& field, int component) const;
  Shown ShownOf(const FieldSpec& field) const;
  void Limits(const FieldSpec& field, double* minimum, double* maximum) const;
  std::string Format(const FieldSpec& field, int component) const;
  void WriteControls(const FieldSpec& field, int component);
  void SetSliderFromField(const FieldSpec& field, int component);
  void Changed(const FieldSpec& field, int component);
  void ClickButton(const Binding& b);
  void Spin(const Binding& b, int32_t delta);
  void Scroll(const Binding& b, platform::ui::ScrollCode code, int32_t position);
  void EnableControl(int32_t id, bool on);
  bool IsQuickSet(const FieldSpec& field, int component) const;

  platform::ui::Dialog& dialog_;
  const RecordSpec& spec_;
  void* record_;
  BindingOwner& owner_;
  std::vector<Binding> bindings_;
  const EnableRule* rules_ = nullptr;
  size_t ruleCount_ = 0;
};

}  // namespace vx
