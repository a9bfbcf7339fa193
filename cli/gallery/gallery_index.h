// The gallery's web pages: index.html with one section per effect or tool,
// and a page of its own for each (NAME.html), one captioned picture per
// gallery page, each linking to its SVG file. A picture that fails to load
// is marked on the page, so a broken gallery shows itself in any browser.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gallery/gallery_pages.h"

namespace vxcli::gallery {

struct IndexEntry {
  GalleryPage page;
  std::string svg;  // file name beside index.html
  std::string png;  // file name beside index.html; empty when there is none (the SVG is shown)
};

// index.html and a page per section that has pictures: file name and text.
std::vector<std::pair<std::string, std::string>> GalleryHtmlFiles(const std::vector<IndexEntry>& entries);

}  // namespace vxcli::gallery
