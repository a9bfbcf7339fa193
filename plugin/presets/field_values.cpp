#include "presets/field_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "presets/record_table.h"

namespace vx {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

template <class T>
T& At(void* record, size_t offset) {
  return *reinterpret_cast<T*>(static_cast<char*>(record) + offset);
}
template <class T>
const T& At(const void* record, size_t offset) {
  return *reinterpret_cast<const T*>(static_cast<const char*>(record) + offset);
}

std::string Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return std::string(text);
}

// A whole number or decimal with nothing after it but the rest we allow.
bool ParseNumber(const std::string& text, double& value, std::string* rest = nullptr) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(value)) return false;
  std::string remainder = Trim(end);
  if (rest != nullptr) {
    *rest = remainder;
    return true;
  }
  return remainder.empty();
}

double FieldNumber(const FieldSpec& field, const void* record, size_t extra = 0) {
  switch (field.type) {
    case FieldType::kShort: return At<int16_t>(record, field.offset);
    case FieldType::kBool:
    case FieldType::kInt: return At<int32_t>(record, field.offset);
    case FieldType::kUnsigned: return At<uint32_t>(record, field.offset);
    case FieldType::kReal: return At<double>(record, field.offset);
    case FieldType::kPoint: return At<double>(record, field.offset + extra);
    default: return 0;
  }
}

void StoreNumber(const FieldSpec& field, void* record, double value, size_t extra = 0) {
  switch (field.type) {
    case FieldType::kShort: At<int16_t>(record, field.offset) = static_cast<int16_t>(std::lround(value)); break;
    case FieldType::kBool: At<int32_t>(record, field.offset) = value != 0 ? 1 : 0; break;
    case FieldType::kInt: At<int32_t>(record, field.offset) = static_cast<int32_t>(std::lround(value)); break;
    case FieldType::kUnsigned: At<uint32_t>(record, field.offset) = static_cast<uint32_t>(std::llround(value)); break;
    case FieldType::kReal: At<double>(record, field.offset) = value; break;
    case FieldType::kPoint: At<double>(record, field.offset + extra) = value; break;
    default: break;
  }
}

// Stored value -> shown value.
double ToShown(Shown shown, double stored, int16_t rulerUnit) {
  switch (shown) {
    case Shown::kPercent: return stored * 100.0;
    case Shown::kDegrees: return stored / kRadiansPerDegree;
    case Shown::kLength: return PointsToRuler(stored, rulerUnit);
    case Shown::kSeconds: return stored / 60.0;
    default: return stored;
  }
}

std::string FormatShown(Shown shown, FieldType type, double value) {
  char text[64];
  if (type != FieldType::kReal && type != FieldType::kPoint && shown != Shown::kSeconds)
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(std::lround(value)));
  else if (shown == Shown::kLength)
    std::snprintf(text, sizeof text, "%.4f", value);
  else
    std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

double StoredFromShownValue(Shown shown, double value) {
  switch (shown) {
    case Shown::kPercent: return value / 100.0;
    case Shown::kDegrees: return value * kRadiansPerDegree;
    case Shown::kSeconds: return std::round(value * 60.0);
    default: return value;
  }
}

// One component typed in the shown unit -> stored unit, clamped.
bool ParseComponent(const FieldSpec& field, Shown shown, const std::string& text, int16_t rulerUnit,
                    double minimum, double maximum, double& stored, std::string* error, bool* clamped) {
  double value = 0;
  if (shown == Shown::kLength) {
    if (!ParseLength(text, rulerUnit, value)) {
      if (error) *error = "'" + text + "' is not a length";
      return false;
    }
    if (clamped != nullptr && (value < minimum || value > maximum)) *clamped = true;
    stored = std::clamp(value, minimum, maximum);  // the range of a length is in points
    return true;
  }
  std::string rest;
  if (!ParseNumber(text, value, &rest) || !(rest.empty() || (shown == Shown::kPercent && rest == "%") ||
                                            (shown == Shown::kDegrees && (rest == "°" || rest == "deg")))) {
    if (error) *error = "'" + text + "' is not a number";
    return false;
  }
  if (clamped != nullptr && (value < minimum || value > maximum)) *clamped = true;
  stored = StoredFromShownValue(shown, std::clamp(value, minimum, maximum));
  (void)field;
  return true;
}

bool ParseBool(const std::string& text, double& value) {
  static const char* const kYes[] = {"1", "yes", "on", "true"};
  static const char* const kNo[] = {"0", "no", "off", "false"};
  for (const char* yes : kYes)
    if (text == yes) return value = 1, true;
  for (const char* no : kNo)
    if (text == no) return value = 0, true;
  return false;
}

}  // namespace

double PointsToRuler(double points, int16_t rulerUnit) {
  switch (rulerUnit) {
    case 1: return points / 72.0;
    case 2: return points * 2.54 / 72.0;
    case 5: return points * 25.4 / 72.0;
    case 7: return points * 25.4 / 72.0 * 4.0;
    default: return points;
  }
}

double RulerToPoints(double value, int16_t rulerUnit) {
  switch (rulerUnit) {
    case 1: return value * 72.0;
    case 2: return value * 72.0 / 2.54;
    case 5: return value * 72.0 / 25.4;
    case 7: return value / 4.0 * 72.0 / 25.4;
    default: return value;
  }
}

const char* RulerUnitName(int16_t rulerUnit) {
  switch (rulerUnit) {
    case 1: return "in";
    case 2: return "cm";
    case 5: return "mm";
    case 7: return "q";
    default: return "pt";
  }
}

