// The reader's paint servers (gradients and patterns), document-level data of
// the vx namespace, and the prologue of content kept verbatim.
#include <cstring>
#include <sstream>

#include "svg/svg_number.h"
#include "svg/svg_reader.h"
#include "svg/svg_transform.h"

namespace vxhost::svg {
namespace {

std::string Verbatim(const pugi::xml_node& node) {
  std::ostringstream out;
  node.print(out, "", pugi::format_raw);
  return out.str();
}

// `m` followed by the flip into document space, exactly (negations only).
ai::RealMatrix FlipAfter(const ai::RealMatrix& m) { return {m.a, -m.b, m.c, -m.d, m.tx, -m.ty}; }

// A gradient coordinate: a number, or a percentage as a fraction.
bool ParseCoordinate(const char* text, double& value) {
  std::string_view rest = text;
  SkipSpace(rest);
  double v = 0;
  if (!ReadNumber(rest, v)) return false;
  SkipSpace(rest);
  if (rest == "%") {
    value = v / 100;
    return true;
  }
  if (!rest.empty() && rest != "px") return false;
  value = v;
  return true;
}

bool IsGradientAttribute(const std::string& n) {
  static const std::set<std::string> kNames = {"id", "href", "xlink:href", "x1", "y1", "x2", "y2", "cx", "cy", "r",
                                                "fx", "fy", "gradientUnits", "gradientTransform", "spreadMethod"};
  return kNames.count(n) != 0;
}

// What currentColor means for `node`: the color property it or the nearest of
// its ancestors declares (black when none does).
ai::ThreeColor CurrentColor(pugi::xml_node node) {
  for (; node; node = node.parent()) {
    std::string value = node.attribute("color").value();
    for (const auto& [key, v] : SplitStyle(node.attribute("style").value()))
      if (key == "color") value = v;
    ai::ThreeColor color;
    if (!value.empty() && value != "inherit" && ParseColor(value, color)) return color;
  }
  return {0, 0, 0};
}

}  // namespace

pugi::xml_node SvgReader::Referenced(const pugi::xml_node& node) const {
  const char* href = node.attribute("xlink:href") ? node.attribute("xlink:href").value() : node.attribute("href").value();
  if (href[0] != '#') return {};
  const auto found = ids_.find(href + 1);
  return found == ids_.end() ? pugi::xml_node() : found->second;
}

void SvgReader::ReadDocumentData(pugi::xml_node root) {
  const pugi::xml_node data = root.child((prefixes_.vx + "document").c_str());
  if (!data) return;
  const std::string model = data.attribute("colorModel").value();
  if (model == "gray") doc_.colorModel = ai::color_model::kGray;
  if (model == "rgb") doc_.colorModel = ai::color_model::kRGB;
  if (model == "cmyk") doc_.colorModel = ai::color_model::kCMYK;
  double unit = 0;
  if (ParseNumber(data.attribute("rulerUnit").value(), unit) && unit >= 1 && unit <= 7)
    doc_.rulerUnit = static_cast<int16_t>(unit);
  const std::string entryName = prefixes_.vx + "customColor";
  for (pugi::xml_node entry : data.children(entryName.c_str())) {
    auto color = std::make_unique<CustomColor>();
    color->name = entry.attribute("name").value();
    color->spot = std::strcmp(entry.attribute("spot").value(), "0") != 0;
    color->kind = std::strcmp(entry.attribute("kind").value(), "three") == 0 ? ai::custom_color_kind::kThree
                                                                              : ai::custom_color_kind::kFour;
    std::string_view components = entry.attribute("components").value();
    SkipSpace(components);
    for (double& component : color->components) {
      if (!ReadNumber(components, component)) break;
      SkipSeparators(components);
    }
    doc_.customColors().push_back(std::move(color));
  }
}

void SvgReader::ReadPaintServers(pugi::xml_node node, size_t depth) {
  if (depth >= kMaxDepth) Fail("elements nest more than " + std::to_string(kMaxDepth) + " levels deep");
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::string name = Local(child);
    const bool gradient = name == "linearGradient" || name == "radialGradient";
    if (gradient || name == "pattern") {
      // Gradients and patterns we wrote for placed paint are rebuilt from their base.
      // One without an id, or whose id an earlier one has (a reference names the
      // first, as looking an id up in the document does), can be used by nothing
      // and paints nothing, so it is left out.
      const std::string id = child.attribute("id").value();
      if (VxAttr(child, "placed") == nullptr && !id.empty() && gradients_.count(id) == 0 &&
          patterns_.count(id) == 0) {
        if (gradient) ReadGradient(child); else ReadPattern(child);
      }
      consumed_.insert(child);
    } else if (name == "defs" || name == "g" || name == "a" || name == "switch" || name == "symbol" || name == "svg") {
      ReadPaintServers(child, depth + 1);
    }
  }
}

