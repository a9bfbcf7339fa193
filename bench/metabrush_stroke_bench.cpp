// One MetaBrush stroke through PluginMain: a press, one drag message 9,995 pt
// long that places 1,000 stamps of a 50-anchor brush 10 pt wide (relative
// space 100 %), and the release. The stroke group is removed, untimed, before
// the next stroke.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "document/document.h"
#include "platform/clock.h"
#include "tool_bench_session.h"
#include "tool_driver.h"

namespace {

constexpr int kBrushAnchors = 50;
constexpr int kStamps = 1000;

vxhost::Document* gDocument = nullptr;

void DrawBrush(vxhost::Document& document) {
  std::vector<ai::RealPoint> points;
  for (int i = 0; i < kBrushAnchors; ++i) {
    const double a = 2 * M_PI * i / kBrushAnchors;
    points.push_back({5 * std::cos(a), 5 * std::sin(a)});
  }
  vxbench::ToolBenchSession::AddSelectedPath(document, points);
  gDocument = &document;
}

void BM_MetaBrushStroke(benchmark::State& state) {
  vxbench::ToolBenchSession session("メタブラシツール", {0, 0}, DrawBrush);
  // The session's own press is let go first: every stroke below is whole.
  session.driver->MouseUp({0, 0}, ai::modifier::kCancel);
  uint32_t ticks = 2000;
  int64_t stamps = 0;
  for (auto _ : state) {
    platform::SetTickCount(ticks += 16);
    session.driver->MouseDown({0, 0});
    platform::SetTickCount(ticks += 16);
    benchmark::DoNotOptimize(session.driver->MouseDrag({kStamps * 10.0 - 5, 0}));
    platform::SetTickCount(ticks += 16);
    session.driver->MouseUp({kStamps * 10.0 - 5, 0});
    state.PauseTiming();
    vxhost::Art* group = gDocument->currentLayer()->group->firstChild;
    if (group != nullptr && group->kind == ai::art_kind::kGroup) {
      stamps += static_cast<int64_t>(group->Children().size());
      gDocument->Dispose(group);
    }
    state.ResumeTiming();
  }
  state.counters["stamps/s"] = benchmark::Counter(static_cast<double>(stamps), benchmark::Counter::kIsRate);
  state.counters["stamps/stroke"] =
      benchmark::Counter(static_cast<double>(stamps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MetaBrushStroke)->Unit(benchmark::kMillisecond);

}  // namespace
