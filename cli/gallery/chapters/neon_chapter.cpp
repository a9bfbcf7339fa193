// Live Neon on a wave (RGB), a star (CMYK) and a ring (gray).
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter NeonChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "neon", .art = NeonSources};
  };
  return {
      {"neon", "Live Neon",
       "Each object glows from its stroke colour at full width to its fill colour; "
       "the wave is RGB, the star CMYK, the ring gray.",
       "#15151d"},
      {
          {.name = "neon-source", .kind = PageKind::kSample, .title = "The sources", .note = "before the effect",
           .art = NeonSources},
          page("neon-default", "1 track, auto mid", {}, "the defaults"),
          page("neon-3-tracks", "3 tracks", {"tracks=3"}),
          page("neon-contrast-200", "Contrast 200 %", {"contrast=200"}),
          page("neon-shadow", "Shadow on", {"shadowOn=1", "shadowOffset=4"}),
          page("neon-arc-plus-50", "Gradient arc +50 %", {"gradientArc=50"}),
          page("neon-arc-minus-50", "Gradient arc −50 %", {"gradientArc=-50"}),
          page("neon-offset", "Eccentric offset", {"offset=80", "offsetAngle=45"}),
      },
  };
}

}  // namespace vxcli::gallery
