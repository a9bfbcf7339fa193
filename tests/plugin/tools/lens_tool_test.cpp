// The Lens tool: its point mappers on their own, then through PluginMain as a
// person uses it (press, drag, release; Alt to size the lens).
#include <cmath>
#include <numbers>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "geometry/bezier.h"
#include "platform/clock.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "plugin/tools/tool_test_fixture.h"
#include "tool_driver.h"
#include "tools/lens/lens_mapper.h"
#include "tools/lens/lens_params.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

using ai::RealPoint;
using vx::kPointUntouched;

constexpr vx::LensGeometry kCircle{{0, 0}, 100, 100};  // R = 50
constexpr vx::LensGeometry kEllipse{{0, 0}, 100, 40};

double Length(RealPoint p) { return std::hypot(p.x, p.y); }

template <class Mapper>
void ExpectCentreFixedAndRimUntouched(const Mapper& mapper, const vx::LensGeometry& lens) {
  RealPoint centre = lens.centre;
  EXPECT_EQ(mapper(centre), ai::kNoError);
  EXPECT_NEAR(centre.x, lens.centre.x, 1e-12);
  EXPECT_NEAR(centre.y, lens.centre.y, 1e-12);
  for (RealPoint p : {RealPoint{lens.width / 2, 0}, RealPoint{0, lens.height / 2}, RealPoint{-80, 30},
                      RealPoint{0, -lens.height}}) {
    const RealPoint before = p;
    EXPECT_EQ(mapper(p), kPointUntouched) << before.x << "," << before.y;
    EXPECT_EQ(p.x, before.x);
    EXPECT_EQ(p.y, before.y);
  }
}

TEST(LensMappers, CentreStaysAndRimAndBeyondAreUntouchedForEveryType) {
  for (const vx::LensGeometry& lens : {kCircle, kEllipse}) {
    for (double b : {1.0, 0.4, -0.4, -1.0}) ExpectCentreFixedAndRimUntouched(vx::FishEyeMapper{lens, b}, lens);
    ExpectCentreFixedAndRimUntouched(vx::MagnifyingMapper{lens, 4}, lens);
    for (int32_t n : {1, 2, 3}) ExpectCentreFixedAndRimUntouched(vx::TwirlMapper{lens, std::numbers::pi, n}, lens);
  }
}

TEST(LensMappers, FishEyeEnlargesOrShrinksTheCentreAndKeepsPointsInside) {
  for (double l : {5.0, 20.0, 40.0, 49.0}) {
    RealPoint grown{l, 0}, shrunk{0, l}, thin{l, 0};
    ASSERT_EQ((vx::FishEyeMapper{kCircle, 1}(grown)), ai::kNoError);
    ASSERT_EQ((vx::FishEyeMapper{kCircle, -1}(shrunk)), ai::kNoError);
    ASSERT_EQ((vx::FishEyeMapper{kCircle, 0.01}(thin)), ai::kNoError);
    EXPECT_GT(grown.x, l);
    EXPECT_LE(grown.x, 50);
    EXPECT_NEAR(grown.y, 0, 1e-12);
    EXPECT_LT(shrunk.y, l);
    EXPECT_GT(shrunk.y, 0);
    EXPECT_NEAR(thin.x, l, 0.05 * l) << "a thin lens leaves points nearly where they were";
  }
  // b = 1: t = R sin(2 atan(l/R)); at l = R/2: 50 sin(2 atan 0.5) = 40.
  RealPoint p{25, 0};
  vx::FishEyeMapper{kCircle, 1}(p);
  EXPECT_NEAR(p.x, 40, 1e-9);
  // On the ellipse the vertical offset keeps the ellipse's scale.
  RealPoint q{0, 10};
  vx::FishEyeMapper{kEllipse, 1}(q);
  EXPECT_NEAR(q.y, 40 * 0.4, 1e-9);
}

TEST(LensMappers, MagnificationFourDoublesTheInnerHalfAndPressesTheRestOntoTheRim) {
  const vx::MagnifyingMapper mapper{kCircle, 4};
  for (double l : {1.0, 10.0, 24.9}) {
    RealPoint p{l * 0.6, -l * 0.8};
    mapper(p);
    EXPECT_NEAR(Length(p), 2 * l, 1e-9);
  }
  for (double l : {25.0, 30.0, 49.9}) {
    RealPoint p{-l * 0.8, l * 0.6};
    mapper(p);
    EXPECT_NEAR(Length(p), 50, 1e-9);
    EXPECT_NEAR(std::atan2(p.y, p.x), std::atan2(0.6, -0.8), 1e-12);
  }
}

