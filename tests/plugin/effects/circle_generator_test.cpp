// Live Circle objects rebuilt by the host's update: where the ring centre and
// each copy land, turned and kept orientations, the squashed ring, the order of
// copies and centre marks, sources without bounds, and failures on the way.
#include "effects/circle/circle_generator.h"

#include <cmath>
#include <limits>

#include "effects/circle/circle_params.h"
#include "effects/framework/copy_placement.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"

namespace {

using vxtest::Box;
using vxtest::BoxOf;
using vxtest::Gray;

class CircleGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  CircleGeneratorTest() : LiveEffectTest(vx::kCircleEffect) {}

  static vx::CirclePGParams Defaults() {
    vx::CirclePGParams params{};
    vx::SetRecordDefaults(vx::kCirclePGParamsSpec, &params, "");
    return params;
  }
  // A 100 x 100 square centred at (0, 0).
  vxhost::Art* Centred(vxhost::Art* parent) { return Square(parent, -50, -50, 100, 1, Gray(1), Gray(0.5)); }
  // The ring group's children, top of the stacking order first.
  static std::vector<vxhost::Art*> Ring(const vxhost::Art* live) {
    EXPECT_EQ(live->resultGroup->Children().size(), 1u) << "one group holds every copy";
    return live->resultGroup->firstChild->Children();
  }
  static void ExpectMark(const vxhost::Art& horizontal, const vxhost::Art& vertical, double x, double y) {
    ASSERT_EQ(horizontal.segments.size(), 3u);
    ASSERT_EQ(vertical.segments.size(), 3u);
    EXPECT_NEAR(horizontal.segments[0].anchor.x, x - 4, 1e-9);
    EXPECT_NEAR(horizontal.segments[2].anchor.x, x + 4, 1e-9);
    EXPECT_NEAR(horizontal.segments[1].anchor.y, y, 1e-9);
    EXPECT_NEAR(vertical.segments[0].anchor.y, y - 4, 1e-9);
    EXPECT_NEAR(vertical.segments[2].anchor.y, y + 4, 1e-9);
    EXPECT_FALSE(horizontal.closed);
    EXPECT_EQ(horizontal.style.fillPaint, 0);
    EXPECT_EQ(vertical.style.strokeWidth, 0.5);
    EXPECT_EQ(vertical.style.strokeColor.c.gray.gray, 1.0);
  }
};

