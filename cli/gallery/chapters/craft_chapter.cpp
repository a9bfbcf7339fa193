// The Craft tool: its four modes with one drag inside a circle of radius 50
// over the tools' art, and a free drag leaving trace copies.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter CraftChapter() {
  using Drag = std::vector<std::pair<double, double>>;
  const Drag push = {{130, 100}, {140, 95}, {150, 90}, {160, 85}};
  // Pinch: up enlarges. Twirl: a quarter circle around the press.
  const Drag up = {{130, 100}, {130, 90}, {130, 80}, {130, 70}};
  const Drag around = {{130, 100}, {170, 100}, {158, 72}, {130, 60}};
  GalleryChapter chapter{
      {"craft", "Craft tool",
       "Each mode with a circle of radius 50 pressed at (130, 100) (the file's coordinates), resistance 3.",
       "#ffffff"},
      {{.name = "craft-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  struct Mode {
    const char* name;
    const char* title;
    std::vector<std::string> sets;
    const char* note;
    Drag drag;
  };
  const Mode modes[] = {
      {"craft-free", "Free", {"mode=0", "areaRadius=50"}, "pushed 30 right and 15 up", push},
      {"craft-dynamic", "Dynamic", {"mode=1", "areaRadius=50"}, "the circle follows the pointer", push},
      {"craft-pinch", "Pinch", {"mode=2", "areaRadius=50"}, "dragged 30 up: enlarged", up},
      {"craft-twirl", "Twirl", {"mode=3", "areaRadius=50"}, "a quarter turn around the press", around},
      {"craft-trace", "Free with trace copies",
       {"mode=0", "areaRadius=50", "trace=1", "traceMode=1", "traceSteps=4"}, "four copies", push},
  };
  for (const Mode& mode : modes)
    chapter.pages.push_back(ToolSessionPage(mode.name, mode.title, mode.note, ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
