#include "frame/registration.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "frame/ai_error.h"
#include "frame/platform_text.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "presets/preset_folders.h"
#include "presets/record_registry.h"
#include "tools/framework/tool_ctrlr.h"

namespace vx {
namespace {

constexpr char kGlobalsBlockName[] = "VELLUMiX4Globals";
constexpr ai::Code kPresetFolderError = -1;
constexpr char kTextBufferName[] = "Buffer";
constexpr char kMenuGroup[] = "Window Utilities";
constexpr char kTopGroup[] = "VELLUMiX4_Gr";
constexpr char k3DGroup[] = "VELLUMiX4_3DGr";

// Texts of the menu items after the effects, by menu index 25-27.
constexpr const char* kExtraMenuTexts[] = {"そのパレットを表示", "-", "ヘルプ"};

std::string ItemName(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "VELLUMiX4_%02d", index);
  return name;
}

ai::Code AddItem(ai::PluginRef plugin, const std::string& name, const char* group, const char* text,
                 int32_t options, ai::MenuItemHandle* item) {
  const std::string platform = ToPlatformText(text);
  return suites::Menu().addMenuItem(plugin, name.c_str(), group, platform.c_str(), options, item);
}

// A length-prefixed string of at most 255 bytes in the platform encoding.
std::string LengthPrefixed(const char* utf8) {
  std::string text = ToPlatformText(utf8);
  if (text.size() > 255) text.resize(255);
  return std::string(1, static_cast<char>(text.size())) + text;
}

}  // namespace

std::string VersionSuffix(int32_t major) {
  std::string suffix = " ver4.5 ";
  if (major == 15) suffix += "for Win AICS5";
  if (major > 15) suffix += "for Win AICS6";
  return suffix;
}

ai::Code CreateGlobals() {
  NamedBlock block;
  if (ai::Code code = block.Allocate(sizeof(VELLUMiX4Globals), kGlobalsBlockName)) return code;
  auto* globals = new (block.get()) VELLUMiX4Globals{};
  NamedBlock text;
  if (ai::Code code = text.Allocate(kTextBufferSize, kTextBufferName)) return code;
  globals->textBuffer = text.as<char>();
  globals->currentTool = -1;
  globals->currentEffect = -1;
  globals->effectInProcess = -1;
  globals->helpTopic = -1;
  globals->presetEncoding = 1;
  text.Release();
  SetGlobals(static_cast<VELLUMiX4Globals*>(block.Release()));
  return ai::kNoError;
}

void FreeGlobals() {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return;
  for (void*& record : globals->records) {
    NamedBlock::FreeRaw(record);
    record = nullptr;
  }
  NamedBlock::FreeRaw(globals->textBuffer);
  SetGlobals(nullptr);
  NamedBlock::FreeRaw(globals);
}

ai::Code RegisterPluginGroups(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  int32_t major = 0;
  if (ai::Code code = suites::Runtime().getAppMajorVersion(&major)) return code;
  const std::string suffix = VersionSuffix(major);
  for (int16_t index : kRegistrationOrder) {
    const EffectEntry& effect = EffectTable()[static_cast<size_t>(index)];
    const std::string name = std::string(effect.groupStem) + suffix;
    const std::string description =
        index < kFirstPlainEffect ? std::string("VELLUMiX4 ライブ 3D変換 ") + effect.menuText
                                  : std::string("VELLUMiX4 ライブ ") + effect.katakana + suffix;
    const std::string platform = ToPlatformText(description);
    const ai::PluginGroupData data{1, 0, platform.c_str()};
    if (ai::Code code = suites::PluginGroup().addPluginGroup(plugin, name.c_str(),
                                                             &data, 0, &globals.pluginGroups[index]))
      return code;
  }
  return ai::kNoError;
}

namespace {
// Effect indices of the record slots, in slot order.
constexpr int16_t kRecordEffects[kRecordCount] = {0, 23, 16, 14, 13, 12, 22, 15, 17, 21, 24, 18, 19, 20};
}  // namespace

int RecordSlotOfEffect(int16_t effectIndex) {
  if (effectIndex >= 0 && effectIndex < kFirstPlainEffect) return 0;
  for (int slot = 1; slot < kRecordCount; ++slot)
    if (kRecordEffects[slot] == effectIndex) return slot;
  return -1;
}

ai::Code AllocateRecords(VELLUMiX4Globals& globals) {
  for (int slot = 0; slot < kRecordCount; ++slot) {
    const RecordKind* kind = FindKindByEffectIndex(kRecordEffects[slot]);
    if (kind == nullptr) return ai::kCantHappen;
    NamedBlock record;
    if (ai::Code code = record.Allocate(kind->spec->size, kind->spec->recordName)) return code;
    SetRecordDefaults(*kind->spec, record.get(), "Default Setting");
    globals.records[slot] = record.Release();
  }
  return ai::kNoError;
}

