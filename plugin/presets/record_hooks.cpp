#include "presets/record_hooks.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "frame/suite_set.h"
#include "platform/clock.h"
#include "presets/record_schema.h"

namespace vx {

bool ReadDocumentColorModel(int16_t& model) {
  if (suites::gDocument == nullptr) return false;
  int16_t read = 0;
  if (suites::Document().getColorModel(&read) != ai::kNoError) return false;
  model = read;
  return true;
}

ai::ColorRecord WhiteColorIn(int16_t model) {
  ai::ColorRecord color{};
  if (model == ai::color_model::kGray) {
    color.kind = ai::color_kind::kGray;
    color.c.gray.gray = 0;
  } else if (model == ai::color_model::kRGB) {
    color.kind = ai::color_kind::kThree;
    color.c.three = {1, 1, 1};
  } else {
    color.kind = ai::color_kind::kFour;
    color.c.four = {0, 0, 0, 0};
  }
  return color;
}

int32_t TickCountSeed() { return static_cast<int32_t>(platform::TickCount()); }

ai::RealPoint PolarPoint(double length, double radians) {
  if (suites::gRealMath != nullptr) {
    ai::RealPoint point{};
    if (suites::RealMath().polarPoint(length, radians, &point) == ai::kNoError) return point;
  }
  return ai::RealPoint{length * std::cos(radians), length * std::sin(radians)};
}

bool ParseShortValue(const char* text, const char* key, int16_t& value) {
  const char* start;
  size_t length;
  if (!FindRecordValue(text, key, &start, &length)) return false;
  char copy[64];
  if (length >= sizeof copy) length = sizeof copy - 1;
  std::memcpy(copy, start, length);
  copy[length] = '\0';
  char* end = nullptr;
  long long whole = std::strtoll(copy, &end, 10);
  if (end == copy) return false;
  value = static_cast<int16_t>(whole);
  return true;
}

}  // namespace vx
