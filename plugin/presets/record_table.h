// The machinery that turns a record's declaration file into its plain struct and
// its constexpr table of field specs. A declaration file (effects/neon/neon_params.def
// and the others) holds one row per field, in memory order:
//
//   FIELD(name, key, type, default, min, max, shown, controls, actionKey, actionUnit)
//   FIELD_LAST(...)      the same columns; a key added later, written after all others
//   FIELD_BY_MODE(name, key, type, default, min, max, shown, lengthMin, lengthMax,
//                 "modeField", controls, actionKey, actionUnit)
//                        a feed in percent or in points, chosen by another field
//   PAIR(name, key, "nameX", "nameY", default, min, max, shown, controlsX, controlsY,
//        actionKeyX, actionKeyY, actionUnit)
//                        a point (type 12); both components share the clamp
//   WORK(name, ctype)    a working field without text form (not in the table)
//
// Defaults are in the stored unit; deg(135) declares a default in degrees that
// is converted to radians when the record is set to defaults, pt(x, y) a point.
// Clamps are in the palette's unit. The header that defines the struct includes
// record_fields_begin_struct.h, the .def and record_fields_end.h inside the struct
// body; the .cpp defines VX_RECORD and does the same with
// record_fields_begin_table.h inside an array of FieldSpec.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/host/art_records.h"
#include "presets/record_schema.h"

namespace vx {

template <FieldType T>
struct FieldStorageOf;
template <>
struct FieldStorageOf<FieldType::kShort> {
  using type = int16_t;
};
template <>
struct FieldStorageOf<FieldType::kBool> {
  using type = int32_t;
};
template <>
struct FieldStorageOf<FieldType::kReal> {
  using type = double;
};
template <>
struct FieldStorageOf<FieldType::kUnsigned> {
  using type = uint32_t;
};
template <>
struct FieldStorageOf<FieldType::kInt> {
  using type = int32_t;
};
template <>
struct FieldStorageOf<FieldType::kPoint> {
  using type = ai::RealPoint;
};
template <>
struct FieldStorageOf<FieldType::kColor> {
  using type = ai::ColorRecord;
};
// The C++ type that holds a field of a text-form type.
template <FieldType T>
using FieldStorage = typename FieldStorageOf<T>::type;

// One entry of the default column.
struct FieldDefault {
  double value = 0;  // stored unit; x of a point
  double y = 0;
  double degrees = 0;
  bool inDegrees = false;
};

constexpr FieldDefault MakeDefault(double value) { return FieldDefault{value, value, 0, false}; }
constexpr FieldDefault MakeDefault(FieldDefault value) { return value; }

namespace fielddef {
constexpr double kPi = 3.14159265358979323846;
// A default declared in degrees, stored in radians.
constexpr FieldDefault deg(double degrees) { return FieldDefault{degrees * kPi / 180.0, 0, degrees, true}; }
// A point default.
constexpr FieldDefault pt(double x, double y) { return FieldDefault{x, y, 0, false}; }
}  // namespace fielddef

// A zero-terminated list of control ids with static storage, usable in a constexpr table.
template <int32_t... Ids>
inline constexpr int32_t kControlList[sizeof...(Ids) + 1] = {Ids..., 0};

template <int32_t First, int32_t... Rest>
inline constexpr int32_t kFirstOf = First;

constexpr int32_t FirstControl(const ControlIds& controls) {
  if (controls.edit != 0) return controls.edit;
  if (controls.firstButton != 0) return controls.firstButton;
  return controls.slider;
}

// "dnst" -> 'dnst'; "" -> 0.
constexpr ai::Code ActionKey(const char* text) {
  if (text[0] == '\0') return 0;
  uint32_t code = 0;
  for (int i = 0; i < 4; ++i) code = (code << 8) | static_cast<unsigned char>(text[i]);
  return static_cast<ai::Code>(code);
}

}  // namespace vx

// Control columns of a declaration file.
#define CTL_NONE (::vx::ControlIds{})
#define CTL_EDIT(edit, spin) (::vx::ControlIds{edit, spin, 0, nullptr})
#define CTL_SLIDER(edit, spin, slider) (::vx::ControlIds{edit, spin, slider, nullptr})
#define CTL_FEEDS(edit, spin, lengthEdit, lengthSpin) (::vx::ControlIds{edit, spin, 0, nullptr, 0, lengthEdit, lengthSpin})
#define CTL_BOX(id) (::vx::ControlIds{id, 0, 0, nullptr})
#define CTL_BUTTONS(...) (::vx::ControlIds{0, 0, 0, ::vx::kControlList<__VA_ARGS__>, ::vx::kFirstOf<__VA_ARGS__>})
#define CTL_QUICK(edit, spin, slider, ...) \
  (::vx::ControlIds{edit, spin, slider, ::vx::kControlList<__VA_ARGS__>, ::vx::kFirstOf<__VA_ARGS__>})
