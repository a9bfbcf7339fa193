// The Broom tool: its four modes with one drag inside a circle of radius 60
// over the tools' art (objects move whole, never reshaped), the art taken
// object by object, and a free drag leaving trace copies.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter BroomChapter() {
  GalleryChapter chapter{
      {"broom", "Broom tool",
       "Each mode with a circle of radius 60 pressed at (130, 100) (the file's coordinates), resistance 3; "
       "every object moves whole by the move of the centre of its bounds.",
       "#ffffff"},
      {{.name = "broom-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  // Each page's settings and drag are in its session (cli/gallery/sessions).
  struct Mode {
    const char* name;
    const char* title;
    const char* note;
  };
  const Mode modes[] = {
      {"broom-free", "Free", "swept 30 right and 15 up"},
      {"broom-dynamic", "Dynamic", "the circle follows the pointer"},
      {"broom-pinch", "Pinch", "dragged 30 down: drawn in towards the press"},
      {"broom-twirl", "Twirl", "a quarter turn around the press"},
      {"broom-each", "Free, each path on its own", "groups no longer move as one"},
      {"broom-trace", "Free with trace copies", "four copies"},
  };
  for (const Mode& mode : modes)
    chapter.pages.push_back(ToolSessionPage(mode.name, mode.title, mode.note, ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
