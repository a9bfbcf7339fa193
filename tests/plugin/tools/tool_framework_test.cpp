// What every tool shares: cursors by modifier keys (hit-tested variants of the
// eyedropper), the area tools' Alt and Shift + Alt modes, the end-of-stroke
// notifier, tools that are not ours, and the label of an annotated drag.
#include <cmath>
#include <memory>
#include <optional>

#include "document/document.h"
#include "frame/controllers.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "presets/record_registry.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "tool_driver.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_cursors.h"
#include "tools/framework/tool_palette.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr int16_t kAlt = ai::modifier::kAlt;
constexpr int16_t kShift = ai::modifier::kShift;

TEST(ToolCursors, FollowTheModifierTable) {
  using vx::ChooseToolCursor;
  const vx::CursorInputs none{};
  EXPECT_EQ(ChooseToolCursor(6, 0, none).id, 16054);
  EXPECT_EQ(ChooseToolCursor(6, kAlt, none).id, 16050);
  EXPECT_EQ(ChooseToolCursor(6, kAlt | kShift, none).id, 16052);
  EXPECT_EQ(ChooseToolCursor(8, kAlt | kShift, none).id, 16050) << "the broom inserts no anchors";
  EXPECT_EQ(ChooseToolCursor(4, kShift, none).id, 16050);
  EXPECT_EQ(ChooseToolCursor(2, kAlt, {3, false, false}).id, 17041);
  EXPECT_EQ(ChooseToolCursor(13, 0, none).id, 17060);
  EXPECT_EQ(ChooseToolCursor(10, kShift, none).id, 16020);
  EXPECT_EQ(ChooseToolCursor(10, kAlt, none).id, 16059) << "no eyedropper without the fade option";
  const vx::CursorChoice dropper = ChooseToolCursor(10, kAlt, {0, true, true});
  EXPECT_EQ(dropper.id, 16043);
  EXPECT_EQ(dropper.variants, vx::CursorHitVariants::kByHit);
  EXPECT_EQ(ChooseToolCursor(11, kAlt, none).id, 16040);
  EXPECT_EQ(vx::CursorForHit(16040, ai::hit_type::kCurve), 16042);
  EXPECT_EQ(vx::CursorForHit(16040, ai::hit_type::kAnchor), 16041);
  EXPECT_EQ(vx::CursorForHit(16040, ai::hit_type::kFill), 16040);
}

// A palette that only counts what it is asked.
struct CountingPalette : vx::ToolPaletteWindow {
  static inline int refreshes64 = 0;
  bool shown = false;
  ai::Code Show() override {
    shown = true;
    return ai::kNoError;
  }
  void Hide() override { shown = false; }
  bool Shown() const override { return shown; }
  void Refresh(int32_t flags) override {
    if (flags == vx::refresh::kToolData) ++refreshes64;
  }
};

class ToolFrameworkTest : public ::testing::Test {
 protected:
  ToolFrameworkTest() { EXPECT_EQ(plugin.Startup(), ai::kNoError); }
  ~ToolFrameworkTest() override {
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    vx::SetToolPaletteFactory(nullptr);
    platform::SetTickCount(std::nullopt);
  }

