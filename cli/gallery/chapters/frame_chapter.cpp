// Live Frame on an arrow, so that the quarter turns of each side show.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter FrameChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "frame", .art = ArrowSource};
  };
  return {
      {"frame", "Live Frame",
       "Copies of the object laid along the four sides of a rectangle like a picture frame, a copy turned by "
       "45 degrees at each corner, each side a quarter turn on from the one before.",
       "#f3f6f0"},
      {
          page("frame-default", "5 by 4 copies, counter-clockwise", {"hSideCount=5", "vSideCount=4"},
               "touching copies, corner copies closing the ring"),
          page("frame-offset", "Corner offset 50 %, clockwise", {"hSideCount=4", "vSideCount=4", "cornerOffset=50",
                                                                 "direction=0"}),
          page("frame-keep-angle", "Keeping the angle, wider feeds", {"hSideCount=4", "vSideCount=3", "keepAngle=1",
                                                                      "sideMove=130", "cornerMove=150"}),
      },
  };
}

}  // namespace vxcli::gallery
