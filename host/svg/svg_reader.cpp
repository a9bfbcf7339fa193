#include "svg/svg_reader.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <sstream>

#include "svg/svg_cascade.h"
#include "svg/svg_geometry.h"
#include "svg/svg_io.h"
#include "svg/svg_live_effect.h"
#include "svg/svg_number.h"
#include "svg/svg_shapes.h"
#include "svg/svg_transform.h"

namespace vxhost::svg {
namespace {

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr const char* kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";

// Elements that never draw by themselves: they are referenced, or describe the file.
bool IsNonRendered(const std::string& name) {
  static const std::set<std::string> kNames = {
      "defs", "clipPath", "mask", "filter", "marker", "symbol", "linearGradient", "radialGradient",
      "pattern", "style", "script", "title", "desc", "metadata", "font", "font-face", "color-profile",
      "cursor", "view"};
  return kNames.count(name) != 0 || name.find(':') != std::string::npos;
}

bool IsShape(const std::string& name) {
  return name == "path" || name == "rect" || name == "circle" || name == "ellipse" || name == "line" ||
         name == "polyline" || name == "polygon";
}

// The id a "url(#id)" names, or "".
std::string UrlId(const std::string& value) {
  Paint paint;
  return ParsePaint(value, paint) && paint.kind == Paint::Kind::kUrl ? paint.url : std::string();
}

std::string Verbatim(const pugi::xml_node& node) {
  std::ostringstream out;
  node.print(out, "", pugi::format_raw);
  return out.str();
}

// Visits `root` and everything inside it in document order, without recursion.
template <class Visit>
void ForEachNode(pugi::xml_node root, Visit&& visit) {
  for (pugi::xml_node at = root; at;) {
    visit(at);
    if (at.first_child()) {
      at = at.first_child();
      continue;
    }
    while (at && at != root && !at.next_sibling()) at = at.parent();
    if (!at || at == root) break;
    at = at.next_sibling();
  }
}

// A copy of an element that <use> shows: the ids stay with the original.
std::string VerbatimWithoutIds(const pugi::xml_node& node) {
  pugi::xml_document copy;
  const pugi::xml_node root = copy.append_copy(node);
  ForEachNode(root, [](pugi::xml_node at) { at.remove_attribute("id"); });
  return Verbatim(root);
}

// The value a kept attribute or kept style declaration gives `property`, or null.
const std::string* KeptValue(const SvgExtras& extras, std::string_view property, std::string& scratch) {
  for (const auto& [key, value] : SplitStyle(extras.residualStyle))
    if (key == property) return &(scratch = value);
  for (const auto& [name, value] : extras.attributes)
    if (name == property) return &value;
  return nullptr;
}

bool HasSpaceBoundReference(const SvgExtras& extras) {
  for (const auto& [name, value] : extras.attributes)
    if (IsSpaceBoundProperty(name) && value != "none") return true;
  for (const auto& [key, value] : SplitStyle(extras.residualStyle))
    if (IsSpaceBoundProperty(key) && value != "none") return true;
  return false;
}

// Moves what refers to other elements in the element's own space (and the
// opacity and visibility, which apply after it) from `from` to `to`.
void MoveSpaceBound(Art& from, Art& to) {
  auto& attributes = from.svg.attributes;
  for (auto it = attributes.begin(); it != attributes.end();) {
    if (IsSpaceBoundProperty(it->first)) {
      to.svg.attributes.push_back(std::move(*it));
      it = attributes.erase(it);
    } else {
      ++it;
    }
  }
  std::string kept;
  for (const auto& [key, value] : SplitStyle(from.svg.residualStyle)) {
    std::string& target = IsSpaceBoundProperty(key) ? to.svg.residualStyle : kept;
    if (!target.empty()) target += ';';
    target += key + ':' + value;
  }
  from.svg.residualStyle = kept;
  to.opacity = from.opacity;
  from.opacity = 1;
  to.userAttributes |= from.userAttributes & ai::art_attr::kHidden;
  from.userAttributes &= ~ai::art_attr::kHidden;
}

// What an element says about itself: declared properties, transform, the
// attributes kept verbatim.
struct ElementInfo {
  Declarations declarations;
  SvgExtras extras;
  bool hasTransform = false;
  ai::RealMatrix transform = kIdentity;
};

bool ParseOpacity(const std::string* text, double& opacity) {
  if (text == nullptr) return false;
  double value = 0;
  if (!ParseNumber(*text, value)) return false;
  opacity = std::clamp(value, 0.0, 1.0);
  return true;
}

bool IsMarkerProperty(std::string_view name) {
  return name == "marker" || name == "marker-start" || name == "marker-mid" || name == "marker-end";
}

bool IsTranslation(const ai::RealMatrix& m) { return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1; }

// The element's transform applied after `parentCtm`.
ai::RealMatrix ElementCtm(const pugi::xml_node& node, const ai::RealMatrix& parentCtm) {
  ai::RealMatrix own;
  return node.attribute("transform") && ParseTransform(node.attribute("transform").value(), own)
             ? Concat(own, parentCtm)
             : parentCtm;
}

// Corner flags as the writer gave them ("0110..."), when they cover every segment.
void SetCorners(std::vector<Subpath>& subpaths, std::string_view flags) {
  size_t count = 0;
  for (const Subpath& subpath : subpaths) count += subpath.segments.size();
  if (flags.size() != count) return;
  size_t at = 0;
  for (Subpath& subpath : subpaths)
    for (ai::SegRecord& segment : subpath.segments) segment.corner = flags[at++] == '1' ? 1 : 0;
}

}  // namespace

bool DeclaresMarkers(const pugi::xml_node& node, bool inherited) {
  bool markers = inherited;
  std::set<std::string> declared;  // marker properties given, with "marker" covering all three
  auto declare = [&](const std::string& name, const std::string& value) {
    if (!IsMarkerProperty(name) || value == "inherit") return;
    const bool none = value == "none" || value.empty();
    if (name == "marker") {
      for (const char* part : {"marker-start", "marker-mid", "marker-end"})
        if (none) declared.erase(part); else declared.insert(part);
    } else if (none) {
      declared.erase(name);
    } else {
      declared.insert(name);
    }
    markers = !declared.empty();
  };
  for (const pugi::xml_attribute& a : node.attributes()) declare(a.name(), a.value());
  for (const auto& [key, value] : SplitStyle(node.attribute("style").value())) declare(key, value);
  return markers;
}

bool IsSpaceBoundProperty(std::string_view name) { return name == "filter" || name == "mask" || name == "clip-path"; }

bool IsGeometryAttribute(const std::string& element, const std::string& a) {
  if (element == "path") return a == "d";
  if (element == "rect") return a == "x" || a == "y" || a == "width" || a == "height" || a == "rx" || a == "ry";
  if (element == "circle") return a == "cx" || a == "cy" || a == "r";
  if (element == "ellipse") return a == "cx" || a == "cy" || a == "rx" || a == "ry";
  if (element == "line") return a == "x1" || a == "y1" || a == "x2" || a == "y2";
  if (element == "polyline" || element == "polygon") return a == "points";
  if (element == "use") return a == "x" || a == "y" || a == "width" || a == "height" || a == "href" || a == "xlink:href";
  if (element == "svg")
    return a == "x" || a == "y" || a == "width" || a == "height" || a == "viewBox" || a == "preserveAspectRatio" ||
           a == "overflow";
  return false;
}

void Prefixes::Resolve(const pugi::xml_node& root) {
  const std::string rootName = root.name();
  const size_t colon = rootName.find(':');
  svg = colon == std::string::npos ? "" : rootName.substr(0, colon + 1);
  for (const pugi::xml_attribute& a : root.attributes()) {
    const std::string name = a.name();
    if (name.rfind("xmlns:", 0) != 0) continue;
    const std::string prefix = name.substr(6) + ":";
    if (std::strcmp(a.value(), kVxNamespace) == 0) vx = prefix;
    if (std::strcmp(a.value(), kInkscapeNamespace) == 0) inkscape = prefix;
    if (std::strcmp(a.value(), kSodipodiNamespace) == 0) sodipodi = prefix;
    if (std::strcmp(a.value(), kSvgNamespace) == 0 && prefix + "svg" == rootName) svg = prefix;
  }
}

std::string SvgReader::Local(const pugi::xml_node& node) const {
  const char* name = node.name();
  if (!prefixes_.svg.empty() && std::strncmp(name, prefixes_.svg.c_str(), prefixes_.svg.size()) == 0)
    return name + prefixes_.svg.size();
  return name;
}

bool SvgReader::IsVx(const char* qualified, const char* local) const {
  const std::string& p = prefixes_.vx;
  return std::strncmp(qualified, p.c_str(), p.size()) == 0 && std::strcmp(qualified + p.size(), local) == 0;
}

const char* SvgReader::VxAttr(const pugi::xml_node& node, const char* local) const {
  const pugi::xml_attribute a = node.attribute((prefixes_.vx + local).c_str());
  return a ? a.value() : nullptr;
}

void SvgReader::Note(std::string text) {
  if (notes_ != nullptr) notes_->push_back(std::move(text));
}

void SvgReader::Fail(const std::string& what) const { throw SvgError(doc_.svg.sourceName + ": " + what); }

void SvgReader::Insert(Art* art, Art* container) { doc_.Insert(art, ai::placement::kInsideOnTop, container); }

double SvgReader::Length(const pugi::xml_node& node, const char* name, Axis axis, double fallback) const {
  double value = 0;
  return ParseLengthIn(node.attribute(name).value(), viewport_, axis, value) ? value : fallback;
}

void SvgReader::Read(pugi::xml_node root) {
  prefixes_.Resolve(root);
  ApplyStyleSheets(root, prefixes_.svg, kMaxDepth + 1);
  ForEachNode(root, [&](pugi::xml_node node) {
    if (const pugi::xml_attribute id = node.attribute("id")) ids_.emplace(id.value(), node);
  });
  rootViewport_ = viewport_ = RootViewport(root.attribute("viewBox").value(), root.attribute("width").value(),
                                           root.attribute("height").value());

  for (const pugi::xml_attribute& a : root.attributes()) {
    if (std::strcmp(a.name(), ("xmlns:" + prefixes_.vx.substr(0, prefixes_.vx.size() - 1)).c_str()) == 0) continue;
    doc_.svg.rootAttributes.emplace_back(a.name(), a.value());
  }
  ReadDocumentData(root);
  ReadPaintServers(root);

  // The root's own presentation properties reach everything below it.
  Declarations declarations;
  for (const pugi::xml_attribute& a : root.attributes())
    if (IsKnownProperty(a.name())) declarations.Add(a.name(), a.value());
  for (const auto& [name, value] : SplitStyle(root.attribute("style").value()))
    if (IsKnownProperty(name)) declarations.Add(name, value);
  ComputedStyle base;
  base.viewport = viewport_;
  ComputedStyle style = ComputeStyle(base, declarations, notes_);
  style.markers = DeclaresMarkers(root, false);

  for (pugi::xml_node child : root.children())
    if (child.type() == pugi::node_element) ReadRootChild(child, style);
  FinishPrologue();
}

// Art outside any layer goes to a layer of its own above the layers read so far,
// so layers and loose art keep the order in which the file paints them.
Layer* SvgReader::LayerForLooseArt() {
  Layer* top = doc_.layers().front().get();
  if (top->implicit) return top;
  Layer* layer = doc_.AddLayer("Layer " + std::to_string(doc_.layers().size() + 1), 0);
  layer->implicit = true;
  return layer;
}

void SvgReader::ReadRootChild(pugi::xml_node node, const ComputedStyle& style) {
  if (IsVx(node.name(), "document")) return;
  const std::string name = Local(node);
  const char* vxLayer = VxAttr(node, "layer");
  const bool inkscapeLayer =
      std::strcmp(node.attribute((prefixes_.inkscape + "groupmode").c_str()).value(), "layer") == 0;
  if (name != "g" || (vxLayer == nullptr && !inkscapeLayer)) {
    ReadElement(node, style, kIdentity, LayerForLooseArt()->group);
    return;
  }

  // A layer: a group directly under the root.
  std::string title = vxLayer != nullptr ? vxLayer : node.attribute((prefixes_.inkscape + "label").c_str()).value();
  Layer* layer = doc_.AddLayer(title, 0);
  Declarations declarations;
  ai::RealMatrix ctm = kIdentity;
  for (const pugi::xml_attribute& a : node.attributes()) {
    const std::string n = a.name();
    if (n == "id") {
      layer->svg.id = a.value();
    } else if (n == "transform") {
      ParseTransform(a.value(), ctm);
    } else if (n == "style") {
      for (const auto& [key, value] : SplitStyle(a.value())) {
        if (IsKnownProperty(key)) continue;
        if (!layer->svg.residualStyle.empty()) layer->svg.residualStyle += ';';
        layer->svg.residualStyle += key + ':' + value;
      }
    } else if (IsKnownProperty(n) && n != "clip-path") {
      declarations.Add(n, a.value());
    } else if (n.rfind(prefixes_.vx, 0) == 0 && n != prefixes_.vx + "locked") {
    } else if (n == prefixes_.vx + "locked") {
      layer->editable = false;
    } else if (n == prefixes_.inkscape + "groupmode" || n == prefixes_.inkscape + "label") {
    } else if (n == prefixes_.sodipodi + "insensitive") {
      layer->editable = std::strcmp(a.value(), "true") != 0;
    } else {
      layer->svg.attributes.emplace_back(n, a.value());
    }
  }
  for (const auto& [key, value] : SplitStyle(node.attribute("style").value()))
    if (IsKnownProperty(key)) declarations.Add(key, value);
  if (const std::string* display = declarations.Find("display")) layer->visible = *display != "none";
  ParseOpacity(declarations.Find("opacity"), layer->group->opacity);
  ComputedStyle own = ComputeStyle(style, declarations, notes_);
  own.markers = DeclaresMarkers(node, style.markers);
  if (HasSpaceBoundReference(layer->svg) && !IsIdentity(ctm)) layer->svg.space = ctm;
  const pugi::xml_node inner = SpaceWrapperChild(node);
  ReadChildren(inner ? inner : node, own, inner ? kIdentity : ctm, layer->group);
}

pugi::xml_node SvgReader::SpaceWrapperChild(const pugi::xml_node& node) const {
  if (VxAttr(node, "space") == nullptr) return {};
  pugi::xml_node only;
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    if (only || Local(child) != "g") return {};
    only = child;
  }
  return only;
}

