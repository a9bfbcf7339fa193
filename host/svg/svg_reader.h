// The SVG reader's state while it walks one parsed file: which prefixes name
// which namespaces, the elements by id, the paint servers already turned into
// document gradients and patterns, and what goes into the prologue.
#pragma once

#include <pugixml.hpp>

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/document.h"
#include "svg/path_data.h"
#include "svg/svg_style.h"
#include "svg/svg_viewport.h"

namespace vxhost::svg {

// The prefixes (with their colon, empty for the default namespace) a file binds
// to the namespaces the reader understands.
struct Prefixes {
  std::string svg;
  std::string vx = "vx:";
  std::string inkscape = "inkscape:";
  std::string sodipodi = "sodipodi:";
  void Resolve(const pugi::xml_node& root);
};

class SvgReader {
 public:
  SvgReader(Document& document, std::vector<std::string>* notes) : doc_(document), notes_(notes) {}
  void Read(pugi::xml_node root);

  // How deep elements may nest (counting what <use> shows) and how many
  // elements <use> may show in all; beyond either the file is refused, so a
  // runaway file costs neither the stack nor unbounded memory.
  static constexpr size_t kMaxDepth = 256;
  static constexpr size_t kMaxInstanced = 500000;

 private:
  // --- structure (svg_reader.cpp)
  std::string Local(const pugi::xml_node& node) const;  // element name without the SVG prefix
  bool IsVx(const char* qualified, const char* local) const;
  const char* VxAttr(const pugi::xml_node& node, const char* local) const;
  void ReadRootChild(pugi::xml_node node, const ComputedStyle& style);
  Layer* LayerForLooseArt();
  void ReadElement(pugi::xml_node node, const ComputedStyle& parentStyle, const ai::RealMatrix& parentCtm,
                   Art* container);
  Art* ReadVerbatim(pugi::xml_node node, const std::string& name, const ComputedStyle& parentStyle,
                    const ComputedStyle& style, const ai::RealMatrix& parentCtm, const ai::RealMatrix& ctm);
  Art* ReadLive(pugi::xml_node node, const ComputedStyle& style, const ai::RealMatrix& ctm);
  void ReadChildren(pugi::xml_node node, const ComputedStyle& style, const ai::RealMatrix& ctm, Art* container);
  // The children of a group that carries references in its own user space: our
  // writer puts them in one inner <g> that undoes that space.
  pugi::xml_node SpaceWrapperChild(const pugi::xml_node& node) const;
  Art* PathArt(std::vector<Subpath> subpaths, const ComputedStyle& style, const ai::RealMatrix& ctm);
  bool ShapeSubpaths(const pugi::xml_node& node, const std::string& name, std::vector<Subpath>& subpaths);
  double Length(const pugi::xml_node& node, const char* name, Axis axis, double fallback) const;
  Art* ClipArt(pugi::xml_node clip, const ai::RealMatrix& elementCtm, const Art& element);
  Art* ClipPathArt(std::vector<Subpath> subpaths, bool evenOdd);
  ai::PathStyle PathStyleOf(const ComputedStyle& style, const ai::RealMatrix& ctm);
  void Note(std::string text);
  void Insert(Art* art, Art* container);
  [[noreturn]] void Fail(const std::string& what) const;

  // --- <use>, <symbol> and nested <svg> (svg_use_reader.cpp)
  void ReadUse(pugi::xml_node use, pugi::xml_node target, const ComputedStyle& style, const ai::RealMatrix& ctm,
               Art* group);
  // The children of `element` (a nested <svg>, or the <symbol> or <svg> a <use>
  // shows) in the viewport it establishes, clipped to it unless its overflow is
  // visible. `sizing` gives the width and height where it has them (the <use>);
  // `placed` says whether the element's own x and y apply.
  void ReadViewport(pugi::xml_node element, pugi::xml_node sizing, bool placed, const ComputedStyle& style,
                    const ai::RealMatrix& ctm, Art* group);
  ComputedStyle OwnStyle(const pugi::xml_node& node, const ComputedStyle& parentStyle);

  // --- paint servers and document data (svg_defs_reader.cpp)
  void ReadDocumentData(pugi::xml_node root);
  void ReadPaintServers(pugi::xml_node root, size_t depth = 0);
  void ReadGradient(pugi::xml_node node);
  void ReadPattern(pugi::xml_node node);
  pugi::xml_node Referenced(const pugi::xml_node& node) const;  // its href target
  // The colour record of a paint; false when it paints nothing.
  bool ResolvePaint(const Paint& paint, const std::string& vxText, const ComputedStyle& style,
                    const ai::RealMatrix& ctm, ai::ColorRecord& color);
  bool ParseVxPaint(const std::string& text, const ai::RealMatrix& ctm, ai::ColorRecord& color);
  void FinishPrologue();

  Document& doc_;
  std::vector<std::string>* notes_;
  Prefixes prefixes_;
  std::unordered_map<std::string, pugi::xml_node> ids_;
  std::unordered_map<std::string, Gradient*> gradients_;
  std::unordered_map<std::string, Pattern*> patterns_;
  std::set<pugi::xml_node> consumed_;  // defs content the document now holds in its own form
  std::vector<pugi::xml_node> prologue_;
  Viewport rootViewport_;
  Viewport viewport_;                       // what percentages refer to here
  std::vector<pugi::xml_node> instancing_;  // the elements <use> is showing, outermost first
  size_t depth_ = 0;
  size_t instanced_ = 0;
};

// Properties kept as attributes that refer to other elements in the user space
// of the element that declares them.
bool IsSpaceBoundProperty(std::string_view name);

// Whether the marker properties `node` declares leave a marker in force on its
// shapes; `inherited` when it declares none.
bool DeclaresMarkers(const pugi::xml_node& node, bool inherited);

// Attribute names the reader turns into art state for an element (geometry).
bool IsGeometryAttribute(const std::string& element, const std::string& attribute);

}  // namespace vxhost::svg
