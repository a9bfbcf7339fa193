// Cost of one host message through PluginMain: the decoder, the suite-holding
// check and the unhandled-message path, as every palette and tool event pays it.
#include <benchmark/benchmark.h>

#include "host.h"
#include "plugin_loader.h"

namespace {

void BM_MenuMessageRoundTrip(benchmark::State& state) {
  vxhost::Host host({.echoAlerts = false});
  vxhost::LoadedPlugin& plugin = host.LoadPlugin(VX_PLUGIN_PATH);
  if (plugin.Startup() != ai::kNoError) {
    state.SkipWithError("the plug-in did not start");
    return;
  }
  ai::MenuMessage message{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(plugin.Send(ai::callers::kMenu, ai::selectors::kUpdate, message));
    host.log().Clear();
  }
  plugin.Shutdown();
}
BENCHMARK(BM_MenuMessageRoundTrip);

void BM_StartupShutdown(benchmark::State& state) {
  vxhost::Host host({.echoAlerts = false});
  vxhost::LoadedPlugin& plugin = host.LoadPlugin(VX_PLUGIN_PATH);
  for (auto _ : state) {
    benchmark::DoNotOptimize(plugin.Startup());
    benchmark::DoNotOptimize(plugin.Shutdown());
  }
}
BENCHMARK(BM_StartupShutdown);

}  // namespace
