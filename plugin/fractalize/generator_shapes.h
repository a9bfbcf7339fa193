// The fourteen generator shapes Fractalize copies onto every segment, each kept
// as a fragment of the host's native art text: one open path written with "m"
// (move to), "l"/"L" (line to) and "c"/"C" (curve to), ended by a painting
// operator. A lower-case letter makes a smooth anchor, an upper-case one a corner.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "geometry/path_records.h"

namespace vx {

constexpr int32_t kGeneratorCount = 14;

struct GeneratorShape {
  const char* name;  // as the dialog's list and the action show it
  const char* text;  // the path fragment
};

// The shapes in `generator` order (value 1 is element 0).
std::span<const GeneratorShape> GeneratorShapes();

// Parses a path fragment into segment records, in the fragment's own
// coordinates: returns how many anchors it holds and writes at most `capacity`
// of them. Numbers are read as single-precision values; lines starting with "%"
// and text in parentheses are skipped; the first painting operator ends the
// path. An anchor of "m" or a line operator has both handles on it; a curve
// operator also sets the previous anchor's out handle. 0 when an operator lacks
// its numbers or a second "m" starts another path.
int32_t ParseGeneratorText(std::string_view text, SegRecord* out, int32_t capacity);

}  // namespace vx
