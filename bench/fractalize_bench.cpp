// Fractalize's throughput: 1,000 segments taken to level 3 with the Koch
// generator (64,000 output segments), against a floor loop that only writes
// the same output segments from the generator with no host calls. A single
// path of 1,000 segments would pass the 31,999-anchor limit at level 3, so the
// 1,000 segments are four open paths of 250.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "bench_drawing.h"
#include "fractalize/fractalize.h"

namespace {

constexpr int kPaths = 4;
constexpr int kSegmentsPerPath = 250;
constexpr uint32_t kKoch = 6;
constexpr uint32_t kLevel = 3;

vx::FractalizeParams Params(double density) {
  vx::FractalizeParams record{};
  vx::SetRecordDefaults(vx::kFractalizeParamsSpec, &record, "");
  record.generator = kKoch;
  record.level = kLevel;
  record.density = density;
  record.uneven = density > 0 ? 5 : 0;
  return record;
}

// Gentle zigzags of corner anchors, 12 pt a step.
struct Drawing : vxbench::BenchDrawing {
  Drawing() {
    for (int p = 0; p < kPaths; ++p) {
      std::vector<vx::SegRecord> segments;
      for (int i = 0; i <= kSegmentsPerPath; ++i) {
        const ai::RealPoint point{12.0 * i, 200.0 * p + (i % 2 == 0 ? 0 : 5)};
        segments.push_back({point, point, point, 1, 0});
      }
      AddPath(std::move(segments), false);
    }
  }
};

void Fractalize(benchmark::State& state, double density) {
  Drawing drawing;
  const vx::FractalizeParams record = Params(density);
  vx::Generator generator;
  if (vx::PrepareGenerator(record, generator) != ai::kNoError) state.SkipWithError("no generator");
  int64_t segments = 0;
  for (auto _ : state) {
    state.PauseTiming();
    drawing.Restore();
    vx::suites::Random().setSeed(7);
    state.ResumeTiming();
    for (vxhost::Art* path : drawing.paths) {
      if (vx::FractalizePath(record, generator, reinterpret_cast<ai::ArtHandle>(path)) != ai::kNoError)
        state.SkipWithError("fractalize failed");
      segments += static_cast<int64_t>(path->segments.size()) - 1;
    }
  }
  state.counters["segments/s"] = benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsRate);
}

void BM_FractalizeLevel3(benchmark::State& state) { Fractalize(state, 0); }
BENCHMARK(BM_FractalizeLevel3)->Unit(benchmark::kMillisecond);

// With the distortion on: density 10 (pieces of 7.2 pt leave the 12 pt steps
// whole, since more anchors would pass the limit at level 3) and every anchor
// shaken by up to 2.5 pt, one random number each.
void BM_FractalizeLevel3Distorted(benchmark::State& state) { Fractalize(state, 10); }
BENCHMARK(BM_FractalizeLevel3Distorted)->Unit(benchmark::kMillisecond);

// The floor: the level-2 anchors of every path are given; the loop only maps
// the generator onto each of their segments and writes the output records.
void BM_FloorWriteOutputSegments(benchmark::State& state) {
  Drawing drawing;
  const vx::FractalizeParams record = Params(0);
  vx::Generator generator;
  if (vx::PrepareGenerator(record, generator) != ai::kNoError) state.SkipWithError("no generator");
  const vx::SegRecord* g = generator.records();
  const int32_t b = generator.count;
  // The anchors the last level starts from, made once outside the timing.
  std::vector<std::vector<ai::RealPoint>> levelTwo;
  vx::FractalizeParams two = record;
  two.level = kLevel - 1;
  for (vxhost::Art* path : drawing.paths) {
    if (vx::FractalizePath(two, generator, reinterpret_cast<ai::ArtHandle>(path)) != ai::kNoError)
      state.SkipWithError("fractalize failed");
    std::vector<ai::RealPoint> anchors;
    for (const vx::SegRecord& s : path->segments) anchors.push_back(s.anchor);
    levelTwo.push_back(std::move(anchors));
  }
  std::vector<vx::SegRecord> out;
  out.reserve(static_cast<size_t>(kSegmentsPerPath) * 64 + 1);
  int64_t segments = 0;
  for (auto _ : state) {
    for (const std::vector<ai::RealPoint>& anchors : levelTwo) {
      out.clear();
      out.push_back({anchors[0], anchors[0], anchors[0], 1, 0});
      for (size_t u = 0; u + 1 < anchors.size(); ++u) {
        const ai::RealPoint a = anchors[u], e = anchors[u + 1];
        const double ux = (e.x - a.x) / generator.chord, uy = (e.y - a.y) / generator.chord;
        for (int32_t j = 1; j < b; ++j) {
          const ai::RealPoint p{a.x + g[j].anchor.x * ux - g[j].anchor.y * uy, a.y + g[j].anchor.x * uy + g[j].anchor.y * ux};
          out.push_back({p, p, p, g[j].corner, 0});
        }
      }
      benchmark::DoNotOptimize(out.data());
      segments += static_cast<int64_t>(out.size()) - 1;
    }
  }
  state.counters["segments/s"] = benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FloorWriteOutputSegments)->Unit(benchmark::kMillisecond);

}  // namespace
