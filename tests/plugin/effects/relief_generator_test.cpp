// Live Emboss and Live Cutout objects rebuilt by the host's update: where the
// lit and shaded copies go and how strong they are, how each colour kind
// shifts, what strokes the cut-out's edges get, the clipping groups, and
// failures on the way.
#include <cmath>

#include "effects/cutout/cutout_params.h"
#include "effects/emboss/emboss_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"
#include "svg/svg_io.h"

namespace {

using vxtest::Four;
using vxtest::Gray;
using vxtest::Three;

constexpr double kHalfRoot2 = 0.70710678;

void ExpectColor(const ai::ColorRecord& got, const ai::ColorRecord& want) {
  ASSERT_EQ(got.kind, want.kind);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR((&got.c.four.cyan)[i], (&want.c.four.cyan)[i], 1e-9) << "channel " << i;
}

// How far `copy` lies from `source`, by their first anchors.
ai::RealPoint Shift(const vxhost::Art& copy, const vxhost::Art& source) {
  return {copy.segments[0].anchor.x - source.segments[0].anchor.x,
          copy.segments[0].anchor.y - source.segments[0].anchor.y};
}

class EmbossGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  EmbossGeneratorTest() : LiveEffectTest(vx::kEmbossEffect) {}
  static vx::EmbossPGParams Params() {
    vx::EmbossPGParams params{};
    vx::SetRecordDefaults(vx::kEmbossPGParamsSpec, &params, "");
    return params;
  }
  static std::vector<vxhost::Art*> Layers(const vxhost::Art* live) { return BottomUp(live->resultGroup->firstChild); }
};

TEST_F(EmbossGeneratorTest, DefaultsLightenTowardTheLightDarkenAwayAndKeepTheObjectOnTop) {
  vxhost::Art* live = MakeLive(Params());
  vxhost::Art* square = Square(live->editGroup, 0, 0, 20, 3, Gray(0.5), Four(0.3, 0.6, 0.9, 0.2));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto layers = Layers(live);
  ASSERT_EQ(layers.size(), 3u) << "shadow, highlight, object";
  const vxhost::Art &shadow = *layers[0], &highlight = *layers[1], &object = *layers[2];
  EXPECT_NEAR(Shift(highlight, *square).x, -kHalfRoot2, 1e-5) << "toward 135 degrees: up and left";
  EXPECT_NEAR(Shift(highlight, *square).y, kHalfRoot2, 1e-5);
  EXPECT_NEAR(Shift(shadow, *square).x, kHalfRoot2, 1e-5);
  EXPECT_NEAR(Shift(shadow, *square).y, -kHalfRoot2, 1e-5);
  // Highlight scaled by 1 - 0.6667; shadow by 1.6667 with black plus 0.6667, capped at 1.
  ExpectColor(highlight.style.fillColor, Four(0.3 * 0.3333, 0.6 * 0.3333, 0.9 * 0.3333, 0.2 * 0.3333));
  ExpectColor(shadow.style.fillColor, Four(0.3 * 1.6667, 1, 1, 1));  // black 0.2 * 1.6667 + 0.6667 capped
  for (const vxhost::Art* copy : {&shadow, &highlight}) {
    EXPECT_EQ(copy->style.strokePaint, 0) << "copies lose their stroke";
    EXPECT_EQ(copy->style.fillOverprint, 0);
  }
  EXPECT_EQ(object.style.strokePaint, 1) << "the object keeps its stroke";
  EXPECT_EQ(object.segments[0].anchor.x, square->segments[0].anchor.x);
  EXPECT_EQ(object.style.fillOverprint, 1);
}

TEST_F(EmbossGeneratorTest, StepsSpreadTheCopiesAndTheirAmountsUpToTheOffset) {
  vx::EmbossPGParams params = Params();
  params.steps = 4;
  params.offset = 8;
  params.contrast = 1;
  params.lightAngle = 0;  // light from the right
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* square = Square(live->editGroup, 0, 0, 20, 0, Gray(0), Three(0.2, 0.4, 0.6));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto layers = Layers(live);
  ASSERT_EQ(layers.size(), 9u);
  // Bottom up: step 4 shadow, step 4 highlight, ..., step 1 shadow, step 1 highlight, object.
  for (int j = 4; j >= 1; --j) {
    SCOPED_TRACE("step " + std::to_string(j));
    const vxhost::Art& shadow = *layers[2 * (4 - j)];
    const vxhost::Art& highlight = *layers[2 * (4 - j) + 1];
    const double x = 0.25 * j;
    EXPECT_NEAR(Shift(highlight, *square).x, 2.0 * j, 1e-5);
    EXPECT_NEAR(Shift(shadow, *square).x, -2.0 * j, 1e-5);
    ExpectColor(shadow.style.fillColor, Three((1 - x) * 0.2, (1 - x) * 0.4, (1 - x) * 0.6));
    ExpectColor(highlight.style.fillColor, Three(std::min(1.0, (1 + x) * 0.2 + x), std::min(1.0, (1 + x) * 0.4 + x),
                                                 std::min(1.0, (1 + x) * 0.6 + x)));
  }
  ExpectColor(layers[0]->style.fillColor, Three(0, 0, 0));  // the outermost shadow is black
  ExpectColor(layers[1]->style.fillColor, Three(1, 1, 1));  // and the outermost highlight white
}

