// vellumix4 gallery: the plug-in's effects and tools on built-in sample art,
// written as SVG and PNG files with an index.html that shows them with the
// settings each one used.
#pragma once

#include <iosfwd>
#include <string>

#include "session.h"

namespace vxcli {

struct GalleryOptions {
  std::string output;  // the folder to write into; made when missing
  bool noPng = false;  // SVG files only
  SessionOptions session;
};

// Prints the path of index.html on `out` and progress on `err`. Returns the
// exit code: 0 done, 1 the gallery could not be made.
int RunGallery(const GalleryOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vxcli
