// The Craft tool: its four modes with one drag inside a circle of radius 50
// over the tools' art, and a free drag leaving trace copies.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter CraftChapter() {
  GalleryChapter chapter{
      {"craft", "Craft tool",
       "Each mode with a circle of radius 50 pressed at (130, 100) (the file's coordinates), resistance 3.",
       "#ffffff"},
      {{.name = "craft-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  // Each page's settings and drag are in its session (cli/gallery/sessions).
  struct Mode {
    const char* name;
    const char* title;
    const char* note;
  };
  const Mode modes[] = {
      {"craft-free", "Free", "pushed 30 right and 15 up"},
      {"craft-dynamic", "Dynamic", "the circle follows the pointer"},
      {"craft-pinch", "Pinch", "dragged 30 up: enlarged"},
      {"craft-twirl", "Twirl", "a quarter turn around the press"},
      {"craft-trace", "Free with trace copies", "four copies"},
  };
  for (const Mode& mode : modes)
    chapter.pages.push_back(ToolSessionPage(mode.name, mode.title, mode.note, ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
