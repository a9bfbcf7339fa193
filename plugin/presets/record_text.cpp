// The one writer and the one reader of the record text form, and the defaults,
// all driven by a record's table of field specs.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/host/art_records.h"
#include "frame/suite_set.h"
#include "presets/record_schema.h"

namespace vx {
namespace {

constexpr size_t kComponents = 4;  // colour components that the text form carries

unsigned char* FieldAt(void* record, const FieldSpec& field) {
  return static_cast<unsigned char*>(record) + field.offset;
}
const unsigned char* FieldAt(const void* record, const FieldSpec& field) {
  return static_cast<const unsigned char*>(record) + field.offset;
}

// Fields are reached by copying bytes: a record is a block of the host, its
// fields need not be objects of the reader's type.
template <typename T>
T Load(const unsigned char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}
template <typename T>
void Store(unsigned char* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// The components of a colour record sit at the start of its union, as doubles.
void LoadComponents(const unsigned char* color, double (&components)[kComponents]) {
  std::memcpy(components, color + offsetof(ai::ColorRecord, c), sizeof components);
}
void StoreComponents(unsigned char* color, const double* components, size_t count) {
  std::memcpy(color + offsetof(ai::ColorRecord, c), components, count * sizeof(double));
}

void AppendFormatted(std::string& out, const char* format, double value) {
  // "%.6f" of the largest double needs 309 digits, six decimals, a sign and a point.
  char buffer[400];
  int length = std::snprintf(buffer, sizeof buffer, format, value);
  if (length > 0) out.append(buffer, std::min(static_cast<size_t>(length), sizeof buffer - 1));
}

void AppendReal(std::string& out, double value) { AppendFormatted(out, "%.6f", value); }

void AppendInteger(std::string& out, const char* format, long long value) {
  char buffer[32];
  int length = std::snprintf(buffer, sizeof buffer, format, value);
  if (length > 0) out.append(buffer, std::min(static_cast<size_t>(length), sizeof buffer - 1));
}

void AppendValue(std::string& out, const FieldSpec& field, const unsigned char* at) {
  switch (field.type) {
    case FieldType::kShort:
      AppendInteger(out, "%lld", Load<int16_t>(at));
      break;
    case FieldType::kBool:
      out += Load<int32_t>(at) != 0 ? "1" : "0";
      break;
    case FieldType::kReal:
      AppendReal(out, Load<double>(at));
      break;
    case FieldType::kUnsigned:
      AppendInteger(out, "%lld", Load<uint32_t>(at));
      break;
    case FieldType::kInt:
      AppendInteger(out, "%lld", Load<int32_t>(at));
      break;
    case FieldType::kPoint: {
      ai::RealPoint point = Load<ai::RealPoint>(at);
      AppendReal(out, point.x);
      out += ',';
      AppendReal(out, point.y);
      break;
    }
    case FieldType::kColor: {
      // The kind is written as a 16-bit number; which components are written
      // depends on it: gray one, four-colour four, three-colour three.
      int32_t kind = Load<int32_t>(at + offsetof(ai::ColorRecord, kind));
      double stored[kComponents];
      LoadComponents(at, stored);
      size_t used = kind == ai::color_kind::kGray ? 1 : kind == ai::color_kind::kFour ? 4 : kind == ai::color_kind::kThree ? 3 : 0;
      AppendInteger(out, "%lld", static_cast<int16_t>(kind));
      for (size_t i = 0; i < kComponents; ++i) {
        out += ',';
        AppendReal(out, i < used ? stored[i] : 0.0);
      }
      break;
    }
    case FieldType::kNone:
      break;
  }
}

void AppendLine(std::string& out, const FieldSpec& field, const void* record) {
  out += field.key;
  out += '\t';
  AppendValue(out, field, FieldAt(record, field));
  out += "\r\n";
}

// --- reading

// A value is at most this long for conversion; a longer one is cut (no number
// needs more, and a hostile line cannot make the reader copy without bound).
constexpr size_t kMaxValue = 511;

struct Value {
  char text[kMaxValue + 1];
};

Value CopyValue(const char* value, size_t length) {
  Value copy;
  if (length > kMaxValue) length = kMaxValue;
  std::memcpy(copy.text, value, length);
  copy.text[length] = '\0';
  return copy;
}

// Whole numbers as the C library's scanf reads them: optional blanks and sign,
// decimal digits; a value too wide for the field keeps its low bits.
bool ParseWhole(const char*& cursor, long long& result) {
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(cursor, &end, 10);
  if (end == cursor) return false;
  cursor = end;
  result = value;
  return true;
}

bool ParseUnsigned32(const char* cursor, uint32_t& result) {
  // "%lu" on a 32-bit unsigned long: a magnitude beyond 32 bits saturates, a
  // minus sign negates modulo 2^32.
  while (*cursor == ' ' || *cursor == '\t' || *cursor == '\v' || *cursor == '\f') ++cursor;
  bool negative = false;
  if (*cursor == '+' || *cursor == '-') {
    negative = *cursor == '-';
    ++cursor;
  }
  if (*cursor < '0' || *cursor > '9') return false;
  errno = 0;
  char* end = nullptr;
  unsigned long long magnitude = std::strtoull(cursor, &end, 10);
  if (errno == ERANGE || magnitude > UINT32_MAX) {
    result = UINT32_MAX;
    return true;
  }
  uint32_t value = static_cast<uint32_t>(magnitude);
  result = negative ? static_cast<uint32_t>(0u - value) : value;
  return true;
}

bool ParseReal(const char*& cursor, double& result) {
  char* end = nullptr;
  double value = std::strtod(cursor, &end);
  if (end == cursor) return false;
  cursor = end;
  result = value;
  return true;
}

// "x,y" and "kind,c0,c1,c2,c3" take what converts, up to the first mismatch.
size_t ParseList(const char* cursor, double* values, size_t count, bool firstIsWhole) {
  size_t parsed = 0;
  for (; parsed < count; ++parsed) {
    if (parsed > 0) {
      if (*cursor != ',') break;
      ++cursor;
    }
    if (parsed == 0 && firstIsWhole) {
      long long whole;
      if (!ParseWhole(cursor, whole)) break;
      values[0] = static_cast<double>(static_cast<int16_t>(whole));
    } else if (!ParseReal(cursor, values[parsed])) {
      break;
    }
  }
  return parsed;
}

void ReadValue(const FieldSpec& field, unsigned char* at, const char* text) {
  const char* cursor = text;
  switch (field.type) {
    case FieldType::kShort: {
      long long value;
      if (ParseWhole(cursor, value)) Store<int16_t>(at, static_cast<int16_t>(value));
      break;
    }
    case FieldType::kBool:
      Store<int32_t>(at, std::strcmp(text, "0") == 0 ? 0 : 1);
      break;
    case FieldType::kReal: {
      double value;
      if (ParseReal(cursor, value)) Store<double>(at, value);
      break;
    }
    case FieldType::kUnsigned: {
      uint32_t value;
      if (ParseUnsigned32(cursor, value)) Store<uint32_t>(at, value);
      break;
    }
    case FieldType::kInt: {
      long long value;
      if (ParseWhole(cursor, value)) Store<int32_t>(at, static_cast<int32_t>(value));
      break;
    }
    case FieldType::kPoint: {
      ai::RealPoint point = Load<ai::RealPoint>(at);
      double values[2] = {point.x, point.y};
      size_t parsed = ParseList(cursor, values, 2, false);
      if (parsed >= 1) point.x = values[0];
      if (parsed >= 2) point.y = values[1];
      Store(at, point);
      break;
    }
    case FieldType::kColor: {
      // Reading kind 0 sets the first component, kind 1 the four, kind 5 the
      // first three; any other kind sets only the kind.
      double values[1 + kComponents];
      size_t parsed = ParseList(cursor, values, 1 + kComponents, true);
      if (parsed == 0) break;
      int32_t kind = static_cast<int32_t>(values[0]);
      Store<int32_t>(at + offsetof(ai::ColorRecord, kind), kind);
      size_t wanted = kind == ai::color_kind::kGray ? 1 : kind == ai::color_kind::kFour ? 4 : kind == ai::color_kind::kThree ? 3 : 0;
      size_t available = parsed - 1;
      StoreComponents(at, values + 1, std::min(wanted, available));
      break;
    }
    case FieldType::kNone:
      break;
  }
}

void CopyName(char (&target)[256], const char* name) {
  // At most 255 bytes; a UTF-8 sequence cut by the limit is dropped whole.
  size_t length = name != nullptr ? std::strlen(name) : 0;
  if (length > 255) {
    length = 255;
    size_t start = length;
    while (start > 0 && (static_cast<unsigned char>(name[start - 1]) & 0xC0) == 0x80) --start;
    if (start > 0) {
      unsigned char lead = static_cast<unsigned char>(name[start - 1]);
      size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (need > 1 && length - (start - 1) < need) length = start - 1;
    }
  }
  std::memset(target, 0, sizeof target);
  if (length > 0) std::memcpy(target, name, length);
}

double DegreesToRadians(const FieldSpec& field) {
  // The host's conversion, so stored angles agree with what the host computes;
  // pure unit tests run without a host and use the same formula.
  if (suites::gRealMath != nullptr) {
    double radians = 0;
    if (suites::RealMath().degreesToRadians(field.defaultDegrees, &radians) == ai::kNoError) return radians;
  }
  return field.defaultValue;
}

}  // namespace

bool FindRecordValue(const char* text, const char* key, const char** value, size_t* length) {
  if (text == nullptr || key == nullptr || key[0] == '\0') return false;
  const size_t keyLength = std::strlen(key);
  const char* line = text;
  bool first = true;
  while (*line != '\0') {
    // The line runs up to "\n" (a "\r" before it is not part of the value).
    const char* end = line;
    while (*end != '\0' && *end != '\n') ++end;
    if (*line == '$') {
      // The header line is skipped; any later marker starts the next record.
      if (!first) return false;
    } else if (static_cast<size_t>(end - line) > keyLength && std::strncmp(line, key, keyLength) == 0 &&
               line[keyLength] == '\t') {
      const char* start = line + keyLength + 1;
      const char* stop = end;
      if (stop > start && stop[-1] == '\r') --stop;
      *value = start;
      *length = static_cast<size_t>(stop - start);
      return true;
    }
    first = false;
    if (*end == '\0') break;
    line = end + 1;
  }
  return false;
}

bool RecordTextHasKey(const char* text, const char* key) {
  const char* value;
  size_t length;
  return FindRecordValue(text, key, &value, &length);
}

void WriteRecordText(const RecordSpec& spec, const void* record, const char* presetName, std::string& out) {
  out += "$\t";
  if (presetName != nullptr) out += presetName;
  out += "\r\n";
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const FieldSpec& field = spec.fields[i];
    if (field.type != FieldType::kNone && !field.writtenLast) AppendLine(out, field, record);
  }
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const FieldSpec& field = spec.fields[i];
    if (field.type != FieldType::kNone && field.writtenLast) AppendLine(out, field, record);
  }
}

