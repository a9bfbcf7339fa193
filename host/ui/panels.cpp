#include "ui/panels.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace vxhost {

int32_t FlyoutMenu::IndexOf(uint32_t id) const {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].id == id) return static_cast<int32_t>(i);
  return -1;
}

platform::ui::Rect Panel::InsideRect() const {
  const int32_t left = frame.x + kPanelBorder, top = frame.y + kPanelTitleBar;
  return {left, top, left + size.width, top + size.height};
}

PanelRegistry::~PanelRegistry() {
  for (const auto& panel : panels_) desktop_.DestroyFrameWindow(panel->inside);
}

FlyoutMenu* PanelRegistry::NewFlyout() {
  flyouts_.push_back(std::make_unique<FlyoutMenu>());
  return flyouts_.back().get();
}

bool PanelRegistry::DisposeFlyout(FlyoutMenu* menu) {
  auto it = std::find_if(flyouts_.begin(), flyouts_.end(), [&](const auto& m) { return m.get() == menu; });
  if (it == flyouts_.end()) return false;
  for (const auto& panel : panels_)
    if (panel->flyout == menu) panel->flyout = nullptr;
  flyouts_.erase(it);
  return true;
}

FlyoutMenu* PanelRegistry::FindFlyout(ai::FlyoutMenuHandle handle) {
  for (const auto& menu : flyouts_)
    if (reinterpret_cast<ai::FlyoutMenuHandle>(menu.get()) == handle) return menu.get();
  return nullptr;
}

Panel* PanelRegistry::NewPanel(LoadedPlugin* owner, std::string identifier, std::string title, ai::ScreenSize size,
                               FlyoutMenu* flyout) {
  auto panel = std::make_unique<Panel>();
  panel->owner = owner;
  panel->identifier = std::move(identifier);
  panel->title = std::move(title);
  panel->size = size;
  panel->flyout = flyout;
  panel->inside = desktop_.CreateFrameWindow(panel->InsideRect());
  panels_.push_back(std::move(panel));
  return panels_.back().get();
}

bool PanelRegistry::DisposePanel(Panel* panel) {
  auto it = std::find_if(panels_.begin(), panels_.end(), [&](const auto& p) { return p.get() == panel; });
  if (it == panels_.end()) return false;
  desktop_.DestroyFrameWindow(panel->inside);
  panels_.erase(it);
  return true;
}

Panel* PanelRegistry::FindPanel(ai::PanelHandle handle) {
  for (const auto& panel : panels_)
    if (reinterpret_cast<ai::PanelHandle>(panel.get()) == handle) return panel.get();
  return nullptr;
}

Panel* PanelRegistry::FindByIdentifier(const std::string& identifier) {
  for (const auto& panel : panels_)
    if (panel->identifier == identifier) return panel.get();
  return nullptr;
}

void PanelRegistry::Move(Panel& panel, ai::ScreenPoint frameCorner) {
  panel.frame = frameCorner;
  desktop_.MoveFrameWindow(panel.inside, panel.InsideRect());
}

void PanelRegistry::SetSize(Panel& panel, ai::ScreenSize size) {
  panel.size = {std::max(size.width, 0), std::max(size.height, 0)};
  desktop_.MoveFrameWindow(panel.inside, panel.InsideRect());
}

void PanelRegistry::UserResizes(Panel& panel, ai::ScreenSize size) {
  auto limit = [](int32_t value, int32_t low, int32_t high) {
    if (high > 0) value = std::min(value, high);
    return std::max(value, low);
  };
  SetSize(panel, {limit(size.width, panel.minimum.width, panel.maximum.width),
                  limit(size.height, panel.minimum.height, panel.maximum.height)});
  if (panel.sizeHandler != nullptr) panel.sizeHandler(reinterpret_cast<ai::PanelHandle>(&panel));
}

bool PanelRegistry::UserPicksFlyoutItem(Panel& panel, uint32_t id) {
  if (panel.flyout == nullptr || panel.flyoutHandler == nullptr) return false;
  const int32_t index = panel.flyout->IndexOf(id);
  if (index < 0 || panel.flyout->items[static_cast<size_t>(index)].separator) return false;
  panel.flyoutHandler(reinterpret_cast<ai::PanelHandle>(&panel), id);
  return true;
}

void PanelRegistry::Forget(LoadedPlugin* owner) {
  for (auto it = panels_.begin(); it != panels_.end();) {
    if ((*it)->owner == owner) {
      desktop_.DestroyFrameWindow((*it)->inside);
      it = panels_.erase(it);
    } else {
      ++it;
    }
  }
}

bool Preferences::GetPoint(const std::string& prefix, const std::string& key, ai::ScreenPoint* value) const {
  auto it = points_.find({prefix, key});
  if (it == points_.end()) return false;
  *value = it->second;
  return true;
}

void Preferences::PutPoint(const std::string& prefix, const std::string& key, ai::ScreenPoint value) {
  points_[{prefix, key}] = value;
}

bool Preferences::Load(const std::string& path) {
  std::ifstream in(path);
  if (!in) return true;
  std::string line;
  while (std::getline(in, line)) {
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) continue;
    int x = 0, y = 0;
    char end = 0;
    if (std::sscanf(line.c_str() + tab2 + 1, "%d,%d%c", &x, &y, &end) != 2) continue;
    points_[{line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1)}] = {x, y};
  }
  return true;
}

bool Preferences::Save(const std::string& path) const {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    if (!out) return false;
    for (const auto& [name, point] : points_)
      out << name.first << '\t' << name.second << '\t' << point.x << ',' << point.y << '\n';
    if (!out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace vxhost
