#include "ui/controls/drag_list_box.h"

namespace vx {

bool CKDLDragListBox::OnNotify(platform::ui::Dialog& dialog, platform::ui::Control& list,
                               const platform::ui::Notification& n) {
  if (n.id != list.Id()) return false;
  if (n.code == platform::ui::Notify::kDragBegin) {
    rows_.start = list.Selection();
    return true;
  }
  if (n.code == platform::ui::Notify::kDropped) {
    // The platform has moved the row and selected it where it landed.
    rows_.end = list.Selection();
    dialog.SendUserMessage(kDragListMoved, 0, reinterpret_cast<intptr_t>(&rows_));
    return true;
  }
  return false;
}

}  // namespace vx