void ReadRecordText(const RecordSpec& spec, void* record, const char* text) {
  if (text == nullptr || record == nullptr) return;
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const FieldSpec& field = spec.fields[i];
    if (field.type == FieldType::kNone) continue;
    const char* value;
    size_t length;
    if (!FindRecordValue(text, field.key, &value, &length)) continue;
    Value copy = CopyValue(value, length);
    ReadValue(field, FieldAt(record, field), copy.text);
  }
  if (spec.hooks.afterRead != nullptr) spec.hooks.afterRead(spec, record, text);
}

void SetRecordDefaults(const RecordSpec& spec, void* record, const char* presetName) {
  // Fields without a default of their own keep zero.
  std::memset(record, 0, spec.size);
  RecordHead* head = static_cast<RecordHead*>(record);
  CopyName(head->presetFile, spec.presetFile);
  CopyName(head->presetName, presetName);
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    const FieldSpec& field = spec.fields[i];
    unsigned char* at = FieldAt(record, field);
    double value = field.defaultInDegrees ? DegreesToRadians(field) : field.defaultValue;
    switch (field.type) {
      case FieldType::kShort:
        Store<int16_t>(at, static_cast<int16_t>(value));
        break;
      case FieldType::kBool:
      case FieldType::kInt:
        Store<int32_t>(at, static_cast<int32_t>(value));
        break;
      case FieldType::kUnsigned:
        Store<uint32_t>(at, static_cast<uint32_t>(value));
        break;
      case FieldType::kReal:
        Store<double>(at, value);
        break;
      case FieldType::kPoint:
        Store(at, ai::RealPoint{value, field.defaultY});
        break;
      case FieldType::kColor:  // colours come from the record's hook
      case FieldType::kNone:
        break;
    }
  }
  if (spec.hooks.setDefaults != nullptr) spec.hooks.setDefaults(spec, record);
}

const FieldSpec* FindField(const RecordSpec& spec, const char* name) {
  if (name == nullptr) return nullptr;
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    if (std::strcmp(spec.fields[i].name, name) == 0) return &spec.fields[i];
  }
  return nullptr;
}

const FieldSpec* FindFieldByKey(const RecordSpec& spec, const char* key) {
  if (key == nullptr) return nullptr;
  for (size_t i = 0; i < spec.fieldCount; ++i) {
    if (spec.fields[i].type != FieldType::kNone && std::strcmp(spec.fields[i].key, key) == 0) return &spec.fields[i];
  }
  return nullptr;
}

}  // namespace vx