void SvgReader::ReadChildren(pugi::xml_node node, const ComputedStyle& style, const ai::RealMatrix& ctm,
                             Art* container) {
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_element) ReadElement(child, style, ctm, container);
}

void SvgReader::ReadElement(pugi::xml_node node, const ComputedStyle& parentStyle, const ai::RealMatrix& parentCtm,
                            Art* container) {
  const std::string name = Local(node);
  if (IsNonRendered(name)) {
    // What <use> shows is read where it stands; its original is kept once.
    if (instancing_.empty()) prologue_.push_back(node);
    return;
  }
  if (depth_ >= kMaxDepth) Fail("elements nest more than " + std::to_string(kMaxDepth) + " levels deep");
  if (!instancing_.empty() && ++instanced_ > kMaxInstanced)
    Fail("<use> elements show more than " + std::to_string(kMaxInstanced) + " elements");
  struct Nesting {
    size_t& depth;
    explicit Nesting(size_t& d) : depth(d) { ++depth; }
    ~Nesting() { --depth; }
  } nesting(depth_);

  const pugi::xml_node useTarget = name == "use" ? Referenced(node) : pugi::xml_node();
  const bool grouping = name == "g" || name == "a" || name == "switch" || name == "svg" || useTarget;
  // Markers are drawn in the shape's own user space, which baking would change.
  const bool markedShape = IsShape(name) && DeclaresMarkers(node, parentStyle.markers) && !IsTranslation(ElementCtm(node, parentCtm));
  const bool verbatim = (!grouping && !IsShape(name)) || markedShape;
  const bool wrapper = name == "g" && VxAttr(node, "wrap") != nullptr;

  ElementInfo info;
  for (const pugi::xml_attribute& a : node.attributes()) {
    const std::string n = a.name();
    if (IsKnownProperty(n)) {
      info.declarations.Add(n, a.value());
    } else if (n == "transform") {
      info.hasTransform = ParseTransform(a.value(), info.transform);
    } else if (verbatim || n == "style") {
    } else if (n == "id") {
      if (instancing_.empty()) info.extras.id = a.value();
    } else if (n.rfind(prefixes_.vx, 0) == 0 || IsGeometryAttribute(name, n)) {
    } else {
      info.extras.attributes.emplace_back(n, a.value());
    }
  }
  for (const auto& [key, value] : SplitStyle(node.attribute("style").value())) {
    if (IsKnownProperty(key)) {
      info.declarations.Add(key, value);
    } else if (!verbatim && !(name == "svg" && key == "overflow")) {
      if (!info.extras.residualStyle.empty()) info.extras.residualStyle += ';';
      info.extras.residualStyle += key + ':' + value;
    }
  }
  ComputedStyle style = ComputeStyle(parentStyle, info.declarations, notes_);
  style.markers = DeclaresMarkers(node, parentStyle.markers);
  if (const char* vxFill = VxAttr(node, "fill")) style.vxFill = vxFill;
  if (const char* vxStroke = VxAttr(node, "stroke")) style.vxStroke = vxStroke;
  const ai::RealMatrix ctm = info.hasTransform ? Concat(info.transform, parentCtm) : parentCtm;
  const std::string* display = info.declarations.Find("display");
  const bool displayNone = display != nullptr && *display == "none";

  if (wrapper) {
    // Our own wrapper around verbatim art: its transform and style belong to the
    // art inside, which reads them back as its matrix and inherited style.
    const size_t before = container->Children().size();
    ReadChildren(node, style, ctm, container);
    // What was read went on top: the first children are the new ones.
    size_t added = container->Children().size() - before;
    for (Art* art = container->firstChild; displayNone && art != nullptr && added > 0; art = art->next, --added)
      art->userAttributes |= ai::art_attr::kHidden;
    return;
  }

  // Filters and masks work on the element as a whole, before any clip: a clip
  // path beside them stays a reference too.
  std::string scratch;
  const bool effects = !verbatim && (KeptValue(info.extras, "filter", scratch) != nullptr ||
                                     KeptValue(info.extras, "mask", scratch) != nullptr);

  Art* art = nullptr;
  if (verbatim) {
    art = ReadVerbatim(node, name, parentStyle, style, parentCtm, ctm);
  } else if (name == "g" && VxAttr(node, "live") != nullptr) {
    art = ReadLive(node, style, ctm);
  } else if (useTarget) {
    art = doc_.NewArt(ai::art_kind::kGroup);
    ReadUse(node, useTarget, style, ctm, art);
  } else if (name == "svg") {
    art = doc_.NewArt(ai::art_kind::kGroup);
    ReadViewport(node, node, /*placed=*/true, style, ctm, art);
  } else if (name == "g" || name == "a" || name == "switch") {
    art = doc_.NewArt(name == "g" ? ai::art_kind::kGroup : ai::art_kind::kContainer);
    if (name != "g") info.extras.element = name;
    const pugi::xml_node inner = SpaceWrapperChild(node);
    ReadChildren(inner ? inner : node, style, inner ? parentCtm : ctm, art);
  } else {
    std::vector<Subpath> subpaths;
    if (!ShapeSubpaths(node, name, subpaths))
      Note(std::string(node.attribute("id").value()) + ": path data: stops early");
    if (const char* corners = VxAttr(node, "corners")) SetCorners(subpaths, corners);
    art = PathArt(std::move(subpaths), style, ctm);
    if (!style.visible) art->userAttributes |= ai::art_attr::kHidden;
  }
  if (!verbatim) {
    // Paths carry what they paint with; a group's opacities reach its paths.
    if (art->kind == ai::art_kind::kPath || art->kind == ai::art_kind::kCompoundPath) {
      info.extras.fillOpacity = style.FillOpacity();
      info.extras.strokeOpacity = style.StrokeOpacity();
    }
    art->svg = std::move(info.extras);
  }
  ParseOpacity(info.declarations.Find("opacity"), art->opacity);
  if (displayNone) art->userAttributes |= ai::art_attr::kHidden;

  // clip-path="url(#id)" makes a clipped group whose first child is the clip.
  const std::string* clip = info.declarations.Find("clip-path");
  if (clip != nullptr && !verbatim && art->kind != ai::art_kind::kPluginGroup) {
    const std::string id = UrlId(*clip);
    const auto found = ids_.find(id);
    if (!effects && found != ids_.end() && Local(found->second) == "clipPath") {
      const bool first = consumed_.insert(found->second).second;
      Art* clipArt = ClipArt(found->second, ctm, *art);
      if (!first || !instancing_.empty()) clipArt->svg.id.clear();  // the file keeps an id once
      Art* group = art;
      if (art->kind != ai::art_kind::kGroup || art->clipped) {
        group = doc_.NewArt(ai::art_kind::kGroup);
        Insert(art, group);
      }
      group->clipped = true;
      Insert(clipArt, group);
      art = group;
    } else if (*clip != "none") {
      art->svg.attributes.emplace_back("clip-path", *clip);
    }
  }

  // References in the element's own user space: the art's coordinates are baked
  // into root space, so the art remembers that space for them. A shape becomes
  // a group that carries them.
  if (!verbatim && art->kind != ai::art_kind::kPluginGroup && !IsIdentity(ctm) && HasSpaceBoundReference(art->svg)) {
    if (art->kind != ai::art_kind::kGroup && art->kind != ai::art_kind::kContainer) {
      Art* group = doc_.NewArt(ai::art_kind::kGroup);
      MoveSpaceBound(*art, *group);
      Insert(art, group);
      art = group;
    }
    art->svg.space = ctm;
  }
  Insert(art, container);
}