void SvgReader::ReadGradient(pugi::xml_node node) {
  // Attributes and stops may come from the gradients it refers to.
  std::vector<pugi::xml_node> chain{node};
  for (pugi::xml_node next = Referenced(node); next && chain.size() < 16; next = Referenced(next)) {
    if (std::find(chain.begin(), chain.end(), next) != chain.end()) break;
    chain.push_back(next);
  }
  auto attribute = [&](const char* name) -> const char* {
    for (const pugi::xml_node& n : chain)
      if (const pugi::xml_attribute a = n.attribute(name)) return a.value();
    return nullptr;
  };
  auto gradient = std::make_unique<Gradient>();
  gradient->name = node.attribute("id").value();
  gradient->type = Local(node) == "radialGradient" ? ai::gradient_type::kRadial : ai::gradient_type::kLinear;
  Gradient::Svg& svg = gradient->svg;
  if (const char* units = attribute("gradientUnits")) svg.objectBoundingBox = std::strcmp(units, "userSpaceOnUse") != 0;
  // In user space, percentages and the defaults (0 % to 100 % across, a circle
  // of 50 % in the middle) refer to the viewport.
  const Viewport& viewport = rootViewport_;
  auto coordinate = [&](const char* name, Axis axis, double& value) {
    const char* text = attribute(name);
    if (text == nullptr) return;
    if (svg.objectBoundingBox) ParseCoordinate(text, value);
    else ParseLengthIn(text, viewport, axis, value);
  };
  if (gradient->type == ai::gradient_type::kLinear) {
    if (!svg.objectBoundingBox) svg.x2 = viewport.width;
    coordinate("x1", Axis::kX, svg.x1);
    coordinate("y1", Axis::kY, svg.y1);
    coordinate("x2", Axis::kX, svg.x2);
    coordinate("y2", Axis::kY, svg.y2);
  } else {
    if (!svg.objectBoundingBox) {
      svg.cx = viewport.width / 2;
      svg.cy = viewport.height / 2;
      svg.r = viewport.Diagonal() / 2;
    }
    coordinate("cx", Axis::kX, svg.cx);
    coordinate("cy", Axis::kY, svg.cy);
    coordinate("r", Axis::kOther, svg.r);
    svg.fx = svg.cx;
    svg.fy = svg.cy;
    coordinate("fx", Axis::kX, svg.fx);
    coordinate("fy", Axis::kY, svg.fy);
  }
  if (const char* transform = attribute("gradientTransform")) ParseTransform(transform, svg.transform);
  if (const char* spread = attribute("spreadMethod"); spread && std::strcmp(spread, "pad") != 0)
    svg.spreadMethod = spread;
  for (const pugi::xml_attribute& a : node.attributes())
    if (!IsGradientAttribute(a.name()) && std::strncmp(a.name(), prefixes_.vx.c_str(), prefixes_.vx.size()) != 0)
      svg.attributes.emplace_back(a.name(), a.value());

  const std::string stopName = prefixes_.svg + "stop";
  for (const pugi::xml_node& n : chain) {
    if (!n.child(stopName.c_str())) continue;
    double last = 0;
    for (pugi::xml_node stop : n.children(stopName.c_str())) {
      ai::GradientStop entry{};
      entry.midPoint = 50;
      entry.opacity = 1;
      // A percentage is kept as the ramp point itself, so written stops read back exactly.
      std::string_view offset = stop.attribute("offset").value();
      double value = 0;
      SkipSpace(offset);
      if (ReadNumber(offset, value)) {
        SkipSpace(offset);
        entry.rampPoint = offset == "%" ? value : value * 100;
      }
      entry.rampPoint = std::clamp(entry.rampPoint, last, 100.0);
      last = entry.rampPoint;
      Declarations declarations;
      for (const char* name : {"stop-color", "stop-opacity"})
        if (const pugi::xml_attribute a = stop.attribute(name)) declarations.Add(name, a.value());
      for (const auto& [key, v] : SplitStyle(stop.attribute("style").value())) declarations.Add(key, v);
      ai::ThreeColor color{0, 0, 0};
      if (const std::string* text = declarations.Find("stop-color")) {
        if (*text == "currentColor" || *text == "currentcolor") color = CurrentColor(stop);
        else ParseColor(*text, color);
      }
      entry.color = ThreeColorRecord(color);
      if (const char* vx = VxAttr(stop, "stop-color")) ParseVxPaint(vx, kIdentity, entry.color);
      if (const std::string* text = declarations.Find("stop-opacity")) {
        double opacity = 1;
        if (ParseNumber(*text, opacity)) entry.opacity = std::clamp(opacity, 0.0, 1.0);
      }
      gradient->stops.push_back(entry);
    }
    break;
  }
  gradients_[gradient->name] = gradient.get();
  doc_.gradients().push_back(std::move(gradient));
}

