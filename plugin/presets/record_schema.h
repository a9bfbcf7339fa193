// Parameter records are declared once, as tables of field specs. The text form,
// defaults, preset files, palette bindings and action recording are generic code
// driven by these tables. Each record's table lives beside its effect or tool
// (effects/neon/neon_params.def and so on); this header is the shape of a table,
// presets/record_table.h the machinery that turns a .def file into one.
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
  kChoice,   // an index shown as a combo box, a list, radio or image buttons
  kPercentOrLength,  // a feed: percent while the record's mode field is 0, a length while it is 1
  kSeconds,  // stored in ticks (60 a second), shown in seconds
};

// The unit an action records a value with.
enum class ActionUnit : uint8_t {
  kNone,
  kPercent,           // '#Prc', the stored fraction x 100 (or a value kept in percent)
  kAngle,             // '#Ang', degrees
  kPixels,            // '#Pxl', points
  kResolution,        // '#Rsl'
  kPercentOrPixels,   // '#Prc' while the record's mode field is 0, '#Pxl' while it is 1
};

// The palette controls that edit one value. `edit` is the edit field, or the one
// control of a check box, combo box, list or cycling button; `buttons` is a
// zero-terminated list of radio or image buttons in value order, or the
// quick-set buttons beside an edit. 0 / null where there is none.
struct ControlIds {
  int32_t edit = 0;
  int32_t spin = 0;
  int32_t slider = 0;
  const int32_t* buttons = nullptr;
  int32_t firstButton = 0;  // buttons[0], kept apart so tables can read it at compile time
  // A feed in percent or in points may have a second edit and spin at the same
  // place for its lengths: the palette shows the pair of the current mode.
  int32_t lengthEdit = 0;
  int32_t lengthSpin = 0;
};

struct FieldSpec {
  const char* name;  // the field's name as people use it (--set NAME=VALUE), lowerCamelCase
  const char* key;   // text-form key ("A", "AA", ...)
  FieldType type;
  size_t offset;     // offsetof in the record
  double defaultValue;  // in the stored unit (radians, fractions, points); x of a point; colours use a hook
  double minimum;       // palette clamp, in the shown unit (both components of a point)
  double maximum;
  Shown shown;
  int32_t controlId;     // the palette control that edits it (controls.edit, else the first button, else the slider), 0 when none
  ai::Code actionKey;    // four-character action parameter key, 0 when not recorded

  // --- columns beyond the basic ones
  double defaultY = 0;            // y of a point default
  bool defaultInDegrees = false;  // the default was declared in degrees: defaultDegrees is converted
  double defaultDegrees = 0;      //   with the host's conversion when the record is set to defaults
  ActionUnit actionUnit = ActionUnit::kNone;
  ai::Code actionKeyY = 0;        // a point's second component when the action records it apart
  ControlIds controls{};
  ControlIds controlsY{};         // a point's second component
  const char* nameX = nullptr;    // a point's components as people name them ("cursorH", "cursorV")
  const char* nameY = nullptr;
  double altMinimum = 0;          // kPercentOrLength: the clamp in points while the mode field is 1
  double altMaximum = 0;
  const char* modeField = nullptr;  // the field whose value chooses between percent and length
  bool writtenLast = false;       // a key added later: written after every other key
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

// Whether the record text has a line with exactly this key (the rules of reading).
bool RecordTextHasKey(const char* text, const char* key);
// The value text of `key` (up to the line's end, without it), or false when absent.
bool FindRecordValue(const char* text, const char* key, const char** value, size_t* length);

const FieldSpec* FindField(const RecordSpec& spec, const char* name);
const FieldSpec* FindFieldByKey(const RecordSpec& spec, const char* key);

}  // namespace vx
