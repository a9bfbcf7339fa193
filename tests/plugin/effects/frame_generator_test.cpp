// Live Frame objects rebuilt by the host's update: the closed ring of copies in
// both directions, corner copies and the corner offset, kept angles, relative
// feeds, failures on the way; then the palette as a person uses it.
#include "effects/frame/frame_generator.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "effects/frame/frame_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"
#include "svg/svg_io.h"

namespace {

using vxtest::AddPath;
using vxtest::Box;
using vxtest::BoxOf;
using vxtest::Gray;

// The angle by which a copy of the source square (first anchor at its lower
// left) is turned, in degrees 0..360.
double TurnOf(const vxhost::Art& copy) {
  const ai::RealPoint a = copy.segments[0].anchor, b = copy.segments[1].anchor;
  double degrees = std::atan2(b.y - a.y, b.x - a.x) * 180 / 3.14159265358979323846;
  if (degrees < -1e-6) degrees += 360;
  return degrees;
}

class FrameGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  FrameGeneratorTest() : LiveEffectTest(vx::kFrameEffect) {}

  static vx::FramePGParams Defaults() {
    vx::FramePGParams params{};
    vx::SetRecordDefaults(vx::kFramePGParamsSpec, &params, "");
    return params;
  }
  std::vector<vxhost::Art*> Copies(const vx::FramePGParams& params, double width = 10, double height = 10) {
    vxhost::Art* live = MakeLive(params);
    AddPath(document, live->editGroup, {{0, 0}, {width, 0}, {width, height}, {0, height}}, true);
    EXPECT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    EXPECT_EQ(live->resultGroup->Children().size(), 1u) << "one group holds every copy";
    return live->resultGroup->firstChild->Children();
  }
  // Centre offsets from the source centre (5, 5) and turns, in making order.
  static void ExpectCopy(const vxhost::Art& copy, double x, double y, double degrees, const char* what, int i) {
    const Box box = BoxOf(copy);
    EXPECT_NEAR(box.cx() - 5, x, 1e-9) << what << " " << i;
    EXPECT_NEAR(box.cy() - 5, y, 1e-9) << what << " " << i;
    EXPECT_NEAR(std::fmod(TurnOf(copy) + 360, 360), degrees, 1e-6) << what << " " << i;
  }
};

TEST_F(FrameGeneratorTest, DefaultsCloseASquareRingWithTurnedCornersCounterClockwise) {
  const auto copies = Copies(Defaults());
  ASSERT_EQ(copies.size(), 36u);
  size_t c = 0;
  for (int i = 0; i < 8; ++i) ExpectCopy(*copies[c++], 10.0 * i, 0, 0, "side 1", i);
  ExpectCopy(*copies[c++], 80, 0, 45, "corner", 1);
  for (int j = 0; j < 8; ++j) ExpectCopy(*copies[c++], 80, 10.0 + 10 * j, 90, "side 2", j);
  ExpectCopy(*copies[c++], 80, 90, 135, "corner", 2);
  for (int k = 0; k < 8; ++k) ExpectCopy(*copies[c++], 70.0 - 10 * k, 90, 180, "side 3", k);
  ExpectCopy(*copies[c++], -10, 90, 225, "corner", 3);
  for (int l = 0; l < 8; ++l) ExpectCopy(*copies[c++], -10, 80.0 - 10 * l, 270, "side 4", l);
  ExpectCopy(*copies[c++], -10, 0, 315, "corner", 4);
  // The first copy made stays frontmost: copies go below the ones before.
  EXPECT_NEAR(BoxOf(*copies[0]).left, 0, 1e-9);
}

TEST_F(FrameGeneratorTest, CornerOffsetMovesTheFollowingSidesInwardAndDropsTheCorners) {
  vx::FramePGParams params = Defaults();
  params.cornerOffset = 0.5;
  const auto copies = Copies(params);
  ASSERT_EQ(copies.size(), 32u) << "no corner copies while the offset is not 0";
  ExpectCopy(*copies[8], 75, 10, 90, "side 2 start", 0);
  ExpectCopy(*copies[16], 65, 85, 180, "side 3 start", 0);

  params.cornerOffset = -0.5;  // starts each following side earlier along its run
  const auto earlier = Copies(params);
  ExpectCopy(*earlier[8], 80, 5, 90, "side 2 start", 0);
}

