// Live Generation on an arrow, so that the turn of each copy shows.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter GenerationChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "generation", .art = ArrowSource};
  };
  return {
      {"generation", "Live Generation",
       "A chain of copies growing out of the object, each scaled, turned and moved a little further than the one "
       "before; each step is the mean of the two neighbouring sizes, so that shrinking copies keep touching.",
       "#f3f7ee"},
      {
          page("generation-default", "20 copies shrinking by 90 %, turning 15 degrees", {}, "the defaults"),
          page("generation-run", "A straight run upward, equal copies", {"copyCount=6", "scaleRate=100",
                                                                         "angleStep=0", "moveAngle=90", "feed=120"}),
          page("generation-spiral", "A tight spiral, stacked below", {"copyCount=60", "scaleRate=95", "angleStep=20",
                                                                      "feed=60", "stackBelow=1"}),
          page("generation-grow", "Growing by 115 %, turning clockwise", {"copyCount=10", "scaleRate=115",
                                                                           "angleStep=-12", "moveAngle=30"}),
      },
  };
}

}  // namespace vxcli::gallery
