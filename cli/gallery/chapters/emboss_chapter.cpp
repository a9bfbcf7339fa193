// Live Emboss on a card (RGB), a star (CMYK) and a disc (gray).
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter EmbossChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "emboss", .art = ShadingSources};
  };
  return {
      {"emboss", "Live Emboss",
       "Behind each object, lighter copies shifted toward the light and darker copies shifted away from it, "
       "step by step up to the offset. The card is RGB, the star CMYK, the disc gray (a white gray stays white).",
       "#d8d4cc"},
      {
          {.name = "emboss-source", .kind = PageKind::kSample, .title = "The sources", .note = "before the effect",
           .art = ShadingSources},
          page("emboss-default", "Contrast 67 %, 1 pt at 135°", {}, "the defaults"),
          page("emboss-deep", "8 steps up to 6 pt", {"steps=8", "offset=6", "contrast=90"}),
          page("emboss-highlight", "Highlight only", {"embossStyle=1", "offset=4", "steps=4"}),
          page("emboss-shadow-reverse", "Shadow only, reversed", {"embossStyle=2", "reverse=1", "offset=4", "steps=4"},
               "the shadow falls toward the light"),
      },
  };
}

}  // namespace vxcli::gallery