Art* SvgReader::ReadVerbatim(pugi::xml_node node, const std::string& name, const ComputedStyle& parentStyle,
                             const ComputedStyle& style, const ai::RealMatrix& parentCtm, const ai::RealMatrix& ctm) {
  const int16_t kind = name == "text" ? ai::art_kind::kText : name == "use" ? ai::art_kind::kStyledRef
                                                                             : ai::art_kind::kOpaque;
  Art* art = doc_.NewArt(kind);
  art->verbatim = instancing_.empty() ? Verbatim(node) : VerbatimWithoutIds(node);
  art->matrix = parentCtm;
  art->inheritedStyle = InheritedStyleText(parentStyle);
  art->style = PathStyleOf(style, ctm);
  if (instancing_.empty()) art->svg.id = node.attribute("id").value();
  art->svg.fillOpacity = style.FillOpacity();
  art->svg.strokeOpacity = style.StrokeOpacity();
  return art;
}

Art* SvgReader::ReadLive(pugi::xml_node node, const ComputedStyle& style, const ai::RealMatrix& ctm) {
  Art* art = doc_.NewArt(ai::art_kind::kPluginGroup);
  LiveData& live = *art->live;
  live.groupName = VxAttr(node, "live");
  if (const char* description = VxAttr(node, "description")) live.description = description;
  ReadLiveEffectAttributes(VxAttr(node, "effect"), VxAttr(node, "effectParameters"), VxAttr(node, "effectInstance"),
                           live);
  if (const char* data = VxAttr(node, "data")) {
    live.data = data;
    double type = -1, subtype = -1;
    ParseNumber(VxAttr(node, "dataType") ? VxAttr(node, "dataType") : "-1", type);
    ParseNumber(VxAttr(node, "dataSubtype") ? VxAttr(node, "dataSubtype") : "-1", subtype);
    // Anything but a whole number that fits is no type this system wrote.
    auto whole = [](double value) {
      return value >= INT32_MIN && value <= INT32_MAX && value == std::floor(value) ? static_cast<int32_t>(value) : -1;
    };
    live.dataType = whole(type);
    live.dataSubtype = whole(subtype);
  }
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    const char* role = VxAttr(child, "role");
    const bool edit = role != nullptr && std::strcmp(role, "edit") == 0;
    const bool result = role != nullptr && std::strcmp(role, "result") == 0;
    if (!edit && !result) {
      ReadElement(child, style, ctm, art->resultGroup);
      continue;
    }
    ai::RealMatrix childCtm = ctm, own;
    if (ParseTransform(child.attribute("transform").value(), own)) childCtm = Concat(own, ctm);
    Declarations declarations;
    for (const pugi::xml_attribute& a : child.attributes())
      if (IsKnownProperty(a.name())) declarations.Add(a.name(), a.value());
    const ComputedStyle childStyle = ComputeStyle(style, declarations, notes_);
    ReadChildren(child, childStyle, childCtm, edit ? art->editGroup : art->resultGroup);
  }
  return art;
}

