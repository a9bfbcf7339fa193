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
#include "tool_driver.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr int kPaths = 1000;

struct Session {
  Session() {
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
      const double x = 12.0 * (p % 40), y = 12.0 * (p / 40);
      for (const ai::RealPoint point : {ai::RealPoint{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}})
        path->segments.push_back({point, point, point, 1, 0});
      path->closed = true;
      path->userAttributes = ai::art_attr::kSelected;
      document.Insert(path, ai::placement::kInsideAtBottom, document.currentLayer()->group);
    }
    driver = std::make_unique<vxhost::ToolDriver>(*host, *plugin);
    driver->Choose("トレイルツール");
    platform::SetTickCount(1000);
    driver->MouseDown({0, 0});
  }
  ~Session() {
    driver->MouseUp({0, 0}, ai::modifier::kCancel);
    driver->Deselect();
    plugin->Shutdown();
    driver.reset();
    host.reset();
    platform::SetTickCount(std::nullopt);
    std::filesystem::remove_all(settings);
  }

  std::string settings;
  std::unique_ptr<vxhost::Host> host;
  vxhost::LoadedPlugin* plugin = nullptr;
  std::unique_ptr<vxhost::ToolDriver> driver;
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
