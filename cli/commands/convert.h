#pragma once

#include <iosfwd>
#include <string>

namespace vxcli {

struct ConvertOptions {
  std::string input;   // "-" reads standard input
  std::string output;  // "-" writes standard output; empty with `check`: nothing kept
  bool quiet = false;  // no notes about approximations
  // Render the input and the output with rsvg-convert at checkSize x checkSize
  // pixels and report the share of pixels that differ.
  bool check = false;
  int checkSize = 128;
};

// Reads an SVG file into a document and writes it back. Notes about what was read
// approximately go to `err`. Throws vxhost::svg::SvgError when a file cannot be
// read or written; nothing is written then. With `check`, the report goes to
// `out` (to `err` when the SVG goes to standard output) and the result is 1 when
// the written drawing renders beyond the tolerance. Returns the exit code.
int RunConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vxcli
