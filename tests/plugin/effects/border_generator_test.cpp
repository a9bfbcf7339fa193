// Live Border objects rebuilt by the host's update: the band's step counts,
// widths, colours and offsets outside the path, the clipped band inside it,
// its shadow copies, and failures on the way.
#include "effects/border/border_generator.h"

#include <cmath>
#include <cstring>

#include "effects/border/border_params.h"
#include "effects/neon/neon_steps.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"
#include "svg/svg_io.h"

namespace {

using vxtest::Four;
using vxtest::Gray;
using vxtest::Three;

class BorderGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  BorderGeneratorTest() : LiveEffectTest(vx::kBorderEffect) {}

  static vx::BorderPGParams Defaults() {
    vx::BorderPGParams params{};
    vx::SetRecordDefaults(vx::kBorderPGParamsSpec, &params, "");
    return params;
  }
  static std::vector<vxhost::Art*> Copies(const vxhost::Art* live) { return BottomUp(live->resultGroup->firstChild); }
  static double ShiftX(const vxhost::Art* copy, const vxhost::Art* source) {
    return copy->segments[0].anchor.x - source->segments[0].anchor.x;
  }
  static double ShiftY(const vxhost::Art* copy, const vxhost::Art* source) {
    return copy->segments[0].anchor.y - source->segments[0].anchor.y;
  }
};

TEST_F(BorderGeneratorTest, OutsideBandNarrowsFromTheStrokeTowardTheFillWithTheFillOnTop) {
  vxhost::Art* live = MakeLive(Defaults());  // outside, auto mid
  Square(live->editGroup, 0, 0, 40, 10, Three(1, 0, 0), Three(0, 0, 1));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto copies = Copies(live);
  ASSERT_EQ(copies.size(), 11u) << "ten band copies and the fill copy";
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE("copy " + std::to_string(i));
    const ai::PathStyle& s = copies[i]->style;
    EXPECT_NEAR(s.strokeWidth, 10 - i, 1e-12);
    EXPECT_NEAR(s.strokeColor.c.three.red, 1 - i / 10.0, 1e-12) << "level i/N, factor 1 - i/N";
    EXPECT_NEAR(s.strokeColor.c.three.blue, i / 10.0, 1e-12);
    EXPECT_EQ(s.fillPaint, 1);
    EXPECT_EQ(std::memcmp(&s.fillColor, &s.strokeColor, sizeof s.fillColor), 0) << "a solid band shape";
    EXPECT_EQ(s.fillOverprint, i == 0 ? 1 : 0) << "the fill takes the stroke's overprint";
  }
  const ai::PathStyle& top = copies[10]->style;
  EXPECT_EQ(top.strokePaint, 0);
  EXPECT_EQ(top.fillPaint, 1);
  EXPECT_EQ(top.fillColor.c.three.blue, 1) << "the object's own fill covers the middle";
}

TEST_F(BorderGeneratorTest, StepCountsFollowTheModeAndTheWidestStroke) {
  struct Case {
    int32_t mode, steps;
    std::vector<double> widths;
    size_t copies;  // band copies plus the fill copy
  };
  const Case cases[] = {
      {0, 3, {2.9}, 7},      // auto high below 3 points: 6
      {0, 3, {4.5}, 9},      // 2 floor(w)
      {1, 3, {2}, 4},        // auto mid below 3: 3
      {2, 3, {7}, 5},        // auto low: floor(w / 2 + 0.5)
      {2, 3, {1}, 3},        // and below 3: 2
      {1, 3, {4, 10}, 11},   // the widest stroke of a group decides
      {1, 3, {}, 0},         // nothing stroked: nothing at all
      {3, 4, {}, 5},         // manual: the count as it is, strokes or not
      {3, 0, {10}, 0},       // a played count of 0 makes nothing
  };
  std::vector<vxhost::Art*> lives;
  for (const Case& c : cases) {
    vx::BorderPGParams params = Defaults();
    params.stepMode = c.mode;
    params.steps = c.steps;
    vxhost::Art* live = MakeLive(params);
    vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
    for (double width : c.widths) Square(group, 0, 0, 30, width, Gray(0), Gray(1));
    if (c.widths.empty()) Square(group, 0, 0, 30, 0, Gray(0), Gray(1));
    lives.push_back(live);
  }
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  for (size_t k = 0; k < lives.size(); ++k) EXPECT_EQ(Copies(lives[k]).size(), cases[k].copies) << "case " << k;
  EXPECT_EQ(vx::BorderAutoSteps(0, 1e9), 32767) << "absurd widths saturate instead of wrapping";
}

