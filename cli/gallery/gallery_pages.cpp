#include "gallery/gallery_pages.h"

#include <cstdio>
#include <string>

#include "tools/warp/warp_shapes.h"

namespace vxcli::gallery {
namespace {

const char* ProfileWords(vx::WarpProfile profile) {
  switch (profile) {
    case vx::WarpProfile::kCircleEdge: return "circular, strongest at the far edge";
    case vx::WarpProfile::kCircleCentre: return "circular, strongest at the pointer";
    case vx::WarpProfile::kDome: return "dome over the pointer";
    case vx::WarpProfile::kSineEdge: return "sine, strongest at the far edge";
    case vx::WarpProfile::kCosineCentre: return "cosine, strongest at the pointer";
    case vx::WarpProfile::kBell: return "bell over the pointer";
    case vx::WarpProfile::kSCurve: return "S-curve across the pointer";
    case vx::WarpProfile::kLinearEdge: return "linear, strongest at the far edge";
    case vx::WarpProfile::kLinearCentre: return "linear, strongest at the pointer";
    case vx::WarpProfile::kTent: return "tent over the pointer";
  }
  return "";
}

const char* BaseWords(vx::WarpBase base) {
  switch (base) {
    case vx::WarpBase::kCentre: return "about the centre line";
    case vx::WarpBase::kBottom: return "bottom edge fixed";
    case vx::WarpBase::kTop: return "top edge fixed";
  }
  return "";
}

std::string Point(const std::pair<double, double>& point) {
  char text[48];
  std::snprintf(text, sizeof text, "%g,%g", point.first, point.second);
  return text;
}

std::string WarpAbout() {
  const auto& drag = WarpDrag();
  return "Each of the 22 shapes on all of the art: pressed at " + Point(drag.front()) + ", dragged up to " +
         Point(drag.back()) + " (the file's coordinates) in " + std::to_string(drag.size() - 1) + " moves.";
}

}  // namespace

const std::vector<GallerySection>& GallerySections() {
  static const std::vector<GallerySection> sections = {
      {"neon", "Live Neon",
       "Each object glows from its stroke colour at full width to its fill colour; "
       "the wave is RGB, the star CMYK, the ring gray.",
       "#15151d"},
      {"warp", "Warp tool", WarpAbout(), "#ffffff"},
  };
  return sections;
}

std::vector<GalleryPage> GalleryPages() {
  std::vector<GalleryPage> pages = {
      {"neon-source", "neon", PageKind::kNeonSample, "The sources", {}, "before the effect"},
      {"neon-default", "neon", PageKind::kNeon, "1 track, auto mid", {}, "the defaults"},
      {"neon-3-tracks", "neon", PageKind::kNeon, "3 tracks", {"tracks=3"}, ""},
      {"neon-contrast-200", "neon", PageKind::kNeon, "Contrast 200 %", {"contrast=200"}, ""},
      {"neon-shadow", "neon", PageKind::kNeon, "Shadow on", {"shadowOn=1", "shadowOffset=4"}, ""},
      {"neon-arc-plus-50", "neon", PageKind::kNeon, "Gradient arc +50 %", {"gradientArc=50"}, ""},
      {"neon-arc-minus-50", "neon", PageKind::kNeon, "Gradient arc −50 %", {"gradientArc=-50"}, ""},
      {"neon-offset", "neon", PageKind::kNeon, "Eccentric offset", {"offset=80", "offsetAngle=45"}, ""},
      {"warp-source", "warp", PageKind::kToolSample, "The art", {}, "before the drag"},
  };
  for (int shape = 0; shape < vx::kWarpShapeCount; ++shape) {
    const vx::WarpShape& warp = vx::kWarpShapes[static_cast<size_t>(shape)];
    char name[32];
    std::snprintf(name, sizeof name, "warp-shape-%02d", shape);
    pages.push_back({name, "warp", PageKind::kWarp, "Shape " + std::to_string(shape), {"shape=" + std::to_string(shape)},
                     std::string(ProfileWords(warp.profile)) + "; " + BaseWords(warp.base)});
  }
  return pages;
}

const std::vector<std::pair<double, double>>& WarpDrag() {
  static const std::vector<std::pair<double, double>> drag = {{150, 100}, {150, 94}, {150, 88},
                                                              {150, 82},  {150, 76}, {150, 70}};
  return drag;
}

}  // namespace vxcli::gallery