ai::Code PrepareSettings(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  std::string settings;
  std::string defaults;
  if (ai::Code code = FindSettingsFolder(settings)) return code;
  if (settings.size() >= sizeof globals.settingsFolder) return kPresetFolderError;
  std::memcpy(globals.settingsFolder, settings.c_str(), settings.size() + 1);
  if (ai::Code code = FindDefaultsFolder(plugin, defaults)) return code;
  const std::vector<std::string> files = SeededPresetFileNames();
  return PrepareSettingsFolder(settings, defaults, files);
}

ai::Code BuildMenus(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  ai::MenuItemHandle item = nullptr;
  if (ai::Code code = AddItem(plugin, "VELLUMiX4_Top_Separator", kMenuGroup, "-", 0, &item)) return code;
  if (ai::Code code = AddItem(plugin, kTopGroup, kMenuGroup, "VELLUMiX4", 0, &item)) return code;
  if (ai::Code code = suites::Menu().addSubmenuGroup(kTopGroup, item, nullptr)) return code;
  if (ai::Code code = AddItem(plugin, k3DGroup, kTopGroup, "Live 3D変換", 0, &item)) return code;
  if (ai::Code code = suites::Menu().addSubmenuGroup(k3DGroup, item, nullptr)) return code;
  for (int index = 0; index < kMenuItemCount; ++index) {
    const bool threeD = index < kFirstPlainEffect;
    const char* text = index < kEffectCount ? EffectTable()[static_cast<size_t>(index)].menuText
                                            : kExtraMenuTexts[index - kEffectCount];
    if (ai::Code code = AddItem(plugin, ItemName(index), threeD ? k3DGroup : kTopGroup, text, 1,
                                &globals.menuItems[index]))
      return code;
  }
  if (ai::Code code = AddItem(plugin, "VELLUMiX4_Bottom_Separator", kMenuGroup, "-", 0, &item)) return code;
  globals.currentEffect = -1;
  return ai::kNoError;
}

ai::Code RegisterFractalize(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  constexpr char kTitle[] = "フラクタル化...";
  const std::string category = LengthPrefixed("VELLUMiX4");
  const std::string title = LengthPrefixed(kTitle);
  if (ai::Code code = suites::Filter().addFilter(plugin, "KwDL Fractalize Filter",
                                                 reinterpret_cast<const unsigned char*>(category.data()),
                                                 reinterpret_cast<const unsigned char*>(title.data()), 0,
                                                 &globals.fractalizeFilter))
    return code;
  ai::MenuItemHandle item = nullptr;
  if (ai::Code code = suites::Filter().getMenuItem(globals.fractalizeFilter, &item)) return code;
  if (ai::Code code = suites::Menu().setAutomaticUpdate(item, 1, 2)) return code;

  const ai::LiveEffectData data{"VELLUMiX4", kTitle, 1, 0, 7, 1};
  if (ai::Code code = suites::LiveEffect().addLiveEffect(plugin, &data, &globals.fractalizeEffect)) return code;
  globals.liveEffectCount = 1;
  return suites::LiveEffect().addMenuItem(globals.fractalizeEffect, "VELLUMiX4", "VELLUMiX4", kTitle, nullptr);
}

ai::Code ClearPluginOptionFlag(ai::PluginRef plugin) {
  int32_t options = 0;
  if (ai::Code code = suites::Plugin().getOptions(plugin, &options)) return code;
  return suites::Plugin().setOptions(plugin, options & ~2);
}

ai::Code RegisterTools(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  int32_t groupTool = ai::kNoTool;
  for (size_t i = 0; i < kToolTable.size(); ++i) {
    const ToolEntry& tool = kToolTable[i];
    ai::ToolData data{tool.title, tool.title, tool.iconId, tool.darkIconId, groupTool, ai::kNoTool};
    if (i > 0 && kToolTable[i - 1].toolset == tool.toolset) {
      // A later tool of a toolset joins the toolset of the tool added before it.
      if (ai::Code code = suites::Tool().getToolNumber(kToolTable[i - 1].title, &data.sameToolsetAs)) return code;
    }
    if (ai::Code code = suites::Tool().addTool(plugin, tool.title, &data, 0, &globals.tools[i])) return code;
    if (i == 0) {
      if (ai::Code code = suites::Tool().getToolNumber(tool.title, &groupTool)) return code;
    }
  }
  return ai::kNoError;
}

ai::Code RegisterAnnotator(ai::PluginRef plugin, VELLUMiX4Globals& globals) {
  if (ai::Code code = suites::Annotator().addAnnotator(plugin, "VELLUMiX4 Annotator", &globals.annotator)) return code;
  return suites::Annotator().setAnnotatorActive(globals.annotator, 0);
}

}  // namespace vx
