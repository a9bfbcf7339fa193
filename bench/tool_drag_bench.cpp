// One drag message of a distortion tool through PluginMain: the host's undo
// takes the previous drag back, and 16 closed paths of 2,000 anchors (32,000 in
// all) are deformed again from their mouse-down geometry: the Warp tool with
// shape 0, the Craft tool in twirl mode, the Lens tool as a fish-eye.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "document/document.h"
#include "frame/globals.h"
#include "tools/craft/craft_params.h"
#include "host.h"
#include "platform/clock.h"
#include "plugin_loader.h"
#include "tool_driver.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr int kPaths = 16;
constexpr int kAnchors = 2000;

struct Session {
  explicit Session(const char* tool = "ワープツール", ai::RealPoint press = {100, 0}) : press(press) {
    char pattern[] = "/tmp/vx_bench_settings_XXXXXX";
    settings = mkdtemp(pattern);
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    vxhost::HostOptions options;
    options.echoAlerts = false;
    host = std::make_unique<vxhost::Host>(options);
    plugin = &host->AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
    plugin->Startup();
    vxhost::Document& document = host->OpenDocument(std::make_unique<vxhost::Document>());
    for (int p = 0; p < kPaths; ++p) {
      vxhost::Art* path = document.NewArt(ai::art_kind::kPath);
      const double radius = 100 + 20 * p;
      for (int i = 0; i < kAnchors; ++i) {
        const double a = 2 * M_PI * i / kAnchors;
        const ai::RealPoint point{radius * std::cos(a), radius * std::sin(a)};
        path->segments.push_back({point, point, point, 1, 0});
      }
      path->closed = true;
      path->userAttributes = ai::art_attr::kSelected;
      document.Insert(path, ai::placement::kInsideAtBottom, document.currentLayer()->group);
    }
    driver = std::make_unique<vxhost::ToolDriver>(*host, *plugin);
    driver->Choose(tool);
    if (std::string(tool) == "クラフトツール")
      static_cast<vx::CraftToolParams*>(vx::Globals()->toolRecords[3])->mode = 3;  // twirl
    platform::SetTickCount(1000);
    driver->MouseDown(press);
  }
  ~Session() {
    driver->MouseUp(press, ai::modifier::kCancel);
    driver->Deselect();
    plugin->Shutdown();
    driver.reset();
    host.reset();
    platform::SetTickCount(std::nullopt);
    std::filesystem::remove_all(settings);
  }

  ai::RealPoint press;
  std::string settings;
  std::unique_ptr<vxhost::Host> host;
  vxhost::LoadedPlugin* plugin = nullptr;
  std::unique_ptr<vxhost::ToolDriver> driver;
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

}  // namespace
