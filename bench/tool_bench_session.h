// A host with the plug-in started, a settings folder of its own, a document of
// selected paths and a tool chosen and pressed: what a drag-message benchmark
// measures against. The press is released (cancelled) when it ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "document/document.h"
#include "host.h"
#include "platform/clock.h"
#include "plugin_loader.h"
#include "tool_driver.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace vxbench {

struct ToolBenchSession {
  // `draw` puts the art into the document; `chosen` runs once the tool is chosen.
  ToolBenchSession(const char* tool, ai::RealPoint press, const std::function<void(vxhost::Document&)>& draw,
                   const std::function<void()>& chosen = {})
      : press(press) {
    char pattern[] = "/tmp/vx_bench_settings_XXXXXX";
    settings = mkdtemp(pattern);
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    vxhost::HostOptions options;
    options.echoAlerts = false;
    host = std::make_unique<vxhost::Host>(options);
    plugin = &host->AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
    plugin->Startup();
    draw(host->OpenDocument(std::make_unique<vxhost::Document>()));
    driver = std::make_unique<vxhost::ToolDriver>(*host, *plugin);
    driver->Choose(tool);
    if (chosen) chosen();
    platform::SetTickCount(1000);
    driver->MouseDown(press);
  }
  ~ToolBenchSession() {
    driver->MouseUp(press, ai::modifier::kCancel);
    driver->Deselect();
    plugin->Shutdown();
    driver.reset();
    host.reset();
    platform::SetTickCount(std::nullopt);
    std::filesystem::remove_all(settings);
  }

  // A selected closed path of corner anchors, at the bottom of the current layer.
  template <class Points>
  static void AddSelectedPath(vxhost::Document& document, const Points& points) {
    vxhost::Art* path = document.NewArt(ai::art_kind::kPath);
    for (const ai::RealPoint point : points) path->segments.push_back({point, point, point, 1, 0});
    path->closed = true;
    path->userAttributes = ai::art_attr::kSelected;
    document.Insert(path, ai::placement::kInsideAtBottom, document.currentLayer()->group);
  }

  ai::RealPoint press;
  std::string settings;
  std::unique_ptr<vxhost::Host> host;
  vxhost::LoadedPlugin* plugin = nullptr;
  std::unique_ptr<vxhost::ToolDriver> driver;
};

}  // namespace vxbench
