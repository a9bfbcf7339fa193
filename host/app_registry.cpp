#include "app_registry.h"

#include <algorithm>

namespace vxhost {

AppRegistry::AppRegistry() {
  // The application's own menu groups that plug-ins add to.
  AddGroup("Window Utilities");
}

MenuGroup* AppRegistry::FindGroup(const std::string& name) {
  for (auto& group : groups_)
    if (group->name == name) return group.get();
  return nullptr;
}

MenuGroup* AppRegistry::AddGroup(const std::string& name) {
  groups_.push_back(std::make_unique<MenuGroup>(MenuGroup{name, {}}));
  return groups_.back().get();
}

MenuItem* AppRegistry::AddItem(LoadedPlugin* owner, const std::string& name, MenuGroup* group, std::string text,
                               int32_t options) {
  auto item = std::make_unique<MenuItem>();
  item->owner = owner;
  item->name = name;
  item->text = std::move(text);
  item->group = group;
  item->options = options;
  items_.push_back(std::move(item));
  if (group != nullptr) group->items.push_back(items_.back().get());
  log.push_back("menu item " + name);
  return items_.back().get();
}

MenuItem* AppRegistry::FindItem(ai::MenuItemHandle handle) {
  for (auto& item : items_)
    if (reinterpret_cast<ai::MenuItemHandle>(item.get()) == handle) return item.get();
  return nullptr;
}

MenuItem* AppRegistry::FindItemByPath(const std::vector<std::string>& texts) {
  MenuGroup* group = FindGroup("Window Utilities");
  MenuItem* found = nullptr;
  for (const std::string& text : texts) {
    if (group == nullptr) return nullptr;
    found = nullptr;
    for (MenuItem* item : group->items)
      if (item->text == text) found = item;
    if (found == nullptr) return nullptr;
    group = found->submenu;
  }
  return found;
}

#define VX_REGISTRY_ADD_FIND(Type, Handle, list, Add, Find, label)                                     \
  Type* AppRegistry::Add(Type record) {                                                                \
    list.push_back(std::make_unique<Type>(std::move(record)));                                         \
    log.push_back(std::string(label) + " " + list.back()->name);                                       \
    return list.back().get();                                                                          \
  }                                                                                                    \
  Type* AppRegistry::Find(ai::Handle handle) {                                                         \
    for (auto& entry : list)                                                                           \
      if (reinterpret_cast<ai::Handle>(entry.get()) == handle) return entry.get();                     \
    return nullptr;                                                                                    \
  }
VX_REGISTRY_ADD_FIND(PluginGroupRecord, PluginGroupHandle, pluginGroups_, AddPluginGroup, FindPluginGroup,
                     "plugin group")
VX_REGISTRY_ADD_FIND(FilterRecord, FilterHandle, filters_, AddFilter, FindFilter, "filter")
VX_REGISTRY_ADD_FIND(LiveEffectRecord, LiveEffectHandle, liveEffects_, AddLiveEffect, FindLiveEffect, "live effect")
VX_REGISTRY_ADD_FIND(ToolRecord, ToolHandle, tools_, AddTool, FindTool, "tool")
#undef VX_REGISTRY_ADD_FIND

void AppRegistry::Forget(LoadedPlugin* owner) {
  if (cursorOwner == owner) {
    cursorOwner = nullptr;
    cursorId = 0;
  }
  if (currentTool != nullptr && currentTool->owner == owner) currentTool = nullptr;
  auto drop = [owner](auto& list) {
    list.erase(std::remove_if(list.begin(), list.end(), [owner](const auto& entry) { return entry->owner == owner; }),
               list.end());
  };
  for (auto& group : groups_)
    group->items.erase(std::remove_if(group->items.begin(), group->items.end(),
                                      [owner](MenuItem* item) { return item->owner == owner; }),
                       group->items.end());
  std::vector<MenuGroup*> orphaned;
  for (auto& item : items_)
    if (item->owner == owner && item->submenu != nullptr) orphaned.push_back(item->submenu);
  drop(items_);
  groups_.erase(std::remove_if(groups_.begin(), groups_.end(),
                               [&](const auto& group) {
                                 return std::find(orphaned.begin(), orphaned.end(), group.get()) != orphaned.end();
                               }),
                groups_.end());
  drop(pluginGroups_);
  drop(filters_);
  drop(liveEffects_);
  drop(tools_);
}

ToolRecord* AppRegistry::FindToolByTitle(const std::string& title) {
  for (auto& tool : tools_)
    if (tool->title == title) return tool.get();
  return nullptr;
}

}  // namespace vxhost
