// Where preset files live: the user's settings folder (the host's folder kind
// 16 plus "VELLUMiX4 User Settings 2013") and the defaults shipped beside the
// plug-in's file, from which a new settings folder is seeded.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

constexpr char kSettingsFolderName[] = "VELLUMiX4 User Settings 2013";
constexpr char kDefaultsFolderName[] = "VELLUMiX4 Default Settings";
constexpr int32_t kUserSettingsFolderKind = 16;
// The file whose presence and validity tell that a settings folder was seeded.
constexpr char kSeedCheckFile[] = "VELLUMiX4_PST_Border.txt";
// A shipped defaults file must be smaller than this.
constexpr size_t kSeedBufferBytes = 0x50000;

constexpr char kFolderCreationMessage[] =
    "VELLUMiX4は %s にプリセット・フォルダを作成することができませんでした。\n[errno:%d]";

// The settings folder's path, ending with '/'.
ai::Code FindSettingsFolder(std::string& folder);
// The defaults folder beside the plug-in's file, ending with '/'.
ai::Code FindDefaultsFolder(ai::PluginRef plugin, std::string& folder);

// The preset files of every record kind, in seeding order.
std::vector<std::string> SeededPresetFileNames();

// Copies each named file from the defaults folder into the settings folder
// where the settings folder's file is missing or not valid. A missing defaults
// file is skipped. -1 on a read or write failure.
ai::Code SeedPresetFiles(const std::string& settingsFolder, const std::string& defaultsFolder,
                         std::span<const std::string> fileNames);

// At startup: when the settings folder has no valid Border file, creates the
// folder (a failure shows the folder message and gives -1) and seeds it.
ai::Code PrepareSettingsFolder(const std::string& settingsFolder, const std::string& defaultsFolder,
                               std::span<const std::string> fileNames);

}  // namespace vx