bool SvgReader::ShapeSubpaths(const pugi::xml_node& node, const std::string& name, std::vector<Subpath>& subpaths) {
  if (name == "path") {
    std::string error;
    return ParsePathData(node.attribute("d").value(), subpaths, &error);
  }
  if (name == "rect") {
    subpaths = RectShape(Length(node, "x", Axis::kX, 0), Length(node, "y", Axis::kY, 0),
                         Length(node, "width", Axis::kX, 0), Length(node, "height", Axis::kY, 0),
                         Length(node, "rx", Axis::kX, -1), Length(node, "ry", Axis::kY, -1));
  } else if (name == "circle") {
    const double r = Length(node, "r", Axis::kOther, 0);
    subpaths = EllipseShape(Length(node, "cx", Axis::kX, 0), Length(node, "cy", Axis::kY, 0), r, r);
  } else if (name == "ellipse") {
    // rx or ry "auto" (or missing) takes the other one.
    const double rx = Length(node, "rx", Axis::kX, -1), ry = Length(node, "ry", Axis::kY, -1);
    subpaths = EllipseShape(Length(node, "cx", Axis::kX, 0), Length(node, "cy", Axis::kY, 0), rx < 0 ? ry : rx,
                            ry < 0 ? rx : ry);
  } else if (name == "line") {
    subpaths = LineShape(Length(node, "x1", Axis::kX, 0), Length(node, "y1", Axis::kY, 0),
                         Length(node, "x2", Axis::kX, 0), Length(node, "y2", Axis::kY, 0));
  } else {
    subpaths = PolyShape(node.attribute("points").value(), name == "polygon");
  }
  return true;
}

