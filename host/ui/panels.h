// The host's floating panels, their flyout menus and the preferences that outlive
// a run. A panel is a frame window on the desktop with a title bar; its inside is
// a window of its own where a plug-in puts a dialog.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/host/handles.h"
#include "frame/host/suites.h"
#include "platform/ui/desktop.h"

namespace vxhost {

class LoadedPlugin;

// The panel frame: a one-pixel border and a 31-pixel title bar above the inside.
constexpr int32_t kPanelBorder = 1;
constexpr int32_t kPanelTitleBar = 32;

struct FlyoutItem {
  uint32_t id = 0;
  std::string text;  // empty for a separator
  bool separator = false;
};

struct FlyoutMenu {
  std::vector<FlyoutItem> items;
  int32_t IndexOf(uint32_t id) const;
};

struct Panel {
  LoadedPlugin* owner = nullptr;
  std::string identifier;
  std::string title;
  ai::ScreenPoint frame{0, 0};  // the frame's top-left corner
  ai::ScreenSize size{0, 0};    // the inside
  ai::ScreenSize minimum{0, 0}, maximum{0, 0};
  bool shown = false;
  FlyoutMenu* flyout = nullptr;
  ai::PanelFlyoutHandler flyoutHandler = nullptr;
  ai::PanelSizeHandler sizeHandler = nullptr;
  platform::ui::WindowHandle inside = platform::ui::kNoWindow;
  // How often the panel was shown and hidden, for tests of the show/hide order.
  int32_t showCount = 0, hideCount = 0;

  platform::ui::Rect InsideRect() const;
};

class PanelRegistry {
 public:
  explicit PanelRegistry(platform::ui::Desktop& desktop) : desktop_(desktop) {}
  ~PanelRegistry();

  FlyoutMenu* NewFlyout();
  bool DisposeFlyout(FlyoutMenu* menu);
  FlyoutMenu* FindFlyout(ai::FlyoutMenuHandle handle);

  Panel* NewPanel(LoadedPlugin* owner, std::string identifier, std::string title, ai::ScreenSize size,
                  FlyoutMenu* flyout);
  bool DisposePanel(Panel* panel);
  Panel* FindPanel(ai::PanelHandle handle);
  Panel* FindByIdentifier(const std::string& identifier);
  const std::vector<std::unique_ptr<Panel>>& panels() const { return panels_; }
  size_t flyoutCount() const { return flyouts_.size(); }

  void Move(Panel& panel, ai::ScreenPoint frameCorner);
  void SetSize(Panel& panel, ai::ScreenSize size);

  // What the user does to panels: drag one to a new place, resize it (within its
  // limits; the plug-in's size handler is told), pick a flyout item (its handler runs).
  void UserMoves(Panel& panel, ai::ScreenPoint frameCorner) { Move(panel, frameCorner); }
  void UserResizes(Panel& panel, ai::ScreenSize size);
  bool UserPicksFlyoutItem(Panel& panel, uint32_t id);

  // Drops what a plug-in left behind when it goes away.
  void Forget(LoadedPlugin* owner);

 private:
  platform::ui::Desktop& desktop_;
  std::vector<std::unique_ptr<Panel>> panels_;
  std::vector<std::unique_ptr<FlyoutMenu>> flyouts_;
};

// Preferences: points by prefix and key, optionally kept in a file between runs.
class Preferences {
 public:
  bool GetPoint(const std::string& prefix, const std::string& key, ai::ScreenPoint* value) const;
  void PutPoint(const std::string& prefix, const std::string& key, ai::ScreenPoint value);
  void Clear() { points_.clear(); }
  // One line per value: prefix TAB key TAB x,y. A missing file is an empty store;
  // lines that do not read are skipped.
  bool Load(const std::string& path);
  bool Save(const std::string& path) const;

 private:
  std::map<std::pair<std::string, std::string>, ai::ScreenPoint> points_;
};

}  // namespace vxhost
