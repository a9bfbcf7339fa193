#include "presets/preset_records.h"

#include <cstring>

namespace vx {
namespace {

const RecordHead& HeadOf(const void* record) { return *static_cast<const RecordHead*>(record); }
RecordHead& HeadOf(void* record) { return *static_cast<RecordHead*>(record); }

void SetHeadText(char (&field)[256], const char* text) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, text, strnlen(text, sizeof field - 1));
}

// The record's text under its own preset name, made safe for a marker line.
std::string RecordTextOf(const RecordSpec& spec, const void* record) {
  const char* name = HeadOf(record).presetName;
  const std::string safe = NameForMarkerLine(std::string_view(name, strnlen(name, sizeof HeadOf(record).presetName)));
  std::string text;
  WriteRecordText(spec, record, safe.c_str(), text);
  return text;
}

}  // namespace

void SetPresetName(void* record, std::string_view name) {
  SetHeadText(HeadOf(record).presetName, CutPresetName(name).c_str());
}

std::string PresetFilePathFor(const std::string& folder, const RecordSpec& spec) {
  return PresetFilePath(folder, spec.presetFile);
}

ai::Code LoadPreset(const std::string& folder, const RecordSpec& spec, void* record, int index) {
  std::string text;
  if (ai::Code code = ReadPresetRecord(PresetFilePathFor(folder, spec), index, text)) return code;
  ReadRecordText(spec, record, text.c_str());
  SetHeadText(HeadOf(record).presetFile, spec.presetFile);
  return ai::kNoError;
}

ai::Code AppendPreset(const std::string& folder, const RecordSpec& spec, const void* record) {
  return AppendPresetRecord(PresetFilePathFor(folder, spec), RecordTextOf(spec, record));
}

ai::Code ReplacePreset(const std::string& folder, const RecordSpec& spec, void* record, int index) {
  if (index == kLastSettingIndex) SetHeadText(HeadOf(record).presetName, kLastSettingName);
  if (index == kDefaultSettingIndex) SetHeadText(HeadOf(record).presetName, kDefaultSettingName);
  return ReplacePresetRecord(PresetFilePathFor(folder, spec), index, RecordTextOf(spec, record));
}

ai::Code CreatePresetFileFor(const std::string& folder, const RecordSpec& spec, const void* record) {
  std::string defaultText, lastText;
  WriteRecordText(spec, record, kDefaultSettingName, defaultText);
  WriteRecordText(spec, record, kLastSettingName, lastText);
  return CreatePresetFile(PresetFilePathFor(folder, spec), defaultText, lastText);
}

ai::Code LoadLastSetting(const std::string& folder, const RecordSpec& spec, void* record) {
  if (LoadPreset(folder, spec, record, kLastSettingIndex) == ai::kNoError) return ai::kNoError;
  SetRecordDefaults(spec, record, kLastSettingName);
  return CreatePresetFileFor(folder, spec, record);
}

ai::Code SaveLastSetting(const std::string& folder, const RecordSpec& spec, void* record) {
  return ReplacePreset(folder, spec, record, kLastSettingIndex);
}

ai::Code LoadDefaultSetting(const std::string& folder, const RecordSpec& spec, void* record) {
  return LoadPreset(folder, spec, record, kDefaultSettingIndex);
}

}  // namespace vx