TEST(LensMappers, TwirlOfHalfATurnTurnsTheCentreClockwiseAndFadesToTheRim) {
  const vx::TwirlMapper mapper{kCircle, std::numbers::pi, 1};
  EXPECT_NEAR(mapper.AngleAt(0), -std::numbers::pi, 1e-12);
  EXPECT_NEAR(mapper.AngleAt(1), 0, 1e-12);
  RealPoint p{1, 0};
  mapper(p);
  EXPECT_NEAR(p.x, -1, 0.1);  // 0.98 of half a turn
  EXPECT_LT(p.y, 0) << "clockwise in a y-up document";
  // More cycles: nothing at the centre nor at the rim, waving between.
  const vx::TwirlMapper three{kCircle, std::numbers::pi, 3};
  EXPECT_NEAR(three.AngleAt(0), 0, 1e-12);
  EXPECT_NEAR(three.AngleAt(1), 0, 1e-12);
  EXPECT_NE(three.AngleAt(0.5), 0);
}

TEST(LensMappers, ToneFactorsRunFromTheMinimumAtTheCentreToOneAtTheRim) {
  double sx = 0, sy = 0;
  ASSERT_TRUE(vx::ToneFactors(kCircle, {0, 0}, 0.1, 0.3, sx, sy));
  EXPECT_DOUBLE_EQ(sx, 0.1);
  EXPECT_DOUBLE_EQ(sy, 0.3);
  ASSERT_TRUE(vx::ToneFactors(kCircle, {25, 0}, 0.1, 0.1, sx, sy));
  EXPECT_DOUBLE_EQ(sx, 0.55);
  EXPECT_FALSE(vx::ToneFactors(kCircle, {50, 0}, 0.1, 0.1, sx, sy));
}

// Through PluginMain.
class LensToolTest : public vxtest::ToolTest {
 protected:
  LensToolTest() : ToolTest("レンズツール") {}
  vx::LensToolParams& params() { return ToolRecord<vx::LensToolParams>(2); }
  vxhost::Art* Selected(std::initializer_list<RealPoint> points, bool closed = true) {
    return SelectedPath(points, closed);
  }
};

TEST_F(LensToolTest, AFishEyeDragBulgesWhatLiesUnderTheLensAndLeavesTheRestAlone) {
  vxhost::Art* inside = Selected({{-40, 0}, {40, 0}}, false);
  vxhost::Art* outside = Selected({{-200, 300}, {200, 300}}, false);
  // Lens 100 x 100 centred at (0, 10): the pointer at its lower right corner (50, -40).
  Stroke({{40, -50}, {45, -45}, {50, -40}});
  EXPECT_GT(inside->segments.size(), 2u) << "anchors added where the lens bends the line";
  double lowest = 0;
  for (const auto& s : inside->segments) lowest = std::min(lowest, s.anchor.y);
  EXPECT_LT(lowest, -1.5) << "the line below the centre is pushed away from it";
  EXPECT_EQ(outside->segments.size(), 2u);
  EXPECT_EQ(outside->segments[0].anchor.y, 300);
  EXPECT_EQ(LayerArtCount(), 2u) << "the preview outline is gone";
  ExpectDragFreed();
}

TEST_F(LensToolTest, AltDragSizesTheLensAndNeverDeforms) {
  vxhost::Art* path = Selected({{-200, 0}, {200, 0}}, false);
  // Press at (50, -50): centre (0, 0). Drag to (30, -10): 60 x 20.
  Stroke({{50, -50}, {40, -30}, {30, -10}}, ai::modifier::kAlt);
  EXPECT_DOUBLE_EQ(params().lensSize.x, 60);
  EXPECT_DOUBLE_EQ(params().lensSize.y, 20);
  EXPECT_EQ(path->segments.size(), 2u);
  EXPECT_EQ(LayerArtCount(), 1u);
  Stroke({{50, -50}, {5000, -5000}}, ai::modifier::kAlt);
  EXPECT_DOUBLE_EQ(params().lensSize.x, 4000);
  // Pressed at (50, -50), the 4000 x 4000 lens is centred on (-1950, 1950).
  Stroke({{50, -50}, {-1950, 1950}}, ai::modifier::kAlt);
  EXPECT_DOUBLE_EQ(params().lensSize.x, 1);
  EXPECT_DOUBLE_EQ(params().lensSize.y, 1);
}