  vxtest::ScopedSettingsHome settingsHome;
  vxhost::Host host{vxtest::QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::ToolDriver driver{host, plugin};
};

TEST_F(ToolFrameworkTest, EveryToolAnswersAndOpensItsRecord) {
  for (const vx::ToolEntry& tool : vx::kToolTable) {
    ASSERT_TRUE(driver.Choose(tool.title));
    EXPECT_EQ(vx::Globals()->currentTool, tool.paletteIndex);
    const int slot = vx::ToolRecordSlot(tool.paletteIndex);
    if (slot >= 0) {
      EXPECT_NE(vx::Globals()->toolRecords[slot], nullptr) << tool.title;
    }
    EXPECT_EQ(driver.TrackCursor({0, 0}), ai::kNoError);
    // The distortion tools and Trail work on the selection: with none the press fails;
    // the others do nothing yet.
    const bool deforms = tool.paletteIndex == 0 || tool.paletteIndex == 2 || tool.paletteIndex == 4 ||
                         tool.paletteIndex == 6 || tool.paletteIndex == 8 || tool.paletteIndex == 11;
    EXPECT_EQ(driver.MouseDown({0, 0}), deforms ? 0x2173656C : ai::kNoError) << tool.title;
    EXPECT_EQ(driver.MouseUp({0, 0}), ai::kNoError);
    EXPECT_EQ(driver.Send(ai::selectors::kIncreaseDiameter, {0, 0}, 0), ai::kNoError);
  }
  EXPECT_EQ(host.app().cursorId, 17060);
  // The Live3D Rotate tool's options open its help topic.
  EXPECT_EQ(driver.EditOptions(), ai::kNoError);
  EXPECT_EQ(vx::Globals()->helpTopic, 6);
  EXPECT_EQ(vx::Globals()->currentTool, 13);
}

TEST_F(ToolFrameworkTest, AToolThatIsNotOursIsIgnored) {
  ASSERT_TRUE(driver.Choose("ワープツール"));
  ai::ToolMessage message{};
  message.tool = reinterpret_cast<ai::ToolHandle>(0x1234);
  EXPECT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kSelect, message), ai::kNoError);
  EXPECT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kMouseDown, message), ai::kNoError);
  EXPECT_EQ(vx::Globals()->currentTool, 0) << "nothing changed";
}

TEST_F(ToolFrameworkTest, TheEyedropperShowsWhatIsUnderIt) {
  vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}});
  ASSERT_TRUE(driver.Choose("トレイルツール"));
  driver.TrackCursor({50, 0.5}, kAlt);
  EXPECT_EQ(host.app().cursorId, 16042) << "over a segment";
  driver.TrackCursor({0, 0}, kAlt);
  EXPECT_EQ(host.app().cursorId, 16041) << "over an anchor";
  driver.TrackCursor({50, 50}, kAlt);
  EXPECT_EQ(host.app().cursorId, 16040);
  driver.TrackCursor({50, 50});
  EXPECT_EQ(host.app().cursorId, 16060);
}

TEST_F(ToolFrameworkTest, ShiftAltClickWithTheCraftToolInsertsAnAnchorWhereClicked) {
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}, {100, 50}});
  ASSERT_TRUE(driver.Choose("クラフトツール"));
  driver.TrackCursor({30, 0}, kAlt | kShift);
  ASSERT_EQ(host.app().cursorId, 16052);
  ASSERT_EQ(driver.MouseDown({30, 0}, kAlt | kShift), ai::kNoError);
  ASSERT_EQ(driver.MouseUp({30, 0}, kAlt | kShift), ai::kNoError);
  ASSERT_EQ(path->segments.size(), 4u);
  EXPECT_DOUBLE_EQ(path->segments[1].anchor.x, 30);
  EXPECT_DOUBLE_EQ(path->segments[1].anchor.y, 0);
  EXPECT_EQ(path->segments[1].in.x, path->segments[1].anchor.x) << "a straight segment stays straight";
  EXPECT_EQ(path->segments[1].corner, 0);
  EXPECT_EQ(path->segments[2].anchor.x, 100);
  EXPECT_EQ(path->segments[3].anchor.y, 50);
}

TEST_F(ToolFrameworkTest, AltDragSetsTheAreaRadiusWithAPreviewThatGoesAtRelease) {
  ASSERT_TRUE(driver.Choose("ほうきツール"));
  platform::SetTickCount(100);
  driver.TrackCursor({10, 10}, kAlt);
  ASSERT_EQ(driver.MouseDown({10, 10}, kAlt), ai::kNoError);
  ASSERT_EQ(driver.MouseDrag({40, 50}, kAlt), ai::kNoError);
  ASSERT_EQ(driver.MouseDrag({10, 60}, kAlt), ai::kNoError);
  ASSERT_EQ(vxtest::LayerGroup(document)->Children().size(), 1u) << "one preview outline at a time";
  const vxhost::Art* outline = vxtest::LayerGroup(document)->firstChild;
  EXPECT_EQ(outline->segments.size(), 4u);
  EXPECT_DOUBLE_EQ(outline->segments[1].anchor.y, 60);
  const auto* record = static_cast<const char*>(vx::Globals()->toolRecords[vx::ToolRecordSlot(8)]);
  const vx::FieldSpec* radius = vx::FindField(*vx::FindKindByToolIndex(8)->spec, "areaRadius");
  EXPECT_DOUBLE_EQ(*reinterpret_cast<const double*>(record + radius->offset), 50);
  ASSERT_EQ(driver.MouseDrag({6000, 10}, kAlt), ai::kNoError);
  EXPECT_DOUBLE_EQ(*reinterpret_cast<const double*>(record + radius->offset), 4000) << "clamped";
  ASSERT_EQ(driver.MouseUp({6000, 10}, kAlt), ai::kNoError);
  EXPECT_TRUE(vxtest::LayerGroup(document)->Children().empty());
}