Art* SvgReader::PathArt(std::vector<Subpath> subpaths, const ComputedStyle& style, const ai::RealMatrix& ctm) {
  const ai::PathStyle pathStyle = PathStyleOf(style, ctm);
  auto makePath = [&](Subpath& subpath) {
    Art* path = doc_.NewArt(ai::art_kind::kPath);
    ToDocument(subpath.segments, ctm);
    path->segments = std::move(subpath.segments);
    path->closed = subpath.closed;
    path->style = pathStyle;
    return path;
  };
  if (subpaths.size() <= 1) {
    Subpath empty;
    return makePath(subpaths.empty() ? empty : subpaths[0]);
  }
  // Several subpaths make a compound path; its children keep the order of the data.
  Art* compound = doc_.NewArt(ai::art_kind::kCompoundPath);
  compound->style = pathStyle;
  for (auto it = subpaths.rbegin(); it != subpaths.rend(); ++it) Insert(makePath(*it), compound);
  return compound;
}

ai::PathStyle SvgReader::PathStyleOf(const ComputedStyle& style, const ai::RealMatrix& ctm) {
  ai::PathStyle s{};
  s.fillPaint = ResolvePaint(style.fill, style.vxFill, style, ctm, s.fillColor) ? 1 : 0;
  s.strokePaint = ResolvePaint(style.stroke, style.vxStroke, style, ctm, s.strokeColor) ? 1 : 0;
  const bool identity = IsIdentity(ctm);
  const double scale = identity ? 1.0 : MeanScale(ctm);
  s.strokeWidth = identity ? style.strokeWidth : style.strokeWidth * scale;
  s.dash.count = static_cast<int16_t>(style.dashes.size());
  s.dash.offset = static_cast<float>(identity ? style.dashOffset : style.dashOffset * scale);
  for (size_t i = 0; i < style.dashes.size() && i < 6; ++i)
    s.dash.values[i] = static_cast<float>(identity ? style.dashes[i] : style.dashes[i] * scale);
  s.lineCap = style.lineCap;
  s.lineJoin = style.lineJoin;
  s.miterLimit = style.miterLimit;
  s.evenOdd = style.evenOdd ? 1 : 0;
  return s;
}