TEST_F(CircleGeneratorTest, DefaultsRingEightTurnedCopiesAroundAPointLeftOfTheSource) {
  vxhost::Art* live = MakeLive(Defaults());
  vxhost::Art* square = Centred(live->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto ring = Ring(live);
  ASSERT_EQ(ring.size(), 10u) << "eight copies and a two-path mark";
  ExpectMark(*ring[1], *ring[0], -100, 0);  // the mark on top, horizontal made first
  const double r = 100 / std::sqrt(2.0);
  const double centres[8][2] = {{0, 0}, {-100 + r, r}, {-100, 100}, {-100 - r, r},
                                {-200, 0}, {-100 - r, -r}, {-100, -100}, {-100 + r, -r}};
  for (int i = 0; i < 8; ++i) {
    const Box box = BoxOf(*ring[2 + i]);  // the first copy made is frontmost
    EXPECT_NEAR(box.cx(), centres[i][0], 1e-9) << "copy " << i;
    EXPECT_NEAR(box.cy(), centres[i][1], 1e-9) << "copy " << i;
  }
  // Turned with the ring: the 45-degree copy stands on a corner, the 180-degree
  // copy's first anchor lies opposite the source's.
  EXPECT_NEAR(BoxOf(*ring[3]).right - BoxOf(*ring[3]).left, 100 * std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(ring[6]->segments[0].anchor.x, -150, 1e-9);
  EXPECT_NEAR(ring[6]->segments[0].anchor.y, 50, 1e-9);
  for (size_t i = 0; i < square->segments.size(); ++i) {
    EXPECT_NEAR(ring[2]->segments[i].anchor.x, square->segments[i].anchor.x, 1e-9) << "the 0-degree copy";
    EXPECT_NEAR(ring[2]->segments[i].anchor.y, square->segments[i].anchor.y, 1e-9);
  }
  EXPECT_EQ(ring[6]->style.strokeWidth, 1) << "stroke widths are not scaled";
}

TEST_F(CircleGeneratorTest, OneCopyIsTheSourceAndNoneLeavesOnlyTheMark) {
  vx::CirclePGParams one = Defaults();
  one.copyCount = 1;
  vxhost::Art* single = MakeLive(one);
  vxhost::Art* square = Centred(single->editGroup);
  vx::CirclePGParams none = Defaults();
  none.copyCount = 0;  // possible from a preset file
  vxhost::Art* empty = MakeLive(none);
  Centred(empty->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto ring = Ring(single);
  ASSERT_EQ(ring.size(), 3u);
  for (size_t i = 0; i < square->segments.size(); ++i) {
    EXPECT_NEAR(ring[2]->segments[i].anchor.x, square->segments[i].anchor.x, 1e-12);
    EXPECT_NEAR(ring[2]->segments[i].anchor.y, square->segments[i].anchor.y, 1e-12);
  }
  const auto marks = Ring(empty);
  ASSERT_EQ(marks.size(), 2u);
  ExpectMark(*marks[1], *marks[0], -100, 0);
}

TEST_F(CircleGeneratorTest, ASquashedRingScalesCopiesWhetherTheyTurnOrKeepTheirAngle) {
  vx::CirclePGParams kept = Defaults();
  kept.copyCount = 4;
  kept.keepAngle = 1;
  kept.heightRatio = 0.5;
  kept.showCenterMark = 0;
  vxhost::Art* keeping = MakeLive(kept);
  Centred(keeping->editGroup);
  vx::CirclePGParams turned = kept;
  turned.keepAngle = 0;
  turned.copyCount = 2;
  vxhost::Art* turning = MakeLive(turned);
  Centred(turning->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto ring = Ring(keeping);
  ASSERT_EQ(ring.size(), 4u);
  const double centres[4][2] = {{0, 0}, {-100, 50}, {-200, 0}, {-100, -50}};
  for (int i = 0; i < 4; ++i) {
    const Box box = BoxOf(*ring[i]);
    EXPECT_NEAR(box.cx(), centres[i][0], 1e-9) << "on an ellipse half as high as wide, copy " << i;
    EXPECT_NEAR(box.cy(), centres[i][1], 1e-9);
    EXPECT_NEAR(box.right - box.left, 100, 1e-9) << "orientation kept";
    EXPECT_NEAR(box.top - box.bottom, 50, 1e-9) << "half as high";
  }
  EXPECT_NEAR(ring[2]->segments[0].anchor.x, -250, 1e-9) << "kept angle: the first anchor stays lower left";

  // Half a turn (made in two steps) and then the squash: (p - O) -> S(1, h) R(pi) (p - O).
  const auto half = Ring(turning);
  ASSERT_EQ(half.size(), 2u);
  EXPECT_NEAR(half[1]->segments[0].anchor.x, -150, 1e-9);
  EXPECT_NEAR(half[1]->segments[0].anchor.y, 25, 1e-9);
  EXPECT_NEAR(BoxOf(*half[1]).top - BoxOf(*half[1]).bottom, 50, 1e-9);
}

TEST_F(CircleGeneratorTest, EachSourceRingsItsOwnDatumAndGroupsMoveLeafByLeaf) {
  vx::CirclePGParams params = Defaults();
  params.copyCount = 2;
  params.datumIndex = 6;  // lower left
  params.offsetH = 0;
  params.offsetV = -10;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  for (double x : {0.0, 20.0, 40.0}) Square(group, x, 0, 10, 1, Gray(1), Gray(0));
  Square(live->editGroup, 200, 200, 10, 1, Gray(1), std::nullopt);  // below the group in the stacking order
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto ring = Ring(live);
  ASSERT_EQ(ring.size(), 8u);
  ExpectMark(*ring[1], *ring[0], 200, 190);  // the second source's mark, made last
  ExpectMark(*ring[3], *ring[2], 0, -10);
  // The group's copies above the square's; the half-turned group keeps its three
  // children, each turned about (0, -10).
  EXPECT_EQ(ring[5]->kind, ai::art_kind::kGroup);
  ASSERT_EQ(ring[5]->Children().size(), 3u);
  const Box first = BoxOf(*ring[5]->Children()[0]);
  EXPECT_NEAR(first.left, -10, 1e-9);
  EXPECT_NEAR(first.top, -20, 1e-9);
  EXPECT_EQ(ring[6]->kind, ai::art_kind::kPath);
  EXPECT_NEAR(BoxOf(*ring[7]).left, 190, 1e-9) << "the square's half-turned copy";
  EXPECT_NEAR(BoxOf(*ring[7]).top, 180, 1e-9);
}

TEST_F(CircleGeneratorTest, SourcesWithoutBoundsAndRunawayCountsStayBounded) {
  vx::CirclePGParams params = Defaults();
  params.copyCount = 2'000'000'000;  // a hand-edited preset
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* empty = document.NewArt(ai::art_kind::kGroup);
  document.Insert(empty, ai::placement::kInsideOnTop, live->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_TRUE(Ring(live).empty()) << "an empty group has nowhere to ring about: no copies, no mark";

  Square(live->editGroup, 0, 0, 4, 0, Gray(1), Gray(0));
  ASSERT_EQ(Rebuild(live), ai::kNoError);
  EXPECT_EQ(Ring(live).size(), static_cast<size_t>(vx::kMaxCircleCopies) + 2) << "the palette's limit holds";
  EXPECT_EQ(vxhost::svg::WriteSvg(document).find("nan"), std::string::npos);
}

TEST_F(CircleGeneratorTest, EveryFailingHostCallEndsTheRebuildCleanly) {
  vx::CirclePGParams params = Defaults();
  params.copyCount = 3;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Centred(group);
  Square(live->editGroup, 10, 10, 5, 1, Gray(0), std::nullopt);
  SweepRebuild(live);
}

TEST(CopyPlacementTest, DatumPointsAndHalfTurns) {
  const ai::RealRect bounds{-10, 20, 30, -4};  // left, top, right, bottom
  EXPECT_EQ(vx::DatumPoint(bounds, 0).x, -10);
  EXPECT_EQ(vx::DatumPoint(bounds, 0).y, 20);
  EXPECT_EQ(vx::DatumPoint(bounds, 5).x, 30);
  EXPECT_EQ(vx::DatumPoint(bounds, 5).y, 8);
  EXPECT_EQ(vx::DatumPoint(bounds, 7).x, 10);
  EXPECT_EQ(vx::DatumPoint(bounds, 7).y, -4);
  EXPECT_EQ(vx::DatumPoint(bounds, 42).x, 10) << "out of range is the centre";
  EXPECT_TRUE(vx::NearHalfTurn(0));
  EXPECT_TRUE(vx::NearHalfTurn(3.1420));
  EXPECT_TRUE(vx::NearHalfTurn(-2 * 3.14159265358979 + 0.0009));
  EXPECT_FALSE(vx::NearHalfTurn(3.1430));
  EXPECT_FALSE(vx::NearHalfTurn(1.5707963));
}

}  // namespace

// ---- Live Circle as a person uses it ----------------------------------------

#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace cc = vx::ctl::circle;

class CirclePaletteTest : public vxtest::EffectPaletteTest {
 protected:
  CirclePaletteTest() : EffectPaletteTest("Live サークル") {}
  vx::CirclePGParams& Record() { return RecordAs<vx::CirclePGParams>(); }
};

TEST_F(CirclePaletteTest, TypedValuesAreClampedTheDatumGridPicksAndARecordedApplyPlaysBack) {
  vxhost::Art* square = SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.TypeAndLeave(Palette(), cc::kCount, "1");
  EXPECT_EQ(Record().copyCount, 2) << "at least two copies";
  user.TypeAndLeave(Palette(), cc::kCount, "9999");
  EXPECT_EQ(Record().copyCount, 4000);
  user.TypeAndLeave(Palette(), cc::kCount, "6");
  user.TypeAndLeave(Palette(), cc::kHeightRatio, "0");
  EXPECT_DOUBLE_EQ(Record().heightRatio, 0.01) << "1 % at least";
  user.TypeAndLeave(Palette(), cc::kHeightRatio, "50");
  EXPECT_DOUBLE_EQ(Record().heightRatio, 0.5);
  user.TypeAndLeave(Palette(), cc::kOffsetH, "-5000");
  EXPECT_EQ(Record().offsetH, -4000);
  user.TypeAndLeave(Palette(), cc::kOffsetH, "-30");
  user.Click(Palette(), cc::kFirstDatum + 2);
  EXPECT_EQ(Record().datumIndex, 2) << "upper right";
  user.Click(Palette(), cc::kKeepAngle);
  EXPECT_EQ(Record().keepAngle, 1);

  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  host.actions().SetRecording(false);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->firstChild, square);
  ASSERT_EQ(live[0]->resultGroup->firstChild->Children().size(), 8u) << "six copies and the mark";
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Circle_Action");
  EXPECT_EQ(event.values.Find(ai::FourCC("cpNm"))->integer, 6);
  EXPECT_EQ(event.values.Find(ai::FourCC("oInd"))->integer, 2);
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("ovlR"))->real, 50) << "recorded in percent";

  user.TypeAndLeave(Palette(), cc::kCount, "3");
  user.Click(Palette(), cc::kFirstDatum + 4);
  vxhost::Art* second = SelectedSquare(60);
  SelectOnly(second);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().copyCount, 6);
  EXPECT_EQ(Record().datumIndex, 2);
  EXPECT_DOUBLE_EQ(Record().heightRatio, 0.5);
  live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  for (vxhost::Art* object : live) EXPECT_EQ(object->resultGroup->firstChild->Children().size(), 8u);

  SelectOnly(live[0]);
  user.Click(Palette(), vx::effect_button::kExpand);
  EXPECT_EQ(LiveObjects().size(), 1u);
  SelectOnly(LiveObjects()[0]);
  user.Click(Palette(), vx::effect_button::kRelease);
  EXPECT_TRUE(LiveObjects().empty());
}

}  // namespace
