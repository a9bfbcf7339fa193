// Live Shadow on a card (RGB), a star (CMYK) and a disc (gray).
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter ShadowChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "shadow", .art = ShadingSources};
  };
  return {
      {"shadow", "Live Shadow",
       "A darkened copy of each object falls away from the light; with transparency the shadow also shows "
       "through the object, clipped by its outline. The card is RGB, the star CMYK, the disc gray.",
       "#f4f1ea"},
      {
          {.name = "shadow-source", .kind = PageKind::kSample, .title = "The sources", .note = "before the effect",
           .art = ShadingSources},
          page("shadow-default", "Shade 33 %, 10 pt at 135°", {}, "the defaults"),
          page("shadow-dark-far", "Shade 80 %, 20 pt", {"shade=80", "distance=20"}),
          page("shadow-light-left", "Light from the right", {"lightAngle=0", "distance=14"}),
          page("shadow-transparent", "Transparency 50 %", {"shade=70", "transparency=50", "distance=16"},
               "the shadow seen through the object, clipped by its outline"),
          page("shadow-glass", "Transparency 90 %", {"shade=90", "transparency=90", "distance=16"}),
      },
  };
}

}  // namespace vxcli::gallery