TEST_F(BorderGeneratorTest, ReverseStartsHighOnTheBandAndTheArcBendsTheRun) {
  vx::BorderPGParams params = Defaults();
  params.stepMode = 3;
  params.steps = 4;
  params.reverse = 1;
  vxhost::Art* reversed = MakeLive(params);
  Square(reversed->editGroup, 0, 0, 40, 8, Gray(1), Gray(0));
  params.reverse = 0;
  params.gradientArc = 0.5;
  vxhost::Art* arced = MakeLive(params);
  Square(arced->editGroup, 0, 0, 40, 8, Gray(1), Gray(0));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto rev = Copies(reversed);
  const auto arc = Copies(arced);
  ASSERT_EQ(rev.size(), 5u);
  ASSERT_EQ(arc.size(), 5u);
  // With gray 1 as the stroke and 0 as the fill, the band colour is the factor m.
  const double levels[4] = {0.75, 0.5, 0.25, 0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(rev[i]->style.strokeColor.c.gray.gray, 1 - levels[i], 1e-12) << "reverse, copy " << i;
    EXPECT_NEAR(arc[i]->style.strokeColor.c.gray.gray, vx::NeonMixFactor(i / 4.0, 1, 0.5), 1e-12) << "arc, copy " << i;
  }
  EXPECT_LT(arc[1]->style.strokeColor.c.gray.gray, 0.75) << "a positive arc falls faster at first";
}

TEST_F(BorderGeneratorTest, TheOffsetShiftsTheWidestCopyMostAndTheFillCopyNotAtAll) {
  vx::BorderPGParams params = Defaults();  // offset angle -45 degrees
  params.offset = 1;
  params.stepMode = 3;
  params.steps = 4;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* square = Square(live->editGroup, 0, 0, 40, 8, Gray(0), Gray(1));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const auto copies = Copies(live);
  ASSERT_EQ(copies.size(), 5u);
  const double diagonal = 8 / std::sqrt(2.0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(ShiftX(copies[i], square), diagonal * (4 - i) / 4, 1e-5) << "copy " << i;
    EXPECT_NEAR(ShiftY(copies[i], square), -diagonal * (4 - i) / 4, 1e-5) << "down and to the right";
  }
  EXPECT_EQ(ShiftX(copies[4], square), 0);
}

TEST_F(BorderGeneratorTest, InsideTheBandIsClippedByTheFirstObjectsOutline) {
  vx::BorderPGParams params = Defaults();
  params.side = 1;
  params.stepMode = 3;
  params.steps = 3;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* square = Square(live->editGroup, 0, 0, 40, 6, Three(0, 0, 0), Three(1, 1, 1));
  Square(live->editGroup, 100, 0, 40, 6, Three(0, 0, 0), Three(1, 1, 1));  // only the first gets a band
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto top = BottomUp(live->resultGroup);
  ASSERT_EQ(top.size(), 1u);
  const vxhost::Art& clipGroup = *top[0];
  EXPECT_TRUE(clipGroup.clipped);
  const auto inside = BottomUp(&clipGroup);
  ASSERT_EQ(inside.size(), 2u);
  const vxhost::Art& clip = *clipGroup.firstChild;
  EXPECT_EQ(&clip, inside[1]) << "the outline above the band clips it";
  EXPECT_EQ(clip.style.clip, 1);
  EXPECT_EQ(clip.style.fillPaint, 0);
  EXPECT_EQ(clip.style.strokePaint, 0);
  EXPECT_EQ(clip.segments[1].anchor.x, square->segments[1].anchor.x);

  const auto band = BottomUp(inside[0]);
  ASSERT_EQ(band.size(), 3u);
  EXPECT_NEAR(band[0]->style.strokeWidth, 6, 1e-12) << "the widest at the bottom";
  EXPECT_EQ(band[0]->style.fillPaint, 1) << "keeps the object's fill";
  EXPECT_EQ(band[0]->style.fillColor.c.three.red, 1);
  EXPECT_NEAR(band[2]->style.strokeWidth, 2, 1e-12) << "the thinnest on top";
  EXPECT_EQ(band[1]->style.fillPaint, 0);
  EXPECT_EQ(band[2]->style.fillPaint, 0);
  // The widest copy is the last step: band level 2/3, factor 1/3.
  EXPECT_NEAR(band[0]->style.strokeColor.c.three.red, 2.0 / 3, 1e-12);
  EXPECT_EQ(band[2]->style.strokeColor.c.three.red, 0) << "the first step is the stroke colour";

  // Written as a clip path, read back as a clipping group.
  const std::string svg = vxhost::svg::WriteSvg(document);
  EXPECT_NE(svg.find("<clipPath"), std::string::npos);
  bool clippedBack = false;
  vxhost::svg::ReadSvg(svg, "written")->ForEachArt([&](vxhost::Art* art) { clippedBack |= art->clipped; }, true);
  EXPECT_TRUE(clippedBack);
}

