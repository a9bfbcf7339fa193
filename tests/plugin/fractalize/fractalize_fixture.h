// Fractalize as a person uses it: the plug-in started against a host with a
// document, the filter and the live effect chosen from their menu items, the
// dialog driven by the scripted user while it runs.
#pragma once

#include <cstring>
#include <functional>
#include <vector>

#include "fractalize/fractalize_ctrlr.h"
#include "frame/vellumix4_plugin.h"
#include "live_effects.h"
#include "plugin/ui/palette_fixture.h"
#include "resources/control_ids.h"
#include "support/art_builder.h"

namespace vxtest {

namespace fx = vx::ctl::fractalize;

// Every path's segments in document order (sources and results of live objects too).
using Snapshot = std::vector<std::vector<ai::SegRecord>>;

inline bool SameSegments(const std::vector<ai::SegRecord>& a, const std::vector<ai::SegRecord>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), sizeof(ai::SegRecord) * a.size()) == 0;
}

inline bool Same(const Snapshot& a, const Snapshot& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!SameSegments(a[i], b[i])) return false;
  return true;
}

// One thing a person does in the open dialog.
using Step = std::function<void(platform::ui::ScriptedUser&, platform::ui::Dialog&)>;

inline std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class FractalizeTest : public PaletteTest {
 protected:

  vxhost::FilterRecord& Filter() { return *host.app().filters().front(); }
  vxhost::LiveEffectRecord& Effect() { return *host.app().liveEffects().front(); }
  vx::FractalizeEffectCtrlr* Controller() {
    auto* main = dynamic_cast<vx::VELLUMiX4Plugin*>(vx::GlobalPlugin());
    return main != nullptr ? main->FractalizeController() : nullptr;
  }
  vx::FractalizeParams& Record() { return Controller()->record(); }

  // A selected open or closed path of corner points.
  vxhost::Art* Selected(std::initializer_list<ai::RealPoint> points, bool closed = false) {
    vxhost::Art* path = AddPath(*document, LayerGroup(*document), points, closed);
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }

  Snapshot Paths() {
    Snapshot paths;
    document->ForEachArt(
        [&](vxhost::Art* art) {
          if (art->kind == ai::art_kind::kPath) paths.push_back(art->segments);
        },
        true);
    return paths;
  }

  // The steps run inside the dialog while it is open, then OK is pressed
  // (unless a step ended the dialog).
  void WhenDialog(std::vector<Step> steps, bool ok = true) {
    user.WhenModal([steps = std::move(steps), ok](platform::ui::ScriptedUser& u, platform::ui::Dialog& dialog) {
      for (const Step& step : steps) step(u, dialog);
      if (!dialog.EndRequested()) u.Click(dialog, ok ? platform::ui::kIdOk : platform::ui::kIdCancel);
    });
  }
  ai::Code RunFilter(std::vector<Step> steps, bool ok = true) {
    WhenDialog(std::move(steps), ok);
    const ai::Code code = host.liveEffects().RunFilter(Filter());
    host.desktop().ClearQueuedActions();
    return code;
  }
  ai::Code ApplyEffect(std::vector<Step> steps, bool ok = true, std::vector<vxhost::Art*>* created = nullptr) {
    WhenDialog(std::move(steps), ok);
    const ai::Code code = host.liveEffects().Apply(Effect(), created);
    host.desktop().ClearQueuedActions();
    return code;
  }

  static Step Type(int32_t id, const char* text) {
    return [id, text](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) { EXPECT_EQ(u.TypeAndLeave(d, id, text), 0); };
  }
  static Step Pick(int32_t id, int32_t index) {
    return [id, index](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) { EXPECT_EQ(u.PickItem(d, id, index), 0); };
  }
  static Step Press(int32_t id) {
    return [id](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) { EXPECT_EQ(u.Click(d, id), 0); };
  }
  // Generator, level and density as a person sets them.
  static std::vector<Step> Settings(int32_t generator, int32_t level, const char* density, const char* uneven = "0") {
    return {Pick(fx::kGenerator, generator - 1), Pick(fx::kLevel, level - 1), Type(fx::kDensity, density),
            Type(fx::kUneven, uneven)};
  }
  Step Remember(Snapshot& into) {
    return [this, &into](platform::ui::ScriptedUser&, platform::ui::Dialog&) { into = Paths(); };
  }
};

}  // namespace vxtest
