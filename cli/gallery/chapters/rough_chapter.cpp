// The Roughening tool: density by dragging right, amplitude by dragging up,
// corner and smooth points, and trace copies, each inside a circle of radius
// 100 pressed over the tools' art.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter RoughChapter() {
  GalleryChapter chapter{
      {"rough", "Roughening tool",
       "A circle of radius 100 pressed at (130, 100) (the file's coordinates). Each unit dragged right adds "
       "0.1 to the density (anchors per 72 units near the circle); each unit dragged up adds 0.5 to the "
       "amplitude, and the anchors inside the circle move along their normals at random by up to half of it, "
       "from one stored seed.",
       "#ffffff"},
      {{.name = "rough-source", .kind = PageKind::kSample, .title = "The art", .note = "before the drag",
        .art = ToolSampleObjects}},
  };
  struct Page {
    const char* name;
    const char* title;
    const char* note;
  };
  const Page pages[] = {
      {"rough-density", "Density only",
       "dragged 60 right: anchors every 12 units or less near the circle, none moved; as corner points the "
       "curves there become polygons"},
      {"rough-amplitude", "Amplitude only", "dragged 40 up: the existing anchors moved by up to 10"},
      {"rough-corner", "Corner points", "dragged 60 right and 40 up: jagged edges"},
      {"rough-smooth", "Smooth points", "the same drag keeping the handles"},
      {"rough-trace", "Trace copies", "four copies, the amplitude stepping up to that of the drag"},
  };
  for (const Page& page : pages)
    chapter.pages.push_back(ToolSessionPage(page.name, page.title, page.note, ToolSampleObjects));
  return chapter;
}

}  // namespace vxcli::gallery
