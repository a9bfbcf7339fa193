#include "platform/ui/ui_driver.h"

#include <algorithm>

#include "platform/ui/dialog.h"

namespace platform::ui {
namespace {

bool IsButtonLike(ControlClass kind) {
  return kind == ControlClass::kButton || kind == ControlClass::kImageButton || kind == ControlClass::kCheckBox ||
         kind == ControlClass::kRadioButton;
}

bool IsCombo(ControlClass kind) { return kind == ControlClass::kComboBox || kind == ControlClass::kImageComboBox; }

// Holds the modifier keys down for the length of one user action.
class HeldModifiers {
 public:
  HeldModifiers(Desktop& desktop, uint16_t modifiers) : desktop_(desktop), before_(desktop.Modifiers()) {
    desktop_.SetModifiers(modifiers);
  }
  ~HeldModifiers() { desktop_.SetModifiers(before_); }

 private:
  Desktop& desktop_;
  uint16_t before_;
};

}  // namespace

int32_t ScriptedUser::Reach(Dialog& dialog, int32_t id, Control*& out) const {
  out = nullptr;
  if (!dialog.IsCreated()) return kUiNotCreated;
  if (!desktop_.AcceptsInput(dialog)) return kUiBlockedByModal;
  if (!dialog.Visible()) return kUiHidden;
  if (!dialog.Enabled()) return kUiDisabled;
  Control* c = dialog.Item(id);
  if (c == nullptr) return kUiNoSuchControl;
  if (!c->Visible()) return kUiHidden;
  if (!c->Enabled()) return kUiDisabled;
  out = c;
  return kUiOk;
}

int32_t ScriptedUser::Type(Dialog& dialog, int32_t id, std::string_view text) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->Kind() != ControlClass::kEdit || c->HasStyle(kReadOnly)) return kUiWrongClass;
  desktop_.SetFocus(c->Handle());
  if (c->Text() != text) {
    c->SetText(text);
    dialog.Dispatch({id, Notify::kTextChanged});
  }
  return kUiOk;
}

int32_t ScriptedUser::TypeAndLeave(Dialog& dialog, int32_t id, std::string_view text) {
  if (int32_t error = Type(dialog, id, text)) return error;
  ClickHost();
  return kUiOk;
}

void ScriptedUser::ClickHost() { desktop_.SetFocus(desktop_.HostWindow()); }

int32_t ScriptedUser::Click(Dialog& dialog, int32_t id, uint16_t modifiers) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (!IsButtonLike(c->Kind())) return kUiWrongClass;
  HeldModifiers held(desktop_, modifiers);
  desktop_.SetFocus(c->Handle());
  if (c->Kind() == ControlClass::kCheckBox) c->SetCheck(c->Check() == 1 ? 0 : 1);
  if (c->Kind() == ControlClass::kRadioButton) {
    // The group runs from the nearest kGroup control at or before this one up to the
    // next kGroup control.
    auto controls = dialog.Controls();
    size_t at = 0;
    while (controls[at].get() != c) ++at;
    size_t first = at;
    while (first > 0 && !controls[first]->HasStyle(kGroup)) --first;
    for (size_t i = first; i < controls.size(); ++i) {
      if (i > first && controls[i]->HasStyle(kGroup)) break;
      if (controls[i]->Kind() == ControlClass::kRadioButton) controls[i]->SetCheck(i == at ? 1 : 0);
    }
  }
  dialog.Dispatch({id, Notify::kClicked});
  return kUiOk;
}

int32_t ScriptedUser::Spin(Dialog& dialog, int32_t id, int32_t steps) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->Kind() != ControlClass::kUpDown) return kUiWrongClass;
  const int32_t delta = steps >= 0 ? 1 : -1;
  for (int32_t i = 0; i < std::abs(steps); ++i) {
    if (dialog.Item(id) != c || !c->Enabled()) break;  // a handler may have disabled it
    dialog.Dispatch({.id = id, .code = Notify::kSpinDelta, .position = c->Position(), .delta = delta});
    if (dialog.Item(id) != c) break;
    c->SetPosition(c->Position() + delta);
  }
  return kUiOk;
}

int32_t ScriptedUser::DragSlider(Dialog& dialog, int32_t id, std::initializer_list<int32_t> positions) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->Kind() != ControlClass::kSlider) return kUiWrongClass;
  if (positions.size() == 0) return kUiOk;
  desktop_.SetFocus(c->Handle());
  for (int32_t p : positions) {
    if (dialog.Item(id) != c) return kUiOk;  // a handler closed the dialog
    c->SetPosition(p);
    dialog.Dispatch({.id = id, .code = Notify::kScroll, .scroll = ScrollCode::kThumbTrack, .position = c->Position()});
  }
  if (dialog.Item(id) != c) return kUiOk;
  const int32_t last = c->Position();
  dialog.Dispatch({.id = id, .code = Notify::kScroll, .scroll = ScrollCode::kThumbPosition, .position = last});
  dialog.Dispatch({.id = id, .code = Notify::kScroll, .scroll = ScrollCode::kEndScroll, .position = last});
  return kUiOk;
}

