// Any bytes as a style sheet and as a style attribute: parsing, matching and
// the cascade over a small tree never crash, hang or misbehave, and what the
// cascade writes into style attributes parses again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <pugixml.hpp>

#include "svg/css.h"
#include "svg/svg_cascade.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vxhost::svg::css::StyleSheet sheet;
  vxhost::svg::css::ParseStyleSheet(text, sheet);
  vxhost::svg::css::ParseDeclarations(text);

  // The same text as the sheet and as style attributes of a small drawing.
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("svg");
  root.append_child("style").append_child(pugi::node_pcdata).set_value(text.c_str());
  pugi::xml_node group = root.append_child("g");
  group.append_attribute("class") = "a b";
  group.append_attribute("style") = text.c_str();
  pugi::xml_node rect = group.append_child("g").append_child("rect");
  rect.append_attribute("id") = "r";
  rect.append_attribute("class") = "c";
  rect.append_attribute("style") = "fill: red !important";
  vxhost::svg::ApplyStyleSheets(root, "", 16);

  for (pugi::xml_node node : {group, rect}) {
    for (const auto& declaration : vxhost::svg::css::ParseDeclarations(node.attribute("style").value()))
      if (declaration.important) std::abort();  // the cascade leaves no importance behind
  }
  return 0;
}