void SvgReader::ReadPattern(pugi::xml_node node) {
  auto pattern = std::make_unique<Pattern>();
  pattern->name = node.attribute("id").value();
  pattern->verbatim = Verbatim(node);
  patterns_[pattern->name] = pattern.get();
  doc_.patterns().push_back(std::move(pattern));
}

bool SvgReader::ResolvePaint(const Paint& paint, const std::string& vxText, const ComputedStyle& style,
                             const ai::RealMatrix& ctm, ai::ColorRecord& color) {
  color = ai::ColorRecord{};
  if (paint.kind == Paint::Kind::kNone) return false;
  if (!vxText.empty() && ParseVxPaint(vxText, ctm, color)) return true;
  Paint::Kind kind = paint.kind;
  ai::ThreeColor three = paint.color;
  if (kind == Paint::Kind::kUrl) {
    const ai::RealMatrix placement = FlipAfter(ctm);
    if (const auto g = gradients_.find(paint.url); g != gradients_.end()) {
      color.kind = ai::color_kind::kGradient;
      color.c.gradient.gradient = reinterpret_cast<ai::GradientHandle>(g->second);
      color.c.gradient.matrix = placement;
      return true;
    }
    if (const auto p = patterns_.find(paint.url); p != patterns_.end()) {
      color.kind = ai::color_kind::kPattern;
      color.c.pattern.pattern = reinterpret_cast<ai::PatternHandle>(p->second);
      color.c.pattern.transform = placement;
      return true;
    }
    kind = paint.fallbackKind;
    three = paint.fallback;
  }
  if (kind == Paint::Kind::kNone) return false;
  color = ThreeColorRecord(kind == Paint::Kind::kCurrentColor ? style.color : three);
  return true;
}