bool ParseLength(std::string_view typed, int16_t rulerUnit, double& points) {
  const std::string text = Trim(typed);
  double value = 0;
  std::string unit;
  if (!ParseNumber(text, value, &unit)) return false;
  for (char& c : unit) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  struct UnitCode {
    const char* name;
    int16_t code;
  };
  static constexpr UnitCode kUnits[] = {{"pt", 3}, {"px", 3}, {"in", 1}, {"cm", 2}, {"mm", 5}, {"q", 7}};
  if (unit.empty()) {
    points = RulerToPoints(value, rulerUnit);
    return true;
  }
  if (unit == "pc") {
    points = value * 12.0;
    return true;
  }
  for (const UnitCode& known : kUnits) {
    if (unit != known.name) continue;
    points = RulerToPoints(value, known.code);
    return true;
  }
  return false;
}

Shown ShownNow(const RecordSpec& spec, const FieldSpec& field, const void* record) {
  if (field.shown != Shown::kPercentOrLength) return field.shown;
  const FieldSpec* mode = field.modeField != nullptr ? FindField(spec, field.modeField) : nullptr;
  return mode != nullptr && FieldNumber(*mode, record) != 0 ? Shown::kLength : Shown::kPercent;
}

const char* ShownUnit(const RecordSpec& spec, const FieldSpec& field, const void* record, int16_t rulerUnit) {
  switch (ShownNow(spec, field, record)) {
    case Shown::kPercent: return "%";
    case Shown::kDegrees: return "°";
    case Shown::kLength: return RulerUnitName(rulerUnit);
    case Shown::kSeconds: return "s";
    default: return "";
  }
}

double StoredComponent(const FieldSpec& field, const void* record, int component) {
  return FieldNumber(field, record, component == 1 ? sizeof(double) : 0);
}

void StoreComponent(const FieldSpec& field, void* record, double value, int component) {
  StoreNumber(field, record, value, component == 1 ? sizeof(double) : 0);
}

double ShownFromStored(Shown shown, double stored, int16_t rulerUnit) { return ToShown(shown, stored, rulerUnit); }

double StoredFromShown(Shown shown, double value, int16_t rulerUnit) {
  return shown == Shown::kLength ? RulerToPoints(value, rulerUnit) : StoredFromShownValue(shown, value);
}

std::string FormatFieldValue(const RecordSpec& spec, const FieldSpec& field, const void* record,
                             int16_t rulerUnit) {
  const Shown shown = ShownNow(spec, field, record);
  if (field.type == FieldType::kColor) {
    const auto& color = At<ai::ColorRecord>(record, field.offset);
    char text[160];
    std::snprintf(text, sizeof text, "%d,%.6f,%.6f,%.6f,%.6f", color.kind, color.c.four.cyan, color.c.four.magenta,
                  color.c.four.yellow, color.c.four.black);
    return text;
  }
  if (field.type == FieldType::kPoint) {
    return FormatShown(shown, field.type, ToShown(shown, FieldNumber(field, record, 0), rulerUnit)) + "," +
           FormatShown(shown, field.type, ToShown(shown, FieldNumber(field, record, sizeof(double)), rulerUnit));
  }
  return FormatShown(shown, field.type, ToShown(shown, FieldNumber(field, record), rulerUnit));
}

bool SetFieldFromText(const RecordSpec& spec, const FieldSpec& field, void* record, std::string_view typed,
                      int16_t rulerUnit, std::string* error, bool* clamped) {
  const std::string text = Trim(typed);
  const Shown shown = ShownNow(spec, field, record);
  const bool lengthFeed = field.shown == Shown::kPercentOrLength && shown == Shown::kLength;
  const double minimum = lengthFeed ? field.altMinimum : field.minimum;
  const double maximum = lengthFeed ? field.altMaximum : field.maximum;
  if (field.type == FieldType::kColor) {
    ai::ColorRecord color = At<ai::ColorRecord>(record, field.offset);
    double parts[5] = {0, 0, 0, 0, 0};
    int count = std::sscanf(text.c_str(), "%lf,%lf,%lf,%lf,%lf", &parts[0], &parts[1], &parts[2], &parts[3], &parts[4]);
    if (count < 2) {
      if (error) *error = "'" + text + "' is not a colour (kind,c1,c2,c3,c4)";
      return false;
    }
    color.kind = static_cast<int32_t>(parts[0]);
    color.c.four = {parts[1], parts[2], parts[3], parts[4]};
    At<ai::ColorRecord>(record, field.offset) = color;
    return true;
  }
  if (field.type == FieldType::kPoint) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos) {
      if (error) *error = "'" + text + "' is not a point (x,y)";
      return false;
    }
    double x = 0, y = 0;
    if (!ParseComponent(field, shown, Trim(text.substr(0, comma)), rulerUnit, minimum, maximum, x, error, clamped) ||
        !ParseComponent(field, shown, Trim(text.substr(comma + 1)), rulerUnit, minimum, maximum, y, error, clamped))
      return false;
    StoreNumber(field, record, x, 0);
    StoreNumber(field, record, y, sizeof(double));
    return true;
  }
  double stored = 0;
  if (field.type == FieldType::kBool) {
    if (!ParseBool(text, stored)) {
      if (error) *error = "'" + text + "' is not on or off (1, 0, yes, no)";
      return false;
    }
  } else if (!ParseComponent(field, shown, text, rulerUnit, minimum, maximum, stored, error, clamped)) {
    return false;
  }
  StoreNumber(field, record, stored);
  return true;
}

}  // namespace vx
