// Live Galaxy objects rebuilt by the host's update: where every copy of every
// arm lands, which values the seed decides and which it does not, single-copy
// arms and single arms, stacking, seeds at the ends of their range, and
// failures on the way.
#include "effects/galaxy/galaxy_generator.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "effects/galaxy/galaxy_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"

namespace {

using vxtest::Box;
using vxtest::BoxOf;
using vxtest::Gray;

constexpr double kDegree = std::numbers::pi / 180;
// The parameter block keeps reals to six decimals (90 degrees as 1.570796), so
// positions far out on an arm are compared to a tenth of a thousandth of a point.
constexpr double kNear = 1e-4;

class GalaxyGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  GalaxyGeneratorTest() : LiveEffectTest(vx::kGalaxyEffect) {}

  static vx::GalaxyPGParams Defaults() {
    vx::GalaxyPGParams params{};
    vx::SetRecordDefaults(vx::kGalaxyPGParamsSpec, &params, "");
    return params;
  }
  // Every deviation at work.
  static vx::GalaxyPGParams Deviating(int32_t seed) {
    vx::GalaxyPGParams params = Defaults();
    params.angleJitter = 40 * kDegree;
    params.branchKink = 30 * kDegree;
    params.twistJitter = 60 * kDegree;
    params.coreJitter = 20;
    params.spreadJitter = 50;
    params.sizeJitter = 0.4;
    params.randomSeed = seed;
    return params;
  }
  // A live object of `params` around a 10 x 10 square centred at (0, 0).
  vxhost::Art* Galaxy(const vx::GalaxyPGParams& params, double x = 0) {
    vxhost::Art* live = MakeLive(params);
    Square(live->editGroup, x - 5, -5, 10, 1, Gray(1), Gray(0.5));
    return live;
  }
  // The one group the framework makes in the result: arms (or copies) and the mark.
  static vxhost::Art* Top(const vxhost::Art* live) {
    EXPECT_EQ(live->resultGroup->Children().size(), 1u);
    return live->resultGroup->firstChild;
  }
  // Every anchor of the result, in stacking order: the arrangement as numbers.
  static std::vector<double> Anchors(const vxhost::Art* art) {
    std::vector<double> out;
    for (const ai::SegRecord& s : art->segments) out.insert(out.end(), {s.anchor.x, s.anchor.y});
    for (const vxhost::Art* child : art->Children()) {
      const std::vector<double> more = Anchors(child);
      out.insert(out.end(), more.begin(), more.end());
    }
    return out;
  }
  // Where the square's corner (x, y) goes for a copy turned by `angle` about
  // O = (-55, 0), pushed `push` beyond the source and scaled `scale` about its centre.
  static ai::RealPoint Placed(double x, double y, double angle, double push, double scale) {
    const double px = scale * x + 55 + push, py = scale * y;
    return {-55 + px * std::cos(angle) - py * std::sin(angle), px * std::sin(angle) + py * std::cos(angle)};
  }
};

TEST_F(GalaxyGeneratorTest, DefaultArmsTwistOutwardAndShrinkToATenthAtTheTip) {
  vxhost::Art* live = Galaxy(Defaults());
  vxhost::Art* square = live->editGroup->firstChild;
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto top = Top(live)->Children();
  ASSERT_EQ(top.size(), 10u) << "eight arm groups and the two-path mark on top";
  EXPECT_EQ(top[0]->segments.size(), 3u);
  EXPECT_NEAR(top[1]->segments[1].anchor.x, -55, kNear) << "the mark at O = (left - 50, centre y)";
  EXPECT_NEAR(top[1]->segments[1].anchor.y, 0, kNear);
  for (int i = 0; i < 8; ++i) {
    const vxhost::Art* arm = top[9 - i];  // arms are made on top of each other
    ASSERT_EQ(arm->kind, ai::art_kind::kGroup);
    const auto copies = arm->Children();
    ASSERT_EQ(copies.size(), 16u);
    for (int j = 0; j < 16; ++j) {
      const vxhost::Art* copy = copies[15 - j];  // each copy on top of the one before
      const double angle = (i * 45 + j * 6) * kDegree;
      for (size_t k = 0; k < 4; ++k) {
        const ai::RealPoint corner = square->segments[k].anchor;
        const ai::RealPoint want = Placed(corner.x, corner.y, angle, j * 10, 1 - j * 0.06);
        EXPECT_NEAR(copy->segments[k].anchor.x, want.x, kNear) << "arm " << i << " copy " << j;
        EXPECT_NEAR(copy->segments[k].anchor.y, want.y, kNear) << "arm " << i << " copy " << j;
      }
      EXPECT_EQ(copy->style.strokeWidth, 1) << "stroke widths are not scaled";
    }
  }
  // The tip of arm 0: 90 degrees on, scaled to 0.1, its centre 55 + 150 from O.
  const Box tip = BoxOf(*top[9]->Children()[0]);
  EXPECT_NEAR(tip.cx(), -55, kNear);
  EXPECT_NEAR(tip.cy(), 205, kNear);
  EXPECT_NEAR(tip.width(), 1, kNear);
  // Arm 0's first copy is the source itself (made with the two-step turn at 0).
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(top[9]->Children()[15]->segments[k].anchor.x, square->segments[k].anchor.x, 1e-12);
    EXPECT_NEAR(top[9]->Children()[15]->segments[k].anchor.y, square->segments[k].anchor.y, 1e-12);
  }
}

