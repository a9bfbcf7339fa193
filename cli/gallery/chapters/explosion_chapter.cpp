// Live Explosion on an arrow, so that the outward turn and kept orientation
// show. The seed comes from the pinned event ticks, so the pages repeat.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter ExplosionChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "explosion", .art = ArrowSource};
  };
  return {
      {"explosion", "Live Explosion",
       "Copies of the object blown out of a centre to its left: each points away from the centre at an evenly "
       "stepped angle with a random deviation, is pushed out by a random share of the spread and grows or "
       "shrinks with it. The seed is kept with the object, so a rebuild repeats the arrangement.",
       "#f4f1fa"},
      {
          {.name = "explosion-source", .kind = PageKind::kSample, .title = "The source", .note = "before the effect",
           .art = ArrowSource},
          page("explosion-default", "200 copies, growing to 200 % at the tip", {"showCenterMark=1"},
               "the defaults, with the centre mark"),
          page("explosion-even", "No deviation, no spread", {"copyCount=12", "angleJitter=0", "spread=0",
                                                            "coreRadius=60", "tipScale=100", "showCenterMark=1"},
               "twelve copies evenly on the core circle"),
          page("explosion-keep-angle", "Keeping their angle, shrinking outward",
               {"copyCount=60", "keepAngle=1", "tipScale=30", "spacing=1"}),
          page("explosion-decelerate", "Decelerate: packed near the outer edge",
               {"copyCount=80", "angleJitter=20", "spacing=0", "tipScale=50"}),
      },
  };
}

}  // namespace vxcli::gallery
