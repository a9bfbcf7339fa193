#include "svg/svg_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace vxhost::svg {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t ScanDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

void SkipSpace(std::string_view& text) {
  size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  text.remove_prefix(at);
}

void SkipSeparators(std::string_view& text) {
  SkipSpace(text);
  if (!text.empty() && text.front() == ',') {
    text.remove_prefix(1);
    SkipSpace(text);
  }
}

bool ReadNumber(std::string_view& text, double& value) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t mantissaStart = at;
  at = ScanDigits(text, at);
  bool digits = at > mantissaStart;
  if (at < text.size() && text[at] == '.') {
    const size_t fraction = at + 1;
    const size_t end = ScanDigits(text, fraction);
    if (end > fraction) digits = true;
    if (digits) at = end;
  }
  if (!digits) return false;
  // An exponent counts only when digits follow it.
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t end = ScanDigits(text, exponent);
    if (end > exponent) at = end;
  }
  const size_t start = text[0] == '+' ? 1 : 0;
  double parsed = 0;
  const auto result = std::from_chars(text.data() + start, text.data() + at, parsed);
  if (result.ec != std::errc() || result.ptr != text.data() + at) return false;
  value = parsed;
  text.remove_prefix(at);
  return true;
}

bool ParseNumber(std::string_view text, double& value) {
  SkipSpace(text);
  if (!ReadNumber(text, value)) return false;
  SkipSpace(text);
  return text.empty();
}

bool ParseLength(std::string_view text, double& value) {
  SkipSpace(text);
  if (!ReadNumber(text, value)) return false;
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  // CSS absolute units in user units (96 per inch).
  static constexpr struct {
    std::string_view unit;
    double scale;
  } kUnits[] = {{"", 1}, {"px", 1}, {"pt", 96.0 / 72}, {"pc", 16}, {"in", 96}, {"mm", 96 / 25.4}, {"cm", 96 / 2.54}};
  for (const auto& unit : kUnits) {
    if (text != unit.unit) continue;
    if (unit.scale != 1) value *= unit.scale;
    return true;
  }
  return false;
}

void AppendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) value = 0;
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

std::string FormatNumber(double value) {
  std::string out;
  AppendNumber(out, value);
  return out;
}

}  // namespace vxhost::svg
