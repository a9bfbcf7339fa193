// The gallery's index.html: one section per effect or tool, one captioned
// picture per page, each linking to its SVG file.
#pragma once

#include <string>
#include <vector>

#include "gallery/gallery_pages.h"

namespace vxcli::gallery {

struct IndexEntry {
  GalleryPage page;
  std::string svg;  // file name beside index.html
  std::string png;  // file name beside index.html; empty when there is none (the SVG is shown)
};

std::string IndexHtml(const std::vector<IndexEntry>& entries);

}  // namespace vxcli::gallery
