// Live Galaxy on an arrow: the even arms of the defaults, arms bent and
// varied by their seeded deviations, and arms of copies that keep their angle.
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

GalleryChapter GalaxyChapter() {
  auto page = [](std::string name, std::string title, std::vector<std::string> sets, std::string note = "") {
    return GalleryPage{.name = std::move(name), .kind = PageKind::kLiveEffect, .title = std::move(title),
                       .sets = std::move(sets), .note = std::move(note), .subject = "galaxy", .art = ArrowSource};
  };
  // The pages keep one seed, so that the gallery draws the same arms every time.
  const std::vector<std::string> seeded = {"reproduceRandom=1", "randomSeed=20261210"};
  auto with = [&](std::vector<std::string> sets) {
    sets.insert(sets.end(), seeded.begin(), seeded.end());
    return sets;
  };
  return {
      {"galaxy", "Live Galaxy",
       "Copies of the object in spiral arms around a centre left of it: each arm starts at an evenly stepped "
       "angle and runs outward in a chain of copies that twist and shrink towards the tip; the arms can deviate "
       "at random in direction, twist, length, start and size, repeatably from a stored seed.",
       "#10142a"},
      {
          {.name = "galaxy-source", .kind = PageKind::kSample, .title = "The source", .note = "before the effect",
           .art = ArrowSource},
          page("galaxy-default", "8 arms of 16 copies", with({}), "the defaults: a 90° twist, the tip at 10 %"),
          page("galaxy-deviations", "Kinked arms of random length and size",
               with({"branchCount=6", "elementCount=24", "branchKink=25", "twistJitter=60", "spreadJitter=120",
                     "sizeJitter=40", "angleJitter=20", "coreJitter=20"}),
               "every arm draws its own deviations from the seed"),
          page("galaxy-keep-angle", "Copies keeping their angle, stacked below",
               with({"branchCount=5", "elementCount=12", "branchTwist=180", "keepAngle=1", "stackBelow=1",
                     "tipScale=40", "showCenterMark=0"})),
          page("galaxy-single", "24 arms of one copy each",
               with({"branchCount=24", "elementCount=1", "angleJitter=10", "coreRadius=80"}),
               "a ring with a random deviation of each copy's direction"),
      },
  };
}

}  // namespace vxcli::gallery
