#pragma once

#include <iosfwd>
#include <string>

namespace vxcli {

struct ConvertOptions {
  std::string input;   // "-" reads standard input
  std::string output;  // "-" writes standard output
  bool quiet = false;  // no notes about approximations
};

// Reads an SVG file into a document and writes it back. Notes about what was read
// approximately go to `err`. Throws vxhost::svg::SvgError when a file cannot be
// read or written; nothing is written then. Returns the exit code.
int RunConvert(const ConvertOptions& options, std::ostream& err);

}  // namespace vxcli
