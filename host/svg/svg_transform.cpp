#include "svg/svg_transform.h"

#include <cmath>
#include <cctype>
#include <cstring>
#include <numbers>

#include "svg/svg_number.h"

namespace vxhost::svg {

bool IsIdentity(const ai::RealMatrix& m) { return SameMatrix(m, kIdentity); }

bool SameMatrix(const ai::RealMatrix& a, const ai::RealMatrix& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

double MeanScale(const ai::RealMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

namespace {

// The arguments of one transform function, between its parentheses.
bool ReadArguments(std::string_view& text, double* args, int& count) {
  SkipSpace(text);
  if (text.empty() || text.front() != '(') return false;
  text.remove_prefix(1);
  count = 0;
  SkipSpace(text);
  while (!text.empty() && text.front() != ')') {
    if (count == 6 || !ReadNumber(text, args[count])) return false;
    ++count;
    SkipSeparators(text);
  }
  if (text.empty()) return false;
  text.remove_prefix(1);
  return true;
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

bool Function(std::string_view name, const double* v, int n, ai::RealMatrix& m) {
  if (name == "matrix" && n == 6) {
    m = {v[0], v[1], v[2], v[3], v[4], v[5]};
  } else if (name == "translate" && (n == 1 || n == 2)) {
    m = {1, 0, 0, 1, v[0], n == 2 ? v[1] : 0};
  } else if (name == "scale" && (n == 1 || n == 2)) {
    m = {v[0], 0, 0, n == 2 ? v[1] : v[0], 0, 0};
  } else if (name == "rotate" && (n == 1 || n == 3)) {
    const double cosine = std::cos(Radians(v[0])), sine = std::sin(Radians(v[0]));
    m = {cosine, sine, -sine, cosine, 0, 0};
    if (n == 3) m = Concat(Concat({1, 0, 0, 1, -v[1], -v[2]}, m), {1, 0, 0, 1, v[1], v[2]});
  } else if (name == "skewX" && n == 1) {
    m = {1, 0, std::tan(Radians(v[0])), 1, 0, 0};
  } else if (name == "skewY" && n == 1) {
    m = {1, std::tan(Radians(v[0])), 0, 1, 0, 0};
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ParseTransform(std::string_view text, ai::RealMatrix& result) {
  ai::RealMatrix m = kIdentity;
  SkipSpace(text);
  while (!text.empty()) {
    size_t length = 0;
    while (length < text.size() && std::isalpha(static_cast<unsigned char>(text[length]))) ++length;
    const std::string_view name = text.substr(0, length);
    text.remove_prefix(length);
    double args[6];
    int count = 0;
    ai::RealMatrix item;
    if (length == 0 || !ReadArguments(text, args, count) || !Function(name, args, count, item)) return false;
    // The list applies right to left: the last function acts on points first.
    m = Concat(item, m);
    SkipSeparators(text);
  }
  result = m;
  return true;
}

std::string MatrixNumbers(const ai::RealMatrix& m) {
  std::string out;
  const double values[6] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
  for (int i = 0; i < 6; ++i) {
    if (i > 0) out += ' ';
    AppendNumber(out, values[i]);
  }
  return out;
}

std::string FormatTransform(const ai::RealMatrix& m) { return "matrix(" + MatrixNumbers(m) + ")"; }

}  // namespace vxhost::svg
