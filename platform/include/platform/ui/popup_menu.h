// Popup menus: a list of commands shown at a point until the user picks one or
// dismisses it. Headless, the user's choice comes from the desktop's queue of
// popup choices (ScriptedUser::ChoosePopupItem); with none queued the menu is
// dismissed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/types.h"

namespace platform::ui {

struct PopupItem {
  int32_t id = 0;          // 0 for a separator
  std::string text;        // UTF-8
  bool separator = false;
};

struct PopupMenu {
  std::vector<PopupItem> items;

  int32_t IndexOf(int32_t id) const;
  // Reads the menu resource text: one item per line, "ID<TAB>TEXT", or "-" for a
  // separator; blank lines and lines starting with '#' are skipped. Returns false (and an empty menu) when a line does not read.
  bool Parse(std::string_view text);
};

// Shows the menu at `where` (screen) and returns the chosen item's id, or 0.
int32_t TrackPopupMenu(const PopupMenu& menu, Point where);

}  // namespace platform::ui
