// Replace, delete and move rewrite a preset file. The file is first renamed to
// its name followed by "Tm", then written anew from that copy record by record;
// the copy is deleted last. Any failure on the way deletes the new file and puts
// the copy back under the file's name, so a failed rewrite leaves the file as
// it was.
#include <algorithm>
#include <vector>

#include "frame/error_messages.h"
#include "platform/encoding.h"
#include "platform/file_system.h"
#include "presets/preset_store.h"

namespace vx {
namespace {

constexpr size_t kAllRecords = static_cast<size_t>(-1);

// Writes `pieces` as the new content of `path`, keeping the old content in the
// "Tm" file until the new one is complete.
ai::Code Rewrite(const std::string& path, const std::vector<std::string_view>& pieces) {
  const std::string kept = path + "Tm";
  if (platform::RenameFile(path, kept) != 0) {
    // A stale copy left by an earlier failure is in the way.
    platform::DeleteFile(kept);
    if (platform::RenameFile(path, kept) != 0) return kPresetFileError;
  }
  platform::FileWriter writer;
  bool written = writer.Create(path) == 0;
  for (size_t i = 0; written && i < pieces.size(); ++i) {
    written = writer.Write(pieces[i]) == 0;
    // A record that ended the old file without a line break must not swallow
    // the marker of the record that now follows it.
    const bool needsBreak = i > 0 && i + 1 < pieces.size() && !pieces[i].empty() && pieces[i].back() != '\n';
    if (written && needsBreak) written = writer.Write("\r\n") == 0;
  }
  written = written && writer.Close() == 0;
  if (written && platform::DeleteFile(kept) == 0) return ai::kNoError;

  writer.Close();
  platform::DeleteFile(path);
  platform::RenameFile(kept, path, /*replace=*/true);
  return kPresetFileError;
}

// The file read for a rewrite: every record counts, so nothing past the listed
// ones is dropped.
ai::Code ReadForRewrite(const std::string& path, PresetFileContents& contents) {
  return ReadPresetFile(path, contents, kAllRecords);
}

std::vector<std::string_view> AllPieces(const PresetFileContents& contents) {
  std::vector<std::string_view> pieces{contents.layout.Head(contents.bytes)};
  for (size_t i = 0; i < contents.layout.count(); ++i) pieces.push_back(contents.layout.Record(contents.bytes, i));
  return pieces;
}

}  // namespace

ai::Code ReplacePresetRecord(const std::string& path, int index, std::string_view recordText) {
  PresetFileContents contents;
  if (ai::Code code = ReadForRewrite(path, contents)) return code;
  if (index < kDefaultSettingIndex || static_cast<size_t>(index + 2) >= contents.layout.count())
    return codes::kEndOfFile;
  std::string text(recordText);
  if (contents.layout.encoding == kPresetEncodingPlatform) platform::Utf8ToCp932(recordText, text);
  std::vector<std::string_view> pieces = AllPieces(contents);
  pieces[static_cast<size_t>(index + 2) + 1] = text;
  return Rewrite(path, pieces);
}

ai::Code DeletePresetRecords(const std::string& path, std::span<const int> indices) {
  PresetFileContents contents;
  if (ai::Code code = ReadForRewrite(path, contents)) return code;
  std::vector<std::string_view> pieces{contents.layout.Head(contents.bytes)};
  for (size_t i = 0; i < contents.layout.count(); ++i) {
    const bool listed = i >= 2 && std::find(indices.begin(), indices.end(), static_cast<int>(i - 2)) != indices.end();
    if (!listed) pieces.push_back(contents.layout.Record(contents.bytes, i));
  }
  if (pieces.size() == contents.layout.count() + 1) return ai::kNoError;  // nothing to delete
  return Rewrite(path, pieces);
}

ai::Code MovePresetRecord(const std::string& path, int from, int to) {
  PresetFileContents contents;
  if (ai::Code code = ReadForRewrite(path, contents)) return code;
  const int users = static_cast<int>(contents.layout.count()) - 2;
  if (from < 0 || to < 0 || from >= users || to >= users) return codes::kEndOfFile;
  if (from == to) return ai::kNoError;
  std::vector<std::string_view> pieces = AllPieces(contents);
  // Pieces: head, default, last, then user preset k at k + 3.
  auto first = pieces.begin() + 3;
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
  return Rewrite(path, pieces);
}

}  // namespace vx
