#include "document/document_compare.h"

#include <bit>
#include <cstring>
#include <sstream>

namespace vxhost {
namespace {

std::string Number(double v) {
  std::ostringstream out;
  out.precision(17);
  out << v;
  return out.str();
}

// Walks two structures side by side, stopping at the first difference.
class Comparer {
 public:
  std::string difference;

  bool Same(bool equal, const std::string& what, const std::string& left, const std::string& right) {
    if (equal || !difference.empty()) return difference.empty();
    difference = Where() + what + ": " + left + " vs " + right;
    return false;
  }
  bool Bits(double a, double b, const std::string& what) {
    return Same(std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b), what, Number(a), Number(b));
  }
  bool Int(int64_t a, int64_t b, const std::string& what) {
    return Same(a == b, what, std::to_string(a), std::to_string(b));
  }
  bool Text(const std::string& a, const std::string& b, const std::string& what) {
    return Same(a == b, what, "\"" + a + "\"", "\"" + b + "\"");
  }
  bool Point(const ai::RealPoint& a, const ai::RealPoint& b, const std::string& what) {
    return Bits(a.x, b.x, what + ".x") && Bits(a.y, b.y, what + ".y");
  }
  bool Matrix(const ai::RealMatrix& a, const ai::RealMatrix& b, const std::string& what) {
    return Bits(a.a, b.a, what + ".a") && Bits(a.b, b.b, what + ".b") && Bits(a.c, b.c, what + ".c") &&
           Bits(a.d, b.d, what + ".d") && Bits(a.tx, b.tx, what + ".tx") && Bits(a.ty, b.ty, what + ".ty");
  }

  void Enter(std::string step) { path_.push_back(std::move(step)); }
  void Leave() { path_.pop_back(); }

  bool Color(const ai::ColorRecord& a, const ai::ColorRecord& b, const std::string& what) {
    if (!Int(a.kind, b.kind, what + " kind")) return false;
    switch (a.kind) {
      case ai::color_kind::kGray: return Bits(a.c.gray.gray, b.c.gray.gray, what + " gray");
      case ai::color_kind::kFour:
        return Bits(a.c.four.cyan, b.c.four.cyan, what + " cyan") &&
               Bits(a.c.four.magenta, b.c.four.magenta, what + " magenta") &&
               Bits(a.c.four.yellow, b.c.four.yellow, what + " yellow") &&
               Bits(a.c.four.black, b.c.four.black, what + " black");
      case ai::color_kind::kThree:
        return Bits(a.c.three.red, b.c.three.red, what + " red") &&
               Bits(a.c.three.green, b.c.three.green, what + " green") &&
               Bits(a.c.three.blue, b.c.three.blue, what + " blue");
      case ai::color_kind::kCustom: {
        const auto* ca = reinterpret_cast<const CustomColor*>(a.c.custom.color);
        const auto* cb = reinterpret_cast<const CustomColor*>(b.c.custom.color);
        return Text(ca ? ca->name : "", cb ? cb->name : "", what + " custom colour") &&
               Bits(a.c.custom.tint, b.c.custom.tint, what + " tint");
      }
      case ai::color_kind::kGradient: {
        const auto* ga = reinterpret_cast<const Gradient*>(a.c.gradient.gradient);
        const auto* gb = reinterpret_cast<const Gradient*>(b.c.gradient.gradient);
        return Text(ga ? ga->name : "", gb ? gb->name : "", what + " gradient") &&
               Matrix(a.c.gradient.matrix, b.c.gradient.matrix, what + " gradient matrix");
      }
      case ai::color_kind::kPattern: {
        const auto* pa = reinterpret_cast<const Pattern*>(a.c.pattern.pattern);
        const auto* pb = reinterpret_cast<const Pattern*>(b.c.pattern.pattern);
        return Text(pa ? pa->name : "", pb ? pb->name : "", what + " pattern") &&
               Matrix(a.c.pattern.transform, b.c.pattern.transform, what + " pattern transform");
      }
      default: return true;
    }
  }