TEST_F(EmbossGeneratorTest, StylesReverseAndPaintsDecideWhichCopiesShow) {
  vx::EmbossPGParams highlightOnly = Params();
  highlightOnly.embossStyle = 1;
  vx::EmbossPGParams shadowReversed = Params();
  shadowReversed.embossStyle = 2;
  shadowReversed.reverse = 1;
  vxhost::Art* lit = MakeLive(highlightOnly);
  vxhost::Art* litSquare = Square(lit->editGroup, 0, 0, 10, 0, Gray(0), Gray(0));  // white fill
  vxhost::Art* reversed = MakeLive(shadowReversed);
  vxhost::Art* revSquare = Square(reversed->editGroup, 0, 0, 10, 0, Gray(0), Gray(0.4));
  vxhost::Art* hollow = MakeLive(Params());
  Square(hollow->editGroup, 0, 0, 10, 2, Gray(1), std::nullopt);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto litLayers = Layers(lit);
  ASSERT_EQ(litLayers.size(), 2u) << "no copy away from the light";
  EXPECT_LT(Shift(*litLayers[0], *litSquare).x, 0);

  const auto revLayers = Layers(reversed);
  ASSERT_EQ(revLayers.size(), 2u);
  EXPECT_GT(Shift(*revLayers[0], *revSquare).y, 0) << "reversed: the shadow moves toward the light";
  EXPECT_NEAR(revLayers[0]->style.fillColor.c.gray.gray, 0.4 * 1.6667, 1e-9);

  const auto hollowLayers = Layers(hollow);
  ASSERT_EQ(hollowLayers.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(hollowLayers[i]->style.fillPaint, 0) << "no fill, no stroke: nothing of the emboss shows";
    EXPECT_EQ(hollowLayers[i]->style.strokePaint, 0);
  }
}

// A white gray fill stays white in the emboss's shadow but darkens in the
// cut-out, whose gray adds the amount; spot colours shift through their
// process inks and gradients pass through unchanged but moved.
TEST_F(EmbossGeneratorTest, ColourKindsShiftAsTheirInksAllow) {
  auto& spots = document.customColors();
  spots.push_back(std::make_unique<vxhost::CustomColor>(vxhost::CustomColor{"Ink", true, 0, {0, 0.5, 1, 0}}));
  ai::ColorRecord ink{};
  ink.kind = ai::color_kind::kCustom;
  ink.c.custom = {reinterpret_cast<ai::CustomColorHandle>(spots[0].get()), 0};
  ai::ColorRecord gradient{};
  gradient.kind = ai::color_kind::kGradient;
  gradient.c.gradient.origin = {3, 4};

  vx::EmbossPGParams params = Params();
  params.embossStyle = 2;
  vxhost::Art* white = MakeLive(params);
  Square(white->editGroup, 0, 0, 10, 0, Gray(0), Gray(0));
  vxhost::Art* spot = MakeLive(params);
  vxhost::Art* group = vxtest::AddArt(document, spot->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 10, 0, Gray(0), ink);
  Square(group, 20, 0, 10, 0, Gray(0), gradient);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  EXPECT_EQ(Layers(white)[0]->style.fillColor.c.gray.gray, 0) << "0 times anything stays white";
  const auto members = BottomUp(Layers(spot)[0]);
  ASSERT_EQ(members.size(), 4u) << "each member's shadow below both objects";
  const vxhost::Art* inkShadow = members[0]->segments[0].anchor.x < 10 ? members[0] : members[1];
  const vxhost::Art* gradientShadow = inkShadow == members[0] ? members[1] : members[0];
  ExpectColor(inkShadow->style.fillColor, Four(0, 0.5 * 1.6667, 1, 0.6667));
  EXPECT_EQ(gradientShadow->style.fillColor.kind, ai::color_kind::kGradient);
  EXPECT_NEAR(gradientShadow->style.fillColor.c.gradient.origin.x, 3 + kHalfRoot2, 1e-5) << "moved along";
}

