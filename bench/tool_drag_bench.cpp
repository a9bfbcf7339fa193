// One drag message of a distortion tool through PluginMain: the host's undo
// takes the previous drag back, and 16 closed paths of 2,000 anchors (32,000 in
// all) are deformed again from their mouse-down geometry: the Warp tool with
// shape 0, the Craft tool in twirl mode, the Lens tool as a fish-eye, the
// Roughening tool.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "tools/craft/craft_params.h"
#include "tools/rough/rough_params.h"
#include "host.h"
#include "platform/clock.h"
#include "plugin_loader.h"
#include "tool_bench_session.h"
#include "tool_driver.h"

namespace {

constexpr int kPaths = 16;
constexpr int kAnchors = 2000;

// Rings of corner anchors around the origin, every one selected.
void DrawRings(vxhost::Document& document) {
  for (int p = 0; p < kPaths; ++p) {
    const double radius = 100 + 20 * p;
    std::vector<ai::RealPoint> points;
    for (int i = 0; i < kAnchors; ++i) {
      const double a = 2 * M_PI * i / kAnchors;
      points.push_back({radius * std::cos(a), radius * std::sin(a)});
    }
    vxbench::ToolBenchSession::AddSelectedPath(document, points);
  }
}

struct Session : vxbench::ToolBenchSession {
  explicit Session(const char* tool = "ワープツール", ai::RealPoint press = {100, 0})
      : ToolBenchSession(tool, press, DrawRings, [tool] {
          if (std::string(tool) == "クラフトツール")
            static_cast<vx::CraftToolParams*>(vx::Globals()->toolRecords[3])->mode = 3;  // twirl
          if (std::string(tool) == "ラフツール")  // every ring inside the circle
            static_cast<vx::RoughToolParams*>(vx::Globals()->toolRecords[4])->areaRadius = 1000;
        }) {}
};

void BM_WarpDragMessage(benchmark::State& state) {
  Session session;
  uint32_t ticks = 1000;
  int64_t anchors = 0;
  bool up = false;
  for (auto _ : state) {
    platform::SetTickCount(ticks += 16);
    up = !up;
    benchmark::DoNotOptimize(session.driver->MouseDrag({100, up ? 60.0 : 40.0}));
    anchors += kPaths * kAnchors;
  }
  state.counters["anchors/s"] = benchmark::Counter(static_cast<double>(anchors), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WarpDragMessage)->Unit(benchmark::kMillisecond);

// Drags alternating between two points, each message deforming again.
void DragBetween(benchmark::State& state, const char* tool, ai::RealPoint press, ai::RealPoint a, ai::RealPoint b) {
  Session session(tool, press);
  uint32_t ticks = 1000;
  bool first = false;
  for (auto _ : state) {
    platform::SetTickCount(ticks += 16);
    first = !first;
    benchmark::DoNotOptimize(session.driver->MouseDrag(first ? a : b));
  }
}

// The circle of radius 100 around (100, 0) turned by circling the press.
void BM_CraftTwirlDragMessage(benchmark::State& state) {
  DragBetween(state, "クラフトツール", {100, 0}, {100, 60}, {40, 0});
}
BENCHMARK(BM_CraftTwirlDragMessage)->Unit(benchmark::kMillisecond);

// A 100 x 100 lens carried across the rings near (150, 0).
void BM_LensFishEyeDragMessage(benchmark::State& state) {
  DragBetween(state, "レンズツール", {190, -40}, {200, -50}, {210, -60});
}
BENCHMARK(BM_LensFishEyeDragMessage)->Unit(benchmark::kMillisecond);

// Roughening every anchor of the rings (density 3.6, amplitude 10 or 15): one
// random value per anchor, chords already shorter than the density asks.
void BM_RoughDragMessage(benchmark::State& state) {
  DragBetween(state, "ラフツール", {100, 0}, {136, 20}, {136, 30});
}
BENCHMARK(BM_RoughDragMessage)->Unit(benchmark::kMillisecond);

}  // namespace
