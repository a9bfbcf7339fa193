// The subdivided sphere mapping: Transform3D over 10,000 segments, against a
// floor loop that only maps and projects the same eight points per segment
// with the sphere's point mapping, with no host calls, splits or copies.
// Fine: 10 closed circles of 1,000 anchors (segments too short to be split).
// Coarse: 100 closed circles of 100 anchors (long segments, split as needed).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench_drawing.h"
#include "document/document.h"
#include "geometry/bezier.h"
#include "threed/shape3d.h"

namespace {

template <int kPaths, int kAnchors>
struct Drawing : vxbench::BenchDrawing {
  Drawing() {
    for (int p = 0; p < kPaths; ++p) {
      const double radius = 200.0 * (p + 1) / kPaths;
      std::vector<vx::SegRecord> segments;
      for (int i = 0; i < kAnchors; ++i) {
        const double a = 2 * M_PI * i / kAnchors;
        const ai::RealPoint point{200 + radius * std::cos(a), 200 + radius * std::sin(a)};
        segments.push_back({point, point, point, 1, 0});
      }
      AddPath(std::move(segments), true);
    }
  }
};

vx::_3DTFilterParams Sphere() {
  vx::_3DTFilterParams params{};
  vx::Set3DShapeDefaults(params, 8);
  return params;
}

template <int kPaths, int kAnchors>
void BM_SphereSubdivided(benchmark::State& state) {
  Drawing<kPaths, kAnchors> drawing;
  const vx::_3DTFilterParams params = Sphere();
  const auto layer = reinterpret_cast<ai::ArtHandle>(drawing.document->currentLayer()->group);
  int64_t segments = 0;
  for (auto _ : state) {
    state.PauseTiming();
    drawing.Restore();
    state.ResumeTiming();
    if (vx::Transform3D(layer, params) != ai::kNoError) state.SkipWithError("the mapping failed");
    segments += kPaths * kAnchors;
  }
  size_t written = 0;
  for (const vxhost::Art* path : drawing.paths) written += path->segments.size();
  state.counters["anchors written"] = static_cast<double>(written);
  state.counters["segments/s"] = benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsRate);
}

template <int kPaths, int kAnchors>
void BM_SpherePointFloor(benchmark::State& state) {
  Drawing<kPaths, kAnchors> drawing;
  vx::Shape3DState shape;
  vx::Prepare3DShape(Sphere(), {0, 400, 400, 0}, shape);
  int64_t segments = 0;
  for (auto _ : state) {
    for (const auto& original : drawing.originals) {
      for (int i = 0; i < kAnchors; ++i) {
        const vx::SegmentPair pair{original[static_cast<size_t>(i)], original[static_cast<size_t>((i + 1) % kAnchors)]};
        ai::RealPoint points[8] = {pair.p0(), pair.p1(), pair.p2(), pair.p3(), vx::SamplePoint(pair, 0),
                                   vx::SamplePoint(pair, 1), vx::SamplePoint(pair, 2), vx::SamplePoint(pair, 3)};
        for (ai::RealPoint& point : points) {
          double x = point.x - shape.origin.x, y = point.y - shape.origin.y, z = 0;
          benchmark::DoNotOptimize(vx::MapPoint3D(shape, x, y, z));
          point = vx::Project3D(shape.viewerDistance, x, y, z);
        }
        benchmark::DoNotOptimize(points);
      }
    }
    segments += kPaths * kAnchors;
  }
  state.counters["segments/s"] = benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SphereSubdivided<10, 1000>)->Name("BM_SphereSubdivided/fine")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpherePointFloor<10, 1000>)->Name("BM_SpherePointFloor/fine")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SphereSubdivided<100, 100>)->Name("BM_SphereSubdivided/coarse")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpherePointFloor<100, 100>)->Name("BM_SpherePointFloor/coarse")->Unit(benchmark::kMillisecond);

}  // namespace
