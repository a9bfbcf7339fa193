// The Trail tool through PluginMain as a person uses it: outlines while the
// mouse moves, copies only at mouse up, the start placed with Shift, several
// objects grouped first, text refused, and Alt-click picking end colours.
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "document/document.h"
#include "effects/trail/trail_copy.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "plugin/tools/tool_test_fixture.h"
#include "tool_driver.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/trail/trail_params.h"
#include "tools/trail/trail_tool_ctrlr.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

using ai::RealPoint;
constexpr double kPi = 3.14159265358979323846;

class TrailToolTest : public vxtest::ToolTest {
 protected:
  TrailToolTest() : ToolTest("トレイルツール") {}

  vx::TrailToolParams& params() {
    return *static_cast<vx::TrailToolParams*>(vx::Globals()->toolRecords[vx::ToolRecordSlot(11)]);
  }

  // A selected 20 x 20 square centred on (cx, cy), gray fill.
  vxhost::Art* Square(double cx, double cy, vxhost::Art* parent = nullptr) {
    vxhost::Art* path = vxtest::AddPath(document, parent ? parent : vxtest::LayerGroup(document),
                                        {{cx - 10, cy - 10}, {cx + 10, cy - 10}, {cx + 10, cy + 10}, {cx - 10, cy + 10}},
                                        true);
    path->style.fillPaint = 1;
    path->style.fillColor.kind = ai::color_kind::kGray;
    path->style.fillColor.c.gray.gray = 0.5;
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }


  std::vector<vxhost::Art*> Layer() const { return vxtest::LayerGroup(document)->Children(); }
  static RealPoint Centre(const vxhost::Art& path) {
    RealPoint c{0, 0};
    for (const ai::SegRecord& s : path.segments) c = {c.x + s.anchor.x / 4, c.y + s.anchor.y / 4};
    return c;
  }

  void ExpectDragFreed() {
    for (const std::string& name : host.blocks().LiveNames()) EXPECT_NE(name, "g tDelta");
  }
};

TEST_F(TrailToolTest, OutlinesWhileDraggingAndEvenCopiesAtMouseUp) {
  Square(0, 0);
  params().steps = 4;
  params().spacing = vx::trail_spacing::kUniform;
  ASSERT_EQ(Press({0, 0}), ai::kNoError);
  ASSERT_EQ(DragTo({60, 0}), ai::kNoError);
  ASSERT_EQ(DragTo({100, 0}), ai::kNoError);
  // The box and four outlines on top of the square; the last drag's only.
  auto layer = Layer();
  ASSERT_EQ(layer.size(), 6u);
  EXPECT_NEAR(Centre(*layer[0]).x, 100, 1e-9) << "the last outline at the mouse";
  EXPECT_EQ(layer[0]->style.fillPaint, 0) << "outlines carry no paint of the art";
  host.faults().Reset(/*record=*/true);
  ASSERT_EQ(Release({100, 0}), ai::kNoError);
  const std::vector<std::string> calls = host.faults().recorded();
  host.faults().Reset();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetCursor"), 2 + 4) << "the busy cursor after each copy";

  layer = Layer();
  ASSERT_EQ(layer.size(), 2u) << "the square and the group of copies below it";
  EXPECT_EQ(layer[0]->kind, ai::art_kind::kPath);
  EXPECT_TRUE(layer[0]->selected());
  const auto copies = layer[1]->Children();
  ASSERT_EQ(copies.size(), 4u);
  for (int k = 1; k <= 4; ++k) EXPECT_NEAR(Centre(*copies[k - 1]).x, 25.0 * k, 1e-9);
  EXPECT_EQ(copies[0]->style.fillColor.c.gray.gray, 0.5) << "a gray fill keeps its colour against a three-colour end";
  ExpectDragFreed();
}