bool SvgReader::ParseVxPaint(const std::string& text, const ai::RealMatrix& ctm, ai::ColorRecord& color) {
  if (ParseVxColor(text, color)) return true;
  const size_t space = text.find(' ');
  const std::string head = text.substr(0, space);
  if (space == std::string::npos) return false;
  if (head == "spot") {
    const size_t last = text.rfind(' ');
    double tint = 0;
    if (last == space || !ParseNumber(std::string_view(text).substr(last + 1), tint)) return false;
    const std::string name = text.substr(space + 1, last - space - 1);
    for (const auto& custom : doc_.customColors()) {
      if (custom->name != name) continue;
      color = ai::ColorRecord{};
      color.kind = ai::color_kind::kCustom;
      color.c.custom = {reinterpret_cast<ai::CustomColorHandle>(custom.get()), tint};
      return true;
    }
    return false;
  }
  if (head != "gradient" && head != "pattern") return false;
  // "gradient NAME a b c d tx ty": the placement in the element's own space.
  std::string_view rest = std::string_view(text).substr(space + 1);
  const size_t nameEnd = rest.find(' ');
  if (nameEnd == std::string_view::npos) return false;
  const std::string name(rest.substr(0, nameEnd));
  rest.remove_prefix(nameEnd);
  double v[6];
  for (double& value : v) {
    SkipSpace(rest);
    if (!ReadNumber(rest, value)) return false;
  }
  const ai::RealMatrix local{v[0], v[1], v[2], v[3], v[4], v[5]};
  const ai::RealMatrix placement = FlipAfter(IsIdentity(ctm) ? local : Concat(local, ctm));
  color = ai::ColorRecord{};
  if (head == "gradient") {
    const auto g = gradients_.find(name);
    if (g == gradients_.end()) return false;
    color.kind = ai::color_kind::kGradient;
    color.c.gradient.gradient = reinterpret_cast<ai::GradientHandle>(g->second);
    color.c.gradient.matrix = placement;
  } else {
    const auto p = patterns_.find(name);
    if (p == patterns_.end()) return false;
    color.kind = ai::color_kind::kPattern;
    color.c.pattern.pattern = reinterpret_cast<ai::PatternHandle>(p->second);
    color.c.pattern.transform = placement;
  }
  return true;
}

void SvgReader::FinishPrologue() {
  // What still refers to a clip path that art now holds keeps the original.
  std::set<std::string> referenced;
  auto collect = [&](std::string_view text) {
    for (size_t at = text.find("url(#"); at != std::string_view::npos; at = text.find("url(#", at + 5)) {
      const size_t end = text.find_first_of(")\"'", at + 5);
      referenced.emplace(text.substr(at + 5, end == std::string_view::npos ? std::string_view::npos : end - at - 5));
    }
  };
  auto collectArt = [&](const Art* art) {
    collect(art->verbatim);
    collect(art->svg.residualStyle);
    for (const auto& [name, value] : art->svg.attributes) collect(value);
  };
  doc_.ForEachArt(collectArt, /*intoLive=*/true);
  for (const auto& layer : doc_.layers()) collectArt(layer->group), collect(layer->svg.residualStyle);
  for (const auto& layer : doc_.layers())
    for (const auto& [name, value] : layer->svg.attributes) collect(value);
  for (const pugi::xml_node& node : prologue_)
    if (consumed_.count(node) == 0) collect(Verbatim(node));

  std::set<pugi::xml_node> kept(prologue_.begin(), prologue_.end());
  std::vector<pugi::xml_node> drop;
  for (const pugi::xml_node& node : consumed_) {
    if (Local(node) == "clipPath" && referenced.count(node.attribute("id").value()) != 0) continue;
    bool inKept = false, inDropped = false;
    for (pugi::xml_node up = node.parent(); up; up = up.parent()) {
      inKept = inKept || kept.count(up) != 0;
      inDropped = inDropped || consumed_.count(up) != 0;
    }
    if (inKept && !inDropped) drop.push_back(node);
  }
  for (pugi::xml_node node : drop) node.parent().remove_child(node);

  for (pugi::xml_node node : prologue_) {
    if (consumed_.count(node) != 0 &&
        !(Local(node) == "clipPath" && referenced.count(node.attribute("id").value()) != 0))
      continue;
    // A <defs> left empty goes.
    if (Local(node) == "defs" && !node.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; }))
      continue;
    doc_.svg.prologue.push_back(Verbatim(node));
  }
}

}  // namespace vxhost::svg