// The members of a group keep their stacking: the topmost member's object
// stays above the others', and every copy lies below every object.
TEST_F(EmbossGeneratorTest, AGroupsMembersKeepTheirOrderAboveAllTheirCopies) {
  vxhost::Art* live = MakeLive(Params());
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  vxhost::Art* top = Square(group, 0, 0, 10, 0, Gray(0), Gray(0.1));
  vxhost::Art* below = Square(group, 5, 5, 10, 0, Gray(0), Gray(0.9));
  ASSERT_EQ(group->firstChild, top);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const vxhost::Art* made = live->resultGroup->firstChild->firstChild;
  ASSERT_EQ(made->kind, ai::art_kind::kGroup);
  const auto children = made->Children();
  ASSERT_EQ(children.size(), 6u);
  EXPECT_EQ(children[0]->style.fillColor.c.gray.gray, 0.1) << "the topmost member on top";
  EXPECT_EQ(children[1]->style.fillColor.c.gray.gray, 0.9);
  EXPECT_EQ(children[1]->segments[0].anchor.x, below->segments[0].anchor.x);
}

TEST_F(EmbossGeneratorTest, AFailureAnywhereInARebuildComesBackAndLeavesNothingBehind) {
  vx::EmbossPGParams params = Params();
  params.steps = 2;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  Square(live->editGroup, 30, 0, 20, 2, Three(0, 1, 0), Three(0, 0, 1));
  SweepRebuild(live);
}

class CutoutGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  CutoutGeneratorTest() : LiveEffectTest(vx::kCutoutEffect) {}
  static vx::CutoutPGParams Params() {
    vx::CutoutPGParams params{};
    vx::SetRecordDefaults(vx::kCutoutPGParamsSpec, &params, "");
    return params;
  }
  // The clipping group of a single path, and what it clips, bottom first.
  static const vxhost::Art* ClipGroup(const vxhost::Art* live) { return live->resultGroup->firstChild->firstChild; }
  static std::vector<vxhost::Art*> Series(const vxhost::Art* live) { return BottomUp(ClipGroup(live)->lastChild); }
};

TEST_F(CutoutGeneratorTest, DefaultsMakeFiveEdgesThinningAndLighteningUnderTheShiftedFaceInsideTheOutline) {
  vxhost::Art* live = MakeLive(Params());
  vxhost::Art* square = Square(live->editGroup, 0, 0, 40, 1, Gray(1), Four(0.2, 0.4, 0, 0.1));
  Square(live->editGroup, 100, 0, 10, 1, Gray(1), Gray(0.5));  // a second source gets nothing
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  ASSERT_EQ(live->resultGroup->firstChild->Children().size(), 1u);
  const vxhost::Art* clipGroup = ClipGroup(live);
  ASSERT_EQ(clipGroup->kind, ai::art_kind::kGroup);
  EXPECT_TRUE(clipGroup->clipped) << "a real clipping group";
  const vxhost::Art* clip = clipGroup->firstChild;
  EXPECT_EQ(clip->style.clip, 1);
  EXPECT_EQ(clip->style.fillPaint, 0);
  EXPECT_EQ(clip->style.strokePaint, 0);
  EXPECT_EQ(clip->segments[0].anchor.x, square->segments[0].anchor.x) << "the outline stays in place";

  const auto series = Series(live);
  ASSERT_EQ(series.size(), 6u);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE("copy " + std::to_string(i));
    const vxhost::Art& copy = *series[i];
    const double h = 0.6667 * (5 - i) / 5;
    EXPECT_NEAR(copy.style.strokeWidth, 10 - 2 * i, 1e-9);
    EXPECT_EQ(copy.style.lineJoin, i > 0 ? 1 : 0);
    EXPECT_EQ(copy.style.strokePaint, 1);
    EXPECT_EQ(copy.style.miterLimit, 4);
    EXPECT_EQ(copy.style.clip, 0);
    ExpectColor(copy.style.fillColor, Four(0.2 * (1 + h), 0.4 * (1 + h), 0, std::min(1.0, 0.1 * (1 + h) + h)));
    ExpectColor(copy.style.strokeColor, copy.style.fillColor);
    EXPECT_NEAR(Shift(copy, *square).x, 5 * kHalfRoot2, 1e-4) << "away from the light: right";
    EXPECT_NEAR(Shift(copy, *square).y, -5 * kHalfRoot2, 1e-4) << "and down";
  }
  const vxhost::Art& face = *series[5];
  ExpectColor(face.style.fillColor, square->style.fillColor);
  EXPECT_EQ(face.style.strokeWidth, 1);
  EXPECT_NEAR(Shift(face, *square).x, 5 * kHalfRoot2, 1e-4);
}

