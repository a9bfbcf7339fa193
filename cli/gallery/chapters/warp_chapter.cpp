// The Warp tool: each of its 22 shapes with one upward drag over the tools' art.
#include <cstdio>

#include "gallery/gallery_chapters.h"
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

}  // namespace

GalleryChapter WarpChapter() {
  const std::vector<std::pair<double, double>> drag = {{150, 100}, {150, 94}, {150, 88},
                                                       {150, 82},  {150, 76}, {150, 70}};
  GalleryChapter chapter{
      {"warp", "Warp tool",
       "Each of the 22 shapes on all of the art: pressed at " + PointText(drag.front()) + ", dragged up to " +
           PointText(drag.back()) + " (the file's coordinates) in " + std::to_string(drag.size() - 1) + " moves.",
       "#ffffff"},
      {{.name = "warp-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  for (int shape = 0; shape < vx::kWarpShapeCount; ++shape) {
    const vx::WarpShape& warp = vx::kWarpShapes[static_cast<size_t>(shape)];
    char name[32];
    std::snprintf(name, sizeof name, "warp-shape-%02d", shape);
    chapter.pages.push_back({.name = name,
                             .kind = PageKind::kTool,
                             .title = "Shape " + std::to_string(shape),
                             .sets = {"shape=" + std::to_string(shape)},
                             .note = std::string(ProfileWords(warp.profile)) + "; " + BaseWords(warp.base),
                             .subject = "warp",
                             .art = ToolSampleObjects,
                             .drag = drag});
  }
  return chapter;
}

}  // namespace vxcli::gallery