  bool Style(const ai::PathStyle& a, const ai::PathStyle& b) {
    if (!Int(a.fillPaint, b.fillPaint, "fill on") || !Int(a.strokePaint, b.strokePaint, "stroke on")) return false;
    if (a.fillPaint && !Color(a.fillColor, b.fillColor, "fill colour")) return false;
    if (a.strokePaint && !Color(a.strokeColor, b.strokeColor, "stroke colour")) return false;
    if (!Int(a.fillOverprint, b.fillOverprint, "fill overprint") ||
        !Int(a.strokeOverprint, b.strokeOverprint, "stroke overprint") ||
        !Bits(a.strokeWidth, b.strokeWidth, "stroke width") || !Int(a.dash.count, b.dash.count, "dash count") ||
        !Bits(a.dash.offset, b.dash.offset, "dash offset"))
      return false;
    for (int i = 0; i < a.dash.count && i < 6; ++i)
      if (!Bits(a.dash.values[i], b.dash.values[i], "dash " + std::to_string(i))) return false;
    return Int(a.lineCap, b.lineCap, "line cap") && Int(a.lineJoin, b.lineJoin, "line join") &&
           Bits(a.miterLimit, b.miterLimit, "miter limit") && Int(a.clip, b.clip, "clipping flag") &&
           Int(a.lockClip, b.lockClip, "clip lock") && Int(a.evenOdd, b.evenOdd, "even-odd");
  }

  bool Extras(const SvgExtras& a, const SvgExtras& b) {
    if (!Text(a.id, b.id, "id") || !Text(a.element, b.element, "element") ||
        !Text(a.residualStyle, b.residualStyle, "kept style") ||
        !Bits(a.fillOpacity, b.fillOpacity, "fill opacity") || !Bits(a.strokeOpacity, b.strokeOpacity, "stroke opacity") ||
        !Matrix(a.space, b.space, "reference space") ||
        !Int(static_cast<int64_t>(a.attributes.size()), static_cast<int64_t>(b.attributes.size()), "kept attributes"))
      return false;
    for (size_t i = 0; i < a.attributes.size(); ++i)
      if (!Text(a.attributes[i].first + "=" + a.attributes[i].second,
                b.attributes[i].first + "=" + b.attributes[i].second, "kept attribute " + std::to_string(i)))
        return false;
    return true;
  }

