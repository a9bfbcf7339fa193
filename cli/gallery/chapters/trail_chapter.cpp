// Live Trail on the arrow and on a disc filled with a gradient, so that the
// turning, scaling and the fading of both plain colours and gradient stops show.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {
namespace {

std::vector<SampleObject> GradientDisc() {
  return {{"sun",
           "<g id=\"sun\"><defs><linearGradient id=\"sunset\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
           "<stop offset=\"0\" stop-color=\"#ffd23f\"/><stop offset=\"1\" stop-color=\"#ee4266\"/>"
           "</linearGradient></defs>"
           "<circle cx=\"120\" cy=\"60\" r=\"24\" fill=\"url(#sunset)\" stroke=\"#540d6e\" stroke-width=\"3\"/></g>"}};
}

}  // namespace

GalleryChapter TrailChapter() {
  // The pages' records are written as text, not typed into the palette: the
  // drag offset is given with its angle and length, and the end colours are
  // three-colour like the sample art (other kinds would leave it unmixed).
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "",
                 std::function<std::vector<SampleObject>()> art = ArrowSource) {
    sets.insert(sets.begin(), {"endFillColor=5,1,1,1,0", "endStrokeColor=5,1,1,1,0"});
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "trail", .art = std::move(art)};
  };
  return {
      {"trail", "Live Trail",
       "Copies of the object along a drag vector, as if it had moved: they turn, grow or shrink toward an end "
       "size and fade from the object's colours toward end colours, closer together at one end or evenly spaced.",
       "#f7f4ee"},
      {
          {.name = "trail-source", .kind = PageKind::kSample, .title = "The source", .note = "before the effect",
           .art = ArrowSource},
          page("trail-default", "25 copies, 100 pt down and to the right", {}, "the defaults: fading to white"),
          page("trail-uniform-turn", "8 even steps, turning 180° and shrinking to 30 %",
               {"steps=8", "spacing=1", "angle=180", "endSize=30,30", "dragAngle=90", "dragLength=120", "dragOffset=0,120"}),
          page("trail-opacity", "Accelerating, fading out to 10 % opacity, on top",
               {"steps=12", "spacing=2", "endOpacity=10", "stacking=0", "dragAngle=180", "dragLength=140", "dragOffset=-140,0"}),
          page("trail-gradient", "A gradient fill: every copy gets its own gradient, its stops mixed",
               {"steps=10", "dragAngle=-30", "dragLength=150", "dragOffset=129.9,-75", "endSize=60,60", "angle=-90"}, "", GradientDisc),
          {.name = "trail-disc", .kind = PageKind::kSample, .title = "The gradient disc",
           .note = "before the tool", .art = GradientDisc},
          ToolSessionPage("trail-tool", "The Trail tool dragged down and to the left",
                          "the copies are plain art in a group below the arrow", ArrowSource),
          ToolSessionPage("trail-tool-gradient", "The Trail tool on the gradient disc", "", GradientDisc),
      },
  };
}

}  // namespace vxcli::gallery
