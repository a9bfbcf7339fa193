// Live Reflections on an arrow, so that flips and turns show.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter ReflectionsChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "reflections",
                       .art = ArrowSource};
  };
  return {
      {"reflections", "Live Reflections",
       "Mirror images of the object across axes through the lower-left corner of its bounds: a vertical or "
       "horizontal axis, both, or radial axes that turn the object and its mirror image around the corner.",
       "#f7f4ee"},
      {
          {.name = "reflections-source", .kind = PageKind::kSample, .title = "The source",
           .note = "before the effect", .art = ArrowSource},
          page("reflections-default", "Vertical axis", {}, "the defaults: the image touches the source"),
          page("reflections-horizontal-gap", "Horizontal axis, 10 pt below", {"axisType=0", "offsetV=10"}),
          page("reflections-both", "Both axes", {"axisType=2"}, "four in all, the half turn in the lower left"),
          page("reflections-radial", "Six radial axes", {"axisType=3", "axisCount=6", "offsetH=-20"}),
      },
  };
}

}  // namespace vxcli::gallery
