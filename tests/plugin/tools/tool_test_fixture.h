// A tool chosen through PluginMain on a document of its own, as a person
// chooses it in the toolbox: selections, strokes made of a press, drags 16
// ticks apart and a release, and the checks a drag's blocks were freed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "support/art_builder.h"
#include "support/fault_sweep.h"
#include "support/plugin_host.h"
#include "support/settings_home.h"
#include "tool_driver.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace vxtest {

class ToolTest : public ::testing::Test {
 protected:
  explicit ToolTest(const char* title) {
    EXPECT_EQ(plugin.Startup(), ai::kNoError);
    EXPECT_TRUE(driver.Choose(title));
  }
  ~ToolTest() override {
    driver.Deselect();
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    platform::SetTickCount(std::nullopt);
  }

  // The tool's record in the slot the plug-in keeps it in.
  template <class Params>
  static Params& ToolRecord(int slot) {
    return *static_cast<Params*>(vx::Globals()->toolRecords[slot]);
  }

  vxhost::Art* SelectedPath(std::initializer_list<ai::RealPoint> points, bool closed) {
    vxhost::Art* path = AddPath(document, LayerGroup(document), points, closed);
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }

  ai::Code Press(ai::RealPoint at, int16_t modifiers = 0) {
    platform::SetTickCount(ticks);
    driver.TrackCursor(at, modifiers);
    return driver.MouseDown(at, modifiers);
  }
  ai::Code DragTo(ai::RealPoint at, int16_t modifiers = 0, uint32_t after = 16) {
    platform::SetTickCount(ticks += after);
    return driver.MouseDrag(at, modifiers);
  }
  ai::Code Release(ai::RealPoint at, int16_t modifiers = 0) {
    platform::SetTickCount(ticks += 16);
    return driver.MouseUp(at, modifiers);
  }
  // Press at the first point, drag through the others, release at the last.
  void Stroke(std::vector<ai::RealPoint> points, int16_t modifiers = 0) {
    ASSERT_EQ(Press(points.front(), modifiers), ai::kNoError);
    for (size_t i = 1; i < points.size(); ++i) ASSERT_EQ(DragTo(points[i], modifiers), ai::kNoError);
    ASSERT_EQ(Release(points.back(), modifiers), ai::kNoError);
  }

  size_t LayerArtCount() const {
    size_t n = 0;
    for (vxhost::Art* art = document.layers()[0]->group->firstChild; art != nullptr; art = art->next) ++n;
    return n;
  }

  // No block a drag holds is left once the stroke is over.
  void ExpectDragFreed() {
    for (const std::string& name : host.blocks().LiveNames()) {
      EXPECT_NE(name, "g buffer for segments");
      EXPECT_NE(name, "buffer 2 for segments");
      EXPECT_NE(name, "g buffer for trace");
    }
  }

  // The view box the annotator's lines cover now (left > right: none drawn).
  ai::ViewRect AnnotatedLinesBox() const {
    ai::ViewRect box{1, 1, 0, 0};
    bool any = false;
    for (const vxhost::DisplayItem& item : document.display.annotations) {
      if (item.kind != vxhost::DisplayItem::Kind::kLine) continue;
      for (ai::ViewPoint p : {item.from, item.to}) {
        if (!any) box = {p.h, p.v, p.h, p.v};
        any = true;
        box = {std::min(box.left, p.h), std::min(box.top, p.v), std::max(box.right, p.h), std::max(box.bottom, p.v)};
      }
    }
    return box;
  }

  // Segments of every path in the document, in order.
  std::vector<ai::SegRecord> AllSegments() const {
    std::vector<ai::SegRecord> all;
    document.ForEachArt([&](vxhost::Art* art) {
      if (art->kind == ai::art_kind::kPath) all.insert(all.end(), art->segments.begin(), art->segments.end());
    });
    return all;
  }
  static bool SameSegments(const std::vector<ai::SegRecord>& a, const std::vector<ai::SegRecord>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].anchor.x != b[i].anchor.x || a[i].anchor.y != b[i].anchor.y || a[i].in.x != b[i].in.x ||
          a[i].in.y != b[i].in.y || a[i].out.x != b[i].out.x || a[i].out.y != b[i].out.y)
        return false;
    return true;
  }

  // Fails every host call of one drag message in turn. Each round presses at
  // `from` and drags to `first`; the swept message drags on to `to`. A failed
  // message returns its code and leaves the art as the first drag left it;
  // the cancelled release then gives back the art before the press, frees the
  // drag's blocks and leaves no outline behind.
  void SweepOneDragMessage(ai::RealPoint from, ai::RealPoint first, ai::RealPoint to) {
    const std::vector<ai::SegRecord> originals = AllSegments();
    const auto begin = [&] {
      ASSERT_EQ(Press(from), ai::kNoError);
      ASSERT_EQ(DragTo(first), ai::kNoError);
    };
    begin();
    const std::vector<ai::SegRecord> afterFirst = AllSegments();
    const std::vector<std::string> calls = RecordHostCalls(host, [&] { return DragTo(to); });
    ASSERT_FALSE(SameSegments(AllSegments(), afterFirst)) << "the swept message changes the art";
    ASSERT_EQ(Release(to, ai::modifier::kCancel), ai::kNoError);
    ASSERT_TRUE(SameSegments(AllSegments(), originals));
    const size_t blocks = host.blocks().LiveCount();
    const size_t artCount = LayerArtCount();
    const ai::Code injected = ai::FourCC("fLt!");
    begin();
    // The annotator's calls only decide whether the area's outline shows: it
    // is turned on after the drag's work, and drawn by a message of its own.
    SweepHostCalls(host, calls, injected, {"FreeBlock", "SetAnnotatorActive", "SetColor", "DrawLine", "ArtworkToView"},
                   [&] { return DragTo(to); },
                   [&](ai::Code code, const std::string&) {
                     EXPECT_EQ(code, injected);
                     EXPECT_TRUE(SameSegments(AllSegments(), afterFirst)) << "the art of the last good drag";
                     ASSERT_EQ(Release(to, ai::modifier::kCancel), ai::kNoError);
                     EXPECT_EQ(host.blocks().LiveCount(), blocks) << "no block of the drag is left";
                     EXPECT_EQ(LayerArtCount(), artCount) << "no outline is left behind";
                     EXPECT_TRUE(SameSegments(AllSegments(), originals));
                     begin();
                   });
    ASSERT_EQ(Release(to, ai::modifier::kCancel), ai::kNoError);
    EXPECT_TRUE(SameSegments(AllSegments(), originals));
  }

  ScopedSettingsHome settingsHome;
  vxhost::Host host{QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::ToolDriver driver{host, plugin};
  uint32_t ticks = 5000;
};

}  // namespace vxtest
