#include "platform/ui/control.h"

#include <algorithm>

namespace platform::ui {
namespace {

// Combo and list boxes take their initial items from the caption, one per line.
void SplitLines(std::string_view text, std::vector<ListItem>& out) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    out.push_back({std::string(text.substr(0, end)), -1, false});
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

Control::Control(const ControlTemplate& entry, WindowHandle handle)
    : id_(entry.id),
      kind_(entry.kind),
      style_(entry.style),
      handle_(handle),
      bounds_{entry.x, entry.y, entry.x + entry.width, entry.y + entry.height},
      enabled_((entry.style & kDisabled) == 0),
      visible_((entry.style & kHidden) == 0) {
  if (IsList() || kind_ == ControlClass::kComboBox || kind_ == ControlClass::kImageComboBox)
    SplitLines(entry.caption, items_);
  else
    text_ = std::string(entry.caption);
}

bool Control::IsList() const {
  return kind_ == ControlClass::kListBox || kind_ == ControlClass::kDragListBox;
}

void Control::SetPosition(int32_t value) { position_ = std::clamp(value, minimum_, maximum_); }

void Control::SetRange(int32_t minimum, int32_t maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  minimum_ = minimum;
  maximum_ = maximum;
  SetPosition(position_);
}

int32_t Control::AddItem(std::string_view text, int32_t image) {
  items_.push_back({std::string(text), image, false});
  return static_cast<int32_t>(items_.size()) - 1;
}

int32_t Control::InsertItem(int32_t index, std::string_view text, int32_t image) {
  if (index < 0 || index > static_cast<int32_t>(items_.size())) return AddItem(text, image);
  items_.insert(items_.begin() + index, ListItem{std::string(text), image, false});
  if (selection_ >= index) ++selection_;
  return index;
}

bool Control::DeleteItem(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(items_.size())) return false;
  items_.erase(items_.begin() + index);
  if (selection_ == index) selection_ = -1;
  else if (selection_ > index) --selection_;
  if (anchor_ >= static_cast<int32_t>(items_.size())) anchor_ = -1;
  return true;
}

void Control::ClearItems() {
  items_.clear();
  selection_ = anchor_ = -1;
  if (!IsList()) text_.clear();
}

bool Control::MoveItem(int32_t from, int32_t to) {
  const auto count = static_cast<int32_t>(items_.size());
  if (from < 0 || from >= count || to < 0 || to >= count) return false;
  ListItem moved = std::move(items_[from]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(moved));
  if (!IsMultiSelect()) {
    selection_ = -1;
    for (int32_t i = 0; i < count; ++i)
      if (items_[i].selected) selection_ = i;
  }
  return true;
}

bool Control::SetSelection(int32_t index) {
  if (index < -1 || index >= static_cast<int32_t>(items_.size())) return false;
  selection_ = index;
  for (ListItem& item : items_) item.selected = false;
  if (index >= 0) {
    items_[index].selected = true;
    anchor_ = index;
  }
  // A combo box shows the chosen item's text.
  if (!IsList()) text_ = index >= 0 ? items_[index].text : std::string();
  return true;
}

bool Control::IsSelected(int32_t index) const {
  if (index < 0 || index >= static_cast<int32_t>(items_.size())) return false;
  return IsMultiSelect() ? items_[index].selected : selection_ == index;
}

bool Control::SetSelected(int32_t index, bool on) {
  if (!IsMultiSelect()) return on ? SetSelection(index) : (selection_ == index ? SetSelection(-1) : true);
  if (index < 0 || index >= static_cast<int32_t>(items_.size())) return false;
  items_[index].selected = on;
  selection_ = index;  // the caret row
  return true;
}

std::vector<int32_t> Control::SelectedItems() const {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < static_cast<int32_t>(items_.size()); ++i)
    if (IsSelected(i)) out.push_back(i);
  return out;
}

DisplayList Control::Paint() const {
  DisplayList list;
  if (behavior_) behavior_->Paint(*this, list);
  return list;
}

}  // namespace platform::ui
