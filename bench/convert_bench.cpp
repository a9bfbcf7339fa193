// vellumix4 convert on a drawing of 2.7 MB with 50,000 cubic segments (made
// here, the way drawing programs write: groups with transforms, classes styled
// by a style sheet, long path data with four decimals): reading, writing, and
// the whole process as a person runs it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "svg/svg_io.h"

namespace {

constexpr int kPaths = 500;
constexpr int kSegmentsPerPath = 100;  // 50,000 in all

// A fixed sequence of coordinates, the same on every run.
class Coordinates {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 1000;
  }

 private:
  uint64_t state_ = 42;
};

std::string Drawing() {
  Coordinates random;
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1000\" height=\"1000\" viewBox=\"0 0 1000 1000\">\n"
      "<style>.a { fill: #3daee9; stroke: #232629 } .b { fill: none; stroke: #da4453; stroke-width: 2 }</style>\n";
  char number[32];
  auto append = [&](double value) {
    std::snprintf(number, sizeof number, "%.4f ", value);
    svg += number;
  };
  for (int p = 0; p < kPaths; ++p) {
    if (p % 50 == 0) {
      if (p > 0) svg += "</g>\n";
      svg += "<g transform=\"translate(" + std::to_string(p % 7) + " " + std::to_string(p % 5) + ") rotate(" +
             std::to_string(p % 13) + ")\">\n";
    }
    svg += std::string("<path class=\"") + (p % 2 == 0 ? "a" : "b") + "\" d=\"M ";
    append(random.Next());
    append(random.Next());
    for (int s = 0; s < kSegmentsPerPath; ++s) {
      svg += "C ";
      for (int k = 0; k < 6; ++k) append(random.Next());
    }
    svg += "Z\"/>\n";
  }
  svg += "</g>\n</svg>\n";
  return svg;
}

const std::string& DrawingText() {
  static const std::string text = Drawing();
  return text;
}

void BM_ReadDrawing(benchmark::State& state) {
  const std::string& text = DrawingText();
  for (auto _ : state) benchmark::DoNotOptimize(vxhost::svg::ReadSvg(text, "drawing.svg"));
  state.counters["bytes"] = static_cast<double>(text.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadDrawing)->Unit(benchmark::kMillisecond);

void BM_WriteDrawing(benchmark::State& state) {
  const auto document = vxhost::svg::ReadSvg(DrawingText(), "drawing.svg");
  for (auto _ : state) benchmark::DoNotOptimize(vxhost::svg::WriteSvg(*document));
}
BENCHMARK(BM_WriteDrawing)->Unit(benchmark::kMillisecond);

void BM_ReadAndWriteDrawing(benchmark::State& state) {
  const std::string& text = DrawingText();
  for (auto _ : state) benchmark::DoNotOptimize(vxhost::svg::WriteSvg(*vxhost::svg::ReadSvg(text, "drawing.svg")));
}
BENCHMARK(BM_ReadAndWriteDrawing)->Unit(benchmark::kMillisecond);

// `vellumix4 convert drawing.svg -o out.svg`, program start and files included.
void BM_ConvertProcess(benchmark::State& state) {
  std::string pattern = (std::filesystem::temp_directory_path() / "vx-convert-bench-XXXXXX").string();
  const std::filesystem::path dir = mkdtemp(pattern.data());
  const std::string input = (dir / "drawing.svg").string(), output = (dir / "out.svg").string();
  std::ofstream(input, std::ios::binary) << DrawingText();
  const std::string command = std::string(VX_CLI_PATH) + " convert -q " + input + " -o " + output;
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("vellumix4 convert failed");
      break;
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(BM_ConvertProcess)->Unit(benchmark::kMillisecond);

}  // namespace