TEST_F(GalaxyGeneratorTest, WithoutDeviationsTheSeedDoesNotMatterAndWithThemItDecides) {
  vx::GalaxyPGParams even = Defaults();
  even.keepAngle = 1;
  even.randomSeed = 1;
  vxhost::Art* first = Galaxy(even);
  even.randomSeed = -987654;
  vxhost::Art* second = Galaxy(even);
  vxhost::Art* a = Galaxy(Deviating(77));
  vxhost::Art* b = Galaxy(Deviating(77));
  vxhost::Art* c = Galaxy(Deviating(78));
  vxhost::Art* moved = Galaxy(Deviating(77), 30);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  EXPECT_EQ(Anchors(Top(first)), Anchors(Top(second)));
  EXPECT_EQ(Anchors(Top(a)), Anchors(Top(b))) << "the same seed, the same arms";
  EXPECT_NE(Anchors(Top(a)), Anchors(Top(c)));
  // The arrangement travels with its source: the same draws, moved by 30 pt.
  const auto here = Anchors(Top(a)), there = Anchors(Top(moved));
  ASSERT_EQ(here.size(), there.size());
  for (size_t k = 0; k < here.size(); k += 2) {
    EXPECT_NEAR(there[k], here[k] + 30, kNear);
    EXPECT_NEAR(there[k + 1], here[k + 1], kNear);
  }

  // Kept angles: each copy only scaled and moved, its datum where the turned copy's would be.
  const auto arms = Top(first)->Children();
  const vxhost::Art* copy = arms[9 - 2]->Children()[15 - 5];  // arm 2, copy 5
  const Box box = BoxOf(*copy);
  const ai::RealPoint centre = Placed(0, 0, (90 + 30) * kDegree, 50, 0.7);
  EXPECT_NEAR(box.cx(), centre.x, kNear);
  EXPECT_NEAR(box.cy(), centre.y, kNear);
  EXPECT_NEAR(box.width(), 7, kNear) << "upright, 70 % of 10 pt";
}

TEST_F(GalaxyGeneratorTest, DeviationsStayWithinTheirWidths) {
  vx::GalaxyPGParams params = Deviating(4242);
  params.branchTwist = 0;
  params.branchKink = 0;
  params.twistJitter = 0;
  params.sizeJitter = 0.4;
  params.tipScale = 1;  // every copy of an arm at the arm's first scale
  params.keepAngle = 1;
  params.showCenterMark = 0;
  vxhost::Art* live = Galaxy(params);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto arms = Top(live)->Children();
  ASSERT_EQ(arms.size(), 8u);
  for (int i = 1; i < 8; ++i) {
    const auto copies = arms[7 - i]->Children();
    const Box first = BoxOf(*copies[15]), last = BoxOf(*copies[0]);
    EXPECT_NEAR(first.width(), last.width(), kNear) << "tip scale 1: the arm keeps its first scale";
    EXPECT_GE(first.width(), 10 * 0.8 - kNear);
    EXPECT_LE(first.width(), 10 * 1.2 + kNear);
    // A straight arm: its direction from O, its start and its length vary within half their widths.
    const double angle = std::atan2(first.cy(), first.cx() + 55);
    EXPECT_NEAR(std::atan2(last.cy(), last.cx() + 55), angle, kNear);
    EXPECT_LE(std::abs(std::remainder(angle - i * 45 * kDegree, 2 * std::numbers::pi)), 20 * kDegree + kNear);
    const double start = std::hypot(first.cx() + 55, first.cy());
    EXPECT_GE(start, 55 - 10 - kNear);
    EXPECT_LE(start, 55 + 10 + kNear);
    const double length = std::hypot(last.cx() + 55, last.cy()) - start;
    EXPECT_GE(length, 150 - 25 - kNear);
    EXPECT_LE(length, 150 + 25 + kNear);
  }
}

