// CKDLDragListBox: a list whose rows the user reorders by dragging. After a drop
// the dialog receives the message kDragListMoved with the address of the start
// and end rows of the drag, in that order.
#pragma once

#include <cstdint>

#include "platform/ui/control.h"
#include "platform/ui/dialog.h"

namespace vx {

constexpr uint32_t kDragListMoved = platform::ui::kUserMessageBase + 100;  // 1124

struct DragRows {
  int32_t start;
  int32_t end;
};
static_assert(sizeof(DragRows) == 8);

class CKDLDragListBox : public platform::ui::ControlBehavior {
 public:
  // Offers a dialog's notification to the list; true when it was the list's drag.
  bool OnNotify(platform::ui::Dialog& dialog, platform::ui::Control& list, const platform::ui::Notification& n);
  const DragRows& rows() const { return rows_; }

 private:
  DragRows rows_{-1, -1};
};

}  // namespace vx
