#include "platform/ui/dialog_template.h"

#include <set>

#include "platform/ui/types.h"

namespace platform::ui {
namespace {

struct ClassName {
  ControlClass kind;
  std::string_view name;
};

constexpr ClassName kClassNames[] = {
    {ControlClass::kButton, "button"},           {ControlClass::kImageButton, "image-button"},
    {ControlClass::kCheckBox, "check-box"},      {ControlClass::kRadioButton, "radio-button"},
    {ControlClass::kEdit, "edit"},               {ControlClass::kUpDown, "up-down"},
    {ControlClass::kSlider, "slider"},           {ControlClass::kComboBox, "combo-box"},
    {ControlClass::kImageComboBox, "image-combo-box"}, {ControlClass::kListBox, "list-box"},
    {ControlClass::kDragListBox, "drag-list-box"}, {ControlClass::kStatic, "static"},
    {ControlClass::kPicture, "picture"},         {ControlClass::kGroupBox, "group-box"},
};

}  // namespace

int32_t ValidateTemplate(const DialogTemplate& dialog) {
  if (dialog.width <= 0 || dialog.height <= 0) return kUiBadTemplate;
  std::set<int32_t> ids;
  for (const ControlTemplate& c : dialog.controls) {
    if (c.width < 0 || c.height < 0) return kUiBadTemplate;
    if (!ControlClassFromName(ControlClassName(c.kind))) return kUiBadTemplate;
    if (c.id != -1 && !ids.insert(c.id).second) return kUiBadTemplate;
  }
  return kUiOk;
}

std::string_view ControlClassName(ControlClass kind) {
  for (const ClassName& entry : kClassNames)
    if (entry.kind == kind) return entry.name;
  return "unknown";
}

std::optional<ControlClass> ControlClassFromName(std::string_view name) {
  for (const ClassName& entry : kClassNames)
    if (entry.name == name) return entry.kind;
  return std::nullopt;
}

const DialogTemplate* ResourceTable::FindDialog(int32_t id, Language language) const {
  for (const ResourceEntry& e : entries_)
    if (e.type == ResourceType::kDialog && e.id == id && e.language == language) return e.dialog;
  return nullptr;
}

std::optional<std::string_view> ResourceTable::FindData(ResourceType type, int32_t id, Language language) const {
  for (const ResourceEntry& e : entries_)
    if (e.type == type && e.id == id && e.language == language) return e.data;
  return std::nullopt;
}

}  // namespace platform::ui