TEST_F(GalaxyGeneratorTest, SingleCopiesAndSingleArmsGoStraightIntoTheGroup) {
  vx::GalaxyPGParams ring = Defaults();
  ring.elementCount = 1;
  ring.branchCount = 6;
  ring.showCenterMark = 0;
  vxhost::Art* even = Galaxy(ring);
  ring.angleJitter = 30 * kDegree;
  vxhost::Art* jittered = Galaxy(ring);
  vx::GalaxyPGParams arm = Defaults();
  arm.branchCount = 1;
  arm.elementCount = 5;
  arm.showCenterMark = 0;
  vxhost::Art* single = Galaxy(arm);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto copies = Top(even)->Children();
  ASSERT_EQ(copies.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(copies[5 - i]->kind, ai::art_kind::kPath) << "no arm groups";
    const Box box = BoxOf(*copies[5 - i]);
    EXPECT_NEAR(box.cx(), -55 + 55 * std::cos(i * 60 * kDegree), kNear) << "evenly around O at full size";
    EXPECT_NEAR(box.cy(), 55 * std::sin(i * 60 * kDegree), kNear);
  }
  const auto deviated = Top(jittered)->Children();
  ASSERT_EQ(deviated.size(), 6u);
  int moved = 0;
  for (int i = 1; i < 6; ++i) {
    const Box box = BoxOf(*deviated[5 - i]);
    const double off = std::remainder(std::atan2(box.cy(), box.cx() + 55) - i * 60 * kDegree, 2 * std::numbers::pi);
    EXPECT_LE(std::abs(off), 15 * kDegree + kNear);
    EXPECT_NEAR(std::hypot(box.cy(), box.cx() + 55), 55, kNear);
    if (std::abs(off) > 1e-6) ++moved;
  }
  EXPECT_GT(moved, 0) << "a single-copy arm still deviates in direction";

  const auto chain = Top(single)->Children();
  ASSERT_EQ(chain.size(), 5u);
  for (int j = 0; j < 5; ++j) {
    ASSERT_EQ(chain[4 - j]->kind, ai::art_kind::kPath);
    const Box box = BoxOf(*chain[4 - j]);
    const double angle = j * 22.5 * kDegree;
    EXPECT_NEAR(box.cx(), -55 + (55 + j * 37.5) * std::cos(angle), kNear) << j;
    EXPECT_NEAR(box.cy(), (55 + j * 37.5) * std::sin(angle), kNear) << j;
  }
}

TEST_F(GalaxyGeneratorTest, StackingBelowPutsEachArmsTipAtTheBottom) {
  vx::GalaxyPGParams params = Defaults();
  params.stackBelow = 1;
  params.branchCount = 3;
  params.elementCount = 4;
  vxhost::Art* live = Galaxy(params);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const auto top = Top(live)->Children();
  ASSERT_EQ(top.size(), 5u);
  for (int i = 2; i < 5; ++i) {
    const auto copies = top[i]->Children();
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_NEAR(BoxOf(*copies.front()).width() / BoxOf(*copies.back()).width(), 1 / 0.1, kNear)
        << "the first copy on top at full size, the tip at the bottom";
  }
}

TEST_F(GalaxyGeneratorTest, SeedsWrapAtTheEndsOfTheirRange) {
  EXPECT_EQ(vx::GalaxyStartSeed(INT32_MAX, 0), INT32_MIN);
  EXPECT_EQ(vx::GalaxyStartSeed(5, 3), 9);
  EXPECT_EQ(vx::GalaxyKinkSeed(INT32_MIN, 0), INT32_MAX);
  EXPECT_EQ(vx::GalaxyKinkSeed(5, 3), 1);
  vxhost::Art* live = Galaxy(Deviating(INT32_MAX));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_EQ(Top(live)->Children().size(), 10u);
}

TEST_F(GalaxyGeneratorTest, AFailingHostCallEndsTheRebuildWithItsCode) {
  vx::GalaxyPGParams params = Deviating(9);
  params.branchCount = 3;
  params.elementCount = 3;
  params.keepAngle = 0;
  vxhost::Art* live = Galaxy(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Square(group, 40, 0, 10, 1, Gray(0), std::nullopt);
  SweepRebuild(live);
}

}  // namespace
