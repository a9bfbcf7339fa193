// What the live-effect benchmarks share: the plug-in started through its entry
// point against a host whose preset files go to a folder of their own, and one
// live object of an effect over rings of filled and stroked paths, rebuilt as
// the host rebuilds it after an edit.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "document/document.h"
#include "effects/framework/parameter_block.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "host.h"
#include "plugin_loader.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace vxbench {

// Preset files of the started plug-in go to a folder of their own.
class TemporarySettings {
 public:
  TemporarySettings() {
    char pattern[] = "/tmp/vx_bench_XXXXXX";
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

inline ai::ColorRecord Three(double red, double green, double blue) {
  ai::ColorRecord color{};
  color.kind = ai::color_kind::kThree;
  color.c.three = {red, green, blue};
  return color;
}

// A closed eight-anchor path around (x, y), filled and stroked `width` wide.
inline void AddRing(vxhost::Document& document, vxhost::Art* parent, double x, double y, double width) {
  vxhost::Art* path = document.NewArt(ai::art_kind::kPath);
  for (int k = 0; k < 8; ++k) {
    const double angle = k * 0.7853981633974483;
    const ai::RealPoint p{x + 8 * std::cos(angle), y + 8 * std::sin(angle)};
    path->segments.push_back({p, p, p, 1, 0});
  }
  path->closed = true;
  path->style.strokePaint = 1;
  path->style.strokeWidth = width;
  path->style.strokeColor = Three(0.9, 0.1, 0.4);
  path->style.fillPaint = 1;
  path->style.fillColor = Three(1, 1, 0.8);
  path->style.miterLimit = 4;
  document.Insert(path, ai::placement::kInsideAtBottom, parent);
}

// One live object of `effect` with `record` over `paths` rings of stroke width
// `width`: as separate source objects, or with `grouped` in one group.
class LiveObjectBench {
 public:
  LiveObjectBench(int16_t effect, const void* record, int paths, double width, bool grouped) {
    if (plugin_.Startup() != ai::kNoError) return;
    vx::suites::gBasic = host_.basicSuite();
    vxhost::Document& doc = host_.OpenDocument(std::make_unique<vxhost::Document>());
    document_ = &doc;
    live_ = doc.NewArt(ai::art_kind::kPluginGroup);
    doc.Insert(live_, ai::placement::kInsideOnTop, doc.currentLayer()->group);
    vxhost::Art* parent = live_->editGroup;
    if (grouped) {
      parent = doc.NewArt(ai::art_kind::kGroup);
      doc.Insert(parent, ai::placement::kInsideOnTop, live_->editGroup);
    }
    for (int i = 0; i < paths; ++i) AddRing(doc, parent, (i % 40) * 20.0, (i / 40) * 20.0, width);
    const ai::PluginGroupSuite* groups = nullptr;
    host_.AcquireSuite(ai::SuiteName<ai::PluginGroupSuite>::name, ai::SuiteName<ai::PluginGroupSuite>::version,
                       reinterpret_cast<const void**>(&groups));
    const auto handle = reinterpret_cast<ai::ArtHandle>(live_);
    ready_ = groups->useArtPluginGroup(handle, vx::Globals()->pluginGroups[effect]) == ai::kNoError &&
             vx::WriteParameterBlock(handle, effect, record) == ai::kNoError;
    host_.ReleaseSuite(ai::SuiteName<ai::PluginGroupSuite>::name, ai::SuiteName<ai::PluginGroupSuite>::version);
  }
  ~LiveObjectBench() { plugin_.Shutdown(); }

  // Rebuilds the object once per iteration; `paths` source paths per rebuild
  // are counted as a rate.
  void Run(benchmark::State& state, int paths) {
    if (!ready_ || document_ == nullptr) {
      state.SkipWithError("the live object could not be made");
      return;
    }
    for (auto _ : state) {
      document_->MarkLiveChanged(live_);
      if (host_.UpdateLiveObjects() != ai::kNoError) {
        state.SkipWithError("regeneration failed");
        return;
      }
    }
    state.counters["paths/s"] = benchmark::Counter(static_cast<double>(paths) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
  }

  vxhost::Art* live() const { return live_; }
  vxhost::Document* document() const { return document_; }

 private:
  TemporarySettings settings_;
  vxhost::Host host_{vxhost::HostOptions{.echoAlerts = false}};
  vxhost::LoadedPlugin& plugin_ = host_.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document* document_ = nullptr;
  vxhost::Art* live_ = nullptr;
  bool ready_ = false;
};

}  // namespace vxbench