TEST_F(BorderGeneratorTest, ShadowCopiesAreTintedAndMovedAgainstOrTowardTheLight) {
  vx::BorderPGParams params = Defaults();
  params.stepMode = 3;
  params.steps = 2;
  params.shadowOn = 1;
  params.shadowTint = 1;
  params.shadowOffset = 3;
  params.lightAngle = 0;  // light from the right
  vxhost::Art* outside = MakeLive(params);
  vxhost::Art* source = Square(outside->editGroup, 0, 0, 40, 4, Gray(0.2), Gray(0.6));
  params.side = 1;
  vxhost::Art* inside = MakeLive(params);
  Square(inside->editGroup, 0, 0, 40, 4, Gray(0.2), Gray(0.6));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto out = Copies(outside);
  ASSERT_EQ(out.size(), 5u) << "a tinted and a lit copy per step, and the fill";
  EXPECT_NEAR(ShiftX(out[0], source), -3, 1e-12) << "outside, the shadow falls away from the light";
  EXPECT_NEAR(out[0]->style.strokeColor.c.gray.gray, 1, 1e-12) << "step 0 of the tinted copy is the tint";
  EXPECT_EQ(ShiftX(out[1], source), 0);
  EXPECT_NEAR(out[1]->style.strokeColor.c.gray.gray, 0.2, 1e-12) << "the lit copy keeps the stroke colour";

  const auto in = BottomUp(BottomUp(inside->resultGroup)[0]->lastChild);
  ASSERT_EQ(in.size(), 4u);
  // Bottom up: the widest step's tinted copy, its lit copy, then the thinner step's pair.
  EXPECT_NEAR(ShiftX(in[0], source), 3, 1e-12) << "inside, the tinted copy moves toward the light";
  EXPECT_EQ(ShiftX(in[1], source), 0);
  EXPECT_NEAR(in[0]->style.strokeWidth, 4, 1e-12);
  EXPECT_NEAR(in[3]->style.strokeWidth, 2, 1e-12);
}

TEST_F(BorderGeneratorTest, StrokeAndFillOfDifferentKindsChangeOnlyWidths) {
  vxhost::Art* live = MakeLive(Defaults());
  Square(live->editGroup, 0, 0, 40, 5, Four(0, 1, 0, 0), Three(1, 1, 0));
  vxhost::Art* noFill = MakeLive(Defaults());
  Square(noFill->editGroup, 0, 0, 40, 5, Four(0, 1, 0, 0), std::nullopt);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  for (vxhost::Art* object : {live, noFill}) {
    const auto copies = Copies(object);
    ASSERT_EQ(copies.size(), 6u);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(copies[i]->style.strokeColor.c.four.magenta, 1);
      EXPECT_NEAR(copies[i]->style.strokeWidth, 5 - i, 1e-12);
    }
  }
  EXPECT_EQ(Copies(noFill)[0]->style.fillPaint, 0) << "an unfilled path stays unfilled";
}

TEST_F(BorderGeneratorTest, AFailureAnywhereInARebuildComesBackAndLeavesNothingBehind) {
  vx::BorderPGParams params = Defaults();
  params.side = 1;
  params.stepMode = 3;
  params.steps = 2;
  params.shadowOn = 1;
  params.offset = 0.5;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  Square(group, 30, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  SweepRebuild(live);
}

}  // namespace
