// The byte layout of a preset file: an optional UTF-8 byte-order mark, a header
// line naming the file, then records of the parameter text form, each starting
// with the marker "$" TAB at the beginning of a line. Record 0 is the default
// setting, record 1 the last setting, records 2 and on the user's presets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Header texts. The older one is a prefix of the current one, so the current
// one is checked first.
constexpr std::string_view kPresetHeader = "VELLUMiX4 Preset File";
constexpr std::string_view kOlderPresetHeader = "VELLUMiX4 Preset";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The preset encoding a validity check finds: UTF-8 under the current header,
// the platform encoding (code page 932) under the older one.
constexpr int kPresetEncodingInvalid = 0;
constexpr int kPresetEncodingUtf8 = 1;
constexpr int kPresetEncodingPlatform = 17;

constexpr char kDefaultSettingName[] = "Default Setting";
constexpr char kLastSettingName[] = "Last Setting";

// Reading counts at most this many records, so a list holds at most 1022 user
// presets.
constexpr size_t kMaxCountedRecords = 1024;
constexpr int kMaxListedPresets = static_cast<int>(kMaxCountedRecords) - 2;
// A preset name as entered, and as converted from the platform encoding.
constexpr size_t kMaxPresetNameBytes = 255;
constexpr size_t kMaxConvertedNameBytes = 510;

// Preset files larger than this are refused as unreadable; a full file of the
// largest record is a few megabytes.
constexpr size_t kMaxPresetFileBytes = 64u << 20;

// "VELLUMiX4 Preset File" TAB name CR LF.
std::string PresetHeaderLine(std::string_view fileName);

// The records of a file's bytes, as offsets into them.
struct PresetFileLayout {
  int encoding = kPresetEncodingInvalid;
  size_t headerStart = 0;       // after the byte-order mark
  std::string_view headerName;  // the file name after the header's tab
  std::vector<size_t> records;  // where each record's marker starts
  size_t countedEnd = 0;        // where the last counted record ends

  bool valid() const { return encoding != kPresetEncodingInvalid; }
  size_t count() const { return records.size(); }
  // Record `i` (0 the default setting), marker included.
  std::string_view Record(std::string_view bytes, size_t i) const;
  // Everything before the first record (the mark and header), or the whole file
  // when it has no record.
  std::string_view Head(std::string_view bytes) const;
};

// The encoding the header announces, or kPresetEncodingInvalid. The header text
// must be followed by its tab (or the end of its line): a header with another
// word after "VELLUMiX4 Preset" is neither header.
int PresetEncodingOf(std::string_view bytes);

// Finds the records of a file; stops counting after `limit` records.
PresetFileLayout ScanPresetFile(std::string_view bytes, size_t limit = kMaxCountedRecords);

// A record's name: the rest of its marker line, tabs dropped.
std::string RecordName(std::string_view record);

// The length of `text` without an incomplete UTF-8 character at its end.
size_t Utf8CompleteLength(std::string_view text);

// Cuts text to at most `limit` bytes and drops an incomplete UTF-8 character
// left at the end.
std::string CutUtf8(std::string_view text, size_t limit);

// A preset name as a person enters it: at most 255 bytes, no broken character
// at its end.
inline std::string CutPresetName(std::string_view name) { return CutUtf8(name, kMaxPresetNameBytes); }

// A name that can stand on a record's marker line: cut like an entered name,
// with line breaks removed (one would end the marker line and turn the rest of
// the name into a field line).
std::string NameForMarkerLine(std::string_view name);

}  // namespace vx
