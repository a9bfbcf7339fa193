#include "presets/preset_import_export.h"

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
  for (int index : picked) {
    std::string text;  // UTF-8 whatever the source's header
    const ai::Code read = ReadPresetRecord(sourcePath, index, text);
    if (read == codes::kEndOfFile) break;
    if (read != ai::kNoError) return read;
    if (ai::Code code = AppendPresetRecord(ownPath, text)) return code;
    ++outcome->imported;
  }
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
  for (int index : picked) {
    if (platform::SameFile(targetPath, ownPath)) return codes::kSameFile;
    if (headerName != PresetFileNameOf(ownPath)) return codes::kNothingToExport;
    std::string text;
    const ai::Code read = ReadPresetRecord(ownPath, index, text);
    if (read == codes::kEndOfFile) break;
    if (read != ai::kNoError) return read;
    if (ai::Code code = AppendPresetRecord(targetPath, text)) return code;
    ++*exported;
  }
  return ai::kNoError;
}

}  // namespace vx
