// The Craft tool: its weighting on its own, then through PluginMain (free,
// pinch and dynamic drags, Alt for the radius, Shift + Alt to add an anchor).
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "plugin/tools/tool_test_fixture.h"
#include "tool_driver.h"
#include "tools/framework/craft_mapper.h"
#include "tools/craft/craft_params.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

using ai::RealPoint;

TEST(CraftMapper, ResistanceSetsTheFalloffAndTheRimIsUntouched) {
  vx::CraftMapper linear{vx::kCraftFree, {0, 0}, 100, 1, {10, 0}, 0};
  RealPoint centre{0, 0}, half{50, 0}, rim{100, 0}, beyond{0, -150};
  EXPECT_EQ(linear(centre), ai::kNoError);
  EXPECT_DOUBLE_EQ(centre.x, 10);
  linear(half);
  EXPECT_DOUBLE_EQ(half.x, 55);
  EXPECT_EQ(linear(rim), vx::kPointUntouched);
  EXPECT_EQ(linear(beyond), vx::kPointUntouched);
  vx::CraftMapper square = linear;
  square.power = 2;
  RealPoint q{50, 0};
  square(q);
  EXPECT_DOUBLE_EQ(q.x, 52.5);
  vx::CraftMapper pinch{vx::kCraftPinch, {0, 0}, 100, 2, {0, 0}, 1};
  RealPoint p{1, 1};
  pinch(p);
  const double w = 1 - std::sqrt(2.0) / 100;
  EXPECT_NEAR(p.x, 1 + w * w, 1e-9) << "nearly doubled near the centre";
  vx::CraftMapper twirl{vx::kCraftTwirl, {0, 0}, 100, 1, {0, 0}, std::acos(-1.0)};
  RealPoint t{0.001, 0};
  twirl(t);
  EXPECT_NEAR(t.x, -0.001, 1e-5);
}

class CraftToolTest : public vxtest::ToolTest {
 protected:
  CraftToolTest() : ToolTest("クラフトツール") {}
  vx::CraftToolParams& params() { return ToolRecord<vx::CraftToolParams>(3); }
  vxhost::Art* Selected(std::initializer_list<RealPoint> points, bool closed = false) {
    return SelectedPath(points, closed);
  }
};

TEST_F(CraftToolTest, AFreeDragPushesTheCircleAndLeavesPathsOutsideAsTheyWere) {
  params().resistance = 0;  // "1": linear
  vxhost::Art* through = Selected({{-200, 0}, {200, 0}});
  vxhost::Art* far = Selected({{-200, 300}, {200, 300}});
  Stroke({{0, 0}, {5, 0}, {10, 0}});
  EXPECT_GT(through->segments.size(), 2u);
  bool sawCentre = false;
  for (const auto& s : through->segments)
    if (std::fabs(s.anchor.x - 10) < 1e-6) sawCentre = true;
  EXPECT_TRUE(sawCentre) << "the point under the press moved the whole drag";
  ASSERT_EQ(far->segments.size(), 2u);
  EXPECT_EQ(far->segments[0].anchor.x, -200);
  EXPECT_EQ(far->segments[1].anchor.x, 200);
}

TEST_F(CraftToolTest, PinchTwentyPointsUpDoublesDistancesAtTheCentre) {
  params().mode = vx::kCraftPinch;
  params().resistance = 0;
  params().areaRadius = 1000;
  vxhost::Art* path = Selected({{-1, 0}, {1, 0}});
  Stroke({{0, 0}, {0, 10}, {0, 20}});
  EXPECT_NEAR(path->segments.front().anchor.x, -1.999, 1e-9) << "scale 1 + 0.999 near the centre";
}

TEST_F(CraftToolTest, DynamicDragsAccumulate) {
  params().mode = vx::kCraftDynamic;
  params().resistance = 0;
  params().areaRadius = 1000;
  vxhost::Art* path = Selected({{0, 0}, {0, 300}});
  Stroke({{0, 0}, {5, 0}, {10, 0}});
  EXPECT_NEAR(path->segments.front().anchor.x, 10, 0.1) << "two pushes of 5 near the centre";
}

TEST_F(CraftToolTest, AltSetsTheRadiusAndShiftAltAddsAnAnchorAtTheClick) {
  vxhost::Art* path = Selected({{0, 0}, {100, 0}});
  Stroke({{0, 50}, {3000, 4050}, {5000, 50}}, ai::modifier::kAlt);
  EXPECT_DOUBLE_EQ(params().areaRadius, 4000);
  EXPECT_EQ(path->segments.size(), 2u);
  Stroke({{30, 0}}, ai::modifier::kAlt | ai::modifier::kShift);
  ASSERT_EQ(path->segments.size(), 3u);
  EXPECT_NEAR(path->segments[1].anchor.x, 30, 1e-9);
  EXPECT_NEAR(path->segments[1].anchor.y, 0, 1e-9);
  EXPECT_EQ(path->segments[2].anchor.x, 100);
}

// The circle a drag works in is outlined on the annotator: at the press, or
// under the pointer in dynamic mode; none while Alt sets the radius.
TEST_F(CraftToolTest, TheAnnotatorOutlinesTheCircleTheDragWorksIn) {
  params().areaRadius = 40;
  Selected({{-200, 0}, {200, 0}});
  ASSERT_EQ(Press({0, 0}), ai::kNoError);
  ASSERT_EQ(DragTo({30, 0}), ai::kNoError);
  const ai::ViewRect free = AnnotatedLinesBox();
  EXPECT_NEAR(free.right - free.left, 80, 1);
  EXPECT_NEAR(free.bottom - free.top, 80, 1);
  ASSERT_EQ(Release({30, 0}), ai::kNoError);

  params().mode = vx::kCraftDynamic;
  ASSERT_EQ(Press({0, 0}), ai::kNoError);
  ASSERT_EQ(DragTo({30, 0}), ai::kNoError);
  EXPECT_NEAR(AnnotatedLinesBox().left - free.left, 30, 1) << "the circle goes with the pointer";
  ASSERT_EQ(Release({30, 0}), ai::kNoError);

  ASSERT_EQ(Press({0, 0}, ai::modifier::kAlt), ai::kNoError);
  ASSERT_EQ(DragTo({30, 0}, ai::modifier::kAlt), ai::kNoError);
  EXPECT_TRUE(document.display.annotations.empty()) << "the radius shows as temporary art";
  ASSERT_EQ(Release({30, 0}, ai::modifier::kAlt), ai::kNoError);
}

TEST_F(CraftToolTest, AFailedDragMessageLeavesTheLastGoodDragAndNothingHeld) {
  Selected({{-200, 0}, {200, 0}});
  Selected({{-20, -30}, {20, 30}});
  SweepOneDragMessage({0, 0}, {5, 0}, {10, 4});
}

}  // namespace
