// Parameter records are declared once, as tables of field specs. The text form,
// defaults, preset files, palette bindings and action recording are generic code
// driven by these tables. Each record's table lives beside its effect or tool
// (effects/neon/neon_params.def and so on); this header is the shape of a table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/host/codes.h"

namespace vx {

// Text-form type codes of a field; they are part of stored files and never change.
enum class FieldType : int16_t {
  kShort = 1,      // 16-bit signed, "%hd"
  kBool = 6,       // 32-bit boolean, "1"/"0"; reading "0" gives 0, anything else 1
  kReal = 8,       // 64-bit float, "%.6lf"
  kUnsigned = 10,  // 32-bit unsigned, "%lu"
  kInt = 11,       // 32-bit signed, "%d"
  kPoint = 12,     // two 64-bit floats, "%.6lf,%.6lf"
  kColor = 13,     // 136-byte colour record: kind and four components, "%hd,%.6lf,%.6lf,%.6lf,%.6lf"
  kNone = 0,       // a working field without text form
};

// How a palette shows a stored value (and how an action records it).
enum class Shown : uint8_t {
  kPlain,    // as stored
  kPercent,  // stored 1.0 = shown 100
  kDegrees,  // stored in radians, shown in degrees
  kLength,   // stored in points, shown in the document's ruler unit
  kChoice,   // an index shown as a combo box or radio choice
};

struct FieldSpec {
  const char* name;  // the field's name as people use it (--set NAME=VALUE), lowerCamelCase
  const char* key;   // text-form key ("A", "AA", ...)
  FieldType type;
  size_t offset;     // offsetof in the record
  double defaultValue;  // in the stored unit (radians, fractions, points); points/colours use a hook
  double minimum;       // palette clamp, in the shown unit
  double maximum;
  Shown shown;
  int32_t controlId;     // the palette control that edits it, 0 when none
  ai::Code actionKey;    // four-character action parameter key, 0 when not recorded
};

// Writes the 256-byte preset file name and preset name at the head of a record.
struct RecordHead {
  char presetFile[256];
  char presetName[256];
};

struct RecordSpec;

// Per-record adjustments that a column cannot say.
struct RecordHooks {
  // Defaults that are not constants (tick-count seeds, colours of the document's
  // colour model, computed points); runs after the constant defaults.
  void (*setDefaults)(const RecordSpec& spec, void* record);
  // Runs after a text form was read into the record (key fallbacks, dependent
  // fields); `text` is the whole record text.
  void (*afterRead)(const RecordSpec& spec, void* record, const char* text);
};

struct RecordSpec {
  const char* recordName;  // also the name of its host block ("NeonPGParams")
  const char* presetFile;  // "VELLUMiX4_PST_Neon.txt"
  size_t size;             // sizeof the record, head included
  const FieldSpec* fields; // in declaration (memory) order
  size_t fieldCount;
  RecordHooks hooks;
};

// The text form of one record: "$\t" NAME "\r\n", then KEY "\t" VALUE "\r\n" per field.
void WriteRecordText(const RecordSpec& spec, const void* record, const char* presetName, std::string& out);
// Fills fields whose keys are present; other fields keep their values.
void ReadRecordText(const RecordSpec& spec, void* record, const char* text);
// Sets the head (preset file, preset name) and every default.
void SetRecordDefaults(const RecordSpec& spec, void* record, const char* presetName);

}  // namespace vx