  bool Art(const vxhost::Art& a, const vxhost::Art& b) {
    if (!Int(a.kind, b.kind, "kind")) return false;
    const int32_t content = ~(ai::art_attr::kSelected | ai::art_attr::kFullySelected);
    if (!Int(a.userAttributes & content, b.userAttributes & content, "user attributes") ||
        !Bits(a.opacity, b.opacity, "opacity") || !Extras(a.svg, b.svg) || !Int(a.clipped, b.clipped, "clipped") ||
        !Int(a.closed, b.closed, "closed") || !Style(a.style, b.style) || !Text(a.verbatim, b.verbatim, "verbatim") ||
        !Matrix(a.matrix, b.matrix, "matrix") || !Text(a.inheritedStyle, b.inheritedStyle, "inherited style") ||
        !Int(static_cast<int64_t>(a.tags.size()), static_cast<int64_t>(b.tags.size()), "tags"))
      return false;
    for (auto ia = a.tags.begin(), ib = b.tags.begin(); ia != a.tags.end(); ++ia, ++ib)
      if (!Text(ia->first + "=" + ia->second, ib->first + "=" + ib->second, "tag")) return false;
    if (!Int(static_cast<int64_t>(a.segments.size()), static_cast<int64_t>(b.segments.size()), "segment count"))
      return false;
    for (size_t i = 0; i < a.segments.size(); ++i) {
      const ai::SegRecord& sa = a.segments[i];
      const ai::SegRecord& sb = b.segments[i];
      const std::string at = "segment " + std::to_string(i);
      if (!Point(sa.anchor, sb.anchor, at + " anchor") || !Point(sa.in, sb.in, at + " in") ||
          !Point(sa.out, sb.out, at + " out") || !Int(sa.corner, sb.corner, at + " corner"))
        return false;
    }
    if (!Int(a.live != nullptr, b.live != nullptr, "live data")) return false;
    if (a.live) {
      const LiveData& la = *a.live;
      const LiveData& lb = *b.live;
      if (!Text(la.groupName, lb.groupName, "live group") || !Text(la.description, lb.description, "live description") ||
          !Int(la.dataType, lb.dataType, "live data type") || !Int(la.dataSubtype, lb.dataSubtype, "live data subtype") ||
          !Text(la.data, lb.data, "live data") || !Text(la.effectName, lb.effectName, "live effect") ||
          !Same(la.parameters == lb.parameters, "live effect parameters", std::to_string(la.parameters.size()) + " entries",
                std::to_string(lb.parameters.size()) + " entries") ||
          !Same(la.instance == lb.instance, "live effect instance data", std::to_string(la.instance.size()) + " entries",
                std::to_string(lb.instance.size()) + " entries"))
        return false;
    }
    if (!Children(a, b)) return false;
    for (auto [ga, gb, name] : {std::tuple{a.editGroup, b.editGroup, "edit group"},
                                std::tuple{a.resultGroup, b.resultGroup, "result group"}}) {
      if (!Int(ga != nullptr, gb != nullptr, name)) return false;
      if (ga == nullptr) continue;
      Enter(name);
      const bool same = Children(*ga, *gb);
      Leave();
      if (!same) return false;
    }
    return true;
  }

  bool Children(const vxhost::Art& a, const vxhost::Art& b) {
    const auto ca = a.Children();
    const auto cb = b.Children();
    if (!Int(static_cast<int64_t>(ca.size()), static_cast<int64_t>(cb.size()), "child count")) return false;
    for (size_t i = 0; i < ca.size(); ++i) {
      Enter("art " + std::to_string(i) + " (" + ArtKindName(ca[i]->kind) +
            (ca[i]->svg.id.empty() ? "" : " #" + ca[i]->svg.id) + ")");
      const bool same = Art(*ca[i], *cb[i]);
      Leave();
      if (!same) return false;
    }
    return true;
  }

 private:
  std::string Where() const {
    std::string where;
    for (const std::string& step : path_) where += step + " > ";
    return where;
  }
  std::vector<std::string> path_;
};

bool CompareGradients(Comparer& c, const Document& a, const Document& b) {
  auto& ga = a.gradients();
  auto& gb = b.gradients();
  if (!c.Int(static_cast<int64_t>(ga.size()), static_cast<int64_t>(gb.size()), "gradient count")) return false;
  for (size_t i = 0; i < ga.size(); ++i) {
    const Gradient& x = *ga[i];
    const Gradient& y = *gb[i];
    c.Enter("gradient " + std::to_string(i) + " '" + x.name + "'");
    bool same = c.Text(x.name, y.name, "name") && c.Int(x.type, y.type, "type") &&
                c.Int(x.svg.objectBoundingBox, y.svg.objectBoundingBox, "box units") &&
                c.Bits(x.svg.x1, y.svg.x1, "x1") && c.Bits(x.svg.y1, y.svg.y1, "y1") && c.Bits(x.svg.x2, y.svg.x2, "x2") &&
                c.Bits(x.svg.y2, y.svg.y2, "y2") && c.Bits(x.svg.cx, y.svg.cx, "cx") && c.Bits(x.svg.cy, y.svg.cy, "cy") &&
                c.Bits(x.svg.r, y.svg.r, "r") && c.Bits(x.svg.fx, y.svg.fx, "fx") && c.Bits(x.svg.fy, y.svg.fy, "fy") &&
                c.Text(x.svg.spreadMethod, y.svg.spreadMethod, "spread") &&
                c.Matrix(x.svg.transform, y.svg.transform, "transform") &&
                c.Int(static_cast<int64_t>(x.stops.size()), static_cast<int64_t>(y.stops.size()), "stop count");
    for (size_t s = 0; same && s < x.stops.size(); ++s) {
      const std::string at = "stop " + std::to_string(s);
      same = c.Bits(x.stops[s].rampPoint, y.stops[s].rampPoint, at + " ramp point") &&
             c.Bits(x.stops[s].midPoint, y.stops[s].midPoint, at + " midpoint") &&
             c.Bits(x.stops[s].opacity, y.stops[s].opacity, at + " opacity") &&
             c.Color(x.stops[s].color, y.stops[s].color, at + " colour");
    }
    c.Leave();
    if (!same) return false;
  }
  return true;
}

}  // namespace

