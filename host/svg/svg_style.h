// Presentation properties of SVG elements: what an element declares (its
// presentation attributes and its style attribute, whose declarations win) and
// the computed style, with the inheritable properties taken from the parent.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "svg/svg_paint.h"
#include "svg/svg_viewport.h"

namespace vxhost::svg {

// Properties the reader turns into art state; any other property stays verbatim.
bool IsKnownProperty(std::string_view name);
bool IsInheritedProperty(std::string_view name);

// "a: b; c: d" into trimmed name/value pairs, in order ("!important" dropped:
// the cascade has been applied before reading).
std::vector<std::pair<std::string, std::string>> SplitStyle(std::string_view style);

struct Declarations {
  std::map<std::string, std::string> known;  // property -> value text
  std::string residualStyle;                 // declarations of the style attribute not understood
  // Adds a presentation attribute or a style declaration (later ones win).
  void Add(const std::string& name, const std::string& value);
  const std::string* Find(const std::string& name) const;
};

struct ComputedStyle {
  Paint fill{Paint::Kind::kColor, {0, 0, 0}, {}, Paint::Kind::kNone, {0, 0, 0}};
  Paint stroke;
  std::string vxFill, vxStroke;  // the vx colour texts that came with fill and stroke
  double fillOpacity = 1, strokeOpacity = 1;
  double strokeWidth = 1;  // in the user space of the element that uses it
  double miterLimit = 4;
  double dashOffset = 0;
  std::vector<double> dashes;  // empty: solid
  int32_t lineCap = 0, lineJoin = 0;
  bool evenOdd = false;
  bool visible = true;
  // Whether markers are drawn on shapes here (marker properties are kept as
  // written; this only says whether one of them is in force).
  bool markers = false;
  ai::ThreeColor color{0, 0, 0};  // what currentColor means
  Viewport viewport;              // what percentages of lengths refer to
  // Inheritable properties declared by this element or its ancestors, as written:
  // what art kept verbatim must be given back when its ancestors lose them.
  std::map<std::string, std::string> declaredInherited;

  // The opacities paths are painted with: the opacity properties times the
  // alpha of a colour that carries one.
  double FillOpacity() const { return fillOpacity * (fill.kind == Paint::Kind::kColor ? fill.alpha : 1); }
  double StrokeOpacity() const { return strokeOpacity * (stroke.kind == Paint::Kind::kColor ? stroke.alpha : 1); }
};

// The computed style of an element whose parent's computed style is `parent`.
// Values that do not parse are ignored, as CSS does; `notes` receives what was
// changed on the way (a dash array of more than six values).
ComputedStyle ComputeStyle(const ComputedStyle& parent, const Declarations& own, std::vector<std::string>* notes);

// Style attribute text of `declaredInherited` ("fill:#f00;stroke-width:2").
std::string InheritedStyleText(const ComputedStyle& style);

}  // namespace vxhost::svg
