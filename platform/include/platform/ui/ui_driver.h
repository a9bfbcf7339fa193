// The scripted user: drives dialogs the way a person does, so every value goes
// through the same notifications and handlers as a person's input. The CLI, the
// substitute host and tests use it; actions queued for modal dialogs receive one.
//
// Every action returns 0 or a toolkit result code (types.h): the control must exist,
// be of a class that supports the action, be visible and enabled, and its dialog must
// be shown, enabled and not behind a running modal dialog.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "platform/ui/desktop.h"
#include "platform/ui/types.h"

namespace platform::ui {

class Dialog;

class ScriptedUser {
 public:
  explicit ScriptedUser(Desktop& desktop = Desktop::Current()) : desktop_(desktop) {}

  Desktop& GetDesktop() const { return desktop_; }

  // Clicks into an edit field (focus), replaces its text (text changed); the field
  // keeps the focus.
  int32_t Type(Dialog& dialog, int32_t id, std::string_view text);
  // Type, then click on the host's window: the field reports focus lost once.
  int32_t TypeAndLeave(Dialog& dialog, int32_t id, std::string_view text);
  // Clicks on the host's window (the document), taking the focus from any dialog.
  void ClickHost();

  // Presses a button, check box or radio button: it takes the focus; a check box
  // toggles, a radio button checks itself and unchecks its group; then "clicked".
  int32_t Click(Dialog& dialog, int32_t id, uint16_t modifiers = kNoModifier);

  // Presses an up-down's arrow |steps| times (up for positive steps): one spin delta
  // of +1 or -1 each, then the position moves within the range.
  int32_t Spin(Dialog& dialog, int32_t id, int32_t steps);

  // Drags a slider's thumb through the positions (clamped to the range): it takes
  // the focus; a thumb-track notification per position, then thumb position at the
  // last one, then end scroll.
  int32_t DragSlider(Dialog& dialog, int32_t id, std::initializer_list<int32_t> positions);
  int32_t DragSlider(Dialog& dialog, int32_t id, int32_t position) { return DragSlider(dialog, id, {position}); }
  // Clicks beside the thumb |pages| times (negative: toward the minimum, page up);
  // each click moves by the page size, stopping at the range's end, and reports the
  // page code with the new position, then end scroll.
  int32_t PageSlider(Dialog& dialog, int32_t id, int32_t pages);

  // Picks a combo box item (by index or by its text): focus, selection, selection changed.
  int32_t PickItem(Dialog& dialog, int32_t id, int32_t index);
  int32_t PickItem(Dialog& dialog, int32_t id, std::string_view text);

  // Clicks a list row. In a multiple-selection list, Ctrl toggles the row and Shift
  // selects from the anchor to it; a plain click selects only it.
  int32_t ClickListItem(Dialog& dialog, int32_t id, int32_t index, uint16_t modifiers = kNoModifier);
  // Click, then double click: selection changed, then double clicked.
  int32_t DoubleClickListItem(Dialog& dialog, int32_t id, int32_t index);
  // Drags a row of a drag list box onto another row: drag begin, the row moves, the
  // moved row is selected, dropped.
  int32_t DragListItem(Dialog& dialog, int32_t id, int32_t from, int32_t to);

  // Drags the dialog's border until its client area is width x height (what the
  // dialog allows of it); kUiWrongClass for a dialog of fixed size.
  int32_t ResizeDialog(Dialog& dialog, int32_t width, int32_t height);

  // Mouse on a control with its own behaviour (points relative to the control).
  int32_t MouseDrag(Dialog& dialog, int32_t id, std::span<const Point> points);

  // Presses a key with modifiers where the focus is (see Desktop::PressKey).
  KeyOutcome PressKey(Key key, uint16_t modifiers = kNoModifier);
  // Gives the focus to a control first (a click on it), then presses the key.
  int32_t PressKeyIn(Dialog& dialog, int32_t id, Key key, uint16_t modifiers, KeyOutcome* outcome = nullptr);

  // Picks `id` in the next popup menu that opens.
  void ChoosePopupItem(int32_t id) { desktop_.QueuePopupChoice(id); }
  // Queues an action for the next modal dialog (or the running one's next step).
  void WhenModal(ModalAction action) { desktop_.QueueModalAction(std::move(action)); }

 private:
  int32_t Reach(Dialog& dialog, int32_t id, Control*& out) const;

  Desktop& desktop_;
};

}  // namespace platform::ui
