// Small value types shared by the dialog toolkit: screen geometry, window handles,
// result codes, keys with modifiers, and the notifications controls send to their
// dialog. Numbers that the platform fixes (the slider scroll codes, the user
// message base) keep the platform's values so code written against it reads the same.
#pragma once

#include <cstdint>

namespace platform::ui {

// Screen pixels, y growing downward, as window systems count them.
struct Point {
  int32_t x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool Contains(const Rect& inner) const {
    return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Every dialog, every control and the host's main window has a handle; 0 is none.
using WindowHandle = uint32_t;
constexpr WindowHandle kNoWindow = 0;

// Result codes of the toolkit. 0 is success; the others are four-character codes in
// the style of the rest of the system, so a failure passes up through host messages.
constexpr int32_t UiCode(const char (&c)[5]) {
  return static_cast<int32_t>((uint32_t(uint8_t(c[0])) << 24) | (uint32_t(uint8_t(c[1])) << 16) |
                              (uint32_t(uint8_t(c[2])) << 8) | uint32_t(uint8_t(c[3])));
}
constexpr int32_t kUiOk = 0;
constexpr int32_t kUiNoSuchControl = UiCode("UInc");   // no control with that id in the dialog
constexpr int32_t kUiWrongClass = UiCode("UIwc");      // the control cannot do what was asked
constexpr int32_t kUiDisabled = UiCode("UIdi");        // the control or its dialog is disabled
constexpr int32_t kUiHidden = UiCode("UIhi");          // the control or its dialog is not shown
constexpr int32_t kUiBlockedByModal = UiCode("UImo");  // another dialog runs modally
constexpr int32_t kUiBadItem = UiCode("UIit");         // item index out of range
constexpr int32_t kUiBadTemplate = UiCode("UItp");     // malformed dialog template
constexpr int32_t kUiNoResource = UiCode("UIrs");      // no resource of that type, id and language
constexpr int32_t kUiNotCreated = UiCode("UInw");      // the dialog has no window (yet or any more)
constexpr int32_t kUiBadState = UiCode("UIst");        // a state text that does not fit the dialog

// Modifier keys held during a key press or a click.
enum Modifier : uint16_t { kNoModifier = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

enum class Key : uint16_t {
  kEnter, kEscape, kTab, kSpace, kLeft, kRight, kUp, kDown, kPageUp, kPageDown, kHome, kEnd,
  kDelete, kBackspace, kF1,
};

struct KeyEvent {
  Key key = Key::kEnter;
  uint16_t modifiers = kNoModifier;
  bool Has(Modifier m) const { return (modifiers & m) != 0; }
};

// What a control tells its dialog.
enum class Notify : uint16_t {
  kClicked,           // a button, check box or radio button was pressed
  kFocusGained,       // an edit field received the keyboard focus
  kFocusLost,         // an edit field lost the keyboard focus (where typed values are committed)
  kTextChanged,       // the user changed an edit field's text
  kSelectionChanged,  // the user picked a combo box or list box item
  kDoubleClicked,     // a list box item was double-clicked
  kSpinDelta,         // an up-down arrow was pressed; `delta` says which way
  kScroll,            // a slider moved; `scroll` and `position` say how
  kDragBegin,         // a drag list box row started moving; `item` is the row
  kDropped,           // a dragged row was dropped; `item` moved to `item2`
};

// The platform's slider scroll codes, with its numbers.
enum class ScrollCode : uint16_t {
  kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4, kThumbTrack = 5,
  kTop = 6, kBottom = 7, kEndScroll = 8,
};

// The first message number free for a dialog's own messages (custom controls use it).
constexpr uint32_t kUserMessageBase = 0x0400;

struct Notification {
  int32_t id = 0;            // the control's id
  Notify code = Notify::kClicked;
  ScrollCode scroll = ScrollCode::kEndScroll;
  int32_t position = 0;      // slider position after the move, or up-down position before the step
  int32_t delta = 0;         // up-down step: +1 up, -1 down
  int32_t item = -1;         // row of a list notification
  int32_t item2 = -1;        // drop row of a drag
};

}  // namespace platform::ui
