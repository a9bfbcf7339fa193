// The desktop of one UI thread: the screen, the host's main window, the keyboard
// focus, the modifier keys, the stack of running modal dialogs, the keyboard hook and
// the scripted user's queue of actions for modal dialogs.
//
// The substitute host creates one Desktop for its run; dialogs created while it exists
// belong to it (Desktop::Current). Creating a Desktop makes it current; destroying it
// makes the previous one current again, so a test can have its own.
//
// Key routing mirrors the platform's. A key press goes to the window that has the
// focus:
//   1. If the keyboard hook is installed and not suspended, and the focus is inside a
//      dialog, the dialog's PreTranslateKey sees it first; when it consumes the key the
//      key is blanked and goes nowhere else.
//   2. While a modal dialog runs, its own loop offers the key to the modal dialog.
//      The host never sees keys during a modal dialog.
//   3. Otherwise the host's key handler gets it.
// Palettes in host panels depend on step 1, since the host owns their windows'
// message loop. Suspending the hook (KeyHookSuspension) leaves only steps 2 and 3.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/ui/types.h"

namespace platform::ui {

class Dialog;
class Control;
class ScriptedUser;

// One step of the scripted user while a modal dialog runs; `dialog` is that dialog.
using ModalAction = std::function<void(ScriptedUser& user, Dialog& dialog)>;

enum class KeyOutcome : uint8_t {
  kConsumedByHook,    // a dialog took it through the hook; the host saw a blank message
  kConsumedByModal,   // the running modal dialog took it
  kIgnoredByModal,    // a modal dialog runs and did not want it
  kPassedToHost,      // the host's key handler got it
};

class Desktop {
 public:
  explicit Desktop(Rect screen = {0, 0, 1920, 1080});
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  static Desktop& Current();

  Rect Screen() const { return screen_; }
  void SetScreen(Rect screen) { screen_ = screen; }

  // The host's main window: where "giving the focus back to the host" sends it.
  WindowHandle HostWindow() const { return host_; }
  void SetHostKeyHandler(std::function<void(const KeyEvent&)> handler) { hostKeys_ = std::move(handler); }

  // Keyboard focus. Moving it away from an edit field tells the field's dialog
  // (focus lost) after the focus has moved; the field that gains it is told too.
  WindowHandle Focus() const { return focus_; }
  void SetFocus(WindowHandle window);
  bool FocusIsInHost() const { return focus_ == host_; }
  Dialog* DialogOwning(WindowHandle window) const;

  // Modifier keys down during the current user action (a handler asking "is Alt down").
  bool IsDown(Modifier m) const { return (modifiers_ & m) != 0; }
  uint16_t Modifiers() const { return modifiers_; }
  void SetModifiers(uint16_t modifiers) { modifiers_ = modifiers; }

  KeyOutcome PressKey(const KeyEvent& key);

  // The keyboard hook: installed on request (a use count, never removed), idle while
  // suspended.
  void InstallKeyHook() { ++hookUses_; }
  int32_t KeyHookUses() const { return hookUses_; }
  bool KeyHookActive() const { return hookUses_ > 0 && hookSuspended_ == 0; }

  // Modal dialogs, innermost last.
  const std::vector<Dialog*>& ModalStack() const { return modal_; }
  // Whether the user can reach this dialog now (not behind a running modal dialog).
  bool AcceptsInput(const Dialog& dialog) const;

  // The scripted user's actions for modal dialogs, taken in order by whichever modal
  // dialog runs (a dialog opened by an action takes the actions queued after it).
  void QueueModalAction(ModalAction action) { script_.push_back(std::move(action)); }
  bool HasQueuedActions() const { return !script_.empty(); }
  void ClearQueuedActions() { script_.clear(); }

  // Windows that are not dialogs: the frames the host shows palettes in. Each has
  // a screen rectangle and a shown state; dialogs created inside one sit at its
  // top-left corner.
  WindowHandle CreateFrameWindow(Rect rect);
  void DestroyFrameWindow(WindowHandle window);
  bool IsFrameWindow(WindowHandle window) const { return frames_.count(window) != 0; }
  void MoveFrameWindow(WindowHandle window, Rect rect);
  // The screen rectangle of a frame window or of a dialog; false for an unknown handle.
  bool WindowRect(WindowHandle window, Rect* rect) const;

  // Popup menus: the items the scripted user will pick, in order, and where the
  // last popup was shown.
  void QueuePopupChoice(int32_t id) { popupChoices_.push_back(id); }
  bool TakePopupChoice(int32_t& id) {
    if (popupChoices_.empty()) return false;
    id = popupChoices_.front();
    popupChoices_.pop_front();
    return true;
  }
  void NotePopupShown(Point where) { lastPopup_ = where; ++popupsShown_; }
  Point LastPopupPoint() const { return lastPopup_; }
  int32_t PopupsShown() const { return popupsShown_; }

  // Dialogs and their windows (toolkit internals).
  WindowHandle NewHandle() { return nextHandle_++; }
  void Register(WindowHandle window, Dialog* dialog) { owners_[window] = dialog; }
  void Unregister(WindowHandle window);
  std::vector<Dialog*> Dialogs() const;
  void PushModal(Dialog* dialog) { modal_.push_back(dialog); }
  void PopModal() { if (!modal_.empty()) modal_.pop_back(); }
  bool TakeQueuedAction(ModalAction& action);

 private:
  friend class KeyHookSuspension;
  Rect screen_;
  WindowHandle nextHandle_ = 1;
  WindowHandle host_ = kNoWindow;
  WindowHandle focus_ = kNoWindow;
  uint16_t modifiers_ = kNoModifier;
  int32_t hookUses_ = 0, hookSuspended_ = 0;
  std::function<void(const KeyEvent&)> hostKeys_;
  std::map<WindowHandle, Dialog*> owners_;
  std::map<WindowHandle, Rect> frames_;
  std::vector<Dialog*> modal_;
  std::deque<ModalAction> script_;
  std::deque<int32_t> popupChoices_;
  Point lastPopup_{};
  int32_t popupsShown_ = 0;
  Desktop* previous_ = nullptr;
};

// Keeps the keyboard hook idle for its lifetime (used around a modal dialog that
// must receive its keys only through its own loop).
class KeyHookSuspension {
 public:
  explicit KeyHookSuspension(Desktop& desktop) : desktop_(desktop) { ++desktop_.hookSuspended_; }
  ~KeyHookSuspension() { --desktop_.hookSuspended_; }
  KeyHookSuspension(const KeyHookSuspension&) = delete;
  KeyHookSuspension& operator=(const KeyHookSuspension&) = delete;

 private:
  Desktop& desktop_;
};

}  // namespace platform::ui
