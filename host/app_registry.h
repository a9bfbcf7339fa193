// What plug-ins registered with the application: menus, plugin groups, filters,
// live effects, tools and option flags, and the order it all happened in.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/host/suites.h"

namespace vxhost {

class LoadedPlugin;

struct MenuGroup;

struct MenuItem {
  LoadedPlugin* owner = nullptr;
  std::string name;
  std::string text;   // UTF-8 (converted from the platform encoding)
  MenuGroup* group = nullptr;
  MenuGroup* submenu = nullptr;  // when the item opens a group
  int32_t options = 0;
  bool checked = false;
  bool enabled = true;
  int32_t autoAction = 0;
  int32_t autoSelected = 0;
};

struct MenuGroup {
  std::string name;
  std::vector<MenuItem*> items;
};

struct PluginGroupRecord {
  LoadedPlugin* owner;
  std::string name;
  int32_t major;
  int32_t minor;
  std::string description;  // UTF-8
};

struct FilterRecord {
  LoadedPlugin* owner;
  std::string name;
  std::string category;  // UTF-8
  std::string title;
  MenuItem* item;
};

struct LiveEffectRecord {
  LoadedPlugin* owner;
  ai::LiveEffectData data;
  std::string name, title;
  MenuItem* item = nullptr;
};

struct ToolRecord {
  LoadedPlugin* owner;
  std::string name;
  std::string title;
  std::string tooltip;
  int32_t number;
  int32_t group;
  int32_t toolset;
  int32_t iconId;
  int32_t darkIconId;
};

class AppRegistry {
 public:
  AppRegistry();

  MenuGroup* FindGroup(const std::string& name);
  MenuGroup* AddGroup(const std::string& name);
  MenuItem* AddItem(LoadedPlugin* owner, const std::string& name, MenuGroup* group, std::string text, int32_t options);
  MenuItem* FindItem(ai::MenuItemHandle handle);
  // The item reached by texts from "Window Utilities", e.g. {"VELLUMiX4", "Live ネオン"}.
  MenuItem* FindItemByPath(const std::vector<std::string>& texts);

  PluginGroupRecord* AddPluginGroup(PluginGroupRecord record);
  PluginGroupRecord* FindPluginGroup(ai::PluginGroupHandle handle);
  FilterRecord* AddFilter(FilterRecord record);
  FilterRecord* FindFilter(ai::FilterHandle handle);
  LiveEffectRecord* AddLiveEffect(LiveEffectRecord record);
  LiveEffectRecord* FindLiveEffect(ai::LiveEffectHandle handle);
  ToolRecord* AddTool(ToolRecord record);
  ToolRecord* FindTool(ai::ToolHandle handle);
  ToolRecord* FindToolByTitle(const std::string& title);

  const std::vector<std::unique_ptr<PluginGroupRecord>>& pluginGroups() const { return pluginGroups_; }
  const std::vector<std::unique_ptr<ToolRecord>>& tools() const { return tools_; }
  const std::vector<std::unique_ptr<FilterRecord>>& filters() const { return filters_; }
  const std::vector<std::unique_ptr<LiveEffectRecord>>& liveEffects() const { return liveEffects_; }

  // Forgets everything a plug-in registered (it failed to start, or it stopped).
  void Forget(LoadedPlugin* owner);

  // One line per registration, in order: "plugin group NAME", "menu item NAME", ...
  std::vector<std::string> log;

  int32_t pluginOptions = 2;  // option flags the host keeps for the plug-in

  // The cursor shown over the document: a cursor resource of `cursorOwner`
  // (0 with no owner: the host's own arrow).
  int32_t cursorId = 0;
  LoadedPlugin* cursorOwner = nullptr;

  // The tool the user works with now; null for the host's own.
  ToolRecord* currentTool = nullptr;

 private:
  std::vector<std::unique_ptr<MenuGroup>> groups_;
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::vector<std::unique_ptr<PluginGroupRecord>> pluginGroups_;
  std::vector<std::unique_ptr<FilterRecord>> filters_;
  std::vector<std::unique_ptr<LiveEffectRecord>> liveEffects_;
  std::vector<std::unique_ptr<ToolRecord>> tools_;
};

}  // namespace vxhost
