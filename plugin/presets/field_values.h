// A record field's value as a palette shows it and as a person types it:
// percentages as percent, angles in degrees, lengths in the document's ruler
// unit (or with a unit of their own: "12 mm", "1 in"), choices by index.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "presets/record_schema.h"

namespace vx {

// Points to the ruler unit of `code` and back (1 inches, 2 centimetres,
// 5 millimetres, 7 quarter millimetres; every other code shows points).
double PointsToRuler(double points, int16_t rulerUnit);
double RulerToPoints(double value, int16_t rulerUnit);
const char* RulerUnitName(int16_t rulerUnit);

// A length as typed: a number in the ruler unit, or a number with its own unit
// (pt, px, in, cm, mm, q, pc). False when the text is not a length.
bool ParseLength(std::string_view text, int16_t rulerUnit, double& points);

// A number field's stored value (component 1 is a point's y), and storing one
// (integers rounded, flags 0 or 1).
double StoredComponent(const FieldSpec& field, const void* record, int component = 0);
void StoreComponent(const FieldSpec& field, void* record, double value, int component = 0);
// A stored value in the unit it is shown in, and back.
double ShownFromStored(Shown shown, double stored, int16_t rulerUnit);
double StoredFromShown(Shown shown, double value, int16_t rulerUnit);

// How the field is shown right now (a feed depends on its mode field).
Shown ShownNow(const RecordSpec& spec, const FieldSpec& field, const void* record);
// The unit name people read beside the value ("%", "°", "mm", "s", "").
const char* ShownUnit(const RecordSpec& spec, const FieldSpec& field, const void* record, int16_t rulerUnit);

// The value in the shown unit: 3 decimals for percentages and angles, 4 for
// lengths, integers as integers; points as "x,y"; colours in their text form.
std::string FormatFieldValue(const RecordSpec& spec, const FieldSpec& field, const void* record,
                             int16_t rulerUnit);

// Parses what a person typed, clamps it to the palette's range and stores it
// in the record's unit. False, with the reason, when the text is not a value;
// `clamped`, when given, is set when the value lay outside the range.
bool SetFieldFromText(const RecordSpec& spec, const FieldSpec& field, void* record, std::string_view text,
                      int16_t rulerUnit, std::string* error, bool* clamped = nullptr);

}  // namespace vx