TEST_F(LensToolTest, ToneLensShrinksObjectsCentredInsideAboutTheirCentres) {
  params().lensType = vx::kToneLens;
  params().minimumSize = {0.1, 0.1};
  vxhost::Art* centred = Selected({{-10, -10}, {10, -10}, {10, 10}, {-10, 10}});
  // Its centre (100, 0) lies outside the lens although the lens covers its left part.
  vxhost::Art* beside = Selected({{40, -10}, {160, -10}, {160, 10}, {40, 10}});
  Stroke({{40, -40}, {45, -45}, {50, -50}});
  EXPECT_NEAR(centred->segments[0].anchor.x, -1, 1e-9);
  EXPECT_NEAR(centred->segments[2].anchor.y, 1, 1e-9);
  EXPECT_EQ(beside->segments[0].anchor.x, 40);
  EXPECT_EQ(beside->segments[2].anchor.x, 160);
}

TEST_F(LensToolTest, StrengthTraceLeavesStepCopiesAtTheFinalLens) {
  params().lensType = vx::kMagnifyingLens;
  params().trace = 1;
  params().traceMode = 1;
  params().traceSteps = 4;
  Selected({{-20, -20}, {20, -20}, {20, 20}, {-20, 20}});
  Stroke({{40, -40}, {45, -45}, {50, -50}});
  EXPECT_EQ(LayerArtCount(), 5u) << "the original and four copies";
  ExpectDragFreed();
}

// The lens a drag carries is outlined on the annotator and follows the pointer;
// the outline goes with the release.
TEST_F(LensToolTest, TheAnnotatorOutlinesTheCarriedLens) {
  Selected({{-40, 0}, {40, 0}}, false);
  params().lensSize = {120, 60};
  ASSERT_EQ(Press({40, -50}), ai::kNoError);
  ASSERT_EQ(DragTo({60, -30}), ai::kNoError);
  const ai::ViewRect first = AnnotatedLinesBox();
  EXPECT_NEAR(first.right - first.left, 120, 1);
  EXPECT_NEAR(first.bottom - first.top, 60, 1);
  ASSERT_EQ(DragTo({80, -30}), ai::kNoError);
  EXPECT_NEAR(AnnotatedLinesBox().left - first.left, 20, 1);
  ASSERT_EQ(Release({80, -30}), ai::kNoError);
  EXPECT_TRUE(document.display.annotations.empty());
}

// "Drag Along" keeps the lens size with each recorded position: a copy is made
// with the lens it was recorded with even when the size changed later.
TEST_F(LensToolTest, DragAlongCopiesKeepTheLensTheyWereRecordedWith) {
  params().trace = 1;
  params().traceMode = 0;
  params().traceSpace = 10;
  Selected({{-200, 20}, {200, 20}}, false);
  ASSERT_EQ(Press({40, -50}), ai::kNoError);
  ASSERT_EQ(DragTo({60, -50}), ai::kNoError);  // a 100 x 100 lens centred at (10, 0)
  params().lensSize = {300, 300};
  ASSERT_EQ(DragTo({80, -50}), ai::kNoError);  // 300 x 300 centred at (-70, 100)
  ASSERT_EQ(Release({80, -50}), ai::kNoError);
  int small = 0, large = 0;
  for (vxhost::Art* art = document.layers()[0]->group->firstChild; art != nullptr; art = art->next) {
    if (art->segments.size() <= 2) continue;  // the original
    bool movedFar = false;
    for (const auto& s : art->segments)
      if (std::hypot(s.anchor.x - 10, s.anchor.y) >= 50.5 && std::fabs(s.anchor.y - 20) > 1e-9) movedFar = true;
    ++(movedFar ? large : small);
  }
  EXPECT_EQ(small, 1) << "the copy recorded with the small lens";
  EXPECT_EQ(large, 2) << "the copy recorded after the change and the final one";
  ExpectDragFreed();
}

TEST_F(LensToolTest, AFailedDragMessageLeavesTheLastGoodDragAndNothingHeld) {
  Selected({{-40, 0}, {40, 0}}, false);
  Selected({{-30, -20}, {30, -20}, {30, 25}}, false);
  SweepOneDragMessage({40, -50}, {45, -45}, {50, -40});
}

}  // namespace
