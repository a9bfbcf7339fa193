#include "platform/ui/popup_menu.h"

#include <cstdlib>

#include "platform/ui/desktop.h"

namespace platform::ui {

int32_t PopupMenu::IndexOf(int32_t id) const {
  for (size_t i = 0; i < items.size(); ++i)
    if (!items[i].separator && items[i].id == id) return static_cast<int32_t>(i);
  return -1;
}

bool PopupMenu::Parse(std::string_view text) {
  items.clear();
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string line(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line == "-") {
      items.push_back({0, "", true});
      continue;
    }
    const size_t tab = line.find('\t');
    char* after = nullptr;
    const long id = std::strtol(line.c_str(), &after, 10);
    if (tab == std::string::npos || after != line.c_str() + tab || id <= 0) {
      items.clear();
      return false;
    }
    items.push_back({static_cast<int32_t>(id), line.substr(tab + 1), false});
  }
  return true;
}

int32_t TrackPopupMenu(const PopupMenu& menu, Point where) {
  Desktop& desktop = Desktop::Current();
  desktop.NotePopupShown(where);
  int32_t choice = 0;
  if (!desktop.TakePopupChoice(choice)) return 0;
  return menu.IndexOf(choice) >= 0 ? choice : 0;
}

}  // namespace platform::ui
