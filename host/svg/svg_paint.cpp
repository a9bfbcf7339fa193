#include "svg/svg_paint.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "document/art.h"
#include "svg/named_colors.h"
#include "svg/svg_number.h"

namespace vxhost::svg {
namespace {

std::string_view Trim(std::string_view text) {
  SkipSpace(text);
  while (!text.empty() && std::strchr(" \t\r\n\f", text.back()) != nullptr) text.remove_suffix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

double Byte(double n) { return std::clamp(std::round(n), 0.0, 255.0) / 255.0; }

ai::ThreeColor FromRgb(uint32_t rgb) {
  return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0};
}

// #rgb, #rgba, #rrggbb and #rrggbbaa; the alpha digits, where given, go to `alpha`.
bool ParseHex(std::string_view hex, ai::ThreeColor& color, double& alpha) {
  if (hex.size() != 3 && hex.size() != 4 && hex.size() != 6 && hex.size() != 8) return false;
  int digits[8];
  for (size_t i = 0; i < hex.size(); ++i)
    if ((digits[i] = HexDigit(hex[i])) < 0) return false;
  if (hex.size() <= 4) {
    color = {digits[0] * 17 / 255.0, digits[1] * 17 / 255.0, digits[2] * 17 / 255.0};
    alpha = hex.size() == 4 ? digits[3] * 17 / 255.0 : 1.0;
    return true;
  }
  color = {(digits[0] * 16 + digits[1]) / 255.0, (digits[2] * 16 + digits[3]) / 255.0,
           (digits[4] * 16 + digits[5]) / 255.0};
  alpha = hex.size() == 8 ? (digits[6] * 16 + digits[7]) / 255.0 : 1.0;
  return true;
}

// rgb(r, g, b) and rgba(r, g, b, a): integers 0..255 or percentages, clamped and
// put on the byte grid; the alpha is a number 0..1 or a percentage.
bool ParseRgbFunction(std::string_view args, bool withAlpha, ai::ThreeColor& color, double& alpha) {
  double values[4] = {0, 0, 0, 1};
  const int count = withAlpha ? 4 : 3;
  for (int i = 0; i < count; ++i) {
    SkipSpace(args);
    if (!ReadNumber(args, values[i])) return false;
    SkipSpace(args);
    if (!args.empty() && args.front() == '%') {
      values[i] = i < 3 ? values[i] * 2.55 : values[i] / 100;
      args.remove_prefix(1);
    }
    SkipSeparators(args);
  }
  if (!Trim(args).empty()) return false;
  color = {Byte(values[0]), Byte(values[1]), Byte(values[2])};
  alpha = std::clamp(values[3], 0.0, 1.0);
  return true;
}

char Hex(int v) { return "0123456789abcdef"[v & 15]; }

ai::ThreeColor ThreeOf(const ai::ColorRecord& c, const CustomColor* custom) {
  switch (c.kind) {
    case ai::color_kind::kGray: {
      const double v = std::clamp(1 - c.c.gray.gray, 0.0, 1.0);
      return {v, v, v};
    }
    case ai::color_kind::kFour: {
      const auto& f = c.c.four;
      const double k = 1 - f.black;
      return {(1 - f.cyan) * k, (1 - f.magenta) * k, (1 - f.yellow) * k};
    }
    case ai::color_kind::kThree:
      return c.c.three;
    case ai::color_kind::kCustom:
      return custom != nullptr ? CustomRendition(*custom, c.c.custom.tint) : ai::ThreeColor{0, 0, 0};
    default:
      return {0, 0, 0};
  }
}

}  // namespace

bool ParseColor(std::string_view text, ai::ThreeColor& color, double* alpha) {
  text = Trim(text);
  if (text.empty()) return false;
  double parsedAlpha = 1;
  bool parsed = false;
  auto function = [&](std::string_view name) {
    if (text.size() <= name.size() + 1 || text.back() != ')') return false;
    for (size_t i = 0; i < name.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(text[i])) != name[i]) return false;
    return text[name.size()] == '(';
  };
  if (text.front() == '#') {
    parsed = ParseHex(text.substr(1), color, parsedAlpha);
  } else if (function("rgba")) {
    parsed = ParseRgbFunction(text.substr(5, text.size() - 6), true, color, parsedAlpha);
  } else if (function("rgb")) {
    parsed = ParseRgbFunction(text.substr(4, text.size() - 5), false, color, parsedAlpha);
  } else {
    uint32_t rgb = 0;
    parsed = NamedColor(text, rgb);
    if (parsed) color = FromRgb(rgb);
  }
  if (parsed && alpha != nullptr) *alpha = parsedAlpha;
  return parsed;
}

