// Writes a document as SVG: layers as groups, paths as absolute path data with
// shortest numbers, path styles as presentation attributes (with vx colour texts
// where SVG falls short), verbatim art as it was read, gradients, patterns and
// clipping paths in <defs>, document data in <vx:document>.
#pragma once

#include <pugixml.hpp>

#include <map>
#include <set>
#include <string>

#include "document/document.h"
#include "svg/svg_style.h"

namespace vxhost::svg {

class SvgWriter {
 public:
  explicit SvgWriter(const Document& document);
  std::string Write();

 private:
  void WriteDocumentData(pugi::xml_node root);
  void WritePaintServers();
  void WriteLayer(const Layer& layer, pugi::xml_node root);
  void WriteChildren(const Art& container, pugi::xml_node parent);
  void WriteArt(const Art& art, pugi::xml_node parent);
  void WritePath(const Art& art, pugi::xml_node parent);
  // A <path> element with the art's id, path data and corner flags.
  pugi::xml_node AppendPathElement(const Art& art, pugi::xml_node parent);
  void WriteVerbatim(const Art& art, pugi::xml_node parent);
  void WriteLive(const Art& art, pugi::xml_node parent);
  std::string ClipPathId(const Art& clip);
  void WriteStyle(const ai::PathStyle& style, const SvgExtras& extras, const Art& art, pugi::xml_node node);
  void WritePaint(const ai::ColorRecord& color, const char* property, const Art& art, pugi::xml_node node);
  std::string PlacedId(const std::string& base, bool gradient, const ai::RealMatrix& local, const Art& art);
  void WriteCommon(const Art& art, pugi::xml_node node);
  pugi::xml_node EnterSpace(const ai::RealMatrix& space, pugi::xml_node node);
  void SetUniqueId(const std::string& id, pugi::xml_node node);
  pugi::xml_node AppendVerbatim(pugi::xml_node parent, const std::string& text);
  void Indent(pugi::xml_node node, int depth);

  const Document& doc_;
  std::set<std::string> artIds_;
  pugi::xml_document xml_;
  size_t pathBytes_ = 0;  // path data written so far: most of a drawing's text
  pugi::xml_node defs_;
  std::string vx_ = "vx:";
  std::string inkscape_;  // the root's prefix for Inkscape's namespace, if it declares one
  ComputedStyle baseline_;  // what art inherits from the root element
  std::map<const Gradient*, std::string> gradientIds_;
  std::map<const Pattern*, std::string> patternIds_;
  std::set<pugi::xml_node> verbatim_;
  int clips_ = 0;
  int placed_ = 0;
};

}  // namespace vxhost::svg
