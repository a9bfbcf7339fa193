// Live Border on a card (RGB), a star (CMYK) and a disc (gray).
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter BorderChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "border", .art = ShadingSources};
  };
  return {
      {"border", "Live Border",
       "The stroke becomes a bevelled band of narrowing copies running from the stroke colour to the fill "
       "colour, outside the path or inside it. The card is RGB, the star CMYK, the disc gray.",
       "#f4f1ea"},
      {
          {.name = "border-source", .kind = PageKind::kSample, .title = "The sources", .note = "before the effect",
           .art = ShadingSources},
          page("border-default", "Outside, auto mid", {}, "the defaults"),
          page("border-inside", "Inside", {"side=1"}, "clipped by the object's outline"),
          page("border-reverse", "Reverse", {"reverse=1"}),
          page("border-arc-plus", "Gradient arc +100 %", {"gradientArc=100"}),
          page("border-offset", "Offset 60 % at −45°", {"offset=60"}),
          page("border-shadow", "Shadow on", {"shadowOn=1", "shadowOffset=3"}),
          page("border-inside-shadow", "Inside with shadow", {"side=1", "shadowOn=1", "shadowOffset=3",
                                                               "shadowTint=60"}),
      },
  };
}

}  // namespace vxcli::gallery
