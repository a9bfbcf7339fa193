// One control of a dialog and the state it holds. A single class serves every
// control class; each class uses the part of the state that belongs to it:
//
//   buttons          caption, image (image button), pressed look
//   check / radio    caption, check state (0, 1, 2 = indeterminate)
//   edit             text
//   up-down          position and range
//   slider           position, range, page and line size
//   combo / list     items (text and image), selection; lists with kMultiSelect keep a
//                    set of selected rows and an anchor for Shift-extension
//   static / picture caption, image
//
// Setting state from code never notifies the dialog, as on the platform: only the
// user's actions (see ui_driver.h) produce notifications.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog_template.h"
#include "platform/ui/display_list.h"
#include "platform/ui/types.h"

namespace platform::ui {

class Control;
class Dialog;

// Behaviour attached to a control by the code that owns its dialog: its own painting
// and mouse handling (the angle slider, the colour swatch). Points are relative to
// the control's top-left corner.
class ControlBehavior {
 public:
  virtual ~ControlBehavior() = default;
  virtual void Paint(const Control& control, DisplayList& out) const {}
  virtual void OnMouseDown(Dialog& dialog, Control& control, Point at) {}
  virtual void OnMouseMove(Dialog& dialog, Control& control, Point at) {}
  virtual void OnMouseUp(Dialog& dialog, Control& control, Point at) {}
};

struct ListItem {
  std::string text;
  int32_t image = -1;
  bool selected = false;  // used by multiple-selection lists
};

class Control {
 public:
  Control(const ControlTemplate& entry, WindowHandle handle);

  int32_t Id() const { return id_; }
  ControlClass Kind() const { return kind_; }
  uint32_t Style() const { return style_; }
  bool HasStyle(uint32_t flag) const { return (style_ & flag) != 0; }
  WindowHandle Handle() const { return handle_; }

  Rect Bounds() const { return bounds_; }  // relative to the dialog's client area
  void SetBounds(Rect r) { bounds_ = r; }

  bool Enabled() const { return enabled_; }
  void Enable(bool on) { enabled_ = on; }
  bool Visible() const { return visible_; }
  void Show(bool on) { visible_ = on; }

  // Caption of buttons and labels, text of edits, text of the chosen combo item.
  const std::string& Text() const { return text_; }
  void SetText(std::string_view text) { text_ = std::string(text); }

  int32_t Check() const { return check_; }
  void SetCheck(int32_t state) { check_ = state < 0 ? 0 : (state > 2 ? 2 : state); }
  bool Pressed() const { return pressed_; }
  void SetPressed(bool on) { pressed_ = on; }
  int32_t Image() const { return image_; }
  void SetImage(int32_t resource) { image_ = resource; }

  // Up-down and slider.
  int32_t Position() const { return position_; }
  void SetPosition(int32_t value);  // clamped to the range
  int32_t Minimum() const { return minimum_; }
  int32_t Maximum() const { return maximum_; }
  void SetRange(int32_t minimum, int32_t maximum);  // swaps a reversed pair; re-clamps the position
  int32_t PageSize() const { return page_; }
  void SetPageSize(int32_t page) { page_ = page; }
  int32_t LineSize() const { return line_; }
  void SetLineSize(int32_t line) { line_ = line; }

  // Combo and list boxes.
  const std::vector<ListItem>& Items() const { return items_; }
  int32_t AddItem(std::string_view text, int32_t image = -1);  // index of the new item
  int32_t InsertItem(int32_t index, std::string_view text, int32_t image = -1);
  bool DeleteItem(int32_t index);
  void ClearItems();
  bool MoveItem(int32_t from, int32_t to);
  int32_t Selection() const { return selection_; }  // the current (single) selection or -1
  bool SetSelection(int32_t index);                  // -1 clears; a multiple list selects only that row
  bool IsSelected(int32_t index) const;
  bool SetSelected(int32_t index, bool on);          // multiple-selection lists
  std::vector<int32_t> SelectedItems() const;        // in list order
  int32_t Anchor() const { return anchor_; }
  void SetAnchor(int32_t index) { anchor_ = index; }
  bool IsList() const;
  bool IsMultiSelect() const { return kind_ == ControlClass::kListBox && HasStyle(kMultiSelect); }

  void SetBehavior(std::unique_ptr<ControlBehavior> behavior) { behavior_ = std::move(behavior); }
  ControlBehavior* Behavior() const { return behavior_.get(); }
  DisplayList Paint() const;

 private:
  int32_t id_;
  ControlClass kind_;
  uint32_t style_;
  WindowHandle handle_;
  Rect bounds_;
  bool enabled_ = true, visible_ = true, pressed_ = false;
  std::string text_;
  int32_t check_ = 0, image_ = -1;
  int32_t position_ = 0, minimum_ = 0, maximum_ = 100, page_ = 10, line_ = 1;
  std::vector<ListItem> items_;
  int32_t selection_ = -1, anchor_ = -1;
  std::unique_ptr<ControlBehavior> behavior_;
};

}  // namespace platform::ui
