// Suites through which a plug-in registers what the user sees: menus, plugin
// groups, filters, live effects and tools; its option flags; text conversion.
#include <cstring>

#include "document/document.h"
#include "host.h"
#include "suites/art_access.h"
#include "platform_text.h"
#include "plugin_loader.h"
#include "suites/suite_tables.h"

namespace vxhost {

// The live-effect suite's preview of parameters being edited (dictionary_suites.cpp).
ai::Code UpdateLiveEffectParameters(ai::DictionaryRef parameters);

namespace {

constexpr ai::Code kCantConvert = ai::FourCC("UTF?");
constexpr ai::Code kNoSuchGroup = ai::FourCC("MNU?");
constexpr ai::Code kNameTaken = ai::FourCC("DUP!");

AppRegistry& App() { return Host::Current().app(); }

ai::Code Convert(const char* source, size_t sourceLength, int32_t sourceEncoding, char* destination,
                 size_t destinationSize, int32_t destinationEncoding, size_t* convertedLength) {
  if (source == nullptr && sourceLength > 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  const std::string_view text(source != nullptr ? source : "", sourceLength);
  std::optional<std::string> converted;
  if (sourceEncoding == destinationEncoding) converted = std::string(text);
  else if (sourceEncoding == ai::text_encoding::kUtf8 && destinationEncoding == ai::text_encoding::kPlatform)
    converted = Utf8ToPlatform(text);
  else if (sourceEncoding == ai::text_encoding::kPlatform && destinationEncoding == ai::text_encoding::kUtf8)
    converted = PlatformToUtf8(text);
  else
    return ai::kBadParameter;
  if (!converted) return kCantConvert;
  if (convertedLength != nullptr) *convertedLength = converted->size();
  if (destination != nullptr) {
    if (converted->size() > destinationSize) return ai::kBadParameter;
    std::memcpy(destination, converted->data(), converted->size());
  }
  return ai::kNoError;
}

LoadedPlugin* Owner(ai::PluginRef plugin) { return Host::Current().FindPlugin(plugin); }

ai::Code AddMenuItem(ai::PluginRef plugin, const char* name, const char* group, const char* platformText,
                     int32_t options, ai::MenuItemHandle* item) {
  if (item == nullptr || name == nullptr || group == nullptr || platformText == nullptr) return ai::kBadParameter;
  *item = nullptr;
  VX_HOST_ENTER();
  MenuGroup* target = App().FindGroup(group);
  if (target == nullptr) return kNoSuchGroup;
  std::optional<std::string> text = PlatformToUtf8(platformText);
  if (!text) return kCantConvert;
  *item = reinterpret_cast<ai::MenuItemHandle>(App().AddItem(Owner(plugin), name, target, *text, options));
  return ai::kNoError;
}

ai::Code AddSubmenuGroup(const char* name, ai::MenuItemHandle handle, ai::MenuGroupHandle* group) {
  if (name == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  MenuItem* item = App().FindItem(handle);
  if (item == nullptr) return ai::kBadParameter;
  if (App().FindGroup(name) != nullptr) return kNameTaken;
  item->submenu = App().AddGroup(name);
  App().log.push_back(std::string("menu group ") + name);
  if (group != nullptr) *group = reinterpret_cast<ai::MenuGroupHandle>(item->submenu);
  return ai::kNoError;
}

#define VX_ITEM(handle, name)                 \
  MenuItem* name = App().FindItem(handle);    \
  if (name == nullptr) return ai::kBadParameter

ai::Code CheckItem(ai::MenuItemHandle handle, int32_t checked) {
  VX_HOST_ENTER();
  VX_ITEM(handle, item);
  item->checked = checked != 0;
  return ai::kNoError;
}

ai::Code EnableItem(ai::MenuItemHandle handle, int32_t enabled) {
  VX_HOST_ENTER();
  VX_ITEM(handle, item);
  item->enabled = enabled != 0;
  return ai::kNoError;
}

ai::Code GetItemName(ai::MenuItemHandle handle, const char** name) {
  if (name == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_ITEM(handle, item);
  *name = item->name.c_str();
  return ai::kNoError;
}

ai::Code SetAutomaticUpdate(ai::MenuItemHandle handle, int32_t action, int32_t selected) {
  VX_HOST_ENTER();
  VX_ITEM(handle, item);
  item->autoAction = action;
  item->autoSelected = selected;
  return ai::kNoError;
}

ai::Code AddPluginGroup(ai::PluginRef plugin, const char* name, const ai::PluginGroupData* data, int32_t,
                        ai::PluginGroupHandle* group) {
  if (name == nullptr || data == nullptr || data->description == nullptr || group == nullptr)
    return ai::kBadParameter;
  *group = nullptr;
  VX_HOST_ENTER();
  for (const auto& existing : App().pluginGroups())
    if (existing->name == name) return kNameTaken;
  std::optional<std::string> description = PlatformToUtf8(data->description);
  if (!description) return kCantConvert;
  *group = reinterpret_cast<ai::PluginGroupHandle>(
      App().AddPluginGroup({Owner(plugin), name, data->major, data->minor, *description}));
  return ai::kNoError;
}

ai::Code GetPluginGroupName(ai::PluginGroupHandle handle, const char** name) {
  if (name == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  PluginGroupRecord* group = App().FindPluginGroup(handle);
  if (group == nullptr) return ai::kBadParameter;
  *name = group->name.c_str();
  return ai::kNoError;
}

ai::Code GetArtPluginGroup(ai::ArtHandle handle, ai::PluginGroupHandle* group) {
  if (group == nullptr) return ai::kBadParameter;
  *group = nullptr;
  VX_HOST_ENTER();
  VX_ART(handle, art);
  if (art->kind != ai::art_kind::kPluginGroup || !art->live) return ai::kWrongArtKind;
  for (const auto& record : App().pluginGroups())
    if (record->name == art->live->groupName) *group = reinterpret_cast<ai::PluginGroupHandle>(record.get());
  return ai::kNoError;
}

constexpr ai::Code kNotLive = ai::FourCC("GRP?");

ai::Code LiveOf(ai::ArtHandle handle, Art*& art) {
  if (ai::Code code = ArtOf(handle, art)) return code;
  if (art->kind != ai::art_kind::kPluginGroup || !art->live) return ai::kWrongArtKind;
  return ai::kNoError;
}

#define VX_LIVE(handle, name) \
  Art* name = nullptr;        \
  if (ai::Code code_ = LiveOf(handle, name)) return code_

ai::Code UseArtPluginGroup(ai::ArtHandle handle, ai::PluginGroupHandle group) {
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  PluginGroupRecord* record = App().FindPluginGroup(group);
  if (record == nullptr) return ai::kBadParameter;
  CurrentDocument()->WillChange(art);
  art->live->groupName = record->name;
  art->live->description = record->description;
  CurrentDocument()->MarkLiveChanged(art);
  return ai::kNoError;
}

ai::Code GetEditArt(ai::ArtHandle handle, ai::ArtHandle* edit) {
  if (edit == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  *edit = HandleOf(art->editGroup);
  return ai::kNoError;
}

ai::Code GetResultArt(ai::ArtHandle handle, ai::ArtHandle* result) {
  if (result == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  *result = HandleOf(art->resultGroup);
  return ai::kNoError;
}

ai::Code GetDataType(ai::ArtHandle handle, int32_t* type, int32_t* subtype) {
  if (type == nullptr || subtype == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  *type = art->live->dataType;
  *subtype = art->live->dataSubtype;
  return ai::kNoError;
}

ai::Code SetDataType(ai::ArtHandle handle, int32_t type, int32_t subtype) {
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  CurrentDocument()->WillChange(art);
  art->live->dataType = type;
  art->live->dataSubtype = subtype;
  return ai::kNoError;
}

ai::Code GetDataSize(ai::ArtHandle handle, size_t* size) {
  if (size == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  *size = art->live->data.size();
  return ai::kNoError;
}

ai::Code SetDataSize(ai::ArtHandle handle, size_t size) {
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  CurrentDocument()->WillChange(art);
  art->live->data.resize(size, '\0');
  return ai::kNoError;
}

ai::Code ReadData(ai::ArtHandle handle, size_t offset, size_t size, void* data) {
  if (data == nullptr && size > 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  const std::string& stored = art->live->data;
  if (offset > stored.size() || size > stored.size() - offset) return ai::kBadParameter;
  if (size > 0) std::memcpy(data, stored.data() + offset, size);
  return ai::kNoError;
}

ai::Code WriteData(ai::ArtHandle handle, size_t offset, size_t size, const void* data) {
  if (data == nullptr && size > 0) return ai::kBadParameter;
  VX_HOST_ENTER();
  VX_LIVE(handle, art);
  std::string& stored = art->live->data;
  if (offset > stored.size() || size > stored.size() - offset) return ai::kBadParameter;
  CurrentDocument()->WillChange(art);
  if (size > 0) std::memcpy(art->live->data.data() + offset, data, size);
  CurrentDocument()->MarkLiveChanged(art);
  return ai::kNoError;
}

std::optional<std::string> FromLengthPrefixed(const unsigned char* text) {
  return PlatformToUtf8(std::string_view(reinterpret_cast<const char*>(text + 1), text[0]));
}

ai::Code AddFilter(ai::PluginRef plugin, const char* name, const unsigned char* category, const unsigned char* title,
                   int32_t, ai::FilterHandle* filter) {
  if (name == nullptr || category == nullptr || title == nullptr || filter == nullptr) return ai::kBadParameter;
  *filter = nullptr;
  VX_HOST_ENTER();
  std::optional<std::string> categoryText = FromLengthPrefixed(category);
  std::optional<std::string> titleText = FromLengthPrefixed(title);
  if (!categoryText || !titleText) return kCantConvert;
  // Filters appear in the application's filter menu, under their category.
  MenuGroup* menu = App().FindGroup("Filter " + *categoryText);
  if (menu == nullptr) menu = App().AddGroup("Filter " + *categoryText);
  MenuItem* item = App().AddItem(Owner(plugin), name, menu, *titleText, 0);
  *filter = reinterpret_cast<ai::FilterHandle>(App().AddFilter({Owner(plugin), name, *categoryText, *titleText, item}));
  return ai::kNoError;
}

ai::Code GetFilterMenuItem(ai::FilterHandle handle, ai::MenuItemHandle* item) {
  if (item == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  FilterRecord* filter = App().FindFilter(handle);
  if (filter == nullptr) return ai::kBadParameter;
  *item = reinterpret_cast<ai::MenuItemHandle>(filter->item);
  return ai::kNoError;
}

ai::Code AddLiveEffect(ai::PluginRef plugin, const ai::LiveEffectData* data, ai::LiveEffectHandle* effect) {
  if (data == nullptr || data->name == nullptr || data->title == nullptr || effect == nullptr)
    return ai::kBadParameter;
  *effect = nullptr;
  VX_HOST_ENTER();
  LiveEffectRecord record{Owner(plugin), *data, data->name, data->title};
  record.data.name = nullptr;
  record.data.title = nullptr;
  *effect = reinterpret_cast<ai::LiveEffectHandle>(App().AddLiveEffect(std::move(record)));
  return ai::kNoError;
}

ai::Code AddLiveEffectMenuItem(ai::LiveEffectHandle handle, const char* name, const char* category,
                               const char* title, ai::MenuItemHandle* item) {
  if (name == nullptr || category == nullptr || title == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  LiveEffectRecord* effect = App().FindLiveEffect(handle);
  if (effect == nullptr) return ai::kBadParameter;
  MenuGroup* menu = App().FindGroup(std::string("Effect ") + category);
  if (menu == nullptr) menu = App().AddGroup(std::string("Effect ") + category);
  effect->item = App().AddItem(effect->owner, name, menu, title, 0);
  if (item != nullptr) *item = reinterpret_cast<ai::MenuItemHandle>(effect->item);
  return ai::kNoError;
}

ai::Code AddTool(ai::PluginRef plugin, const char* name, const ai::ToolData* data, int32_t, ai::ToolHandle* tool) {
  if (name == nullptr || data == nullptr || data->title == nullptr || tool == nullptr) return ai::kBadParameter;
  *tool = nullptr;
  VX_HOST_ENTER();
  AppRegistry& app = App();
  const auto number = static_cast<int32_t>(app.tools().size());
  int32_t group = number;
  int32_t toolset = number;
  if (data->sameGroupAs != ai::kNoTool) {
    if (data->sameGroupAs < 0 || data->sameGroupAs >= number) return ai::kBadParameter;
    group = app.tools()[static_cast<size_t>(data->sameGroupAs)]->group;
  }
  if (data->sameToolsetAs != ai::kNoTool) {
    if (data->sameToolsetAs < 0 || data->sameToolsetAs >= number) return ai::kBadParameter;
    const ToolRecord& peer = *app.tools()[static_cast<size_t>(data->sameToolsetAs)];
    group = peer.group;
    toolset = peer.toolset;
  }
  *tool = reinterpret_cast<ai::ToolHandle>(app.AddTool({Owner(plugin), name, data->title,
                                                        data->tooltip != nullptr ? data->tooltip : "", number, group,
                                                        toolset, data->iconId, data->darkIconId}));
  return ai::kNoError;
}

ai::Code GetToolNumber(const char* title, int32_t* number) {
  if (title == nullptr || number == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  ToolRecord* tool = App().FindToolByTitle(title);
  if (tool == nullptr) return ai::kBadParameter;
  *number = tool->number;
  return ai::kNoError;
}

ai::Code GetSelectedTool(ai::ToolHandle* tool) {
  if (tool == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *tool = reinterpret_cast<ai::ToolHandle>(App().currentTool);
  return ai::kNoError;
}

// Makes `tool` current as a click in the toolbox does: the tool that was
// current hears "AI Deselect", the new one "AI Select".
ai::Code SetSelectedTool(ai::ToolHandle tool) {
  VX_HOST_ENTER();
  AppRegistry& app = App();
  ToolRecord* chosen = app.FindTool(tool);
  if (chosen == nullptr) return ai::kBadParameter;
  if (chosen == app.currentTool) return ai::kNoError;
  const auto send = [](ToolRecord* record, const char* selector) {
    ai::ToolMessage message{};
    message.tool = reinterpret_cast<ai::ToolHandle>(record);
    return record->owner != nullptr ? record->owner->Send(ai::callers::kTool, selector, message) : ai::kNoError;
  };
  if (ToolRecord* previous = app.currentTool) {
    if (ai::Code code = send(previous, ai::selectors::kDeselect)) return code;
  }
  app.currentTool = chosen;
  return send(chosen, ai::selectors::kSelect);
}

ai::Code SetCursor(ai::PluginRef plugin, int32_t cursorId) {
  VX_HOST_ENTER();
  AppRegistry& app = App();
  app.cursorId = cursorId;
  app.cursorOwner = Owner(plugin);
  return ai::kNoError;
}

ai::Code GetOptions(ai::PluginRef, int32_t* options) {
  if (options == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  *options = App().pluginOptions;
  return ai::kNoError;
}

ai::Code SetOptions(ai::PluginRef, int32_t options) {
  VX_HOST_ENTER();
  App().pluginOptions = options;
  App().log.push_back("plugin options " + std::to_string(options));
  return ai::kNoError;
}

const ai::CharacterEncodingSuite kCharacterEncoding = {Convert};
const ai::MenuSuite kMenu = {AddMenuItem, AddSubmenuGroup, CheckItem, EnableItem, GetItemName, SetAutomaticUpdate};
const ai::PluginGroupSuite kPluginGroup = {AddPluginGroup, GetPluginGroupName, GetArtPluginGroup, UseArtPluginGroup,
                                           GetEditArt,     GetResultArt,       GetDataType,       SetDataType,
                                           GetDataSize,    SetDataSize,        ReadData,          WriteData};
const ai::FilterSuite kFilter = {AddFilter, GetFilterMenuItem};
const ai::LiveEffectSuite kLiveEffect = {AddLiveEffect, AddLiveEffectMenuItem, UpdateLiveEffectParameters};
const ai::ToolSuite kTool = {AddTool, GetToolNumber, SetCursor, GetSelectedTool, SetSelectedTool};
const ai::PluginSuite kPlugin = {GetOptions, SetOptions};

}  // namespace

const ai::CharacterEncodingSuite* CharacterEncodingSuiteTable() { return &kCharacterEncoding; }
const ai::MenuSuite* MenuSuiteTable() { return &kMenu; }
const ai::PluginGroupSuite* PluginGroupSuiteTable() { return &kPluginGroup; }
const ai::FilterSuite* FilterSuiteTable() { return &kFilter; }
const ai::LiveEffectSuite* LiveEffectSuiteTable() { return &kLiveEffect; }
const ai::ToolSuite* ToolSuiteTable() { return &kTool; }
const ai::PluginSuite* PluginSuiteTable() { return &kPlugin; }

}  // namespace vxhost
