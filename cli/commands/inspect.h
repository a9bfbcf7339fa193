#pragma once

#include <iosfwd>
#include <string>

namespace vxhost {
class Document;
}

namespace vxcli {

// Prints a document's art tree (one line per art, indented by depth), then its
// layers, gradients, patterns, custom colours, colour model and ruler unit.
void PrintDocument(const vxhost::Document& document, std::ostream& out);

// Reads an SVG file ("-": standard input) and prints it. Throws
// vxhost::svg::SvgError when it cannot be read. Returns the exit code.
int RunInspect(const std::string& input, std::ostream& out);

}  // namespace vxcli
