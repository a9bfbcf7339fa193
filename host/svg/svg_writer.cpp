#include "svg/svg_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "svg/path_data.h"
#include "svg/svg_geometry.h"
#include "svg/svg_io.h"
#include "svg/svg_live_effect.h"
#include "svg/svg_number.h"
#include "svg/svg_paint.h"
#include "svg/svg_transform.h"

namespace vxhost::svg {
namespace {

constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";

// Document space back to SVG user space, exactly (negations only).
ai::RealMatrix FlipAfter(const ai::RealMatrix& m) { return {m.a, -m.b, m.c, -m.d, m.tx, -m.ty}; }

void AppendFloat(std::string& out, float value) {
  if (!std::isfinite(value)) value = 0;
  char buffer[32];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void Set(pugi::xml_node node, const char* name, const std::string& value) {
  pugi::xml_attribute a = node.attribute(name);
  if (!a) a = node.append_attribute(name);
  a.set_value(value.c_str());
}

// Collects the subpaths of a path or of every path inside a compound path, from
// document space into SVG user space.
void CollectSubpaths(const Art& art, std::vector<Subpath>& subpaths) {
  if (art.kind == ai::art_kind::kPath) {
    Subpath subpath{art.segments, art.closed};
    ToDocument(subpath.segments, kIdentity);  // y negated: its own inverse
    subpaths.push_back(std::move(subpath));
    return;
  }
  for (const Art* child = art.firstChild; child != nullptr; child = child->next) CollectSubpaths(*child, subpaths);
}

// "0110...": the corner flags of every segment, or "" when reading works them out
// from the handles anyway.
std::string CornersText(const std::vector<Subpath>& subpaths) {
  std::string corners;
  bool computed = true;
  for (const Subpath& subpath : subpaths) {
    for (size_t i = 0; i < subpath.segments.size(); ++i) {
      ai::SegRecord s = subpath.segments[i];
      if (!subpath.closed && i == 0) s.in = s.anchor;
      if (!subpath.closed && i + 1 == subpath.segments.size()) s.out = s.anchor;
      corners += s.corner != 0 ? '1' : '0';
      computed = computed && (s.corner != 0) == (CornerFlag(s) != 0);
    }
  }
  return computed ? std::string() : corners;
}

const char* const kCaps[] = {"butt", "round", "square"};
const char* const kJoins[] = {"miter", "round", "bevel"};

bool DisplayNone(const pugi::xml_node& node) {
  if (std::strcmp(node.attribute("display").value(), "none") == 0) return true;
  for (const auto& [key, value] : SplitStyle(node.attribute("style").value()))
    if (key == "display" && value == "none") return true;
  return false;
}

}  // namespace

SvgWriter::SvgWriter(const Document& document) : doc_(document) {
  Declarations declarations;
  for (const auto& [name, value] : doc_.svg.rootAttributes) {
    if (IsKnownProperty(name)) declarations.Add(name, value);
    if (value == kInkscapeNamespace && name.rfind("xmlns:", 0) == 0) inkscape_ = name.substr(6) + ":";
  }
  for (const auto& [name, value] : doc_.svg.rootAttributes)
    if (name == "style")
      for (const auto& [key, v] : SplitStyle(value))
        if (IsKnownProperty(key)) declarations.Add(key, v);
  baseline_ = ComputeStyle(ComputedStyle{}, declarations, nullptr);
}

std::string SvgWriter::Write() {
  pugi::xml_node root = xml_.append_child("svg");
  bool hasXmlns = false;
  for (const auto& [name, value] : doc_.svg.rootAttributes) {
    if (name == "xmlns:vx") continue;
    if (name == "xmlns") hasXmlns = true;
    root.append_attribute(name.c_str()) = value.c_str();
  }
  if (!hasXmlns) root.prepend_attribute("xmlns") = "http://www.w3.org/2000/svg";
  root.append_attribute("xmlns:vx") = kVxNamespace;

  WriteDocumentData(root);
  for (const std::string& entry : doc_.svg.prologue) AppendVerbatim(root, entry);
  defs_ = root.append_child("defs");
  WritePaintServers();
  const auto& layers = doc_.layers();
  for (auto it = layers.rbegin(); it != layers.rend(); ++it) WriteLayer(**it, root);
  if (!defs_.first_child()) root.remove_child(defs_);

  Indent(root, 1);
  // pugixml hands the text over in chunks; they go straight onto one string.
  struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
  } out;
  // Reserved once (address space only until written): growing a large string
  // step by step costs more in fresh pages than the writing itself.
  out.text.reserve(pathBytes_ + pathBytes_ / 4 + 4096);
  out.text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  xml_.save(out, "", pugi::format_raw | pugi::format_no_declaration);
  out.text += '\n';
  return std::move(out.text);
}

void SvgWriter::WriteDocumentData(pugi::xml_node root) {
  pugi::xml_node data = root.append_child((vx_ + "document").c_str());
  const char* model = doc_.colorModel == ai::color_model::kGray   ? "gray"
                      : doc_.colorModel == ai::color_model::kCMYK ? "cmyk"
                                                                  : "rgb";
  data.append_attribute("colorModel") = model;
  data.append_attribute("rulerUnit") = doc_.rulerUnit;
  for (const auto& custom : doc_.customColors()) {
    pugi::xml_node entry = data.append_child((vx_ + "customColor").c_str());
    entry.append_attribute("name") = custom->name.c_str();
    entry.append_attribute("spot") = custom->spot ? "1" : "0";
    const bool three = custom->kind == ai::custom_color_kind::kThree;
    entry.append_attribute("kind") = three ? "three" : "four";
    std::string components;
    for (int i = 0; i < (three ? 3 : 4); ++i) {
      if (i > 0) components += ' ';
      AppendNumber(components, custom->components[i]);
    }
    entry.append_attribute("components") = components.c_str();
  }
}

void SvgWriter::WritePaintServers() {
  std::set<std::string> used;
  int unnamed = 0;
  for (const auto& gradient : doc_.gradients()) {
    std::string id = gradient->name;
    while (id.empty() || used.count(id) != 0) id = "vx-gradient-" + std::to_string(++unnamed);
    used.insert(id);
    gradientIds_[gradient.get()] = id;

    const Gradient::Svg& svg = gradient->svg;
    const bool radial = gradient->type == ai::gradient_type::kRadial;
    pugi::xml_node node = defs_.append_child(radial ? "radialGradient" : "linearGradient");
    Set(node, "id", id);
    auto number = [&](const char* name, double value) { Set(node, name, FormatNumber(value)); };
    if (radial) {
      number("cx", svg.cx);
      number("cy", svg.cy);
      number("r", svg.r);
      number("fx", svg.fx);
      number("fy", svg.fy);
    } else {
      number("x1", svg.x1);
      number("y1", svg.y1);
      number("x2", svg.x2);
      number("y2", svg.y2);
    }
    if (!svg.objectBoundingBox) Set(node, "gradientUnits", "userSpaceOnUse");
    if (!IsIdentity(svg.transform)) Set(node, "gradientTransform", FormatTransform(svg.transform));
    if (!svg.spreadMethod.empty()) Set(node, "spreadMethod", svg.spreadMethod);
    for (const auto& [name, value] : svg.attributes)
      if (!node.attribute(name.c_str())) node.append_attribute(name.c_str()) = value.c_str();
    for (const ai::GradientStop& stop : gradient->stops) {
      pugi::xml_node entry = node.append_child("stop");
      Set(entry, "offset", FormatNumber(stop.rampPoint) + "%");
      const CustomColor* custom = stop.color.kind == ai::color_kind::kCustom &&
                                          doc_.OwnsCustomColor(reinterpret_cast<const CustomColor*>(
                                              stop.color.c.custom.color))
                                      ? reinterpret_cast<const CustomColor*>(stop.color.c.custom.color)
                                      : nullptr;
      Set(entry, "stop-color", Rendition(stop.color, custom));
      if (stop.opacity != 1) Set(entry, "stop-opacity", FormatNumber(stop.opacity));
      std::string vx = VxColorText(stop.color);
      if (custom != nullptr) {
        vx = "spot " + custom->name + " ";
        AppendNumber(vx, stop.color.c.custom.tint);
      }
      if (!vx.empty()) Set(entry, (vx_ + "stop-color").c_str(), vx);
    }
  }
  for (const auto& pattern : doc_.patterns()) {
    pugi::xml_node node = AppendVerbatim(defs_, pattern->verbatim);
    if (!node) continue;
    std::string id = node.attribute("id").value();
    while (id.empty() || used.count(id) != 0) id = "vx-pattern-" + std::to_string(++unnamed);
    used.insert(id);
    Set(node, "id", id);
    patternIds_[pattern.get()] = id;
  }
}

void SvgWriter::WriteLayer(const Layer& layer, pugi::xml_node root) {
  if (layer.implicit) {
    WriteChildren(*layer.group, root);
    return;
  }
  pugi::xml_node node = root.append_child("g");
  SetUniqueId(layer.svg.id, node);
  Set(node, (vx_ + "layer").c_str(), layer.title);
  if (!inkscape_.empty()) {
    Set(node, (inkscape_ + "groupmode").c_str(), "layer");
    Set(node, (inkscape_ + "label").c_str(), layer.title);
  }
  if (!layer.editable) Set(node, (vx_ + "locked").c_str(), "1");
  if (!layer.visible) Set(node, "display", "none");
  if (layer.group->opacity != 1) Set(node, "opacity", FormatNumber(layer.group->opacity));
  for (const auto& [name, value] : layer.svg.attributes)
    if (!node.attribute(name.c_str())) node.append_attribute(name.c_str()) = value.c_str();
  if (!layer.svg.residualStyle.empty()) Set(node, "style", layer.svg.residualStyle);
  WriteChildren(*layer.group, EnterSpace(layer.svg.space, node));
}

void SvgWriter::WriteChildren(const Art& container, pugi::xml_node parent) {
  // The art tree lists the topmost first; SVG paints in document order.
  const Art* skip = container.clipped ? container.firstChild : nullptr;
  for (const Art* child = container.lastChild; child != nullptr; child = child->prior)
    if (child != skip) WriteArt(*child, parent);
}

void SvgWriter::WriteArt(const Art& art, pugi::xml_node parent) {
  switch (art.kind) {
    case ai::art_kind::kPath:
    case ai::art_kind::kCompoundPath:
      WritePath(art, parent);
      return;
    case ai::art_kind::kPluginGroup:
      WriteLive(art, parent);
      return;
    case ai::art_kind::kGroup:
    case ai::art_kind::kContainer: {
      const std::string element = art.kind == ai::art_kind::kGroup || art.svg.element.empty() ? "g" : art.svg.element;
      pugi::xml_node node = parent.append_child(element.c_str());
      SetUniqueId(art.svg.id, node);
      if (art.clipped && art.firstChild != nullptr) Set(node, "clip-path", "url(#" + ClipPathId(*art.firstChild) + ")");
      WriteCommon(art, node);
      WriteChildren(art, EnterSpace(art.svg.space, node));
      return;
    }
    default:
      WriteVerbatim(art, parent);
      return;
  }
}

// The references a group keeps (filter, mask, clip-path) work in `space`: the
// group's element gets that space as its transform, and one inner <g> takes it
// back for the content, whose coordinates are in root space. Returns where the
// content goes.
pugi::xml_node SvgWriter::EnterSpace(const ai::RealMatrix& space, pugi::xml_node node) {
  ai::RealMatrix inverse;
  if (IsIdentity(space) || !Invert(space, inverse)) return node;
  Set(node, "transform", FormatTransform(space));
  Set(node, (vx_ + "space").c_str(), "1");
  pugi::xml_node inner = node.append_child("g");
  Set(inner, "transform", FormatTransform(inverse));
  return inner;
}

// Opacity, visibility and what the element carried that art has no place for.
// Copies a live effect makes of a source keep the source's id; the file keeps
// each id once, on the first element that has it, so references stay unambiguous.
void SvgWriter::SetUniqueId(const std::string& id, pugi::xml_node node) {
  if (!id.empty() && artIds_.insert(id).second) Set(node, "id", id);
}

void SvgWriter::WriteCommon(const Art& art, pugi::xml_node node) {
  if (art.opacity != 1) Set(node, "opacity", FormatNumber(art.opacity));
  if (art.hidden()) Set(node, "display", "none");
  for (const auto& [name, value] : art.svg.attributes)
    if (!node.attribute(name.c_str())) node.append_attribute(name.c_str()) = value.c_str();
  if (!art.svg.residualStyle.empty()) Set(node, "style", art.svg.residualStyle);
}

pugi::xml_node SvgWriter::AppendPathElement(const Art& art, pugi::xml_node parent) {
  pugi::xml_node node = parent.append_child("path");
  SetUniqueId(art.svg.id, node);
  std::vector<Subpath> subpaths;
  CollectSubpaths(art, subpaths);
  const std::string data = FormatPathData(subpaths);
  pathBytes_ += data.size();
  Set(node, "d", data);
  const std::string corners = CornersText(subpaths);
  if (!corners.empty()) Set(node, (vx_ + "corners").c_str(), corners);
  return node;
}

void SvgWriter::WritePath(const Art& art, pugi::xml_node parent) {
  pugi::xml_node node = AppendPathElement(art, parent);
  // A compound path paints with its first path's style.
  const Art* styled = &art;
  if (art.kind == ai::art_kind::kCompoundPath && art.firstChild != nullptr &&
      art.firstChild->kind == ai::art_kind::kPath)
    styled = art.firstChild;
  WriteStyle(styled->style, art.svg, art, node);
  WriteCommon(art, node);
}

void SvgWriter::WriteStyle(const ai::PathStyle& s, const SvgExtras& extras, const Art& art, pugi::xml_node node) {
  if (s.fillPaint) WritePaint(s.fillColor, "fill", art, node); else Set(node, "fill", "none");
  if (s.strokePaint) WritePaint(s.strokeColor, "stroke", art, node);
  else if (baseline_.stroke.kind != Paint::Kind::kNone) Set(node, "stroke", "none");
  // Everything else only where it differs from what the root gives.
  if (extras.fillOpacity != baseline_.fillOpacity) Set(node, "fill-opacity", FormatNumber(extras.fillOpacity));
  if ((s.evenOdd != 0) != baseline_.evenOdd) Set(node, "fill-rule", s.evenOdd ? "evenodd" : "nonzero");
  if (s.strokeWidth != baseline_.strokeWidth) Set(node, "stroke-width", FormatNumber(s.strokeWidth));
  if (extras.strokeOpacity != baseline_.strokeOpacity)
    Set(node, "stroke-opacity", FormatNumber(extras.strokeOpacity));
  if (s.lineCap != baseline_.lineCap && s.lineCap >= 0 && s.lineCap <= 2) Set(node, "stroke-linecap", kCaps[s.lineCap]);
  if (s.lineJoin != baseline_.lineJoin && s.lineJoin >= 0 && s.lineJoin <= 2)
    Set(node, "stroke-linejoin", kJoins[s.lineJoin]);
  if (s.miterLimit != baseline_.miterLimit) Set(node, "stroke-miterlimit", FormatNumber(s.miterLimit));

  const int count = std::clamp<int>(s.dash.count, 0, 6);
  bool sameDashes = static_cast<size_t>(count) == baseline_.dashes.size();
  for (int i = 0; sameDashes && i < count; ++i)
    sameDashes = s.dash.values[i] == static_cast<float>(baseline_.dashes[i]);
  if (!sameDashes) {
    std::string dashes;
    for (int i = 0; i < count; ++i) {
      if (i > 0) dashes += ' ';
      AppendFloat(dashes, s.dash.values[i]);
    }
    Set(node, "stroke-dasharray", count == 0 ? "none" : dashes);
  }
  if (s.dash.offset != static_cast<float>(baseline_.dashOffset)) {
    std::string offset;
    AppendFloat(offset, s.dash.offset);
    Set(node, "stroke-dashoffset", offset);
  }
}

void SvgWriter::WritePaint(const ai::ColorRecord& color, const char* property, const Art& art, pugi::xml_node node) {
  const std::string vxName = vx_ + property;
  switch (color.kind) {
    case ai::color_kind::kGradient:
    case ai::color_kind::kPattern: {
      const bool gradient = color.kind == ai::color_kind::kGradient;
      std::string id;
      if (gradient) {
        const auto found = gradientIds_.find(reinterpret_cast<const Gradient*>(color.c.gradient.gradient));
        if (found != gradientIds_.end()) id = found->second;
      } else {
        const auto found = patternIds_.find(reinterpret_cast<const Pattern*>(color.c.pattern.pattern));
        if (found != patternIds_.end()) id = found->second;
      }
      if (id.empty()) {
        Set(node, property, "#000000");
        return;
      }
      // The placement maps the paint's reference space into the document; in
      // SVG user space it is `local`, which only a placed copy can express.
      const ai::RealMatrix local = FlipAfter(gradient ? color.c.gradient.matrix : color.c.pattern.transform);
      if (IsIdentity(local)) {
        Set(node, property, "url(#" + id + ")");
        return;
      }
      Set(node, property, "url(#" + PlacedId(id, gradient, local, art) + ")");
      Set(node, vxName.c_str(), std::string(gradient ? "gradient " : "pattern ") + id + " " + MatrixNumbers(local));
      return;
    }
    case ai::color_kind::kCustom: {
      const auto* custom = reinterpret_cast<const CustomColor*>(color.c.custom.color);
      if (!doc_.OwnsCustomColor(custom)) {
        Set(node, property, "#000000");
        return;
      }
      Set(node, property, Rendition(color, custom));
      std::string text = "spot " + custom->name + " ";
      AppendNumber(text, color.c.custom.tint);
      Set(node, vxName.c_str(), text);
      return;
    }
    default: {
      Set(node, property, Rendition(color, nullptr));
      const std::string text = VxColorText(color);
      if (!text.empty()) Set(node, vxName.c_str(), text);
      return;
    }
  }
}

// A gradient or pattern that refers to `base` and puts it where `local` says.
std::string SvgWriter::PlacedId(const std::string& base, bool gradient, const ai::RealMatrix& local, const Art& art) {
  const std::string id = base + "-placed-" + std::to_string(++placed_);
  pugi::xml_node node;
  ai::RealMatrix transform = local;
  if (gradient) {
    const Gradient* source = nullptr;
    for (const auto& [g, name] : gradientIds_)
      if (name == base) source = g;
    node = defs_.append_child(source != nullptr && source->type == ai::gradient_type::kRadial ? "radialGradient"
                                                                                               : "linearGradient");
    if (source != nullptr) {
      ai::RealMatrix bounds = kIdentity, toReference;
      if (source->svg.objectBoundingBox && Invert(local, toReference)) {
        // Box units of the art as it stood in its reference space.
        Box box;
        AddArtCurves(box, art, Concat(kFlipY, toReference));
        if (!box.empty) bounds = {box.maxX - box.minX, 0, 0, box.maxY - box.minY, box.minX, box.minY};
      }
      transform = Concat(Concat(source->svg.transform, bounds), local);
    }
    Set(node, "gradientUnits", "userSpaceOnUse");
    Set(node, "gradientTransform", FormatTransform(transform));
  } else {
    node = defs_.append_child("pattern");
    for (pugi::xml_node p = defs_.child("pattern"); p; p = p.next_sibling("pattern")) {
      ai::RealMatrix own;
      if (std::strcmp(p.attribute("id").value(), base.c_str()) == 0 &&
          ParseTransform(p.attribute("patternTransform").value(), own))
        transform = Concat(own, local);
    }
    Set(node, "patternTransform", FormatTransform(transform));
  }
  node.prepend_attribute("href") = ("#" + base).c_str();
  node.prepend_attribute((vx_ + "placed").c_str()) = "1";
  node.prepend_attribute("id") = id.c_str();
  return id;
}

std::string SvgWriter::ClipPathId(const Art& clip) {
  const std::string id = "vx-clip-" + std::to_string(++clips_);
  pugi::xml_node node = defs_.append_child("clipPath");
  Set(node, "id", id);
  pugi::xml_node path = AppendPathElement(clip, node);
  const Art* styled = clip.kind == ai::art_kind::kCompoundPath && clip.firstChild ? clip.firstChild : &clip;
  if (styled->style.evenOdd) Set(path, "clip-rule", "evenodd");
  return id;
}

void SvgWriter::WriteVerbatim(const Art& art, pugi::xml_node parent) {
  if (art.verbatim.empty()) return;
  pugi::xml_node node = AppendVerbatim(parent, art.verbatim);
  if (!node) return;
  const bool hide = art.hidden() && !DisplayNone(node);
  if (IsIdentity(art.matrix) && art.inheritedStyle.empty() && !hide) return;
  // Our wrapper gives back the transform and style the element had from above.
  pugi::xml_node wrapper = parent.insert_child_before("g", node);
  Set(wrapper, (vx_ + "wrap").c_str(), "1");
  if (!IsIdentity(art.matrix)) Set(wrapper, "transform", FormatTransform(art.matrix));
  if (!art.inheritedStyle.empty()) Set(wrapper, "style", art.inheritedStyle);
  if (hide) Set(wrapper, "display", "none");
  verbatim_.erase(node);
  wrapper.append_move(node);
  verbatim_.insert(node);
}

void SvgWriter::WriteLive(const Art& art, pugi::xml_node parent) {
  pugi::xml_node node = parent.append_child("g");
  SetUniqueId(art.svg.id, node);
  if (art.live) {
    Set(node, (vx_ + "live").c_str(), art.live->groupName);
    if (!art.live->description.empty()) Set(node, (vx_ + "description").c_str(), art.live->description);
    if (art.live->dataType != -1) {
      Set(node, (vx_ + "dataType").c_str(), std::to_string(art.live->dataType));
      Set(node, (vx_ + "dataSubtype").c_str(), std::to_string(art.live->dataSubtype));
      Set(node, (vx_ + "data").c_str(), art.live->data);
    }
    for (const auto& [name, value] : LiveEffectAttributes(*art.live)) Set(node, (vx_ + name).c_str(), value);
  } else {
    Set(node, (vx_ + "live").c_str(), "");
  }
  WriteCommon(art, node);
  pugi::xml_node edit = node.append_child("g");
  Set(edit, (vx_ + "role").c_str(), "edit");
  Set(edit, "display", "none");
  if (art.editGroup != nullptr) WriteChildren(*art.editGroup, edit);
  pugi::xml_node result = node.append_child("g");
  Set(result, (vx_ + "role").c_str(), "result");
  if (art.resultGroup != nullptr) WriteChildren(*art.resultGroup, result);
}

pugi::xml_node SvgWriter::AppendVerbatim(pugi::xml_node parent, const std::string& text) {
  pugi::xml_node before = parent.last_child();
  if (!parent.append_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata)) return {};
  pugi::xml_node first = before ? before.next_sibling() : parent.first_child();
  for (pugi::xml_node n = first; n; n = n.next_sibling()) verbatim_.insert(n);
  return first;
}

// Line breaks and indentation between the elements we built; verbatim content
// keeps its own white space so it reads back the same.
void SvgWriter::Indent(pugi::xml_node node, int depth) {
  std::vector<pugi::xml_node> children;
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_element) children.push_back(child);
  if (children.empty()) return;
  for (pugi::xml_node child : children) {
    node.insert_child_before(pugi::node_pcdata, child).set_value(("\n" + std::string(2 * depth, ' ')).c_str());
    if (verbatim_.count(child) == 0) Indent(child, depth + 1);
  }
  node.append_child(pugi::node_pcdata).set_value(("\n" + std::string(2 * (depth - 1), ' ')).c_str());
}

std::string WriteSvg(const Document& document) { return SvgWriter(document).Write(); }

}  // namespace vxhost::svg
