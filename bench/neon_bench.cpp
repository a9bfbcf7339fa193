// Regenerating one Live Neon object whose source holds 1,000 stroked paths,
// each made into 21 copies (auto mid steps, one track, stroke width 20), through
// the host's update message as the host sends it after an edit: the old result
// is disposed and 21,000 copies are duplicated, restyled and mixed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "document/document.h"
#include "effects/framework/parameter_block.h"
#include "effects/neon/neon_params.h"
#include "frame/effect_table.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "host.h"
#include "plugin_loader.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr int kPaths = 1000;
constexpr int kCopiesPerPath = 21;

// Preset files of the started plug-in go to a folder of their own.
class TemporarySettings {
 public:
  TemporarySettings() {
    char pattern[] = "/tmp/vx_neon_bench_XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = pattern;
    setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
  }
  ~TemporarySettings() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::string path_;
};

ai::ColorRecord Three(double red, double green, double blue) {
  ai::ColorRecord color{};
  color.kind = ai::color_kind::kThree;
  color.c.three = {red, green, blue};
  return color;
}

// A closed eight-anchor path around (x, y).
vxhost::Art* AddStrokedPath(vxhost::Document& document, vxhost::Art* parent, double x, double y) {
  vxhost::Art* path = document.NewArt(ai::art_kind::kPath);
  for (int k = 0; k < 8; ++k) {
    const double angle = k * 0.7853981633974483;
    const ai::RealPoint p{x + 8 * std::cos(angle), y + 8 * std::sin(angle)};
    path->segments.push_back({p, p, p, 1, 0});
  }
  path->closed = true;
  path->style.strokePaint = 1;
  path->style.strokeWidth = 20;
  path->style.strokeColor = Three(0.9, 0.1, 0.4);
  path->style.fillPaint = 1;
  path->style.fillColor = Three(1, 1, 0.8);
  path->style.miterLimit = 4;
  document.Insert(path, ai::placement::kInsideAtBottom, parent);
  return path;
}

void BM_RegenerateNeon1000Paths(benchmark::State& state) {
  TemporarySettings settings;
  vxhost::Host host({.echoAlerts = false});
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  if (plugin.Startup() != ai::kNoError) {
    state.SkipWithError("the plug-in did not start");
    return;
  }
  vx::suites::gBasic = host.basicSuite();
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::Art* live = document.NewArt(ai::art_kind::kPluginGroup);
  document.Insert(live, ai::placement::kInsideOnTop, document.currentLayer()->group);
  for (int i = 0; i < kPaths; ++i) AddStrokedPath(document, live->editGroup, (i % 40) * 20.0, (i / 40) * 20.0);

  vx::NeonPGParams params{};
  vx::SetRecordDefaults(vx::kNeonPGParamsSpec, &params, "");
  const ai::PluginGroupSuite* groups = nullptr;
  host.AcquireSuite(ai::SuiteName<ai::PluginGroupSuite>::name, ai::SuiteName<ai::PluginGroupSuite>::version,
                    reinterpret_cast<const void**>(&groups));
  if (groups->useArtPluginGroup(reinterpret_cast<ai::ArtHandle>(live),
                                vx::Globals()->pluginGroups[vx::kNeonEffect]) != ai::kNoError ||
      vx::WriteParameterBlock(reinterpret_cast<ai::ArtHandle>(live), vx::kNeonEffect, &params) != ai::kNoError) {
    state.SkipWithError("the live object could not be made");
    return;
  }

  for (auto _ : state) {
    document.MarkLiveChanged(live);
    if (host.UpdateLiveObjects() != ai::kNoError) {
      state.SkipWithError("regeneration failed");
      break;
    }
  }
  const size_t copies = live->resultGroup->firstChild != nullptr ? live->resultGroup->firstChild->Children().size() : 0;
  if (copies != static_cast<size_t>(kPaths) * kCopiesPerPath) state.SkipWithError("unexpected number of copies");
  state.counters["copies/s"] =
      benchmark::Counter(static_cast<double>(copies) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  host.ReleaseSuite(ai::SuiteName<ai::PluginGroupSuite>::name, ai::SuiteName<ai::PluginGroupSuite>::version);
  plugin.Shutdown();
}
BENCHMARK(BM_RegenerateNeon1000Paths)->Unit(benchmark::kMillisecond);

}  // namespace
