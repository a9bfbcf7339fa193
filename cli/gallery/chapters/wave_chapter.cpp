// The Wave tool: its five shapes with one upward drag over the tools' art, and
// the "Full Cycle" trace.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter WaveChapter() {
  const std::vector<std::pair<double, double>> drag = {{110, 100}, {110, 94}, {110, 88}, {110, 82}};
  GalleryChapter chapter{
      {"wave", "Wave tool",
       "Each shape, cycle 2, on all of the art: pressed at " + PointText(drag.front()) + ", dragged up to " +
           PointText(drag.back()) + " (the file's coordinates).",
       "#ffffff"},
      {{.name = "wave-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  const char* notes[] = {"about the centre line", "bottom edge fixed", "top edge fixed", "shifted as a whole",
                         "wound into a spiral"};
  for (int shape = 0; shape < 5; ++shape)
    chapter.pages.push_back(ToolSessionPage("wave-shape-" + std::to_string(shape), "Shape " + std::to_string(shape), notes[shape], ToolSampleObjects));
  chapter.pages.push_back(ToolSessionPage("wave-full-cycle", "Full Cycle trace", "three copies, the phase a quarter period apart", ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