const char* ArtKindName(int16_t kind) {
  switch (kind) {
    case ai::art_kind::kOpaque: return "opaque";
    case ai::art_kind::kGroup: return "group";
    case ai::art_kind::kPath: return "path";
    case ai::art_kind::kCompoundPath: return "compound path";
    case ai::art_kind::kText: return "text";
    case ai::art_kind::kStyledRef: return "styled reference";
    case ai::art_kind::kStyledOther: return "styled art";
    case ai::art_kind::kPluginGroup: return "live object";
    case ai::art_kind::kContainer: return "container";
    default: return "unknown";
  }
}

std::string CompareArt(const Art& a, const Art& b) {
  Comparer c;
  c.Art(a, b);
  return c.difference;
}

std::string CompareDocuments(const Document& a, const Document& b) {
  Comparer c;
  if (!c.Int(a.colorModel, b.colorModel, "colour model") || !c.Int(a.rulerUnit, b.rulerUnit, "ruler unit") ||
      !c.Int(static_cast<int64_t>(a.layers().size()), static_cast<int64_t>(b.layers().size()), "layer count"))
    return c.difference;
  for (size_t i = 0; i < a.layers().size(); ++i) {
    const Layer& x = *a.layers()[i];
    const Layer& y = *b.layers()[i];
    c.Enter("layer " + std::to_string(i) + " '" + x.title + "'");
    const bool same = c.Text(x.title, y.title, "title") && c.Int(x.visible, y.visible, "visible") &&
                      c.Int(x.editable, y.editable, "editable") && c.Int(x.implicit, y.implicit, "implicit") &&
                      c.Extras(x.svg, y.svg) && c.Art(*x.group, *y.group);
    c.Leave();
    if (!same) return c.difference;
  }
  if (!CompareGradients(c, a, b)) return c.difference;
  auto& pa = a.patterns();
  auto& pb = b.patterns();
  if (!c.Int(static_cast<int64_t>(pa.size()), static_cast<int64_t>(pb.size()), "pattern count")) return c.difference;
  for (size_t i = 0; i < pa.size(); ++i)
    if (!c.Text(pa[i]->name, pb[i]->name, "pattern " + std::to_string(i) + " name") ||
        !c.Text(pa[i]->verbatim, pb[i]->verbatim, "pattern " + std::to_string(i)))
      return c.difference;
  auto& ca = a.customColors();
  auto& cb = b.customColors();
  if (!c.Int(static_cast<int64_t>(ca.size()), static_cast<int64_t>(cb.size()), "custom colour count"))
    return c.difference;
  for (size_t i = 0; i < ca.size(); ++i) {
    const std::string at = "custom colour " + std::to_string(i);
    if (!c.Text(ca[i]->name, cb[i]->name, at + " name") || !c.Int(ca[i]->spot, cb[i]->spot, at + " spot") ||
        !c.Int(ca[i]->kind, cb[i]->kind, at + " kind"))
      return c.difference;
    for (int k = 0; k < 4; ++k)
      if (!c.Bits(ca[i]->components[k], cb[i]->components[k], at + " component " + std::to_string(k)))
        return c.difference;
  }
  return c.difference;
}

}  // namespace vxhost
