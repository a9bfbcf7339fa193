// The MetaBrush tool: stamps of two small brushes along a drag with its
// fluctuations (size, angle, untrue, alternating offsets, fading), and stamps
// along a guide path by Shift-click.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {
namespace {

// Two brushes (a leaf and a star) and an unselected guide curve.
std::vector<SampleObject> MetaBrushArt() {
  return {
      {"leaf", "<path id=\"leaf\" d=\"M 20 20 C 28 8 44 8 52 20 C 44 32 28 32 20 20 Z\" fill=\"#3a9d5d\" "
               "stroke=\"#1d5e34\" stroke-width=\"1.5\"/>"},
      {"star", "<path id=\"star\" d=\"M 80 8 L 84 17 L 94 18 L 87 25 L 89 35 L 80 30 L 71 35 L 73 25 L 66 18 L 76 17 Z\" "
               "fill=\"#f2a541\" stroke=\"#a0522d\" stroke-width=\"1\"/>"},
      {"guide", "<path id=\"guide\" d=\"M 20 200 C 80 120 160 280 240 190\" fill=\"none\" stroke=\"#9aa5b1\" "
                "stroke-width=\"1\"/>"},
  };
}

}  // namespace

GalleryChapter MetaBrushChapter() {
  GalleryChapter chapter{
      {"metabrush", "MetaBrush tool",
       "Stamps of the selected objects (each one a brush, used in turn) placed along the drag; their spacing, "
       "size, shear, angle, offset, jitter and colour fluctuate as the palette's rows say. Shift-click stamps "
       "along a path instead.",
       "#ffffff"},
      {{.name = "metabrush-source", .kind = PageKind::kSample, .title = "The brushes and a guide path",
        .note = "the leaf and the star are selected; the grey curve is not", .art = MetaBrushArt}},
  };
  struct Page {
    const char* name;
    const char* title;
    const char* note;
  };
  const Page pages[] = {
      {"metabrush-plain", "Plain stamps along a curved drag", "the defaults: 100 % spacing, brushes in turn"},
      {"metabrush-size", "Random size and angle", "size ±60 % and angle ±45°, random, half smoothed"},
      {"metabrush-alternate", "Alternating offsets and a fixed orientation", "space V 80 %, alternate"},
      {"metabrush-fade", "Fading to white over 10 stamps", "fill and stroke fade; opacity follows"},
      {"metabrush-untrue", "Untrue jitter with a shear", "untrue 15 %, shear H 40 % by speed cycle"},
      {"metabrush-path", "Shift-click on the guide path", "stamps at the spacing along the curve, turned with it"},
  };
  for (const Page& page : pages) chapter.pages.push_back(ToolSessionPage(page.name, page.title, page.note, MetaBrushArt));
  return chapter;
}

}  // namespace vxcli::gallery
