// Live Cutout on a card (RGB), a star (CMYK) and a disc (gray).
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter CutoutChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "cutout", .art = ShadingSources};
  };
  return {
      {"cutout", "Live Cutout",
       "Each object looks cut out of the page: inside its outline it shows itself shifted away from the light "
       "over darker edges that thin out, all clipped by the outline. The card is RGB, the star CMYK, the disc gray.",
       "#f4f1ea"},
      {
          {.name = "cutout-source", .kind = PageKind::kSample, .title = "The sources", .note = "before the effect",
           .art = ShadingSources},
          page("cutout-default", "Shade 67 %, 5 pt at 135°, 5 steps", {}, "the defaults"),
          page("cutout-deep", "Shade 90 %, 10 pt, 10 steps", {"shade=90", "distance=10", "steps=10"}),
          page("cutout-one-step", "One step", {"steps=1", "distance=6"}, "one hard edge"),
          page("cutout-light-right", "Light from the right", {"lightAngle=0", "distance=6"}),
      },
  };
}

}  // namespace vxcli::gallery
