// Live Tiling on an arrow, so that the progressive turns show.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter TilingChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "tiling", .art = ArrowSource};
  };
  return {
      {"tiling", "Live Tiling",
       "Copies of the object in a grid of columns and rows; they can shrink or grow and turn step by step towards "
       "the last column and row, the feed following their size so that they stay packed.",
       "#eef3f7"},
      {
          page("tiling-grid", "4 by 3 touching copies", {"columns=4", "rows=3"}),
          page("tiling-shrink", "Shrinking to 30 %, feeds following", {"columns=6", "rows=4", "lastSizeH=30",
                                                                        "lastSizeV=50"}),
          page("tiling-turn", "Turning 90 degrees across, stacked below", {"columns=5", "rows=3", "lastRotationH=90",
                                                                            "stackBelow=1", "moveV=-120"}),
      },
  };
}

}  // namespace vxcli::gallery