TEST_F(FrameGeneratorTest, KeptAnglesAndClockwiseRelativeFeedsOfTheHeight) {
  vx::FramePGParams kept = Defaults();
  kept.keepAngle = 1;
  const auto same = Copies(kept);
  ASSERT_EQ(same.size(), 36u);
  ExpectCopy(*same[8], 80, 0, 0, "corner", 1);
  ExpectCopy(*same[18], 70, 90, 0, "side 3", 0);

  vx::FramePGParams clockwise = Defaults();
  clockwise.direction = 0;
  clockwise.hSideCount = 2;
  clockwise.vSideCount = 3;
  const auto copies = Copies(clockwise, 20, 10);  // feeds are fractions of the 10 pt height
  ASSERT_EQ(copies.size(), 14u);
  const auto at = [&](size_t i, double x, double y) {
    const Box box = BoxOf(*copies[i]);
    EXPECT_NEAR(box.cx() - 10, x, 1e-9) << i;
    EXPECT_NEAR(box.cy() - 5, y, 1e-9) << i;
  };
  at(0, 0, 0);
  at(2, 0, 20);   // side 1 runs upward
  at(3, 0, 30);   // corner 1
  at(4, 10, 30);  // side 2 to the right
  at(13, 0, -10);  // the last corner closes the ring one corner feed below the first copy
}

TEST_F(FrameGeneratorTest, DegenerateSourcesAndOutOfRangeCountsStayBounded) {
  vx::FramePGParams params = Defaults();
  params.hSideCount = 50000;  // from a hand-edited preset
  params.vSideCount = -3;
  vxhost::Art* live = MakeLive(params);
  AddPath(document, live->editGroup, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  vxhost::Art* point = MakeLive(Defaults());
  AddPath(document, point->editGroup, {{3, 3}, {3, 3}}, false);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_EQ(live->resultGroup->firstChild->Children().size(), 2u * vx::kMaxFrameSideCopies + 4);
  EXPECT_TRUE(point->resultGroup->firstChild->Children().empty()) << "a point has nothing to frame";
  EXPECT_EQ(vxhost::svg::WriteSvg(document).find("nan"), std::string::npos);
}

TEST_F(FrameGeneratorTest, EveryFailingHostCallEndsTheRebuildCleanly) {
  vx::FramePGParams params = Defaults();
  params.hSideCount = 1;
  params.vSideCount = 2;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Square(group, 0, 0, 10, 1, Gray(0), std::nullopt);
  Square(live->editGroup, 20, 0, 5, 1, Gray(0), std::nullopt);
  SweepRebuild(live);
}

}  // namespace

// ---- Live Frame as a person uses it ------------------------------------------

#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace fc = vx::ctl::frame;

class FramePaletteTest : public vxtest::EffectPaletteTest {
 protected:
  FramePaletteTest() : EffectPaletteTest("Live フレーム") {}
  vx::FramePGParams& Record() { return RecordAs<vx::FramePGParams>(); }
  bool Enabled(int32_t id) { return Palette().Item(id)->Enabled(); }
};

