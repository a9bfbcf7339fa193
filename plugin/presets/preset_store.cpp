#include "presets/preset_store.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "frame/error_messages.h"
#include "frame/globals.h"
#include "platform/encoding.h"
#include "platform/file_system.h"

namespace vx {
namespace {

// Names separated by tabs, as read from the file: 1024 names of 255 bytes and
// their tabs fit.
constexpr size_t kListBufferBytes = 263169;

size_t UserPresetCount(const PresetFileLayout& layout) { return layout.count() > 2 ? layout.count() - 2 : 0; }

// Cuts text in the platform encoding at no more than `limit` bytes without
// splitting a double-byte character.
std::string_view CutCp932(std::string_view text, size_t limit) {
  size_t at = 0;
  while (at < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    const size_t length = ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) ? 2 : 1;
    if (at + length > limit) break;
    at += length;
  }
  return text.substr(0, std::min(at, text.size()));
}

// A listed name as it is kept between the tabs of the list buffer.
std::string StoredName(std::string_view record, int encoding) {
  std::string name = RecordName(record);
  if (encoding == kPresetEncodingPlatform) return std::string(CutCp932(name, kMaxPresetNameBytes));
  return CutUtf8(name, kMaxPresetNameBytes);
}

std::string ToUtf8(std::string_view text, int encoding) {
  if (encoding != kPresetEncodingPlatform) return std::string(text);
  std::string converted;
  platform::Cp932ToUtf8(text, converted);
  return converted;
}

}  // namespace

std::string PresetFilePath(std::string_view folder, std::string_view fileName) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  path += fileName;
  return path;
}

std::string_view PresetFileNameOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

ai::Code ReadPresetFile(const std::string& path, PresetFileContents& contents, size_t limit) {
  contents = {};
  const int error = platform::ReadWholeFile(path, contents.bytes, kMaxPresetFileBytes);
  if (error == ENOENT || error == EACCES || error == EISDIR || error == ENOTDIR || error == EPERM ||
      error == ELOOP || error == ENAMETOOLONG)
    return codes::kCantOpenFile;
  if (error != 0) return kPresetFileError;
  contents.layout = ScanPresetFile(contents.bytes, limit);
  return contents.layout.valid() ? ai::kNoError : kPresetFileError;
}

ai::Code CheckPresetFile(const std::string& path, int* encoding) {
  PresetFileContents contents;
  const ai::Code code = ReadPresetFile(path, contents, 0);
  if (encoding != nullptr) *encoding = contents.layout.encoding;
  if (VELLUMiX4Globals* globals = Globals(); globals != nullptr && code == ai::kNoError)
    globals->presetEncoding = contents.layout.encoding;
  return code;
}

std::string_view PresetNameList::name(int index) const {
  if (index < 0 || index >= count_) return {};
  const char* slot = names_.as<const char>() + static_cast<size_t>(index) * kSlotBytes;
  return std::string_view(slot, strnlen(slot, kSlotBytes));
}

void PresetNameList::Clear() {
  names_.Free();
  count_ = 0;
  encoding_ = kPresetEncodingInvalid;
}

ai::Code ListPresetNames(const std::string& path, PresetNameList& list) {
  list.Clear();
  PresetFileContents contents;
  if (ai::Code code = ReadPresetFile(path, contents)) return code;
  const PresetFileLayout& layout = contents.layout;
  const size_t count = UserPresetCount(layout);

  // The names as the file has them, tab-separated.
  NamedBlock listBuffer;
  if (ai::Code code = listBuffer.Allocate(kListBufferBytes, "listBuff")) return code;
  char* listed = listBuffer.as<char>();
  size_t used = 0;
  for (size_t i = 0; i < count; ++i) {
    const std::string name = StoredName(layout.Record(contents.bytes, i + 2), layout.encoding);
    if (used + name.size() + 2 > kListBufferBytes) return kPresetFileError;
    std::memcpy(listed + used, name.data(), name.size());
    used += name.size();
    listed[used++] = '\t';
  }

  // One slot per name, converted to UTF-8.
  NamedBlock names;
  if (count > 0) {
    if (ai::Code code = names.Allocate(count * PresetNameList::kSlotBytes, "presetNameBuff")) return code;
    std::memset(names.get(), 0, count * PresetNameList::kSlotBytes);
  }
  std::string_view rest(listed, used);
  for (size_t i = 0; i < count; ++i) {
    const size_t tab = rest.find('\t');
    std::string name = ToUtf8(rest.substr(0, tab), layout.encoding);
    rest.remove_prefix(tab + 1);
    if (layout.encoding == kPresetEncodingPlatform) name = CutUtf8(name, kMaxConvertedNameBytes);
    std::memcpy(names.as<char>() + i * PresetNameList::kSlotBytes, name.data(), name.size());
  }
  list.names_ = std::move(names);
  list.count_ = static_cast<int>(count);
  list.encoding_ = layout.encoding;
  return ai::kNoError;
}

ai::Code ListPresetNames(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  PresetNameList list;
  if (ai::Code code = ListPresetNames(path, list)) return code;
  for (int i = 0; i < list.count(); ++i) names.emplace_back(list.name(i));
  return ai::kNoError;
}

ai::Code ReadPresetRecord(const std::string& path, int index, std::string& text) {
  text.clear();
  if (index < kDefaultSettingIndex) return codes::kEndOfFile;
  PresetFileContents contents;
  if (ai::Code code = ReadPresetFile(path, contents)) return code;
  const size_t record = static_cast<size_t>(index + 2);
  if (record >= contents.layout.count()) return codes::kEndOfFile;
  text = ToUtf8(contents.layout.Record(contents.bytes, record), contents.layout.encoding);
  return ai::kNoError;
}

ai::Code AppendPresetRecord(const std::string& path, std::string_view recordText) {
  const std::string one(recordText);
  return AppendPresetRecords(path, std::span<const std::string>(&one, 1));
}

ai::Code AppendPresetRecords(const std::string& path, std::span<const std::string> recordTexts) {
  PresetFileContents contents;
  if (ai::Code code = ReadPresetFile(path, contents)) return code;
  // A preset past the counted records could never be listed, read or deleted.
  if (contents.layout.count() + recordTexts.size() > kMaxCountedRecords) return kPresetFileError;
  if (recordTexts.empty()) return ai::kNoError;
  std::string bytes;
  // A record without a final line break would swallow the marker after it; so
  // would the file's last line.
  bool open = !contents.bytes.empty() && contents.bytes.back() != '\n';
  for (const std::string& text : recordTexts) {
    if (open) bytes += "\r\n";
    if (contents.layout.encoding == kPresetEncodingPlatform) {
      std::string converted;
      platform::Utf8ToCp932(text, converted);
      bytes += converted;
    } else {
      bytes += text;
    }
    open = !text.empty() && text.back() != '\n';
  }
  const int error = platform::AppendToFile(path, bytes);
  if (error == ENOENT || error == EACCES) return codes::kCantOpenFile;
  return error == 0 ? ai::kNoError : kPresetFileError;
}

ai::Code CreatePresetFile(const std::string& path, std::string_view defaultRecord, std::string_view lastRecord) {
  std::string bytes = PresetHeaderLine(PresetFileNameOf(path));
  bytes += defaultRecord;
  bytes += lastRecord;
  return platform::WriteNewFile(path, bytes) == 0 ? ai::kNoError : kPresetFileError;
}

}  // namespace vx
