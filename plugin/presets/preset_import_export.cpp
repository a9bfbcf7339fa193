#include "presets/preset_import_export.h"

#include <vector>

#include "frame/error_messages.h"
#include "platform/file_system.h"
#include "presets/preset_store.h"

namespace vx {
namespace {

// The file name a file's header carries.
ai::Code HeaderNameOf(const std::string& path, int* encoding, std::string& headerName) {
  PresetFileContents contents;
  const ai::Code code = ReadPresetFile(path, contents, 0);
  *encoding = contents.layout.encoding;
  headerName.assign(contents.layout.headerName);
  return code;
}

// The records of the picked presets, in the order picked, up to the first one
// the file does not have.
ai::Code ReadPicked(const std::string& path, std::span<const int> picked, std::vector<std::string>& texts) {
  for (int index : picked) {
    std::string text;
    const ai::Code read = ReadPresetRecord(path, index, text);
    if (read == codes::kEndOfFile) break;
    if (read != ai::kNoError) return read;
    texts.push_back(std::move(text));
  }
  return ai::kNoError;
}

}  // namespace

ai::Code PresetImportRoom(const std::string& ownPath, int* room) {
  *room = 0;
  PresetFileContents contents;
  if (ai::Code code = ReadPresetFile(ownPath, contents)) return code;
  const int count = contents.layout.count() > 2 ? static_cast<int>(contents.layout.count()) - 2 : 0;
  *room = count < kMaxListedPresets ? kMaxListedPresets - count : 0;
  return ai::kNoError;
}

ai::Code CheckImportSource(const std::string& ownPath, const std::string& sourceFolder, std::string& sourcePath) {
  sourcePath = PresetFilePath(sourceFolder, PresetFileNameOf(ownPath));
  int encoding;
  std::string headerName;
  if (HeaderNameOf(sourcePath, &encoding, headerName) != ai::kNoError) return codes::kNothingToImport;
  if (platform::SameFile(sourcePath, ownPath)) return codes::kSameFile;
  if (headerName != PresetFileNameOf(ownPath)) return codes::kNothingToImport;
  return ai::kNoError;
}

ai::Code ImportPresets(const std::string& ownPath, const std::string& sourcePath, std::span<const int> picked,
                       ImportOutcome* outcome) {
  *outcome = {};
  int room;
  if (ai::Code code = PresetImportRoom(ownPath, &room)) return code;
  if (room <= 0) return kPresetFileError;
  if (static_cast<int>(picked.size()) > room) {
    outcome->limited = true;
    picked = picked.first(static_cast<size_t>(room));
  }
  std::vector<std::string> texts;  // UTF-8 whatever the source's header
  if (ai::Code code = ReadPicked(sourcePath, picked, texts)) return code;
  if (ai::Code code = AppendPresetRecords(ownPath, texts)) return code;
  outcome->imported = static_cast<int>(texts.size());
  return ai::kNoError;
}

ai::Code ExportPresets(const std::string& ownPath, const std::string& targetFolder, std::span<const int> picked,
                       int* exported) {
  *exported = 0;
  const std::string targetPath = PresetFilePath(targetFolder, PresetFileNameOf(ownPath));
  int encoding;
  std::string headerName;
  if (HeaderNameOf(targetPath, &encoding, headerName) != ai::kNoError || encoding != kPresetEncodingUtf8)
    return kExportTargetInvalid;
  if (picked.empty()) return ai::kNoError;
  if (platform::SameFile(targetPath, ownPath)) return codes::kSameFile;
  if (headerName != PresetFileNameOf(ownPath)) return codes::kNothingToExport;
  std::vector<std::string> texts;
  if (ai::Code code = ReadPicked(ownPath, picked, texts)) return code;
  if (ai::Code code = AppendPresetRecords(targetPath, texts)) return code;
  *exported = static_cast<int>(texts.size());
  return ai::kNoError;
}

}  // namespace vx