int32_t ScriptedUser::PageSlider(Dialog& dialog, int32_t id, int32_t pages) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->Kind() != ControlClass::kSlider) return kUiWrongClass;
  desktop_.SetFocus(c->Handle());
  const ScrollCode code = pages < 0 ? ScrollCode::kPageUp : ScrollCode::kPageDown;
  for (int32_t i = 0; i < std::abs(pages); ++i) {
    if (dialog.Item(id) != c) return kUiOk;  // a handler closed the dialog
    c->SetPosition(c->Position() + (pages < 0 ? -c->PageSize() : c->PageSize()));
    const int32_t now = c->Position();
    dialog.Dispatch({.id = id, .code = Notify::kScroll, .scroll = code, .position = now});
    dialog.Dispatch({.id = id, .code = Notify::kScroll, .scroll = ScrollCode::kEndScroll, .position = now});
  }
  return kUiOk;
}

int32_t ScriptedUser::PickItem(Dialog& dialog, int32_t id, int32_t index) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->IsList()) return ClickListItem(dialog, id, index);
  if (!IsCombo(c->Kind())) return kUiWrongClass;
  if (index < 0 || index >= static_cast<int32_t>(c->Items().size())) return kUiBadItem;
  desktop_.SetFocus(c->Handle());
  c->SetSelection(index);
  dialog.Dispatch({.id = id, .code = Notify::kSelectionChanged, .item = index});
  return kUiOk;
}

int32_t ScriptedUser::PickItem(Dialog& dialog, int32_t id, std::string_view text) {
  const Control* c = dialog.Item(id);
  if (c == nullptr) return kUiNoSuchControl;
  const auto& items = c->Items();
  auto it = std::find_if(items.begin(), items.end(), [&](const ListItem& item) { return item.text == text; });
  if (it == items.end()) return kUiBadItem;
  return PickItem(dialog, id, static_cast<int32_t>(it - items.begin()));
}

int32_t ScriptedUser::ClickListItem(Dialog& dialog, int32_t id, int32_t index, uint16_t modifiers) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (!c->IsList()) return kUiWrongClass;
  if (index < 0 || index >= static_cast<int32_t>(c->Items().size())) return kUiBadItem;
  HeldModifiers held(desktop_, modifiers);
  desktop_.SetFocus(c->Handle());
  if (c->IsMultiSelect() && (modifiers & kShift) != 0 && c->Anchor() >= 0) {
    const int32_t anchor = c->Anchor();
    if ((modifiers & kCtrl) == 0)
      for (int32_t i = 0; i < static_cast<int32_t>(c->Items().size()); ++i) c->SetSelected(i, false);
    for (int32_t i = std::min(anchor, index); i <= std::max(anchor, index); ++i) c->SetSelected(i, true);
    c->SetSelected(index, true);  // the caret ends on the clicked row
  } else if (c->IsMultiSelect() && (modifiers & kCtrl) != 0) {
    c->SetSelected(index, !c->IsSelected(index));
    c->SetAnchor(index);
  } else {
    c->SetSelection(index);
  }
  dialog.Dispatch({.id = id, .code = Notify::kSelectionChanged, .item = index});
  return kUiOk;
}

int32_t ScriptedUser::DoubleClickListItem(Dialog& dialog, int32_t id, int32_t index) {
  if (int32_t error = ClickListItem(dialog, id, index)) return error;
  if (!dialog.IsCreated() || dialog.Item(id) == nullptr) return kUiOk;  // the first click closed it
  dialog.Dispatch({.id = id, .code = Notify::kDoubleClicked, .item = index});
  return kUiOk;
}

int32_t ScriptedUser::DragListItem(Dialog& dialog, int32_t id, int32_t from, int32_t to) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->Kind() != ControlClass::kDragListBox) return kUiWrongClass;
  const int32_t count = static_cast<int32_t>(c->Items().size());
  if (from < 0 || from >= count || to < 0 || to >= count) return kUiBadItem;
  desktop_.SetFocus(c->Handle());
  c->SetSelection(from);
  dialog.Dispatch({.id = id, .code = Notify::kDragBegin, .item = from});
  if (dialog.Item(id) != c) return kUiOk;
  c->MoveItem(from, to);
  c->SetSelection(to);
  dialog.Dispatch({.id = id, .code = Notify::kDropped, .item = from, .item2 = to});
  return kUiOk;
}

int32_t ScriptedUser::ResizeDialog(Dialog& dialog, int32_t width, int32_t height) {
  if (!dialog.IsCreated()) return kUiNotCreated;
  if (!desktop_.AcceptsInput(dialog)) return kUiBlockedByModal;
  if (!dialog.Visible()) return kUiHidden;
  if (!dialog.Resizable()) return kUiWrongClass;
  dialog.ResizeByUser(width, height);
  return kUiOk;
}

int32_t ScriptedUser::MouseDrag(Dialog& dialog, int32_t id, std::span<const Point> points) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  if (c->Behavior() == nullptr) return kUiWrongClass;
  if (points.empty()) return kUiOk;
  ControlBehavior* behavior = c->Behavior();
  behavior->OnMouseDown(dialog, *c, points.front());
  for (size_t i = 1; i < points.size(); ++i) behavior->OnMouseMove(dialog, *c, points[i]);
  behavior->OnMouseUp(dialog, *c, points.back());
  return kUiOk;
}

KeyOutcome ScriptedUser::PressKey(Key key, uint16_t modifiers) { return desktop_.PressKey({key, modifiers}); }

int32_t ScriptedUser::PressKeyIn(Dialog& dialog, int32_t id, Key key, uint16_t modifiers, KeyOutcome* outcome) {
  Control* c = nullptr;
  if (int32_t error = Reach(dialog, id, c)) return error;
  desktop_.SetFocus(c->Handle());
  const KeyOutcome result = PressKey(key, modifiers);
  if (outcome != nullptr) *outcome = result;
  return kUiOk;
}

}  // namespace platform::ui