TEST_F(TrailToolTest, AClickMakesNothingUnlessTheCopiesTurn) {
  Square(0, 0);
  Stroke({{0, 0}, {1, 1}});
  EXPECT_EQ(Layer().size(), 1u);

  params().angle = kPi / 2;
  params().steps = 2;
  Stroke({{0, 0}, {0, 0}});
  const auto layer = Layer();
  ASSERT_EQ(layer.size(), 2u);
  const auto copies = layer[1]->Children();
  ASSERT_EQ(copies.size(), 2u);
  const ai::SegRecord& corner = copies[1]->segments[0];
  EXPECT_NEAR(corner.anchor.x, 10, 1e-9) << "the last copy turned a quarter about the start";
  EXPECT_NEAR(corner.anchor.y, -10, 1e-9);
  EXPECT_NEAR(Centre(*copies[1]).x, 0, 1e-9);
  ExpectDragFreed();
}

TEST_F(TrailToolTest, ShiftPlacesTheStartWithoutDrawing) {
  Square(0, 0);
  params().steps = 2;
  params().spacing = vx::trail_spacing::kUniform;
  ASSERT_EQ(Press({0, 0}), ai::kNoError);
  ASSERT_EQ(DragTo({50, 0}, ai::modifier::kShift), ai::kNoError);
  EXPECT_EQ(Layer().size(), 1u) << "nothing drawn while the start moves";
  ASSERT_EQ(DragTo({90, 0}), ai::kNoError);
  ASSERT_EQ(Release({90, 0}), ai::kNoError);
  const auto copies = Layer()[1]->Children();
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_NEAR(Centre(*copies[0]).x, 20, 1e-9) << "the square moved as far as the drag from the new start";
  EXPECT_NEAR(Centre(*copies[1]).x, 40, 1e-9);
}

TEST_F(TrailToolTest, SeveralObjectsAreGroupedFirstAndTextIsRefused) {
  Square(0, 0);
  Square(40, 0);
  params().steps = 3;
  Stroke({{0, 0}, {0, 30}, {0, 60}});
  auto layer = Layer();
  ASSERT_EQ(layer.size(), 2u);
  ASSERT_EQ(layer[0]->kind, ai::art_kind::kGroup);
  EXPECT_EQ(layer[0]->Children().size(), 2u);
  ASSERT_EQ(layer[1]->Children().size(), 3u);
  EXPECT_EQ(layer[1]->Children()[0]->Children().size(), 2u) << "each copy is a copy of the group";

  vxhost::Art* text = vxtest::AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kText);
  text->userAttributes |= ai::art_attr::kSelected;
  EXPECT_EQ(Press({0, 0}), vx::trail_tool_error::kUnsupported);
  EXPECT_EQ(Release({0, 0}), ai::kNoError);
  EXPECT_EQ(Layer().size(), 3u);
  ExpectDragFreed();
}

TEST_F(TrailToolTest, AltClickPicksTheSideUnderTheMouse) {
  vxhost::Art* square = Square(0, 0);
  square->style.strokePaint = 1;
  square->style.strokeWidth = 1;
  square->style.strokeColor.kind = ai::color_kind::kThree;
  square->style.strokeColor.c.three = {0.2, 0.4, 0.6};
  params().endFillKind = vx::trail_end::kOwnFill;
  const ai::ColorRecord strokeBefore = params().endStrokeColor;
  Stroke({{0, 0}, {0, 0}}, ai::modifier::kAlt);
  EXPECT_EQ(params().endFillKind, vx::trail_end::kColor);
  EXPECT_EQ(params().endFillColor.kind, ai::color_kind::kGray);
  EXPECT_EQ(params().endFillColor.c.gray.gray, 0.5);
  EXPECT_EQ(std::memcmp(&params().endStrokeColor, &strokeBefore, sizeof strokeBefore), 0);

  Stroke({{10, 0}, {10, 0}}, ai::modifier::kAlt);
  EXPECT_EQ(params().endStrokeColor.kind, ai::color_kind::kThree);
  EXPECT_EQ(params().endStrokeColor.c.three.blue, 0.6);
  EXPECT_EQ(Layer().size(), 1u) << "picking makes nothing";
}

}  // namespace
