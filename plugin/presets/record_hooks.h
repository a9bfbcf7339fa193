// Helpers for the records' own hooks: values that come from the host or the
// platform rather than from a table's constants.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"

namespace vx {

// The document's colour model (gray, RGB or CMYK); false when the host cannot say.
bool ReadDocumentColorModel(int16_t& model);

// White in a colour model: gray 0 in the gray model, 1, 1, 1 in the RGB model and
// 0, 0, 0, 0 as four-colour in any other.
ai::ColorRecord WhiteColorIn(int16_t model);

// A fresh random seed: the system's millisecond tick count.
int32_t TickCountSeed();

// The point at `length` in the direction `radians`, by the host's arithmetic
// when it is there.
ai::RealPoint PolarPoint(double length, double radians);

// Reads a whole number the way the record reader does; false when the text has none.
bool ParseShortValue(const char* text, const char* key, int16_t& value);

}  // namespace vx
