// Every control a record's declaration binds must exist in the palette that
// edits that record, as a control that can edit the field the way the record
// says: an edit for a typed value, an up-down for its spin, a slider, a check
// box for a flag, a list for a choice, radio or image buttons for a button row.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/dialog_template.h"
#include "presets/record_registry.h"
#include "resources/resource_ids.h"

namespace {

using platform::ui::ControlClass;
using platform::ui::ControlTemplate;
using platform::ui::DialogTemplate;

const DialogTemplate& PaletteOf(const vx::RecordKind& kind) {
  static const DialogTemplate kNone{};
  const DialogTemplate* d = vx::PluginResources().LoadDialog(vx::res::PaletteTemplateOf(kind.name));
  return d != nullptr ? *d : kNone;
}

const ControlTemplate* FindControl(const DialogTemplate& d, int32_t id) {
  for (const ControlTemplate& c : d.controls)
    if (c.id == id) return &c;
  return nullptr;
}

bool IsCombo(ControlClass kind) { return kind == ControlClass::kComboBox || kind == ControlClass::kImageComboBox; }

// The classes that can be a field's one control (an edit without spin or slider).
std::vector<ControlClass> SingleControlClasses(const vx::FieldSpec& field) {
  if (field.type == vx::FieldType::kBool) return {ControlClass::kCheckBox};
  if (field.type == vx::FieldType::kColor) return {ControlClass::kPicture, ControlClass::kStatic};
  if (field.shown == vx::Shown::kChoice)  // a list, or a button stepping through the choices
    return {ControlClass::kComboBox, ControlClass::kImageComboBox, ControlClass::kListBox, ControlClass::kButton};
  return {ControlClass::kEdit, ControlClass::kComboBox, ControlClass::kImageComboBox};
}

struct Bound {
  int32_t id;
  std::vector<ControlClass> fits;
  std::string role;
};

std::vector<Bound> BoundControls(const vx::FieldSpec& field, const vx::ControlIds& ids) {
  std::vector<Bound> out;
  const bool quickSet = ids.buttons != nullptr && ids.edit != 0;
  if (ids.edit != 0) {
    if (ids.spin != 0 || ids.slider != 0 || quickSet)
      out.push_back({ids.edit, {ControlClass::kEdit}, "edit"});
    else
      out.push_back({ids.edit, SingleControlClasses(field), "control"});
  }
  if (ids.spin != 0) out.push_back({ids.spin, {ControlClass::kUpDown}, "spin"});
  if (ids.slider != 0) out.push_back({ids.slider, {ControlClass::kSlider}, "slider"});
  for (const int32_t* b = ids.buttons; b != nullptr && *b != 0; ++b) {
    if (quickSet)
      out.push_back({*b, {ControlClass::kImageButton, ControlClass::kButton}, "quick-set button"});
    else
      out.push_back({*b, {ControlClass::kRadioButton, ControlClass::kImageButton}, "choice button"});
  }
  return out;
}

template <typename Check>
void ForEachBinding(Check check) {
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    const vx::RecordSpec& spec = *kind.spec;
    for (size_t f = 0; f < spec.fieldCount; ++f) {
      const vx::FieldSpec& field = spec.fields[f];
      check(kind, field, field.controls);
      if (field.type == vx::FieldType::kPoint) check(kind, field, field.controlsY);
    }
  }
}

TEST(PaletteBindings, EveryRecordKindHasItsPalette) {
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    const int32_t id = vx::res::PaletteTemplateOf(kind.name);
    ASSERT_NE(vx::PluginResources().LoadDialog(id), nullptr) << kind.name;
    if (kind.effectIndex >= 0) {
      EXPECT_EQ(vx::res::EffectPaletteTemplate(kind.effectIndex), id) << kind.name;
    }
    if (kind.toolIndex >= 0) {
      EXPECT_EQ(vx::res::ToolPaletteTemplate(kind.toolIndex), id) << kind.name;
    }
  }
  for (const vx::res::PaletteOfKind& entry : vx::res::kPaletteOfKind)
    EXPECT_NE(vx::FindKindByName(entry.kind), nullptr) << entry.kind << " names no record kind";
}

