// One drag message of the Trail tool through PluginMain on 1,000 selected
// squares: the host's undo takes the previous outlines back, the working table
// of 25 steps is built again and 25 outlines of the selection's box are drawn.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "document/document.h"
#include "host.h"
#include "platform/clock.h"
#include "plugin_loader.h"
#include "tool_bench_session.h"
#include "tool_driver.h"

namespace {

constexpr int kPaths = 1000;

// 1,000 selected 10 x 10 squares in rows of forty.
void DrawSquares(vxhost::Document& document) {
  for (int p = 0; p < kPaths; ++p) {
    const double x = 12.0 * (p % 40), y = 12.0 * (p / 40);
    const ai::RealPoint corners[] = {{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}};
    vxbench::ToolBenchSession::AddSelectedPath(document, corners);
  }
}

struct Session : vxbench::ToolBenchSession {
  Session() : ToolBenchSession("トレイルツール", {0, 0}, DrawSquares) {}
};

void BM_TrailDragMessage(benchmark::State& state) {
  Session session;
  uint32_t ticks = 1000;
  bool up = false;
  for (auto _ : state) {
    platform::SetTickCount(ticks += 16);
    up = !up;
    benchmark::DoNotOptimize(session.driver->MouseDrag({100, up ? 60.0 : 40.0}));
  }
}
BENCHMARK(BM_TrailDragMessage)->Unit(benchmark::kMillisecond);

}  // namespace
