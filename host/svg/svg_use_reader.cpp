// <use> and the viewports of nested <svg> elements and symbols. What a <use>
// shows is read again where the <use> stands, as a group of art in its place,
// so effects and tools work on it like on any art; the original is kept once,
// with its ids.
#include <algorithm>
#include <cstring>

#include "svg/svg_geometry.h"
#include "svg/svg_io.h"
#include "svg/svg_reader.h"
#include "svg/svg_shapes.h"
#include "svg/svg_transform.h"

namespace vxhost::svg {
namespace {

bool IsAncestorOrSelf(const pugi::xml_node& ancestor, pugi::xml_node node) {
  for (; node; node = node.parent())
    if (node == ancestor) return true;
  return false;
}

std::string Described(const pugi::xml_node& node) {
  const char* id = node.attribute("id").value();
  return "<" + std::string(node.name()) + (id[0] != '\0' ? " id=\"" + std::string(id) + "\"" : "") + ">";
}

// The overflow property of an element, from its attribute or its style; `initial`
// when it says none.
bool OverflowVisible(const pugi::xml_node& node, bool initial) {
  std::string overflow = node.attribute("overflow").value();
  for (const auto& [key, value] : SplitStyle(node.attribute("style").value()))
    if (key == "overflow") overflow = value;
  return overflow.empty() ? initial : overflow == "visible" || overflow == "auto";
}

// Whether everything inside `art` lies within `box` (document space), strokes
// included; false for what cannot be measured (text and other kept elements).
bool Inside(const Art& art, const Box& box) {
  for (const Art* child = art.firstChild; child != nullptr; child = child->next) {
    if (child->kind == ai::art_kind::kGroup || child->kind == ai::art_kind::kCompoundPath) {
      if (child->clipped || !Inside(*child, box)) return false;
      continue;
    }
    if (child->kind != ai::art_kind::kPath) return false;
    Box own;
    AddCurves(own, child->segments, child->closed, kIdentity);
    if (own.empty) continue;
    // A mitred corner reaches out at most miter limit / 2 stroke widths.
    const double reach =
        child->style.strokePaint != 0 ? child->style.strokeWidth * std::max(1.0, child->style.miterLimit / 2) : 0;
    if (own.minX - reach < box.minX || own.maxX + reach > box.maxX || own.minY - reach < box.minY ||
        own.maxY + reach > box.maxY)
      return false;
  }
  return true;
}

}  // namespace

ComputedStyle SvgReader::OwnStyle(const pugi::xml_node& node, const ComputedStyle& parentStyle) {
  Declarations declarations;
  for (const pugi::xml_attribute& a : node.attributes())
    if (IsKnownProperty(a.name())) declarations.Add(a.name(), a.value());
  for (const auto& [key, value] : SplitStyle(node.attribute("style").value()))
    if (IsKnownProperty(key)) declarations.Add(key, value);
  ComputedStyle style = ComputeStyle(parentStyle, declarations, notes_);
  style.markers = DeclaresMarkers(node, parentStyle.markers);
  return style;
}

void SvgReader::ReadUse(pugi::xml_node use, pugi::xml_node target, const ComputedStyle& style,
                        const ai::RealMatrix& ctm, Art* group) {
  if (IsAncestorOrSelf(target, use) || std::find(instancing_.begin(), instancing_.end(), target) != instancing_.end())
    Fail(Described(use) + " shows " + Described(target) + ", which contains it: the reference never ends");
  instancing_.push_back(target);
  // x and y move what is shown, after the use's own transform.
  const ai::RealMatrix placed =
      Concat({1, 0, 0, 1, Length(use, "x", Axis::kX, 0), Length(use, "y", Axis::kY, 0)}, ctm);
  const std::string name = Local(target);
  if (name == "symbol" || name == "svg") {
    ReadViewport(target, use, /*placed=*/name == "svg", OwnStyle(target, style), placed, group);
  } else {
    ReadElement(target, style, placed, group);
  }
  instancing_.pop_back();
}

void SvgReader::ReadViewport(pugi::xml_node element, pugi::xml_node sizing, bool placed, const ComputedStyle& style,
                             const ai::RealMatrix& ctm, Art* group) {
  auto length = [&](const char* name, Axis axis) {
    if (sizing.attribute(name)) return Length(sizing, name, axis, 0);
    return element.attribute(name) ? Length(element, name, axis, 0) : axis == Axis::kX ? viewport_.width
                                                                                        : viewport_.height;
  };
  const double x = placed ? Length(element, "x", Axis::kX, 0) : 0, y = placed ? Length(element, "y", Axis::kY, 0) : 0;
  const double width = length("width", Axis::kX), height = length("height", Axis::kY);
  if (!(width > 0) || !(height > 0)) return;  // an empty viewport shows nothing

  ViewBox box;
  Viewport inner{width, height};
  ai::RealMatrix toViewport{1, 0, 0, 1, x, y};
  const bool hasViewBox = ParseViewBox(element.attribute("viewBox").value(), box);
  if (hasViewBox) {
    toViewport = ViewBoxTransform(box, element.attribute("preserveAspectRatio").value(), x, y, width, height);
    inner = {box.width, box.height};
  }
  const Viewport outer = viewport_;
  viewport_ = inner;
  ComputedStyle contentStyle = style;
  contentStyle.viewport = inner;
  Art* content = doc_.NewArt(ai::art_kind::kGroup);
  ReadChildren(element, contentStyle, Concat(toViewport, ctm), content);
  viewport_ = outer;

  // A nested <svg> clips what it shows to its viewport unless its overflow is
  // visible. A symbol clips only when the <use> that shows it says so, and then
  // to its viewBox as placed, as rsvg-convert renders it.
  const bool symbol = Local(element) == "symbol";
  const bool clips = symbol ? !OverflowVisible(sizing, true) : !OverflowVisible(element, false);
  std::vector<Subpath> rect = RectShape(x, y, width, height, -1, -1);
  if (symbol && hasViewBox)
    rect = RectShape(toViewport.tx + box.x * toViewport.a, toViewport.ty + box.y * toViewport.d,
                     box.width * toViewport.a, box.height * toViewport.d, -1, -1);
  for (Subpath& subpath : rect) ToDocument(subpath.segments, ctm);
  Box clipBox;
  if (!rect.empty()) AddCurves(clipBox, rect[0].segments, true, kIdentity);
  const bool axisAligned = ctm.b == 0 && ctm.c == 0;
  if (clips && !(axisAligned && Inside(*content, clipBox))) {
    content->clipped = true;
    Insert(ClipPathArt(std::move(rect), false), content);
  }
  // The content goes in the group as it is, or as a clipped group of its own.
  if (!content->clipped) {
    while (Art* child = content->lastChild) {
      doc_.Unlink(child);
      Insert(child, group);
    }
    doc_.Dispose(content);
    return;
  }
  Insert(content, group);
}

}  // namespace vxhost::svg
