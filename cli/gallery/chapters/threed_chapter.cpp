// Live 3D Transform: the twelve shapes on a grid, whose lines show how each
// surface bends, and a Live3D Rotate drag turning a cylinder.
#include <string>

#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {
namespace {

// A 120 x 120 pt grid of 10 cells a side in one group: a filled panel, the
// lines in two colours, and a diagonal so that turns and mirrors show.
std::vector<SampleObject> GridSource() {
  std::string element = R"(<g id="grid"><rect x="40" y="40" width="120" height="120" fill="#fdf3d8" )"
                        R"(stroke="#303030" stroke-width="1.5"/>)";
  for (int i = 1; i < 10; ++i) {
    const std::string at = std::to_string(40 + 12 * i);
    element += R"(<path d="M)" + at + R"( 40 V160" fill="none" stroke="#2a6fb0" stroke-width="0.8"/>)";
    element += R"(<path d="M40 )" + at + R"( H160" fill="none" stroke="#c0392b" stroke-width="0.8"/>)";
  }
  element += R"(<path d="M40 160 L160 40" fill="none" stroke="#207a3c" stroke-width="2"/></g>)";
  return {{"grid-3d", element}};
}

struct Shape {
  const char* subject;
  const char* title;
  const char* note;
};

}  // namespace

GalleryChapter ThreeDChapter() {
  GalleryChapter chapter{
      {"threed", "Live 3D Transform",
       "The art mapped onto one of twelve surfaces, turned in space and seen in perspective (10 % by default); "
       "each page uses the shape's own default setting.",
       "#ffffff"},
      {{.name = "threed-source", .kind = PageKind::kSample, .title = "The grid", .note = "before the effect",
        .art = GridSource}},
  };
  const Shape shapes[] = {
      {"3d-rotate", "Rotation", "turned by the first rotation only"},
      {"3d-twist", "Twist", "180° about the vertical axis"},
      {"3d-arc", "Arc", "a 120° fan"},
      {"3d-screw", "Screw", "720° with the depth growing"},
      {"3d-twirl", "Twirl", "60°, one cycle"},
      {"3d-wave-hv", "Wave, horizontal and vertical", "20 % amplitudes, one cycle each"},
      {"3d-wave-z", "Wave, front and back", "20 % amplitudes, one cycle each"},
      {"3d-wave-r", "Wave, concentric", "20 %, one cycle"},
      {"3d-sphere", "Sphere", "the whole sphere, pole to pole"},
      {"3d-torus", "Torus", "both turns full"},
      {"3d-spiral", "Spiral ring", "two turns round the ring"},
      {"3d-cylinder", "Cylinder", "wrapped once, its edges meeting"},
  };
  for (const Shape& shape : shapes)
    chapter.pages.push_back({.name = std::string("threed-") + (shape.subject + 3), .kind = PageKind::kLiveEffect,
                             .title = shape.title, .note = shape.note, .subject = shape.subject, .art = GridSource});
  // The cylinder made through its palette, then turned by a drag of the rotate
  // tool: 60 pixels to the right add 30° to the turn about y.
  chapter.pages.push_back(ToolSessionPage("threed-rotate-drag", "Live3D Rotate",
                                          "the cylinder dragged 60 px to the right: 30° more about y", GridSource));
  return chapter;
}

}  // namespace vxcli::gallery
