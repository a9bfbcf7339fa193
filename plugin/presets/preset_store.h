// Preset files: reading, listing, appending and rewriting the records of one
// effect's or tool's file. Paths are UTF-8 with '/' between folders; a settings
// folder's path ends with '/'.
//
// Results: 0, '!oPn' when a file cannot be opened, '!eOF' when a record asked
// for is not in the file, -1 when a file cannot be read or written or is not a
// preset file.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/host/codes.h"
#include "geometry/named_block.h"
#include "presets/preset_file_format.h"

namespace vx {

constexpr ai::Code kPresetFileError = -1;

// Record indices as the store's callers give them: user presets from 0, and two
// for the records every file starts with.
constexpr int kDefaultSettingIndex = -2;
constexpr int kLastSettingIndex = -1;

// The path of a file in a settings folder.
std::string PresetFilePath(std::string_view folder, std::string_view fileName);
// The file name part of a path.
std::string_view PresetFileNameOf(std::string_view path);

// A preset file read whole, with its records found (at most `limit` counted).
struct PresetFileContents {
  std::string bytes;
  PresetFileLayout layout;
};
ai::Code ReadPresetFile(const std::string& path, PresetFileContents& contents,
                        size_t limit = kMaxCountedRecords);

// The validity check: 0 with the file's preset encoding (1 or 17), which the
// running plug-in's globals block also keeps.
ai::Code CheckPresetFile(const std::string& path, int* encoding);

// The names of a file's user presets, in list order, in UTF-8. They live in the
// host block "presetNameBuff", one slot per name, freed with the list.
class PresetNameList {
 public:
  static constexpr size_t kSlotBytes = 1531;

  int count() const { return count_; }
  std::string_view name(int index) const;
  // The preset encoding of the file the names came from.
  int encoding() const { return encoding_; }
  void Clear();

 private:
  friend ai::Code ListPresetNames(const std::string& path, PresetNameList& list);
// The same names copied out of the host block.
ai::Code ListPresetNames(const std::string& path, std::vector<std::string>& names);
  NamedBlock names_;
  int count_ = 0;
  int encoding_ = kPresetEncodingInvalid;
};

ai::Code ListPresetNames(const std::string& path, PresetNameList& list);
// The same names copied out of the host block.
ai::Code ListPresetNames(const std::string& path, std::vector<std::string>& names);

// The text of record `index` (kDefaultSettingIndex, kLastSettingIndex or a user
// preset), from its marker up to the next one, in UTF-8.
ai::Code ReadPresetRecord(const std::string& path, int index, std::string& text);

// Adds a record (its UTF-8 text form, starting with the marker) at the end of
// an existing valid file. A file whose list is full (1022 user presets) takes
// no more: -1.
ai::Code AppendPresetRecord(const std::string& path, std::string_view recordText);
// Adds several records in one write, so the file takes either all of them or
// none. -1 when they would not all fit the list.
ai::Code AppendPresetRecords(const std::string& path, std::span<const std::string> recordTexts);

// Writes a new file: the header naming the file, then the default setting's
// and the last setting's record texts (written under those names).
ai::Code CreatePresetFile(const std::string& path, std::string_view defaultRecord, std::string_view lastRecord);

// Rewrites that go through the "Tm" file and restore the file as it was on any
// failure. Indices are user preset indices; replace also takes
// kLastSettingIndex and kDefaultSettingIndex. An index that names no record
// gives '!eOF' and leaves the file alone.
ai::Code ReplacePresetRecord(const std::string& path, int index, std::string_view recordText);
// Deletes the listed user presets; indices that name none are ignored.
ai::Code DeletePresetRecords(const std::string& path, std::span<const int> indices);
// Moves user preset `from` to position `to`; the presets between shift by one.
ai::Code MovePresetRecord(const std::string& path, int from, int to);

}  // namespace vx