Art* SvgReader::ClipArt(pugi::xml_node clip, const ai::RealMatrix& elementCtm, const Art& element) {
  ai::RealMatrix base = elementCtm;
  if (std::strcmp(clip.attribute("clipPathUnits").value(), "objectBoundingBox") == 0) {
    // Units of the element's own box, in its own user space.
    ai::RealMatrix toLocal;
    Box box;
    if (Invert(elementCtm, toLocal)) AddArtCurves(box, element, Concat(kFlipY, toLocal));
    if (!box.empty) base = Concat({box.maxX - box.minX, 0, 0, box.maxY - box.minY, box.minX, box.minY}, elementCtm);
  }
  ai::RealMatrix clipTransform;
  if (ParseTransform(clip.attribute("transform").value(), clipTransform) && clip.attribute("transform"))
    base = Concat(clipTransform, base);
  const bool clipEvenOdd = std::strcmp(clip.attribute("clip-rule").value(), "evenodd") == 0;

  std::vector<Subpath> all;
  bool evenOdd = clipEvenOdd;
  std::string id;
  int shapes = 0;
  for (pugi::xml_node element : clip.children()) {
    if (element.type() != pugi::node_element) continue;
    ai::RealMatrix ctm = base, own;
    if (element.attribute("transform") && ParseTransform(element.attribute("transform").value(), own))
      ctm = Concat(own, base);
    // A clip path may show a shape defined elsewhere through <use>.
    pugi::xml_node child = element;
    if (Local(element) == "use" && (child = Referenced(element))) {
      ctm = Concat({1, 0, 0, 1, Length(element, "x", Axis::kX, 0), Length(element, "y", Axis::kY, 0)}, ctm);
      if (child.attribute("transform") && ParseTransform(child.attribute("transform").value(), own))
        ctm = Concat(own, ctm);
    }
    const std::string name = Local(child);
    if (!child || !IsShape(name)) continue;
    ++shapes;
    id = element.attribute("id").value();
    std::vector<Subpath> subpaths;
    ShapeSubpaths(child, name, subpaths);
    if (const char* corners = VxAttr(child, "corners")) SetCorners(subpaths, corners);
    for (Subpath& subpath : subpaths) ToDocument(subpath.segments, ctm);
    std::string rule = child.attribute("clip-rule").value();
    for (const auto& [key, value] : SplitStyle(child.attribute("style").value()))
      if (key == "clip-rule") rule = value;
    if (!rule.empty()) evenOdd = rule == "evenodd";
    for (Subpath& subpath : subpaths) all.push_back(std::move(subpath));
  }
  Art* art = ClipPathArt(std::move(all), evenOdd);
  if (shapes == 1) art->svg.id = id;
  return art;
}

