// The Lens tool: its four lens types carried over the tools' art, and a
// magnifying lens leaving trace copies.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter LensChapter() {
  // The pointer holds the lens box's lower right corner: a 100 x 100 lens
  // ending at (180, 150) is centred on (130, 100).
  const std::vector<std::pair<double, double>> drag = {{160, 130}, {165, 135}, {170, 140}, {175, 145}, {180, 150}};
  GalleryChapter chapter{
      {"lens", "Lens tool",
       "A 100 x 100 lens carried from " + PointText(drag.front()) + " to " + PointText(drag.back()) +
           " (its lower right corner; the file's coordinates), so that it ends centred on (130, 100).",
       "#ffffff"},
      {{.name = "lens-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  struct Type {
    const char* name;
    const char* title;
    std::vector<std::string> sets;
    const char* note;
  };
  const Type types[] = {
      {"lens-fish-eye", "Fish-eye lens", {"lensType=0", "thickness=100"}, "thickness 100 %: the centre swells"},
      {"lens-fish-eye-thin", "Fish-eye lens, negative", {"lensType=0", "thickness=-100"},
       "thickness -100 %: the centre shrinks"},
      {"lens-magnifying", "Magnifying lens", {"lensType=1", "magnification=400"}, "400 %: the inner half fills the lens"},
      {"lens-twirl", "Twirl lens", {"lensType=2", "twirlAngle=180", "cycle=1"}, "180°, one cycle"},
      {"lens-twirl-cycles", "Twirl lens, three cycles", {"lensType=2", "twirlAngle=180", "cycle=3"}, "180°, three cycles"},
      {"lens-tone", "Tone lens", {"lensType=3", "groupAsOneUnit=0"},
       "minimum sizes 10 % (the default): objects centred in the lens shrink about their centres"},
      {"lens-trace", "Magnifying lens with trace copies",
       {"lensType=1", "magnification=300", "trace=1", "traceMode=1", "traceSteps=4"},
       "four copies, the magnification stepping from 100 % to 300 %"},
  };
  for (const Type& type : types)
    chapter.pages.push_back(ToolSessionPage(type.name, type.title, type.note, ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
