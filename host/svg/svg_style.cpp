#include "svg/svg_style.h"

#include <algorithm>
#include <cstring>

#include "svg/css.h"
#include "svg/svg_number.h"

namespace vxhost::svg {
namespace {

constexpr std::string_view kInherited[] = {"clip-rule",        "color",          "fill",
                                           "fill-opacity",     "fill-rule",      "stroke",
                                           "stroke-dasharray", "stroke-dashoffset", "stroke-linecap",
                                           "stroke-linejoin",  "stroke-miterlimit", "stroke-opacity",
                                           "stroke-width",     "visibility"};
constexpr std::string_view kOwn[] = {"clip-path", "display", "opacity"};

std::string Trimmed(std::string_view text) {
  SkipSpace(text);
  while (!text.empty() && std::strchr(" \t\r\n\f", text.back()) != nullptr) text.remove_suffix(1);
  return std::string(text);
}

// A number, or a percentage of 1; clamped to 0..1.
bool ParseFraction(std::string_view text, double& value) {
  SkipSpace(text);
  double v = 0;
  if (!ReadNumber(text, v)) return false;
  SkipSpace(text);
  if (!text.empty() && text.front() == '%') {
    v /= 100;
    text.remove_prefix(1);
    SkipSpace(text);
  }
  if (!text.empty()) return false;
  value = std::clamp(v, 0.0, 1.0);
  return true;
}

bool ParseDashes(std::string_view text, const Viewport& viewport, std::vector<double>& dashes,
                 std::vector<std::string>* notes) {
  if (Trimmed(text) == "none") {
    dashes.clear();
    return true;
  }
  std::vector<double> values;
  SkipSpace(text);
  while (!text.empty()) {
    double v = 0;
    if (!ReadNumber(text, v) || v < 0) return false;
    SkipSpace(text);
    if (text.substr(0, 2) == "px") text.remove_prefix(2);
    if (!text.empty() && text.front() == '%') {
      v = v / 100 * viewport.Diagonal();
      text.remove_prefix(1);
    }
    values.push_back(v);
    SkipSeparators(text);
  }
  if (values.size() % 2 == 1) values.insert(values.end(), values.begin(), values.end());
  if (std::all_of(values.begin(), values.end(), [](double v) { return v == 0; })) values.clear();
  if (values.size() > 6) {
    if (notes != nullptr)
      notes->push_back("stroke-dasharray of " + std::to_string(values.size()) + " values: the first 6 are kept");
    values.resize(6);
  }
  dashes = std::move(values);
  return true;
}

template <size_t N>
bool Keyword(const std::string& text, const std::string_view (&names)[N], int32_t& code) {
  for (size_t i = 0; i < N; ++i)
    if (text == names[i]) {
      code = static_cast<int32_t>(i);
      return true;
    }
  return false;
}

}  // namespace

bool IsInheritedProperty(std::string_view name) {
  return std::find(std::begin(kInherited), std::end(kInherited), name) != std::end(kInherited);
}

bool IsKnownProperty(std::string_view name) {
  return IsInheritedProperty(name) || std::find(std::begin(kOwn), std::end(kOwn), name) != std::end(kOwn);
}

std::vector<std::pair<std::string, std::string>> SplitStyle(std::string_view style) {
  std::vector<std::pair<std::string, std::string>> out;
  for (css::Declaration& d : css::ParseDeclarations(style)) out.emplace_back(std::move(d.property), std::move(d.value));
  return out;
}

void Declarations::Add(const std::string& name, const std::string& value) { known[name] = Trimmed(value); }

const std::string* Declarations::Find(const std::string& name) const {
  const auto found = known.find(name);
  return found == known.end() ? nullptr : &found->second;
}

ComputedStyle ComputeStyle(const ComputedStyle& parent, const Declarations& own, std::vector<std::string>* notes) {
  ComputedStyle style = parent;
  for (const auto& [name, value] : own.known)
    if (IsInheritedProperty(name) && value != "inherit") style.declaredInherited[name] = value;

  auto text = [&](const char* name) -> const std::string* {
    const std::string* value = own.Find(name);
    return value == nullptr || *value == "inherit" ? nullptr : value;
  };
  ai::ThreeColor color;
  if (const auto* v = text("color"); v && ParseColor(*v, color)) style.color = color;
  if (const auto* v = text("fill"); v && ParsePaint(*v, style.fill)) style.vxFill.clear();
  if (const auto* v = text("stroke"); v && ParsePaint(*v, style.stroke)) style.vxStroke.clear();
  if (const auto* v = text("fill-opacity")) ParseFraction(*v, style.fillOpacity);
  if (const auto* v = text("stroke-opacity")) ParseFraction(*v, style.strokeOpacity);
  if (const auto* v = text("fill-rule")) {
    if (*v == "evenodd") style.evenOdd = true;
    if (*v == "nonzero") style.evenOdd = false;
  }
  double number = 0;
  if (const auto* v = text("stroke-width"); v && ParseLengthIn(*v, style.viewport, Axis::kOther, number) && number >= 0)
    style.strokeWidth = number;
  if (const auto* v = text("stroke-miterlimit"); v && ParseNumber(*v, number) && number >= 1)
    style.miterLimit = number;
  if (const auto* v = text("stroke-dashoffset"); v && ParseLengthIn(*v, style.viewport, Axis::kOther, number))
    style.dashOffset = number;
  if (const auto* v = text("stroke-dasharray")) ParseDashes(*v, style.viewport, style.dashes, notes);
  static constexpr std::string_view kCaps[] = {"butt", "round", "square"};
  static constexpr std::string_view kJoins[] = {"miter", "round", "bevel"};
  if (const auto* v = text("stroke-linecap")) Keyword(*v, kCaps, style.lineCap);
  if (const auto* v = text("stroke-linejoin")) {
    if (!Keyword(*v, kJoins, style.lineJoin) && (*v == "miter-clip" || *v == "arcs")) style.lineJoin = 0;
  }
  if (const auto* v = text("visibility")) {
    if (*v == "visible") style.visible = true;
    if (*v == "hidden" || *v == "collapse") style.visible = false;
  }
  return style;
}

std::string InheritedStyleText(const ComputedStyle& style) {
  std::string out;
  for (const auto& [name, value] : style.declaredInherited) {
    if (!out.empty()) out += ';';
    out += name + ':' + value;
  }
  return out;
}

}  // namespace vxhost::svg
