#include "presets/preset_folders.h"

#include <cstdio>
#include <vector>

#include "frame/error_messages.h"
#include "frame/host_file_path.h"
#include "frame/suite_set.h"
#include "geometry/named_block.h"
#include "platform/file_system.h"
#include "presets/preset_store.h"
#include "presets/record_registry.h"

namespace vx {
namespace {

std::string WithSeparator(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

void ShowFolderCreationFailure(const std::string& folder, int error) {
  std::vector<char> text(sizeof kFolderCreationMessage + folder.size() + 16);
  std::snprintf(text.data(), text.size(), kFolderCreationMessage, folder.c_str(), error);
  ShowMessageAlert(text.data());
}

}  // namespace

ai::Code FindSettingsFolder(std::string& folder) {
  folder.clear();
  HostFilePath path;
  if (ai::Code code = suites::Folders().findFolder(kUserSettingsFolderKind, 0, path.receive())) return code;
  std::string base;
  if (ai::Code code = path.Text(base)) return code;
  folder = WithSeparator(WithSeparator(base) + kSettingsFolderName);
  return ai::kNoError;
}

ai::Code FindDefaultsFolder(ai::PluginRef plugin, std::string& folder) {
  folder.clear();
  HostFilePath path;
  if (ai::Code code = suites::Plugins().getPluginFile(plugin, path.receive())) return code;
  std::string file;
  if (ai::Code code = path.Text(file)) return code;
  const size_t slash = file.rfind('/');
  const std::string parent = slash == std::string::npos ? std::string(".") : file.substr(0, slash);
  folder = WithSeparator(WithSeparator(parent) + kDefaultsFolderName);
  return ai::kNoError;
}

std::vector<std::string> SeededPresetFileNames() {
  std::vector<std::string> names;
  for (const RecordKind& kind : AllRecordKinds()) names.emplace_back(kind.spec->presetFile);
  return names;
}

ai::Code SeedPresetFiles(const std::string& settingsFolder, const std::string& defaultsFolder,
                         std::span<const std::string> fileNames) {
  NamedBlock buffer;
  if (ai::Code code = buffer.Allocate(kSeedBufferBytes, "buffer")) return code;
  for (const std::string& name : fileNames) {
    const std::string source = PresetFilePath(defaultsFolder, name);
    if (!platform::FileExists(source)) continue;
    size_t length = 0;
    if (platform::ReadFileInto(source, buffer.get(), kSeedBufferBytes, &length) != 0) return kPresetFileError;
    const std::string target = PresetFilePath(settingsFolder, name);
    if (CheckPresetFile(target, nullptr) == ai::kNoError) continue;
    if (platform::WriteNewFile(target, std::string_view(buffer.as<char>(), length)) != 0) return kPresetFileError;
  }
  return ai::kNoError;
}

ai::Code PrepareSettingsFolder(const std::string& settingsFolder, const std::string& defaultsFolder,
                               std::span<const std::string> fileNames) {
  if (CheckPresetFile(PresetFilePath(settingsFolder, kSeedCheckFile), nullptr) == ai::kNoError) return ai::kNoError;
  if (int error = platform::MakeFolders(settingsFolder)) {
    ShowFolderCreationFailure(settingsFolder, error);
    return kPresetFileError;
  }
  return SeedPresetFiles(settingsFolder, defaultsFolder, fileNames);
}

}  // namespace vx
