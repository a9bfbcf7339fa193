// The globals block "VELLUMiX4Globals": one host block allocated at startup and
// reachable process-wide, holding what the controllers share.
#pragma once

#include <cstdint>

#include "frame/effect_table.h"
#include "frame/host/suites.h"
#include "frame/tool_table.h"
#include "geometry/path_records.h"

namespace vx {

constexpr int kMenuItemCount = 28;     // 0-24 effects, 25 "そのパレットを表示", 26 separator, 27 "ヘルプ"
constexpr int kMenuShowPalette = 25;
constexpr int kMenuSeparator = 26;
constexpr int kMenuHelp = 27;
constexpr int kRecordCount = 14;       // 3D, then Border .. Trail
constexpr int kToolRecordCount = 8;    // Warp .. Trail
constexpr int kActionCount = 14;
constexpr size_t kTextBufferSize = 0x20001;
constexpr size_t kSettingsPathSize = 1024;

// Which current record a chosen preset is loaded into.
enum CurrentRecord { kFractalizeRecord = 0, kToolRecord = 1, kEffectRecord = 2 };

struct VELLUMiX4Globals {
  SelectionRecord selection;  // paths of the 3D engine
  ai::FilterHandle fractalizeFilter;
  ai::LiveEffectHandle fractalizeEffect;
  int32_t liveEffectCount;
  int16_t currentTool;        // -1: no tool palette open
  void* userResource;
  int16_t rulerUnit;
  ai::NotifierHandle selectionNotifier;
  int16_t helpTopic;          // -1: none
  ai::PluginGroupHandle pluginGroups[kEffectCount];
  int16_t currentEffect;      // -1: no effect palette open
  int16_t effectInProcess;    // -1: the current message concerns no effect
  ai::MenuItemHandle menuItems[kMenuItemCount];
  char* textBuffer;           // "Buffer", kTextBufferSize bytes
  void* currentRecords[3];    // see CurrentRecord
  int32_t dragging;           // a tool drag with annotation is in progress
  ai::AnnotatorHandle annotator;
  ai::ToolHandle tools[kToolCount];
  void* toolRecords[kToolRecordCount];
  void* records[kRecordCount];
  int16_t actionNumbers[kActionCount];
  char settingsFolder[kSettingsPathSize];  // UTF-8, ends with '/'
  int32_t presetEncoding;     // 1 UTF-8 or 17 platform encoding
  int32_t fractalizeReproduce;  // 1: the next Fractalize computation repeats the last seed
  int32_t fractalizeLastSeed;   // the seed of the last Fractalize computation
};

// The block of the running plug-in, or null before startup and after shutdown.
VELLUMiX4Globals* Globals();
void SetGlobals(VELLUMiX4Globals* globals);

}  // namespace vx
