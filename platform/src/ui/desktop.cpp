#include "platform/ui/desktop.h"

#include <set>

#include "platform/ui/dialog.h"

namespace platform::ui {
namespace {

Desktop*& CurrentDesktop() {
  static Desktop* current = nullptr;
  return current;
}

}  // namespace

Desktop::Desktop(Rect screen) : screen_(screen) {
  host_ = NewHandle();
  focus_ = host_;
  previous_ = CurrentDesktop();
  CurrentDesktop() = this;
}

Desktop::~Desktop() {
  if (CurrentDesktop() == this) CurrentDesktop() = previous_;
}

Desktop& Desktop::Current() {
  if (CurrentDesktop() == nullptr) {
    // A process that never made one (a plug-in loaded by a host without a desktop)
    // still gets a working desktop; it lives for the whole process.
    static Desktop* fallback = new Desktop();
    CurrentDesktop() = fallback;
  }
  return *CurrentDesktop();
}

Dialog* Desktop::DialogOwning(WindowHandle window) const {
  auto it = owners_.find(window);
  return it == owners_.end() ? nullptr : it->second;
}

void Desktop::SetFocus(WindowHandle window) {
  if (window == focus_) return;
  const WindowHandle old = focus_;
  focus_ = window;
  // The old field is told after the focus has moved, so a handler that sends the
  // focus elsewhere (back to the host) sees where it went.
  if (Dialog* dialog = DialogOwning(old)) {
    if (Control* c = dialog->ControlByHandle(old); c != nullptr && c->Kind() == ControlClass::kEdit)
      dialog->Dispatch({c->Id(), Notify::kFocusLost});
  }
  if (focus_ != window) return;  // a handler moved it on already
  if (Dialog* dialog = DialogOwning(window)) {
    if (Control* c = dialog->ControlByHandle(window); c != nullptr && c->Kind() == ControlClass::kEdit)
      dialog->Dispatch({c->Id(), Notify::kFocusGained});
  }
}

void Desktop::Unregister(WindowHandle window) {
  owners_.erase(window);
  if (focus_ == window) focus_ = host_;
}

WindowHandle Desktop::CreateFrameWindow(Rect rect) {
  const WindowHandle window = NewHandle();
  frames_[window] = rect;
  return window;
}

void Desktop::DestroyFrameWindow(WindowHandle window) {
  frames_.erase(window);
  if (focus_ == window) focus_ = host_;
}

void Desktop::MoveFrameWindow(WindowHandle window, Rect rect) {
  if (auto it = frames_.find(window); it != frames_.end()) it->second = rect;
}

bool Desktop::WindowRect(WindowHandle window, Rect* rect) const {
  if (auto it = frames_.find(window); it != frames_.end()) {
    *rect = it->second;
    return true;
  }
  Dialog* dialog = DialogOwning(window);
  if (dialog == nullptr || dialog->Handle() != window) return false;
  *rect = dialog->WindowRect();
  return true;
}

std::vector<Dialog*> Desktop::Dialogs() const {
  std::vector<Dialog*> out;
  for (const auto& [window, dialog] : owners_)
    if (dialog->Handle() == window) out.push_back(dialog);
  return out;
}

bool Desktop::AcceptsInput(const Dialog& dialog) const {
  return modal_.empty() || modal_.back() == &dialog;
}

bool Desktop::TakeQueuedAction(ModalAction& action) {
  if (script_.empty()) return false;
  action = std::move(script_.front());
  script_.pop_front();
  return true;
}

KeyOutcome Desktop::PressKey(const KeyEvent& key) {
  const uint16_t before = modifiers_;
  modifiers_ = key.modifiers;
  KeyOutcome outcome = KeyOutcome::kPassedToHost;
  Dialog* owner = DialogOwning(focus_);
  if (KeyHookActive() && owner != nullptr && owner->OfferKey(key)) {
    outcome = KeyOutcome::kConsumedByHook;
  } else if (!modal_.empty()) {
    Dialog* modal = modal_.back();
    outcome = modal->OfferKey(key) ? KeyOutcome::kConsumedByModal : KeyOutcome::kIgnoredByModal;
  } else if (hostKeys_) {
    hostKeys_(key);
  }
  modifiers_ = before;
  return outcome;
}

}  // namespace platform::ui
