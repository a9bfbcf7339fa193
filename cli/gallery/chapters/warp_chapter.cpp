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
  // Each shape's page is made by its session in cli/gallery/sessions.
  auto page = [](int shape) {
    const vx::WarpShape& warp = vx::kWarpShapes[static_cast<size_t>(shape)];
    char name[32];
    std::snprintf(name, sizeof name, "warp-shape-%02d", shape);
    return ToolSessionPage(name, "Shape " + std::to_string(shape),
                           std::string(ProfileWords(warp.profile)) + "; " + BaseWords(warp.base), ToolSampleObjects);
  };
  const GalleryPage first = page(0);
  const auto& drag = first.drag;
  GalleryChapter chapter{
      {"warp", "Warp tool",
       "Each of the 22 shapes on all of the art: pressed at " + PointText(drag.front()) + ", dragged up to " +
           PointText(drag.back()) + " (the file's coordinates) in " + std::to_string(drag.size() - 1) + " moves.",
       "#ffffff"},
      {{.name = "warp-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  chapter.pages.push_back(first);
  for (int shape = 1; shape < vx::kWarpShapeCount; ++shape) chapter.pages.push_back(page(shape));
  return chapter;
}

}  // namespace vxcli::gallery
