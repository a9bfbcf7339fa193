// Regenerating Live Shadow and Live Border objects over 1,000 filled and
// stroked paths, through the host's update message as the host sends it after
// an edit: the old result is disposed and the new one built.
//   Shadow:         one group of 1,000 paths; shadow, object and the clipped
//                   inner shadow (transparency 50 %).
//   Border outside: 1,000 source paths of stroke width 4 (auto mid: four band
//                   copies and the fill copy each).
//   Border inside:  one group of 1,000 paths, band clipped by its outline.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "document/document.h"
#include "effects/border/border_params.h"
#include "effects/framework/parameter_block.h"
#include "effects/shadow/shadow_params.h"
#include "frame/effect_table.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "host.h"
#include "plugin_loader.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr int kPaths = 1000;

// Preset files of the started plug-in go to a folder of their own.
class TemporarySettings {
 public:
  TemporarySettings() {
    char pattern[] = "/tmp/vx_shading_bench_XXXXXX";
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

// A closed eight-anchor path around (x, y), filled and stroked 4 points wide.
void AddPath(vxhost::Document& document, vxhost::Art* parent, double x, double y) {
  vxhost::Art* path = document.NewArt(ai::art_kind::kPath);
  for (int k = 0; k < 8; ++k) {
    const double angle = k * 0.7853981633974483;
    const ai::RealPoint p{x + 8 * std::cos(angle), y + 8 * std::sin(angle)};
    path->segments.push_back({p, p, p, 1, 0});
  }
  path->closed = true;
  path->style.strokePaint = 1;
  path->style.strokeWidth = 4;
  path->style.strokeColor = Three(0.9, 0.1, 0.4);
  path->style.fillPaint = 1;
  path->style.fillColor = Three(1, 1, 0.8);
  path->style.miterLimit = 4;
  document.Insert(path, ai::placement::kInsideAtBottom, parent);
}

// Regenerates one live object of `effect` with `record` whose source holds the
// 1,000 paths, in one group or as separate source objects.
void Regenerate(benchmark::State& state, int16_t effect, const void* record, bool grouped) {
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
  vxhost::Art* parent = live->editGroup;
  if (grouped) {
    parent = document.NewArt(ai::art_kind::kGroup);
    document.Insert(parent, ai::placement::kInsideOnTop, live->editGroup);
  }
  for (int i = 0; i < kPaths; ++i) AddPath(document, parent, (i % 40) * 20.0, (i / 40) * 20.0);

  const ai::PluginGroupSuite* groups = nullptr;
  host.AcquireSuite(ai::SuiteName<ai::PluginGroupSuite>::name, ai::SuiteName<ai::PluginGroupSuite>::version,
                    reinterpret_cast<const void**>(&groups));
  if (groups->useArtPluginGroup(reinterpret_cast<ai::ArtHandle>(live), vx::Globals()->pluginGroups[effect]) !=
          ai::kNoError ||
      vx::WriteParameterBlock(reinterpret_cast<ai::ArtHandle>(live), effect, record) != ai::kNoError) {
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
  if (live->resultGroup->firstChild == nullptr) state.SkipWithError("nothing was made");
  state.counters["paths/s"] = benchmark::Counter(static_cast<double>(kPaths) * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
  host.ReleaseSuite(ai::SuiteName<ai::PluginGroupSuite>::name, ai::SuiteName<ai::PluginGroupSuite>::version);
  plugin.Shutdown();
}

void BM_RegenerateShadow1000Paths(benchmark::State& state) {
  vx::ShadowPGParams params{};
  vx::SetRecordDefaults(vx::kShadowPGParamsSpec, &params, "");
  params.transparency = 0.5;
  Regenerate(state, vx::kShadowEffect, &params, true);
}
BENCHMARK(BM_RegenerateShadow1000Paths)->Unit(benchmark::kMillisecond);

void BM_RegenerateBorderOutside1000Paths(benchmark::State& state) {
  vx::BorderPGParams params{};
  vx::SetRecordDefaults(vx::kBorderPGParamsSpec, &params, "");
  Regenerate(state, vx::kBorderEffect, &params, false);
}
BENCHMARK(BM_RegenerateBorderOutside1000Paths)->Unit(benchmark::kMillisecond);

void BM_RegenerateBorderInside1000Paths(benchmark::State& state) {
  vx::BorderPGParams params{};
  vx::SetRecordDefaults(vx::kBorderPGParamsSpec, &params, "");
  params.side = 1;
  Regenerate(state, vx::kBorderEffect, &params, true);
}
BENCHMARK(BM_RegenerateBorderInside1000Paths)->Unit(benchmark::kMillisecond);

}  // namespace
