// SVG transforms. ai::RealMatrix {a, b, c, d, tx, ty} is the same matrix as SVG's
// matrix(a b c d e f): a point (x, y) maps to (a x + c y + tx, b x + d y + ty).
#pragma once

#include <string>
#include <string_view>

#include "frame/host/art_records.h"
#include "geometry/curves.h"

namespace vxhost::svg {

constexpr ai::RealMatrix kIdentity{1, 0, 0, 1, 0, 0};

bool IsIdentity(const ai::RealMatrix& m);
bool SameMatrix(const ai::RealMatrix& a, const ai::RealMatrix& b);  // bit for bit

// `first` applied, then `then`.
inline ai::RealMatrix Concat(const ai::RealMatrix& first, const ai::RealMatrix& then) {
  return Multiply(first, then);
}
using vxhost::Apply;
using vxhost::Invert;
// sqrt(|det|): how much the matrix scales lengths on average.
double MeanScale(const ai::RealMatrix& m);

// A transform list ("translate(10) rotate(30 5 5) matrix(...)"), false when it is
// malformed (SVG then ignores the whole attribute).
bool ParseTransform(std::string_view text, ai::RealMatrix& m);
// "matrix(a b c d e f)" with shortest numbers.
std::string FormatTransform(const ai::RealMatrix& m);
// "a b c d e f", the same numbers without the function.
std::string MatrixNumbers(const ai::RealMatrix& m);

}  // namespace vxhost::svg
