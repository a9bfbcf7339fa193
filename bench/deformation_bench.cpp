// The deformation engine's throughput: MapSegmentRun over 16 closed paths of
// 2,000 anchors (32,000 in all) with a circular mapper, against a floor loop that
// only evaluates the same mapper at the same sample points with no host calls,
// splits or copies.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "bench_drawing.h"
#include "document/document.h"
#include "frame/suite_set.h"
#include "geometry/deformation.h"
#include "host.h"

namespace {

struct Bulge {
  ai::RealPoint centre;
  double radius;
  ai::Code operator()(ai::RealPoint& p) const {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    const double distance = std::hypot(dx, dy);
    if (distance >= radius) return vx::kPointUntouched;
    const double push = 1 + 0.2 * (1 - distance / radius);
    p = {centre.x + dx * push, centre.y + dy * push};
    return ai::kNoError;
  }
};

constexpr int kPaths = 16;
constexpr int kAnchors = 2000;
const Bulge kMapper{{0, 0}, 400};

// Circles of corner anchors, one inside the other.
struct Drawing : vxbench::BenchDrawing {
  Drawing() {
    for (int p = 0; p < kPaths; ++p) {
      const double radius = 100 + 20 * p;
      std::vector<vx::SegRecord> segments;
      for (int i = 0; i < kAnchors; ++i) {
        const double a = 2 * M_PI * i / kAnchors;
        const ai::RealPoint point{radius * std::cos(a), radius * std::sin(a)};
        segments.push_back({point, point, point, 1, 0});
      }
      AddPath(std::move(segments), true);
    }
  }
};

void BM_MapSegmentRun(benchmark::State& state) {
  Drawing drawing;
  std::vector<vx::SegRecord> run(vx::kMaxRunSegments);
  int64_t segments = 0;
  for (auto _ : state) {
    state.PauseTiming();
    drawing.Restore();
    state.ResumeTiming();
    for (vxhost::Art* path : drawing.paths) {
      benchmark::DoNotOptimize(vx::MapSegmentRun(reinterpret_cast<ai::ArtHandle>(path), run.data(),
                                                 [](vx::SegmentPair& pair, bool check) {
                                                   return vx::MapSegmentInCircle(kMapper, pair, check, 400,
                                                                                 kMapper.centre);
                                                 }));
    }
    segments += kPaths * kAnchors;
  }
  state.counters["segments/s"] = benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MapSegmentRun)->Unit(benchmark::kMillisecond);

// The same mapper at the same eight points per segment, nothing else.
void BM_MapperFloor(benchmark::State& state) {
  Drawing drawing;
  int64_t segments = 0;
  for (auto _ : state) {
    for (const auto& original : drawing.originals) {
      for (int i = 0; i < kAnchors; ++i) {
        const vx::SegmentPair pair{original[static_cast<size_t>(i)], original[static_cast<size_t>((i + 1) % kAnchors)]};
        ai::RealPoint points[8] = {pair.p0(), pair.p1(), pair.p2(), pair.p3(), vx::SamplePoint(pair, 0),
                                   vx::SamplePoint(pair, 1), vx::SamplePoint(pair, 2), vx::SamplePoint(pair, 3)};
        for (ai::RealPoint& point : points) benchmark::DoNotOptimize(kMapper(point));
        benchmark::DoNotOptimize(points);
      }
    }
    segments += kPaths * kAnchors;
  }
  state.counters["segments/s"] = benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MapperFloor)->Unit(benchmark::kMillisecond);

}  // namespace
