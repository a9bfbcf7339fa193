// A started plug-in with a document in which live objects of one effect are
// made by hand, their parameters stored as Apply stores them, so the host's
// update rebuilds them with the effect's generator.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "document/document.h"
#include "effects/framework/parameter_block.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "presets/record_schema.h"
#include "support/art_builder.h"
#include "support/fault_sweep.h"
#include "support/plugin_host.h"
#include "support/settings_home.h"
#include "support/suite_access.h"
#include "svg/svg_io.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace vxtest {

// The box of an art's anchors and its children's: where a copy landed.
struct Box {
  double left, bottom, right, top;
  double cx() const { return (left + right) / 2; }
  double cy() const { return (bottom + top) / 2; }
  double width() const { return right - left; }
};

inline Box BoxOf(const vxhost::Art& art) {
  Box box{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  const auto take = [&](const vxhost::Art& leaf) {
    for (const ai::SegRecord& s : leaf.segments) {
      box.left = std::min(box.left, s.anchor.x);
      box.right = std::max(box.right, s.anchor.x);
      box.bottom = std::min(box.bottom, s.anchor.y);
      box.top = std::max(box.top, s.anchor.y);
    }
  };
  take(art);
  for (const vxhost::Art* child : art.Children()) take(*child);
  return box;
}

inline ai::ColorRecord Gray(double g) {
  ai::ColorRecord c{};
  c.kind = ai::color_kind::kGray;
  c.c.gray.gray = g;
  return c;
}
inline ai::ColorRecord Four(double c, double m, double y, double k) {
  ai::ColorRecord r{};
  r.kind = ai::color_kind::kFour;
  r.c.four = {c, m, y, k};
  return r;
}
inline ai::ColorRecord Three(double red, double green, double blue) {
  ai::ColorRecord c{};
  c.kind = ai::color_kind::kThree;
  c.c.three = {red, green, blue};
  return c;
}

class LiveEffectTest : public ::testing::Test {
 protected:
  explicit LiveEffectTest(int16_t effect) : effect_(effect) {
    EXPECT_EQ(plugin.Startup(), ai::kNoError);
    vx::suites::gBasic = host.basicSuite();
  }
  ~LiveEffectTest() override {
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    EXPECT_EQ(host.blocks().LiveNames(), std::vector<std::string>{});
  }

  // A live object of the effect with an empty source and `record` as its parameters.
  template <class Record>
  vxhost::Art* MakeLive(const Record& record) {
    return MakeLiveOf(&record);
  }
  vxhost::Art* MakeLiveOf(const void* record) {
    vxhost::Art* live = document.NewArt(ai::art_kind::kPluginGroup);
    document.Insert(live, ai::placement::kInsideOnTop, LayerGroup(document));
    const auto& groups = AcquireSuite<ai::PluginGroupSuite>(host);
    EXPECT_EQ(groups.useArtPluginGroup(Handle(live), vx::Globals()->pluginGroups[effect_]), ai::kNoError);
    EXPECT_EQ(vx::WriteParameterBlock(Handle(live), effect_, record), ai::kNoError);
    return live;
  }

  // A closed square of side `side` at (x, y) with a stroke and, unless none, a fill.
  vxhost::Art* Square(vxhost::Art* parent, double x, double y, double side, double width, ai::ColorRecord stroke,
                      std::optional<ai::ColorRecord> fill) {
    vxhost::Art* path = AddPath(document, parent, {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, true);
    path->style.strokePaint = width > 0 ? 1 : 0;
    path->style.strokeWidth = width;
    path->style.strokeColor = stroke;
    path->style.strokeOverprint = 1;
    path->style.fillPaint = fill ? 1 : 0;
    path->style.fillColor = fill.value_or(ai::ColorRecord{});
    path->style.fillOverprint = 1;
    return path;
  }

  // Rebuilds `live` as the host does after an edit.
  ai::Code Rebuild(vxhost::Art* live) {
    document.MarkLiveChanged(live);
    return host.UpdateLiveObjects();
  }

  // Rebuilds `live` from an empty result, so that every run of a fault sweep
  // starts from the same document whatever the run before it left.
  ai::Code RebuildAfresh(vxhost::Art* live) {
    while (live->resultGroup->firstChild != nullptr) document.Dispose(live->resultGroup->firstChild);
    return Rebuild(live);
  }

  // Fails every host call of a rebuild of `live` in turn: each failure comes
  // back as the rebuild's result, leaks no block and leaves a document that
  // writes and reads; a rebuild afterwards gives the clean result again.
  void SweepRebuild(vxhost::Art* live) {
    const auto run = [&] { return RebuildAfresh(live); };
    const std::vector<std::string> calls = RecordHostCalls(host, run);
    const std::string clean = vxhost::svg::WriteSvg(document);
    const std::vector<std::string> blocks = host.blocks().LiveNames();
    const ai::Code failure = ai::FourCC("flt!");
    // A refused free leaves its block by nature; the record's angle defaults fall
    // back on their own value when the host's conversion fails.
    const auto skipped = {std::string("FreeBlock"), std::string("DegreesToRadians")};
    SweepHostCalls(host, calls, failure, skipped, run, [&](ai::Code code, const std::string&) {
      EXPECT_EQ(code, failure);
      EXPECT_EQ(host.blocks().LiveNames(), blocks) << "no block leaks";
      EXPECT_NO_THROW(vxhost::svg::ReadSvg(vxhost::svg::WriteSvg(document), "partial")) << "a sound document";
    });
    ASSERT_EQ(run(), ai::kNoError);
    EXPECT_EQ(vxhost::svg::WriteSvg(document), clean) << "a rebuild after failures gives the same document";
  }

  // Children of `art`, bottom of the stacking order first.
  static std::vector<vxhost::Art*> BottomUp(const vxhost::Art* art) {
    if (art == nullptr) return {};
    std::vector<vxhost::Art*> children = art->Children();
    return {children.rbegin(), children.rend()};
  }

  ScopedSettingsHome settingsHome;
  vxhost::Host host{QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());

 private:
  int16_t effect_;
};

}  // namespace vxtest
