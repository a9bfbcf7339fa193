// The subdivided sphere mapping: Transform3D over 10,000 segments, against a
// floor loop that only maps and projects the same eight points per segment
// with the sphere's point mapping, with no host calls, splits or copies.
// Fine: 10 closed circles of 1,000 anchors (segments too short to be split).
// Coarse: 100 closed circles of 100 anchors (long segments, split as needed).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench_drawing.h"
#include "frame/context_guard.h"
#include "frame/plugin.h"
#include "threed/threed_effect.h"
#include "tool_bench_session.h"
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

// One drag message of the Live3D Rotate tool on a sphere object of 10 circles
// of 1,000 anchors: the working copy mapped anew, the object left alone.
void BM_Rotate3DDragMessage(benchmark::State& state) {
  vxhost::Document* drawn = nullptr;
  vxbench::ToolBenchSession session(
      "ライブ3D回転ツール", {200, 200},
      [&drawn](vxhost::Document& document) {
        drawn = &document;
        for (int p = 0; p < 10; ++p) {
          const double radius = 200.0 * (p + 1) / 10;
          std::vector<ai::RealPoint> points;
          for (int i = 0; i < 1000; ++i) {
            const double a = 2 * M_PI * i / 1000;
            points.push_back({200 + radius * std::cos(a), 200 + radius * std::sin(a)});
          }
          vxbench::ToolBenchSession::AddSelectedPath(document, points);
        }
      },
      [&drawn] {
        {
          vx::ContextGuard context(vx::GlobalPlugin()->pluginRef());
          vx::Apply3DShape(8, Sphere());
        }
        vx::ShowMappedCopy() = 1;
        drawn->SelectOnly({drawn->currentLayer()->group->firstChild});
      });
  uint32_t ticks = 1000;
  bool right = false;
  for (auto _ : state) {
    platform::SetTickCount(ticks += 16);
    right = !right;
    benchmark::DoNotOptimize(session.driver->MouseDrag({right ? 204.0 : 200.0, 200}));
  }
  if (session.host->document()->display.annotations.empty()) state.SkipWithError("no outline was drawn");
}
BENCHMARK(BM_Rotate3DDragMessage)->Unit(benchmark::kMillisecond);

}  // namespace
