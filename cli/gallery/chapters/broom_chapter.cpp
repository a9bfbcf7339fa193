// The Broom tool: its four modes with one drag inside a circle of radius 60
// over the tools' art (objects move whole, never reshaped), the art taken
// object by object, and a free drag leaving trace copies.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter BroomChapter() {
  using Drag = std::vector<std::pair<double, double>>;
  const Drag push = {{130, 100}, {140, 95}, {150, 90}, {160, 85}};
  // Pinch: down pulls the objects in towards the press. Twirl: a quarter circle around it.
  const Drag down = {{130, 100}, {130, 110}, {130, 120}, {130, 130}};
  const Drag around = {{130, 100}, {170, 100}, {158, 72}, {130, 60}};
  GalleryChapter chapter{
      {"broom", "Broom tool",
       "Each mode with a circle of radius 60 pressed at (130, 100) (the file's coordinates), resistance 3; "
       "every object moves whole by the move of the centre of its bounds.",
       "#ffffff"},
      {{.name = "broom-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
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
      {"broom-free", "Free", {"mode=0", "areaRadius=60"}, "swept 30 right and 15 up", push},
      {"broom-dynamic", "Dynamic", {"mode=1", "areaRadius=60"}, "the circle follows the pointer", push},
      {"broom-pinch", "Pinch", {"mode=2", "areaRadius=60"}, "dragged 30 down: drawn in towards the press", down},
      {"broom-twirl", "Twirl", {"mode=3", "areaRadius=60"}, "a quarter turn around the press", around},
      {"broom-each", "Free, each path on its own", {"mode=0", "areaRadius=60", "groupAsOneUnit=0"},
       "groups no longer move as one", push},
      {"broom-trace", "Free with trace copies",
       {"mode=0", "areaRadius=60", "trace=1", "traceMode=1", "traceSteps=4"}, "four copies", push},
  };
  for (const Mode& mode : modes)
    chapter.pages.push_back(ToolSessionPage(mode.name, mode.title, mode.note, ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
