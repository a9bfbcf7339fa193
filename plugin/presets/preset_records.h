// Parameter records and their preset files: a record's file is its settings
// folder plus the file name its table names; its text goes in and out through
// the record text form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "presets/preset_store.h"
#include "presets/record_schema.h"

namespace vx {

// The record's file in a settings folder.
std::string PresetFilePathFor(const std::string& folder, const RecordSpec& spec);

// Names the record as the user entered the name: cut to 255 bytes without a
// broken character at the end.
void SetPresetName(void* record, std::string_view name);

// Reads record `index` into the record: fields whose keys the record text has
// are set, the others and the preset name keep their values.
ai::Code LoadPreset(const std::string& folder, const RecordSpec& spec, void* record, int index);

// Adds the record as a user preset under the preset name in its head.
ai::Code AppendPreset(const std::string& folder, const RecordSpec& spec, const void* record);

// Replaces record `index` with the record. Index kLastSettingIndex first names
// the record "Last Setting" (and kDefaultSettingIndex "Default Setting").
ai::Code ReplacePreset(const std::string& folder, const RecordSpec& spec, void* record, int index);

// Writes the record's file anew: header, the record as "Default Setting", then
// as "Last Setting".
ai::Code CreatePresetFileFor(const std::string& folder, const RecordSpec& spec, const void* record);

// When a controller is made: loads "Last Setting"; when that fails, sets the
// defaults and creates the file with them. The result is that of creating the
// file, or 0 when the last setting was loaded.
ai::Code LoadLastSetting(const std::string& folder, const RecordSpec& spec, void* record);
// When a controller goes: keeps the record as the file's "Last Setting".
ai::Code SaveLastSetting(const std::string& folder, const RecordSpec& spec, void* record);
// "初期設定" in a palette: the file's default setting.
ai::Code LoadDefaultSetting(const std::string& folder, const RecordSpec& spec, void* record);

}  // namespace vx