TEST_F(CutoutGeneratorTest, OneStepZeroDistanceAndPaintsWithoutAFill) {
  vx::CutoutPGParams one = Params();
  one.steps = 1;
  vx::CutoutPGParams flat = Params();
  flat.distance = 0;
  vxhost::Art* single = MakeLive(one);
  Square(single->editGroup, 0, 0, 20, 0, Gray(0), Gray(0));  // white: gray adds the amount
  vxhost::Art* still = MakeLive(flat);
  vxhost::Art* stillSquare = Square(still->editGroup, 0, 0, 20, 0, Gray(0), Three(1, 1, 1));
  vxhost::Art* outline = MakeLive(Params());
  Square(outline->editGroup, 0, 0, 20, 2, Three(0.5, 0.5, 0.5), std::nullopt);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto singleSeries = Series(single);
  ASSERT_EQ(singleSeries.size(), 2u);
  EXPECT_EQ(singleSeries[0]->style.strokeWidth, 10);
  EXPECT_NEAR(singleSeries[0]->style.fillColor.c.gray.gray, 0.6667, 1e-9) << "a white gray fill darkens";

  for (const vxhost::Art* copy : Series(still)) {
    EXPECT_EQ(copy->segments[0].anchor.x, stillSquare->segments[0].anchor.x) << "exactly under the face";
    EXPECT_EQ(copy->style.strokePaint, 0) << "no width, no stroke";
  }

  // Without a fill the edge keeps the stroke's own colour, shaded.
  const vxhost::Art& edge = *Series(outline)[0];
  EXPECT_EQ(edge.style.fillPaint, 0);
  EXPECT_EQ(edge.style.strokeWidth, 10);
  ExpectColor(edge.style.strokeColor, Three(0.5 * (1 - 0.6667), 0.5 * (1 - 0.6667), 0.5 * (1 - 0.6667)));
}

// Each member of a group is cut out by its own outline, in the group's order.
TEST_F(CutoutGeneratorTest, EveryMemberOfAGroupIsClippedByItsOwnOutline) {
  vxhost::Art* live = MakeLive(Params());
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  vxhost::Art* top = Square(group, 0, 0, 20, 0, Gray(0), Gray(0.1));
  vxhost::Art* below = Square(group, 40, 0, 20, 0, Gray(0), Gray(0.9));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const vxhost::Art* made = live->resultGroup->firstChild->firstChild;
  ASSERT_EQ(made->kind, ai::art_kind::kGroup);
  const auto clipGroups = made->Children();
  ASSERT_EQ(clipGroups.size(), 2u);
  for (size_t k = 0; k < 2; ++k) {
    const vxhost::Art* source = k == 0 ? top : below;
    EXPECT_TRUE(clipGroups[k]->clipped);
    EXPECT_EQ(clipGroups[k]->firstChild->segments[0].anchor.x, source->segments[0].anchor.x);
    EXPECT_EQ(clipGroups[k]->lastChild->Children().size(), 6u) << "its own edges and face";
    EXPECT_EQ(clipGroups[k]->lastChild->firstChild->style.fillColor.c.gray.gray, source->style.fillColor.c.gray.gray);
  }
}

TEST_F(CutoutGeneratorTest, TheClippingGroupIsWrittenAsAClipPathAndRebuildsTheSame) {
  vxhost::Art* live = MakeLive(Params());
  Square(live->editGroup, 0, 0, 20, 2, Three(0, 0, 1), Three(1, 1, 0));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const std::string svg = vxhost::svg::WriteSvg(document);
  EXPECT_NE(svg.find("<clipPath"), std::string::npos);
  EXPECT_EQ(svg.find("<filter"), std::string::npos) << "vector only";
  EXPECT_EQ(svg.find("<image"), std::string::npos);
  host.CloseDocument();
  vxhost::Document& reread = host.OpenDocument(vxhost::svg::ReadSvg(svg, "written"));
  reread.ForEachArt([&](vxhost::Art* art) {
    if (art->kind == ai::art_kind::kPluginGroup) reread.MarkLiveChanged(art);
  });
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_EQ(vxhost::svg::WriteSvg(reread), svg);
}

TEST_F(CutoutGeneratorTest, AFailureAnywhereInARebuildComesBackAndLeavesNothingBehind) {
  vx::CutoutPGParams params = Params();
  params.steps = 2;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  Square(group, 30, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  SweepRebuild(live);
}

}  // namespace