Art* SvgReader::ClipPathArt(std::vector<Subpath> subpaths, bool evenOdd) {
  ai::PathStyle style{};
  style.clip = 1;
  style.evenOdd = evenOdd ? 1 : 0;
  style.strokeWidth = 1;
  style.miterLimit = 4;
  auto makePath = [&](Subpath& subpath) {
    Art* path = doc_.NewArt(ai::art_kind::kPath);
    path->segments = std::move(subpath.segments);
    path->closed = subpath.closed;
    path->style = style;
    return path;
  };
  if (subpaths.size() <= 1) {
    Subpath empty;
    return makePath(subpaths.empty() ? empty : subpaths[0]);
  }
  Art* art = doc_.NewArt(ai::art_kind::kCompoundPath);
  art->style = style;
  for (auto it = subpaths.rbegin(); it != subpaths.rend(); ++it) Insert(makePath(*it), art);
  return art;
}

// ---- entry points

std::unique_ptr<Document> ReadSvg(std::string_view text, const std::string& sourceName,
                                  std::vector<std::string>* notes) {
  pugi::xml_document xml;
  // Attribute values keep tabs and line breaks written as they are: editors
  // that re-save our files (Inkscape among them) write the escaped tabs and
  // line breaks of the live objects' settings text literally, and turning them
  // into spaces would lose where one setting ends and the next begins.
  const pugi::xml_parse_result result = xml.load_buffer(
      text.data(), text.size(), (pugi::parse_default & ~pugi::parse_wconv_attribute) | pugi::parse_ws_pcdata);
  if (!result) {
    const size_t offset = std::min(static_cast<size_t>(std::max<ptrdiff_t>(result.offset, 0)), text.size());
    size_t line = 1, column = 1;
    for (size_t i = 0; i < offset; ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    throw SvgError(sourceName + ":" + std::to_string(line) + ":" + std::to_string(column) +
                   ": not well-formed XML: " + result.description());
  }
  const pugi::xml_node root = xml.document_element();
  const std::string rootName = root.name();
  if (rootName != "svg" && (rootName.size() < 4 || rootName.compare(rootName.size() - 4, 4, ":svg") != 0))
    throw SvgError(sourceName + ": not an SVG document (its root element is <" + rootName + ">)");

  auto document = std::make_unique<Document>();
  document->svg.sourceName = sourceName;
  SvgReader(*document, notes).Read(root);
  return document;
}

}  // namespace vxhost::svg
