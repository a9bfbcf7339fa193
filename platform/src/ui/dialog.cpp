#include "platform/ui/dialog.h"

#include <algorithm>

#include "platform/ui/desktop.h"
#include "platform/ui/ui_driver.h"

namespace platform::ui {

Dialog::Dialog() : desktop_(&Desktop::Current()) {}

Dialog::~Dialog() {
  // Handlers of a derived class are gone by now; tear down without calling them.
  if (!IsCreated()) return;
  for (const auto& c : controls_) desktop_->Unregister(c->Handle());
  desktop_->Unregister(handle_);
}

int32_t Dialog::Build(const DialogTemplate& dialog, WindowHandle parent) {
  if (IsCreated()) return kUiBadTemplate;
  if (int32_t error = ValidateTemplate(dialog)) return error;
  template_ = &dialog;
  parent_ = parent;
  title_ = std::string(dialog.title);
  rect_ = {0, 0, dialog.width, dialog.height};
  // A dialog inside a frame (a palette in a panel) sits at the frame's corner.
  if (Rect frame; desktop_->IsFrameWindow(parent) && desktop_->WindowRect(parent, &frame))
    rect_ = {frame.left, frame.top, frame.left + dialog.width, frame.top + dialog.height};
  endRequested_ = false;
  endCode_ = 0;
  handle_ = desktop_->NewHandle();
  desktop_->Register(handle_, this);
  controls_.clear();
  for (const ControlTemplate& entry : dialog.controls) {
    controls_.push_back(std::make_unique<Control>(entry, desktop_->NewHandle()));
    desktop_->Register(controls_.back()->Handle(), this);
  }
  return kUiOk;
}

int32_t Dialog::Create(const DialogTemplate& dialog, WindowHandle parent) {
  if (int32_t error = Build(dialog, parent)) return error;
  modal_ = false;
  visible_ = false;
  OnInitDialog();
  return kUiOk;
}

int32_t Dialog::RunModal(const DialogTemplate& dialog, WindowHandle owner) {
  if (Build(dialog, owner) != kUiOk) return -1;
  modal_ = true;
  visible_ = true;
  const WindowHandle focusBefore = desktop_->Focus();
  desktop_->PushModal(this);
  if (OnInitDialog()) FocusNextTabStop(false);

  ScriptedUser user(*desktop_);
  ModalAction action;
  while (!endRequested_ && desktop_->TakeQueuedAction(action)) action(user, *this);
  if (!endRequested_) {
    // The scripted user has nothing more to do: they close the dialog.
    Dispatch({kIdCancel, Notify::kClicked});
    if (!endRequested_) EndDialog(kIdCancel);
  }

  const int32_t code = endCode_;
  desktop_->PopModal();
  Destroy();
  desktop_->SetFocus(desktop_->DialogOwning(focusBefore) != nullptr || focusBefore == desktop_->HostWindow()
                         ? focusBefore
                         : desktop_->HostWindow());
  return code;
}

void Dialog::EndDialog(int32_t code) {
  endRequested_ = true;
  endCode_ = code;
}

void Dialog::Destroy() {
  if (!IsCreated()) return;
  OnDestroy();
  const bool hadFocus = desktop_->DialogOwning(desktop_->Focus()) == this;
  for (const auto& c : controls_) desktop_->Unregister(c->Handle());
  desktop_->Unregister(handle_);
  if (hadFocus) desktop_->SetFocus(desktop_->HostWindow());
  controls_.clear();
  handle_ = kNoWindow;
  visible_ = false;
}

void Dialog::MoveTo(Point topLeft) {
  rect_ = {topLeft.x, topLeft.y, topLeft.x + rect_.Width(), topLeft.y + rect_.Height()};
}

void Dialog::Resize(int32_t width, int32_t height) {
  rect_.right = rect_.left + std::max(width, 0);
  rect_.bottom = rect_.top + std::max(height, 0);
}

void Dialog::CentreOnScreen() {
  const Rect screen = desktop_->Screen();
  MoveTo({screen.left + (screen.Width() - rect_.Width()) / 2, screen.top + (screen.Height() - rect_.Height()) / 2});
}

void Dialog::PlaceOrCentre(Point topLeft) {
  const Rect wanted{topLeft.x, topLeft.y, topLeft.x + rect_.Width(), topLeft.y + rect_.Height()};
  if (topLeft.x < 0 || topLeft.y < 0 || !desktop_->Screen().Contains(wanted))
    CentreOnScreen();
  else
    MoveTo(topLeft);
}

Control* Dialog::Item(int32_t id) {
  if (id == -1) return nullptr;
  for (const auto& c : controls_)
    if (c->Id() == id) return c.get();
  return nullptr;
}

const Control* Dialog::Item(int32_t id) const { return const_cast<Dialog*>(this)->Item(id); }

Control* Dialog::ControlByHandle(WindowHandle handle) const {
  for (const auto& c : controls_)
    if (c->Handle() == handle) return c.get();
  return nullptr;
}

int32_t Dialog::FocusItem(int32_t id) {
  Control* c = Item(id);
  if (c == nullptr) return kUiNoSuchControl;
  desktop_->SetFocus(c->Handle());
  return kUiOk;
}

int32_t Dialog::FocusedItem() const {
  const Control* c = ControlByHandle(desktop_->Focus());
  return c != nullptr ? c->Id() : 0;
}

void Dialog::CheckRadio(int32_t first, int32_t last, int32_t id) {
  for (const auto& c : controls_)
    if (c->Kind() == ControlClass::kRadioButton && c->Id() >= first && c->Id() <= last)
      c->SetCheck(c->Id() == id ? 1 : 0);
}

void Dialog::Dispatch(const Notification& n) {
  switch (n.code) {
    case Notify::kScroll: {
      const Control* c = Item(n.id);
      if (c != nullptr && c->HasStyle(kVertical))
        OnVScroll(n.id, n.scroll, n.position);
      else
        OnHScroll(n.id, n.scroll, n.position);
      break;
    }
    case Notify::kSpinDelta:
    case Notify::kDragBegin:
    case Notify::kDropped:
      OnNotify(n);
      break;
    default:
      OnCommand(n.id, n.code);
      break;
  }
}

void Dialog::OnCommand(int32_t id, Notify code) {
  if (code != Notify::kClicked) return;
  if (id == kIdOk) OnOK();
  if (id == kIdCancel) OnCancel();
}

void Dialog::FocusNextTabStop(bool backwards) {
  std::vector<Control*> stops;
  for (const auto& c : controls_)
    if (c->HasStyle(kTabStop) && c->Enabled() && c->Visible()) stops.push_back(c.get());
  if (stops.empty()) return;
  const Control* current = ControlByHandle(desktop_->Focus());
  auto it = std::find(stops.begin(), stops.end(), current);
  size_t next = 0;
  if (it != stops.end()) {
    const size_t at = static_cast<size_t>(it - stops.begin());
    next = backwards ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
  } else if (backwards) {
    next = stops.size() - 1;
  }
  desktop_->SetFocus(stops[next]->Handle());
}

void Dialog::MoveSliderByKey(Control& slider, ScrollCode code) {
  int32_t pos = slider.Position();
  switch (code) {
    case ScrollCode::kLineUp: pos -= slider.LineSize(); break;
    case ScrollCode::kLineDown: pos += slider.LineSize(); break;
    case ScrollCode::kPageUp: pos -= slider.PageSize(); break;
    case ScrollCode::kPageDown: pos += slider.PageSize(); break;
    case ScrollCode::kTop: pos = slider.Minimum(); break;
    case ScrollCode::kBottom: pos = slider.Maximum(); break;
    default: break;
  }
  slider.SetPosition(pos);
  Dispatch({.id = slider.Id(), .code = Notify::kScroll, .scroll = code, .position = slider.Position()});
  Dispatch({.id = slider.Id(), .code = Notify::kScroll, .scroll = ScrollCode::kEndScroll, .position = slider.Position()});
}

bool Dialog::HandleDialogKey(const KeyEvent& key) {
  Control* focused = ControlByHandle(desktop_->Focus());
  if (key.key == Key::kTab) {
    FocusNextTabStop(key.Has(kShift));
    return true;
  }
  if (modal_ && key.key == Key::kEnter) {
    int32_t id = kIdOk;
    for (const auto& c : controls_)
      if (c->HasStyle(kDefaultButton)) id = c->Id();
    if (const Control* button = Item(id); button != nullptr && !button->Enabled()) return true;
    Dispatch({id, Notify::kClicked});
    return true;
  }
  if (modal_ && key.key == Key::kEscape) {
    Dispatch({kIdCancel, Notify::kClicked});
    return true;
  }
  if (focused == nullptr) return false;
  if (focused->Kind() == ControlClass::kSlider) {
    switch (key.key) {
      case Key::kLeft: case Key::kUp: MoveSliderByKey(*focused, ScrollCode::kLineUp); return true;
      case Key::kRight: case Key::kDown: MoveSliderByKey(*focused, ScrollCode::kLineDown); return true;
      case Key::kPageUp: MoveSliderByKey(*focused, ScrollCode::kPageUp); return true;
      case Key::kPageDown: MoveSliderByKey(*focused, ScrollCode::kPageDown); return true;
      case Key::kHome: MoveSliderByKey(*focused, ScrollCode::kTop); return true;
      case Key::kEnd: MoveSliderByKey(*focused, ScrollCode::kBottom); return true;
      default: return false;
    }
  }
  const bool listLike = focused->IsList() || focused->Kind() == ControlClass::kComboBox ||
                        focused->Kind() == ControlClass::kImageComboBox;
  if (listLike && (key.key == Key::kUp || key.key == Key::kDown)) {
    const int32_t count = static_cast<int32_t>(focused->Items().size());
    if (count == 0) return true;
    const int32_t step = key.key == Key::kUp ? -1 : 1;
    const int32_t next = std::clamp(focused->Selection() + step, 0, count - 1);
    if (next != focused->Selection()) {
      focused->SetSelection(next);
      Dispatch({focused->Id(), Notify::kSelectionChanged});
    }
    return true;
  }
  if (key.key == Key::kSpace) {
    switch (focused->Kind()) {
      case ControlClass::kButton:
      case ControlClass::kImageButton:
      case ControlClass::kCheckBox:
      case ControlClass::kRadioButton: {
        ScriptedUser user(*desktop_);
        user.Click(*this, focused->Id());
        return true;
      }
      default: return false;
    }
  }
  return false;
}

}  // namespace platform::ui
