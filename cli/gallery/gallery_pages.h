// What the gallery shows: its sections and, in each, the pages made on the
// sample art, with the settings each one uses.
#pragma once

#include <string>
#include <vector>

namespace vxcli::gallery {

enum class PageKind {
  kNeonSample,  // the Live Neon sources as they are
  kNeon,        // Live Neon objects with the page's settings
  kToolSample,  // the distortion tools' art as it is
  kWarp,        // one Warp drag over the tools' art
};

struct GallerySection {
  std::string id;          // "neon", "warp"
  std::string title;
  std::string about;       // a sentence under the title
  std::string background;  // CSS colour the art is shown on
};

struct GalleryPage {
  std::string name;  // file stem, unique
  std::string section;
  PageKind kind;
  std::string title;
  std::vector<std::string> sets;  // FIELD=VALUE as typed into the palette
  std::string note;               // more words for the caption
};

const std::vector<GallerySection>& GallerySections();
std::vector<GalleryPage> GalleryPages();

// The Warp drag of every Warp page, in SVG coordinates (y down): pressed at the
// first point, released at the last.
const std::vector<std::pair<double, double>>& WarpDrag();

}  // namespace vxcli::gallery