bool ParsePaint(std::string_view text, Paint& paint) {
  text = Trim(text);
  Paint parsed;
  if (text == "none") {
    parsed.kind = Paint::Kind::kNone;
  } else if (text == "currentColor" || text == "currentcolor") {
    parsed.kind = Paint::Kind::kCurrentColor;
  } else if (text.substr(0, 4) == "url(") {
    const size_t close = text.find(')');
    if (close == std::string_view::npos) return false;
    std::string_view ref = Trim(text.substr(4, close - 4));
    if (ref.size() >= 2 && (ref.front() == '"' || ref.front() == '\'')) ref = ref.substr(1, ref.size() - 2);
    if (ref.empty() || ref.front() != '#') return false;
    parsed.kind = Paint::Kind::kUrl;
    parsed.url = std::string(ref.substr(1));
    const std::string_view rest = Trim(text.substr(close + 1));
    if (rest.empty() || rest == "none") {
      parsed.fallbackKind = Paint::Kind::kNone;
    } else if (rest == "currentColor") {
      parsed.fallbackKind = Paint::Kind::kCurrentColor;
    } else if (ParseColor(rest, parsed.fallback)) {
      parsed.fallbackKind = Paint::Kind::kColor;
    } else {
      return false;
    }
  } else if (ParseColor(text, parsed.color, &parsed.alpha)) {
    parsed.kind = Paint::Kind::kColor;
  } else {
    return false;
  }
  paint = std::move(parsed);
  return true;
}

ai::ColorRecord ThreeColorRecord(const ai::ThreeColor& color) {
  ai::ColorRecord record{};
  record.kind = ai::color_kind::kThree;
  record.c.three = color;
  return record;
}

ai::ThreeColor CustomRendition(const CustomColor& custom, double tint) {
  ai::ColorRecord process{};
  if (custom.kind == ai::custom_color_kind::kFour) {
    process.kind = ai::color_kind::kFour;
    process.c.four = {custom.components[0] * (1 - tint), custom.components[1] * (1 - tint),
                      custom.components[2] * (1 - tint), custom.components[3] * (1 - tint)};
  } else {
    process.kind = ai::color_kind::kThree;
    process.c.three = {custom.components[0] + (1 - custom.components[0]) * tint,
                       custom.components[1] + (1 - custom.components[1]) * tint,
                       custom.components[2] + (1 - custom.components[2]) * tint};
  }
  return ThreeOf(process, nullptr);
}

std::string Rendition(const ai::ColorRecord& color, const CustomColor* custom) {
  const ai::ThreeColor three = ThreeOf(color, custom);
  std::string out = "#";
  for (double v : {three.red, three.green, three.blue}) {
    const double scaled = v * 255;
    const int byte = scaled >= 0 ? static_cast<int>(std::min(std::round(scaled), 255.0)) : 0;  // NaN gives 0
    out += Hex(byte >> 4);
    out += Hex(byte);
  }
  return out;
}

bool OnByteGrid(const ai::ThreeColor& color) {
  for (double v : {color.red, color.green, color.blue}) {
    if (!(v >= 0 && v <= 1)) return false;
    const double onGrid = std::round(v * 255) / 255.0;
    if (std::memcmp(&onGrid, &v, sizeof v) != 0) return false;
  }
  return true;
}

std::string VxColorText(const ai::ColorRecord& color) {
  std::string out;
  auto add = [&](const char* head, std::initializer_list<double> values) {
    out = head;
    for (double v : values) {
      out += ' ';
      AppendNumber(out, v);
    }
  };
  switch (color.kind) {
    case ai::color_kind::kGray: add("gray", {color.c.gray.gray}); break;
    case ai::color_kind::kFour: {
      const auto& f = color.c.four;
      add("cmyk", {f.cyan, f.magenta, f.yellow, f.black});
      break;
    }
    case ai::color_kind::kThree:
      if (!OnByteGrid(color.c.three)) add("rgb", {color.c.three.red, color.c.three.green, color.c.three.blue});
      break;
    default: break;
  }
  return out;
}

bool ParseVxColor(std::string_view text, ai::ColorRecord& color) {
  text = Trim(text);
  const size_t space = text.find(' ');
  const std::string_view head = text.substr(0, space);
  std::string_view rest = space == std::string_view::npos ? std::string_view{} : text.substr(space);
  double v[4];
  int count = 0;
  SkipSpace(rest);
  while (count < 4 && ReadNumber(rest, v[count])) {
    ++count;
    SkipSpace(rest);
  }
  if (!rest.empty()) return false;
  ai::ColorRecord parsed{};
  if (head == "gray" && count == 1) {
    parsed.kind = ai::color_kind::kGray;
    parsed.c.gray.gray = v[0];
  } else if (head == "cmyk" && count == 4) {
    parsed.kind = ai::color_kind::kFour;
    parsed.c.four = {v[0], v[1], v[2], v[3]};
  } else if (head == "rgb" && count == 3) {
    parsed.kind = ai::color_kind::kThree;
    parsed.c.three = {v[0], v[1], v[2]};
  } else {
    return false;
  }
  color = parsed;
  return true;
}

}  // namespace vxhost::svg
