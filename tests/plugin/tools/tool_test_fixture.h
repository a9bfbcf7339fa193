// A tool chosen through PluginMain on a document of its own, as a person
// chooses it in the toolbox: selections, strokes made of a press, drags 16
// ticks apart and a release, and the checks a drag's blocks were freed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "support/art_builder.h"
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

  ScopedSettingsHome settingsHome;
  vxhost::Host host{QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::ToolDriver driver{host, plugin};
  uint32_t ticks = 5000;
};

}  // namespace vxtest
