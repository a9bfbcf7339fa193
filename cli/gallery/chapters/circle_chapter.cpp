// Live Circle on an arrow, so that turning and kept orientation show.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter CircleChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "circle", .art = ArrowSource};
  };
  return {
      {"circle", "Live Circle",
       "Copies of the object spread evenly over one turn around a centre set off from the object's bounds; "
       "the ring can be squashed into an ellipse and the copies can keep their orientation.",
       "#f7f4ee"},
      {
          {.name = "circle-source", .kind = PageKind::kSample, .title = "The source", .note = "before the effect",
           .art = ArrowSource},
          page("circle-default", "8 copies, 100 pt to the left", {}, "the defaults, with the centre mark"),
          page("circle-keep-angle", "12 copies keeping their angle", {"copyCount=12", "keepAngle=1"}),
          page("circle-ellipse", "Height 40 %, datum lower left", {"copyCount=16", "heightRatio=40", "datumIndex=6",
                                                                    "offsetH=-60", "showCenterMark=0"}),
      },
  };
}

}  // namespace vxcli::gallery
