#include "commands/convert.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "render/pixels.h"
#include "render/rsvg.h"
#include "svg/svg_io.h"

namespace vxcli {
namespace {

namespace fs = std::filesystem;

// A private folder for the renderings, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "vellumix4-check-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("check: cannot make a temporary folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string File(const std::string& name, const std::string* contents = nullptr) const {
    const std::string path = (path_ / name).string();
    if (contents != nullptr) {
      std::ofstream file(path, std::ios::binary);
      file << *contents;
      if (!file.flush()) throw std::runtime_error("check: cannot write " + path);
    }
    return path;
  }

 private:
  fs::path path_;
};

// Both files are given to rsvg-convert on its standard input, so a reference
// relative to a file's folder resolves for neither and they are rendered alike.
render::Image Render(const std::string& svgPath, const std::string& pngPath, int size, const std::string& what) {
  const std::string pixels = std::to_string(size);
  switch (render::RunRsvgConvert({"-w", pixels, "-h", pixels}, svgPath, pngPath, /*fromStandardInput=*/true)) {
    case render::RenderResult::kWritten: break;
    case render::RenderResult::kNoRenderer:
      throw std::runtime_error("check: rsvg-convert is missing (install librsvg2-bin)");
    case render::RenderResult::kFailed: throw std::runtime_error("check: rsvg-convert cannot render " + what);
  }
  render::Image image;
  if (!render::ReadPng(pngPath, image)) throw std::runtime_error("check: cannot read the rendering of " + what);
  return image;
}

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f %%", 100 * share);
  return text;
}

}  // namespace

int RunConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
  const std::string text = vxhost::svg::ReadFileText(options.input);
  const std::string name = options.input == "-" ? "<stdin>" : options.input;
  std::vector<std::string> notes;
  const auto document = vxhost::svg::ReadSvg(text, name, &notes);
  if (!options.quiet)
    for (const std::string& note : notes) err << "vellumix4: " << name << ": " << note << "\n";
  if (!options.output.empty()) vxhost::svg::WriteSvgFile(*document, options.output);
  if (!options.check) return 0;

  const ScratchFolder scratch;
  const std::string written = vxhost::svg::WriteSvg(*document);
  const std::string inputPath = options.input == "-" ? scratch.File("input.svg", &text) : options.input;
  const std::string outputPath = scratch.File("output.svg", &written);
  const render::Image before = Render(inputPath, scratch.File("input.png"), options.checkSize, name);
  const render::Image after = Render(outputPath, scratch.File("output.png"), options.checkSize, "the written drawing");
  const render::PixelDifference d = render::ComparePixels(before, after, render::kChannelTolerance);

  std::ostream& report = options.output == "-" ? err : out;
  report << "check: " << Percent(d.Share()) << " of the pixels differ (" << d.differing << " of " << d.total << " at "
         << options.checkSize << " x " << options.checkSize << ", by more than " << render::kChannelTolerance
         << "/255; largest difference " << d.largest << "/255): "
         << (d.WithinTolerance() ? "renders as before" : "renders differently") << "\n";
  if (d.WithinTolerance()) return 0;
  err << "vellumix4: " << name << ": the written drawing renders differently from the input (" << Percent(d.Share())
      << " of the pixels differ, more than " << Percent(render::kPixelShareTolerance) << ")\n";
  return 1;
}

}  // namespace vxcli