TEST_F(ToolFrameworkTest, ATrailStrokeEndsWithTheNotifierThatRefreshesTheShownPalette) {
  vx::SetToolPaletteFactory([](vx::ToolCtrlr&) -> std::unique_ptr<vx::ToolPaletteWindow> {
    return std::make_unique<CountingPalette>();
  });
  CountingPalette::refreshes64 = 0;
  ASSERT_TRUE(driver.Choose("トレイルツール"));
  ASSERT_EQ(driver.MouseDown({0, 0}, ai::modifier::kAlt), ai::kNoError);
  ASSERT_EQ(driver.MouseUp({0, 0}, ai::modifier::kAlt), ai::kNoError);
  EXPECT_EQ(CountingPalette::refreshes64, 1);
  ASSERT_TRUE(driver.Choose("ワープツール"));
  vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {10, 10}})->userAttributes |=
      ai::art_attr::kSelected;
  ASSERT_EQ(driver.MouseDown({0, 0}), ai::kNoError);
  ASSERT_EQ(driver.MouseUp({0, 0}), ai::kNoError);
  EXPECT_EQ(CountingPalette::refreshes64, 1) << "a warp stroke sends nothing";
}

// A tool with a label: its press starts an annotated drag.
struct LabelTool : vx::ToolPaletteCtrlr {
  bool PaletteShown() const override { return false; }
  void HidePalette() override {}
  void Refresh(int32_t) override {}
  ai::Code OnToolEvent(vx::ToolEventKind kind, const ai::ToolMessage&) override {
    if (kind == vx::ToolEventKind::kMouseDown) vx::Globals()->dragging = 1;
    return ai::kNoError;
  }
  const char* AnnotationText() const override { return "x: 1.000°"; }
};

TEST_F(ToolFrameworkTest, AnAnnotatedDragDrawsItsLabelBelowTheLastDragPoint) {
  vx::SetToolFactory(4, [](int16_t) -> vx::ToolPaletteCtrlr* { return new LabelTool; });
  ASSERT_TRUE(driver.Choose("レンズツール"));
  document.viewOrigin = {0, 100};
  ASSERT_EQ(driver.MouseDown({10, 90}), ai::kNoError);
  ASSERT_EQ(driver.MouseDrag({20, 80}), ai::kNoError);
  const auto& items = document.display.annotations;
  ASSERT_EQ(items.size(), 2u);
  // The drag point is at view (20, 20); the anchor 16 further; the 12-pixel-high
  // box of 9 characters moved below the anchor line.
  EXPECT_EQ(items[0].kind, vxhost::DisplayItem::Kind::kFillRect);
  EXPECT_EQ(items[0].red, 0xCCCC);
  EXPECT_EQ(items[0].rect.left, 36);
  EXPECT_EQ(items[0].rect.top, 36);
  EXPECT_EQ(items[0].rect.right, 36 + 9 * vxhost::kAnnotationCharWidth);
  EXPECT_EQ(items[0].rect.bottom, 48);
  EXPECT_EQ(items[1].kind, vxhost::DisplayItem::Kind::kText);
  EXPECT_EQ(items[1].text, "x: 1.000°");
  EXPECT_EQ(items[1].red, 0);
  ASSERT_EQ(driver.MouseUp({20, 80}), ai::kNoError);
  EXPECT_TRUE(document.display.annotations.empty()) << "the annotator is off after the release";
  EXPECT_EQ(vx::Globals()->dragging, 0);
  ASSERT_FALSE(host.invalidatedRects().empty());
  EXPECT_EQ(host.invalidatedRects().back().top, 36);
  vx::SetToolFactory(4, nullptr);
}

}  // namespace
