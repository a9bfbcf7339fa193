// Regenerating one Live Circle object of 1,000 copies of a 200-anchor path
// through the host's update, against a floor that only copies the same
// segments and turns their points with no host in between: the cost per copy
// the placement adds over the bare arithmetic.
#include <cmath>
#include <numbers>
#include <vector>

#include "effects/circle/circle_params.h"
#include "frame/effect_table.h"
#include "live_object_bench.h"

namespace {

constexpr int kCopies = 1000;
constexpr int kAnchors = 200;

std::vector<ai::SegRecord> Star() {
  std::vector<ai::SegRecord> segments;
  for (int k = 0; k < kAnchors; ++k) {
    const double angle = 2 * std::numbers::pi * k / kAnchors;
    const double radius = k % 2 == 0 ? 40 : 25;
    const ai::RealPoint p{radius * std::cos(angle), radius * std::sin(angle)};
    segments.push_back({p, p, p, 1, 0});
  }
  return segments;
}

void BM_RegenerateCircle1000Copies(benchmark::State& state) {
  vx::CirclePGParams params{};
  vx::SetRecordDefaults(vx::kCirclePGParamsSpec, &params, "");
  params.copyCount = kCopies;
  params.showCenterMark = 0;
  vxbench::LiveObjectBench bench(vx::kCircleEffect, &params, 0, 1, false);
  if (bench.document() != nullptr) {
    vxhost::Art* path = bench.document()->NewArt(ai::art_kind::kPath);
    path->segments = Star();
    path->closed = true;
    path->style.fillPaint = 1;
    path->style.fillColor = vxbench::Three(1, 0.5, 0);
    bench.document()->Insert(path, ai::placement::kInsideOnTop, bench.live()->editGroup);
  }
  bench.Run(state, kCopies);
  const vxhost::Art* result = bench.live()->resultGroup->firstChild;
  if (result == nullptr || result->Children().size() != static_cast<size_t>(kCopies))
    state.SkipWithError("unexpected number of copies");
  state.counters["time/copy"] = benchmark::Counter(static_cast<double>(kCopies) * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RegenerateCircle1000Copies)->Unit(benchmark::kMillisecond);

// The floor: each copy's segments copied into a fresh vector and every point
// turned about the ring centre, as the host's transformation does.
void BM_CopyAndTurnFloor(benchmark::State& state) {
  const std::vector<ai::SegRecord> source = Star();
  std::vector<std::vector<ai::SegRecord>> copies(kCopies);
  for (auto _ : state) {
    const double step = 2 * std::numbers::pi / kCopies;
    for (int i = 0; i < kCopies; ++i) {
      std::vector<ai::SegRecord> copy = source;
      const double c = std::cos(i * step), s = std::sin(i * step);
      const auto turn = [&](ai::RealPoint& p) {
        const double x = p.x + 100, y = p.y;
        p = {x * c - y * s - 100, x * s + y * c};
      };
      for (ai::SegRecord& segment : copy) {
        turn(segment.anchor);
        turn(segment.in);
        turn(segment.out);
      }
      copies[i] = std::move(copy);
    }
    benchmark::DoNotOptimize(copies.data());
  }
  state.counters["time/copy"] = benchmark::Counter(static_cast<double>(kCopies) * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CopyAndTurnFloor)->Unit(benchmark::kMillisecond);

}  // namespace
