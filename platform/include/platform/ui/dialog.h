// A dialog: a window built from a template, holding its controls, receiving their
// notifications through virtual handlers. Modeless dialogs (palettes) live inside a
// parent window such as a host panel; modal dialogs run until EndDialog, driven by
// the scripted user's queue (see desktop.h).
//
// Code derives from Dialog and overrides the handlers it needs. Nothing here throws:
// failures come back as result codes (types.h).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/types.h"

namespace platform::ui {

class Desktop;

// The platform's command ids of the two standard modal buttons.
constexpr int32_t kIdOk = 1;
constexpr int32_t kIdCancel = 2;

class Dialog {
 public:
  Dialog();
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Builds the window and its controls inside `parent`, then calls OnInitDialog.
  // The dialog starts hidden; Show makes it visible.
  int32_t Create(const DialogTemplate& dialog, WindowHandle parent);

  // Builds the dialog, shows it, calls OnInitDialog, and runs the scripted user's
  // queued actions until EndDialog; with nothing (more) queued the dialog is
  // cancelled. Returns the EndDialog code, or -1 when the dialog cannot be built.
  int32_t RunModal(const DialogTemplate& dialog, WindowHandle owner);

  // Ends a modal dialog once the current action returns.
  void EndDialog(int32_t code);

  // Removes the window and its controls. The keyboard focus, if inside, goes to the
  // host window without notifications: the dialog is already going away.
  void Destroy();

  bool IsCreated() const { return handle_ != kNoWindow; }
  bool IsModal() const { return modal_; }
  WindowHandle Handle() const { return handle_; }
  WindowHandle Parent() const { return parent_; }
  const DialogTemplate* Template() const { return template_; }
  Desktop& GetDesktop() const { return *desktop_; }

  // Position in screen coordinates.
  Rect WindowRect() const { return rect_; }
  void MoveTo(Point topLeft);
  void Resize(int32_t width, int32_t height);
  // Whether the user may change the dialog's size by its border (see
  // ScriptedUser::ResizeDialog); off until the dialog turns it on.
  bool Resizable() const { return resizable_; }
  void SetResizable(bool on) { resizable_ = on; }
  // Places the dialog at `topLeft` when it fits on the screen there, else centres it
  // on the screen; a negative coordinate counts as "no saved position".
  void PlaceOrCentre(Point topLeft);
  void CentreOnScreen();

  bool Visible() const { return visible_; }
  void Show(bool on) { visible_ = on; }
  bool Enabled() const { return enabled_; }
  void Enable(bool on) { enabled_ = on; }
  std::string_view Title() const { return title_; }
  void SetTitle(std::string_view title) { title_ = std::string(title); }

  Control* Item(int32_t id);
  const Control* Item(int32_t id) const;
  std::span<const std::unique_ptr<Control>> Controls() const { return controls_; }
  Control* ControlByHandle(WindowHandle handle) const;

  // Keyboard focus to a control of this dialog (kUiNoSuchControl otherwise).
  int32_t FocusItem(int32_t id);
  // The id of the focused control when it belongs to this dialog, else 0.
  int32_t FocusedItem() const;

  // Checks `id` and unchecks the other radio buttons from `first` to `last` (by id).
  void CheckRadio(int32_t first, int32_t last, int32_t id);

  // Passes a notification to the handler it belongs to (used by the toolkit and by
  // custom control behaviours that report to their dialog).
  void Dispatch(const Notification& n);

  // The dialog's standard keyboard handling: Tab and Shift+Tab move the focus along
  // the tab stops; arrows, page keys, Home and End move a focused slider; arrows move
  // the selection of a focused list or combo box; Space presses a focused button; in a
  // modal dialog Enter presses OK (or the default button) and Escape presses Cancel.
  // Returns whether the key was used.
  bool HandleDialogKey(const KeyEvent& key);

 protected:
  // After the controls exist. For a modal dialog, returning true gives the focus to the
  // first tab stop.
  virtual bool OnInitDialog() { return true; }
  // Clicks, focus changes, text changes, selection changes and double clicks.
  // The default sends OK and Cancel clicks to OnOK and OnCancel.
  virtual void OnCommand(int32_t id, Notify code);
  // Spin deltas and drag list notifications; returns whether it was handled.
  virtual bool OnNotify(const Notification& n) { return false; }
  virtual void OnHScroll(int32_t id, ScrollCode code, int32_t position) {}
  virtual void OnVScroll(int32_t id, ScrollCode code, int32_t position) {}
  // Messages from kUserMessageBase up, sent by custom controls.
  virtual void OnUserMessage(uint32_t message, intptr_t wparam, intptr_t lparam) {}
  // Every key press meant for this dialog passes here first; returning true consumes
  // it. The default is HandleDialogKey.
  virtual bool PreTranslateKey(const KeyEvent& key) { return HandleDialogKey(key); }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }
  virtual void OnDestroy() {}
  // The user drags the border toward this size; the dialog may change it (keep a
  // minimum). Then OnSize follows with the size the dialog now has.
  virtual void OnSizing(int32_t& width, int32_t& height) {}
  virtual void OnSize(int32_t width, int32_t height) {}

 public:
  // Entry points the desktop uses to deliver keys and messages.
  bool OfferKey(const KeyEvent& key) { return PreTranslateKey(key); }
  void SendUserMessage(uint32_t message, intptr_t wparam, intptr_t lparam) {
    OnUserMessage(message, wparam, lparam);
  }
  // The user resized the dialog by its border.
  void ResizeByUser(int32_t width, int32_t height) {
    OnSizing(width, height);
    Resize(width, height);
    OnSize(rect_.Width(), rect_.Height());
  }
  bool EndRequested() const { return endRequested_; }
  int32_t EndCode() const { return endCode_; }

 private:
  int32_t Build(const DialogTemplate& dialog, WindowHandle parent);
  void MoveSliderByKey(Control& slider, ScrollCode code);
  void FocusNextTabStop(bool backwards);

  Desktop* desktop_;
  const DialogTemplate* template_ = nullptr;
  WindowHandle handle_ = kNoWindow, parent_ = kNoWindow;
  std::vector<std::unique_ptr<Control>> controls_;
  std::string title_;
  Rect rect_;
  bool visible_ = false, enabled_ = true, modal_ = false, resizable_ = false;
  bool endRequested_ = false;
  int32_t endCode_ = 0;
};

}  // namespace platform::ui
