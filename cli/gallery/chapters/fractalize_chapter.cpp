// Fractalize: each of the fourteen generators at one and two levels on a
// triangle, a square and a line, then uneven distortion and the live effect.
#include "commands/fractalize.h"
#include "commands/tool.h"
#include "fractalize/generator_shapes.h"
#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {
namespace {

std::vector<SampleObject> FractalArt() {
  return {
      {"triangle", "<path id=\"triangle\" d=\"M20 120 L80 16 L140 120 Z\" fill=\"#fde2c4\" stroke=\"#c4571b\" "
                   "stroke-width=\"1.5\" stroke-linejoin=\"round\"/>"},
      {"square", "<path id=\"square\" d=\"M170 30 H260 V120 H170 Z\" fill=\"#d7ecff\" vx:fill=\"cmyk 0.15 0.05 0 0\" "
                 "stroke=\"#1d4e89\" vx:stroke=\"cmyk 0.9 0.6 0 0.1\" stroke-width=\"1.5\" stroke-linejoin=\"round\"/>"},
      {"line", "<path id=\"line\" d=\"M20 150 H260\" fill=\"none\" stroke=\"#333333\" vx:stroke=\"gray 0.8\" "
               "stroke-width=\"1.5\"/>"},
  };
}

GalleryPage Fractal(std::string name, std::string title, std::vector<std::string> sets, std::string note,
                    bool live = false) {
  GalleryPage page{.name = std::move(name), .kind = PageKind::kCustom, .title = std::move(title),
                   .sets = std::move(sets), .note = std::move(note), .subject = "fractalize", .art = FractalArt};
  page.make = [live](Session& session, vxhost::Document& document, const GalleryPage& made) {
    SelectArt(document, {});
    FractalizeUse use;
    use.live = live;
    use.sets = made.sets;
    use.seed = 42;
    try {
      UseFractalize(session, use);
    } catch (const FractalizeError& error) {
      throw std::runtime_error(made.name + ": " + error.what());
    }
  };
  return page;
}

}  // namespace

GalleryChapter FractalizeChapter() {
  GalleryChapter chapter{
      {"fractalize", "Fractalize",
       "Every segment replaced by a generator shape, level by level; density 0 keeps the generators exact, "
       "the last pages add uneven distortion from the seeded random sequence (seed 42).",
       "#ffffff"},
      {{.name = "fractalize-source", .kind = PageKind::kSample, .title = "The art", .note = "before the filter",
        .art = FractalArt}},
  };
  for (int generator = 1; generator <= vx::kGeneratorCount; ++generator) {
    const std::string shape = vx::GeneratorShapes()[static_cast<size_t>(generator - 1)].name;
    for (int level = 1; level <= 2; ++level) {
      // Some generators grow the art several times over by the second level:
      // each generator's two levels share a canvas of their own.
      chapter.pages.push_back(Fractal("fractalize-g" + std::to_string(generator) + "-l" + std::to_string(level),
                                      shape + ", level " + std::to_string(level),
                                      {"generator=" + std::to_string(generator), "level=" + std::to_string(level),
                                       "density=0"},
                                      ""));
      chapter.pages.back().canvas = "fractalize-g" + std::to_string(generator);
    }
  }
  chapter.pages.push_back(Fractal("fractalize-uneven", "Uneven distortion",
                                  {"generator=6", "level=2", "density=10", "uneven=15"},
                                  "the Koch generator shaken by 15 %"));
  chapter.pages.push_back(Fractal("fractalize-live", "As a live effect",
                                  {"generator=6", "level=2", "density=0"}, "the paths stay editable", true));
  return chapter;
}

}  // namespace vxcli::gallery
