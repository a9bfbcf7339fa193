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

ai::Code RegisterPluginGroups(ai::PluginRef plugin, VELLUMiX4Globals& globals);
ai::Code AllocateRecords(VELLUMiX4Globals& globals);
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