TEST_F(FramePaletteTest, CornerOffsetControlsTheCornerBoxAndModesConvertFeeds) {
  SelectedSquare(0);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  user.TypeAndLeave(Palette(), fc::kSideH, "0");
  EXPECT_EQ(Record().hSideCount, 1);
  user.TypeAndLeave(Palette(), fc::kSideV, "5000");
  EXPECT_EQ(Record().vSideCount, 1000);

  user.Click(Palette(), fc::kCornerMinus);
  EXPECT_DOUBLE_EQ(Record().cornerOffset, -1);
  EXPECT_EQ(Palette().Item(fc::kCornerOffsetSlider)->Position(), -100);
  EXPECT_FALSE(Enabled(fc::kPlaceAtCorner));
  user.TypeAndLeave(Palette(), fc::kCornerOffset, "0.4");
  EXPECT_FALSE(Enabled(fc::kPlaceAtCorner)) << "only an offset of exactly 0 allows corner copies";
  EXPECT_EQ(Palette().Item(fc::kCornerOffsetSlider)->Position(), 0);
  user.TypeAndLeave(Palette(), fc::kCornerOffset, "0");
  EXPECT_TRUE(Enabled(fc::kPlaceAtCorner));
  user.Click(Palette(), fc::kCornerPlus);
  EXPECT_DOUBLE_EQ(Record().cornerOffset, 1);
  user.Click(Palette(), fc::kCornerZero);
  EXPECT_TRUE(Enabled(fc::kPlaceAtCorner));

  user.Click(Palette(), fc::kClockwise);
  EXPECT_EQ(Record().direction, 0);
  EXPECT_TRUE(Palette().Item(fc::kClockwise)->Pressed());
  user.TypeAndLeave(Palette(), fc::kSideMoveRelative, "50");
  EXPECT_DOUBLE_EQ(Record().sideMove, 0.5);
  user.PickItem(Palette(), fc::kFeedMode, 1);
  EXPECT_EQ(Record().moveRelative, 1);
  EXPECT_DOUBLE_EQ(Record().sideMove, 15) << "half the selection's 30 pt height";
  EXPECT_DOUBLE_EQ(Record().cornerMove, 30);
  // Only the pair of the mode is shown, and it edits the same fields.
  EXPECT_FALSE(Palette().Item(fc::kSideMoveRelative)->Visible());
  EXPECT_FALSE(Palette().Item(fc::kCornerMoveRelativeSpin)->Visible());
  ASSERT_TRUE(Palette().Item(fc::kSideMoveAbsolute)->Visible());
  EXPECT_TRUE(Palette().Item(fc::kCornerMoveAbsoluteSpin)->Visible());
  EXPECT_EQ(std::strtod(Palette().Item(fc::kSideMoveAbsolute)->Text().c_str(), nullptr), 15);
  EXPECT_EQ(user.TypeAndLeave(Palette(), fc::kSideMoveAbsolute, "2000"), 0);
  EXPECT_DOUBLE_EQ(Record().sideMove, 1000) << "lengths are clamped to 1000 pt";
  user.TypeAndLeave(Palette(), fc::kSideMoveAbsolute, "15");
  EXPECT_EQ(user.TypeAndLeave(Palette(), fc::kSideMoveRelative, "1"), platform::ui::kUiHidden);
  user.PickItem(Palette(), fc::kFeedMode, 0);
  EXPECT_DOUBLE_EQ(Record().sideMove, 0.5);
  EXPECT_TRUE(Palette().Item(fc::kSideMoveRelative)->Visible());
  EXPECT_FALSE(Palette().Item(fc::kSideMoveAbsolute)->Visible());
  EXPECT_EQ(Palette().Item(fc::kSideMoveRelative)->Text(), "50.000");
}

TEST_F(FramePaletteTest, ARecordedApplyPlaysBackOnAnotherSelection) {
  SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.TypeAndLeave(Palette(), fc::kSideH, "3");
  user.TypeAndLeave(Palette(), fc::kSideV, "2");
  user.TypeAndLeave(Palette(), fc::kCornerMoveRelative, "150");
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Frame_Action");
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("cMov"))->real, 150) << "relative feeds in percent";

  user.TypeAndLeave(Palette(), fc::kSideH, "7");
  SelectOnly(SelectedSquare(60));
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().hSideCount, 3);
  EXPECT_DOUBLE_EQ(Record().cornerMove, 1.5);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  for (vxhost::Art* object : live) EXPECT_EQ(object->resultGroup->firstChild->Children().size(), 14u);
  SelectOnly(live[0]);
  user.Click(Palette(), vx::effect_button::kExpand);
  EXPECT_EQ(LiveObjects().size(), 1u);
}

}  // namespace
