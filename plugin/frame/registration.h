// The steps of startup that register everything the user sees, and the
// release of what they made at shutdown. Each returns the first failure.
#pragma once

#include <string>

#include "frame/globals.h"

namespace vx {

// " ver4.5 " followed by the host's family name for major versions 15 and up.
std::string VersionSuffix(int32_t hostMajorVersion);

// Allocates the globals block and its text buffer and clears the tables.
ai::Code CreateGlobals();
// Frees the records, the text buffer and the globals block.
void FreeGlobals();

// Finds the settings folder, keeps its path in the globals block, and seeds it
// from the defaults beside the plug-in when it is new or damaged.
ai::Code PrepareSettings(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code RegisterPluginGroups(ai::PluginRef plugin, VELLUMiX4Globals& globals);
// The effects' records, one named block each, set to their defaults: the 3D
// record, then Border, Circle, Cutout, Emboss, Explosion, Frame, Galaxy,
// Generation, Neon, Reflections, Shadow, Tiling, Trail.
ai::Code AllocateRecords(VELLUMiX4Globals& globals);
// The slot of globals.records that holds the record of an effect index.
int RecordSlotOfEffect(int16_t effectIndex);
ai::Code BuildMenus(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code RegisterFractalize(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code ClearPluginOptionFlag(ai::PluginRef plugin);
ai::Code RegisterTools(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code RegisterAnnotator(ai::PluginRef plugin, VELLUMiX4Globals& globals);

// The eight notifiers in registration order.
inline constexpr const char* kNotifierTypes[8] = {
    "AI Application Started Notifier",  "AI Document Color Model Changed Notifier",
    "AI Application Shutdown Notifier", "AI Document Ruler Unit Changed Notifier",
    "AI Art Selection Changed Notifier", "KwDL VELLUMiX4 Internal Notifier",
    "AI Document Opened Notifier",      "AI Document Changed Notifier"};
inline constexpr char kNotifierName[] = "KwDL_VELLUMiX4_Plugin";
inline constexpr int kSelectionNotifier = 4;

}  // namespace vx
