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

 private:
  // --- structure (svg_reader.cpp)
  std::string Local(const pugi::xml_node& node) const;  // element name without the SVG prefix
  bool IsVx(const char* qualified, const char* local) const;
  const char* VxAttr(const pugi::xml_node& node, const char* local) const;
  void ReadRootChild(pugi::xml_node node, const ComputedStyle& style);
  void ReadElement(pugi::xml_node node, const ComputedStyle& parentStyle, const ai::RealMatrix& parentCtm,
                   Art* container);
  Art* ReadLive(pugi::xml_node node, const ComputedStyle& style, const ai::RealMatrix& ctm);
  void ReadChildren(pugi::xml_node node, const ComputedStyle& style, const ai::RealMatrix& ctm, Art* container);
  Art* PathArt(std::vector<Subpath> subpaths, const ComputedStyle& style, const ai::RealMatrix& ctm);
  bool ShapeSubpaths(const pugi::xml_node& node, const std::string& name, std::vector<Subpath>& subpaths);
  Art* ClipArt(pugi::xml_node clip, const ai::RealMatrix& elementCtm, const Art& element);
  ai::PathStyle PathStyleOf(const ComputedStyle& style, const ai::RealMatrix& ctm);
  void Note(std::string text);
  void Insert(Art* art, Art* container);

  // --- paint servers and document data (svg_defs_reader.cpp)
  void ReadDocumentData(pugi::xml_node root);
  void ReadPaintServers(pugi::xml_node root);
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
};

// Attribute names the reader turns into art state for an element (geometry).
bool IsGeometryAttribute(const std::string& element, const std::string& attribute);

}  // namespace vxhost::svg
