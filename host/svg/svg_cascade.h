// The cascade of a document's style sheets, applied to its elements before they
// are read: every element that a rule matches, or whose style attribute has
// "!important" declarations, gets a style attribute that says by itself what
// the rules and its own attribute said (sheet rules by specificity and order,
// then the attribute, then important sheet declarations, then important ones of
// the attribute). Presentation attributes stay where they are, below all of it.
// The rules applied leave their <style> element; what the sheets hold beyond
// the subset of css.h stays, so a renderer still applies it.
#pragma once

#include <pugixml.hpp>

#include <string>

namespace vxhost::svg {

// `svgPrefix` is the prefix (with its colon) of SVG element names, or "".
// Elements deeper than `maxDepth` levels are left as they are.
void ApplyStyleSheets(pugi::xml_node root, const std::string& svgPrefix, size_t maxDepth);

}  // namespace vxhost::svg