TEST(PaletteBindings, BoundControlsExistWithAFittingClass) {
  int checked = 0;
  ForEachBinding([&](const vx::RecordKind& kind, const vx::FieldSpec& field, const vx::ControlIds& ids) {
    const DialogTemplate& palette = PaletteOf(kind);
    for (const Bound& b : BoundControls(field, ids)) {
      SCOPED_TRACE(std::string(kind.name) + "." + field.name + " " + b.role + " " + std::to_string(b.id));
      const ControlTemplate* c = FindControl(palette, b.id);
      ASSERT_NE(c, nullptr) << "not in template " << palette.id;
      EXPECT_NE(std::find(b.fits.begin(), b.fits.end(), c->kind), b.fits.end())
          << "a " << platform::ui::ControlClassName(c->kind) << " cannot be this field's " << b.role;
      ++checked;
    }
  });
  EXPECT_GT(checked, 0);
}

// A list that chooses a field's value offers exactly the values of its range.
TEST(PaletteBindings, ListsOfferOneItemPerValue) {
  ForEachBinding([&](const vx::RecordKind& kind, const vx::FieldSpec& field, const vx::ControlIds& ids) {
    if (ids.edit == 0 || ids.spin != 0 || ids.slider != 0 || ids.buttons != nullptr) return;
    const ControlTemplate* c = FindControl(PaletteOf(kind), ids.edit);
    if (c == nullptr || !IsCombo(c->kind)) return;
    const size_t items = static_cast<size_t>(std::count(c->caption.begin(), c->caption.end(), '\n')) + 1;
    EXPECT_EQ(items, static_cast<size_t>(field.maximum - field.minimum + 1)) << kind.name << "." << field.name;
  });
}

// Radio buttons are grouped from a control marked kGroup to the next one; the
// buttons of one field must form one group of their own, or choosing one would
// clear another field's choice (or leave a choice of its own field set).
TEST(PaletteBindings, RadioButtonsOfAFieldFormOneGroup) {
  ForEachBinding([&](const vx::RecordKind& kind, const vx::FieldSpec& field, const vx::ControlIds& ids) {
    if (ids.buttons == nullptr || ids.edit != 0) return;
    const DialogTemplate& palette = PaletteOf(kind);
    std::vector<int32_t> group;  // the group number of every control, in template order
    int32_t number = 0;
    for (const ControlTemplate& c : palette.controls) {
      if (c.style & platform::ui::kGroup) ++number;
      group.push_back(number);
    }
    std::vector<int32_t> own;
    for (const int32_t* b = ids.buttons; *b != 0; ++b) own.push_back(*b);
    int32_t fieldGroup = -1;
    for (size_t i = 0; i < palette.controls.size(); ++i) {
      const ControlTemplate& c = palette.controls[i];
      if (c.kind != ControlClass::kRadioButton) continue;
      const bool mine = std::find(own.begin(), own.end(), c.id) != own.end();
      if (mine && fieldGroup < 0) fieldGroup = group[i];
      if (mine) {
        EXPECT_EQ(group[i], fieldGroup) << kind.name << "." << field.name << " button " << c.id;
      }
    }
    if (fieldGroup < 0) return;  // image buttons
    for (size_t i = 0; i < palette.controls.size(); ++i) {
      const ControlTemplate& c = palette.controls[i];
      if (c.kind == ControlClass::kRadioButton && group[i] == fieldGroup) {
        EXPECT_NE(std::find(own.begin(), own.end(), c.id), own.end())
            << kind.name << "." << field.name << ": radio button " << c.id << " joins its group";
      }
    }
  });
}

}  // namespace
