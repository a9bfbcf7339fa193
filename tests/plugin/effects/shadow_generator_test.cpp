// Live Shadow objects rebuilt by the host's update: where the shadow falls, how
// each colour kind darkens outside and seen through the object, the clipping
// group that shows the inner shadow, and failures on the way.
#include "effects/shadow/shadow_generator.h"

#include <cmath>
#include <cstring>

#include "effects/shadow/shadow_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"
#include "svg/svg_io.h"

namespace {

using vxtest::Four;
using vxtest::Gray;
using vxtest::Three;

class ShadowGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  ShadowGeneratorTest() : LiveEffectTest(vx::kShadowEffect) {}

  static vx::ShadowPGParams Params(double shade, double transparency) {
    vx::ShadowPGParams params{};
    vx::SetRecordDefaults(vx::kShadowPGParamsSpec, &params, "");
    params.shade = shade;
    params.transparency = transparency;
    return params;
  }
  // The result's group: outer shadow, object, and the clipping group if any.
  static std::vector<vxhost::Art*> Layers(const vxhost::Art* live) { return BottomUp(live->resultGroup->firstChild); }
};

TEST_F(ShadowGeneratorTest, TheShadowFallsAwayFromTheLightBelowAnUnchangedCopy) {
  vxhost::Art* live = MakeLive(Params(0.3333, 0));  // light from 135 degrees, 10 points
  vxhost::Art* square = Square(live->editGroup, 0, 0, 20, 2, Gray(0.2), Gray(0.1));
  Square(live->editGroup, 100, 100, 5, 1, Gray(1), Gray(1));  // a second source casts nothing
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto layers = Layers(live);
  ASSERT_EQ(layers.size(), 2u) << "no transparency: shadow and object only";
  const vxhost::Art& shadow = *layers[0];
  const vxhost::Art& object = *layers[1];
  for (size_t i = 0; i < square->segments.size(); ++i) {
    // The angle travels in the parameter text with six decimals.
    EXPECT_NEAR(shadow.segments[i].anchor.x - square->segments[i].anchor.x, 7.0710678, 1e-5);
    EXPECT_NEAR(shadow.segments[i].anchor.y - square->segments[i].anchor.y, -7.0710678, 1e-5);
    EXPECT_EQ(object.segments[i].anchor.x, square->segments[i].anchor.x);
  }
  EXPECT_EQ(shadow.style.strokeWidth, 2) << "moving keeps the stroke width";
  EXPECT_EQ(object.style.fillColor.c.gray.gray, 0.1);
  EXPECT_EQ(object.style.fillOverprint, 1) << "the object is the source as it was";
  EXPECT_EQ(shadow.style.fillOverprint, 0);
  EXPECT_EQ(shadow.style.strokeOverprint, 0);
  // Outer, transparency 0: gray g' = a g + a, capped at 1.
  EXPECT_NEAR(shadow.style.fillColor.c.gray.gray, 0.3333 * 0.1 + 0.3333, 1e-12);
  EXPECT_NEAR(shadow.style.strokeColor.c.gray.gray, 0.3333 * 0.2 + 0.3333, 1e-12);
}

TEST_F(ShadowGeneratorTest, OuterShadowsDarkenEachColourKindByTheShade) {
  struct Case {
    double shade, transparency;
    ai::ColorRecord fill;
    ai::ColorRecord expected;
  };
  const Case cases[] = {
      {0.5, 0, Three(0.2, 0.6, 1), Three(0.1, 0.3, 0.5)},            // halves each channel
      {1, 0, Three(0.2, 0.6, 1), Three(0, 0, 0)},                    // black
      {1, 0, Gray(0.3), Gray(1)},
      {1, 0, Four(0.1, 0.2, 0.3, 0.4), Four(0.1, 0.2, 0.3, 1)},      // full black over the same inks
      {0.5, 0, Four(0.2, 0.4, 0.6, 0.2), Four(0.1, 0.2, 0.3, 0.6)},
      {0.5, 1, Four(0.2, 0.4, 0.6, 0.2), Four(0.1, 0.2, 0.3, 0.1)},  // seen through: hue scaled by the shade
      {0.5, 1, Three(0.2, 0.6, 1), Three(0.6, 0.8, 1)},
      {0, 0.5, Three(0.2, 0.6, 1), Three(1, 1, 1)},                  // shade 0 is white
      {0, 0.5, Gray(0.7), Gray(0)},
  };
  std::vector<vxhost::Art*> lives;
  for (const Case& c : cases) {
    lives.push_back(MakeLive(Params(c.shade, c.transparency)));
    Square(lives.back()->editGroup, 0, 0, 10, 0, c.fill, c.fill);
  }
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  for (size_t k = 0; k < lives.size(); ++k) {
    SCOPED_TRACE("case " + std::to_string(k));
    const ai::ColorRecord got = Layers(lives[k])[0]->style.fillColor;
    const ai::ColorRecord& want = cases[k].expected;
    ASSERT_EQ(got.kind, want.kind);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR((&got.c.four.cyan)[i], (&want.c.four.cyan)[i], 1e-12) << i;
  }
  // Shade 0 makes no clipping group whatever the transparency.
  EXPECT_EQ(Layers(lives[7]).size(), 2u);
  EXPECT_EQ(Layers(lives[5]).size(), 3u);
}

TEST_F(ShadowGeneratorTest, SpotColoursShadeThroughTheirProcessInksAndGradientsPassThrough) {
  auto& spots = document.customColors();
  spots.push_back(std::make_unique<vxhost::CustomColor>(vxhost::CustomColor{"Ink", true, 0, {0, 1, 1, 0}}));
  ai::ColorRecord ink{};
  ink.kind = ai::color_kind::kCustom;
  ink.c.custom = {reinterpret_cast<ai::CustomColorHandle>(spots[0].get()), 0};
  ai::ColorRecord gradient{};
  gradient.kind = ai::color_kind::kGradient;
  gradient.c.gradient.origin = {3, 4};

  vxhost::Art* live = MakeLive(Params(0.5, 0));
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 10, 1, ink, gradient);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const vxhost::Art& shadow = *Layers(live)[0]->firstChild;
  EXPECT_EQ(shadow.style.strokeColor.kind, ai::color_kind::kFour);
  EXPECT_NEAR(shadow.style.strokeColor.c.four.magenta, 0.5, 1e-12);
  EXPECT_NEAR(shadow.style.strokeColor.c.four.black, 0.5, 1e-12);
  EXPECT_EQ(shadow.style.fillColor.kind, ai::color_kind::kGradient);
  EXPECT_NEAR(shadow.style.fillColor.c.gradient.origin.x, 3 + 7.0710678, 1e-5) << "the gradient moves along";
  EXPECT_EQ(shadow.style.fillColor.c.gradient.angle, 0) << "and keeps its colours";
  EXPECT_EQ(shadow.style.fillOverprint, 0) << "only its overprint is cleared";
}

TEST_F(ShadowGeneratorTest, TransparencyDrawsTheInnerShadowClippedByTheObjectsOutline) {
  const double a = 0.6, b = 0.5;
  vxhost::Art* live = MakeLive(Params(a, b));
  vxhost::Art* square = Square(live->editGroup, 0, 0, 20, 4, Gray(0.8), Gray(0.2));
  vxhost::Art* other = MakeLive(Params(a, b));
  Square(other->editGroup, 0, 0, 20, 4, Three(1, 0, 0), Gray(0.2));  // stroke and fill of different kinds
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto layers = Layers(live);
  ASSERT_EQ(layers.size(), 3u);
  const vxhost::Art& clipGroup = *layers[2];
  EXPECT_EQ(clipGroup.kind, ai::art_kind::kGroup);
  EXPECT_TRUE(clipGroup.clipped) << "a real clipping group";
  const auto inside = BottomUp(&clipGroup);
  ASSERT_EQ(inside.size(), 2u);
  const vxhost::Art& inner = *inside[0];
  const vxhost::Art& clip = *inside[1];
  EXPECT_EQ(clipGroup.firstChild, &clip) << "the outline is the clip";
  EXPECT_EQ(clip.style.clip, 1);
  EXPECT_EQ(clip.style.fillPaint, 0);
  EXPECT_EQ(clip.segments[2].anchor.x, square->segments[2].anchor.x) << "the outline stays in place";
  EXPECT_NEAR(inner.segments[0].anchor.x, 7.0710678, 1e-5) << "the inner shadow moves with the outer one";

  // Outer: r = (1 - b) a = 0.3, s = a. Inner: r = (1 - b) a b / 2 = 0.075, s = 1 + a b = 1.3.
  EXPECT_NEAR(layers[0]->style.fillColor.c.gray.gray, 0.6 * 0.2 + 0.3, 1e-12);
  EXPECT_NEAR(inner.style.fillColor.c.gray.gray, 1.3 * 0.2 + 0.075, 1e-12);
  // The inner stroke blends toward the unshaded fill: (1 - g) F + g S + f, g = a b.
  EXPECT_NEAR(inner.style.strokeColor.c.gray.gray, 0.7 * 0.2 + 0.3 * 0.8 + 0.075, 1e-12);
  EXPECT_EQ(inner.style.strokeOverprint, 0);

  const vxhost::Art& otherInner = *BottomUp(Layers(other)[2])[0];
  EXPECT_EQ(otherInner.style.strokeColor.kind, ai::color_kind::kThree);
  EXPECT_EQ(otherInner.style.strokeColor.c.three.red, 1) << "kinds differ: the stroke keeps its colour";
  EXPECT_EQ(otherInner.style.strokeOverprint, 1);
}

TEST_F(ShadowGeneratorTest, AGroupIsClippedByOneCompoundPathOfAllItsOutlines) {
  vxhost::Art* live = MakeLive(Params(0.5, 0.5));
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 10, 1, Gray(1), Gray(0.5));
  Square(group, 20, 0, 10, 1, Gray(1), Gray(0.5));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const vxhost::Art* clipGroup = Layers(live)[2];
  const vxhost::Art* clip = clipGroup->firstChild;
  ASSERT_EQ(clip->kind, ai::art_kind::kCompoundPath);
  ASSERT_EQ(clip->firstChild->kind, ai::art_kind::kGroup);
  for (const vxhost::Art* path : clip->firstChild->Children()) {
    EXPECT_EQ(path->style.clip, 1);
    EXPECT_EQ(path->style.fillPaint, 0);
  }
}

// A container casts no shadow of its own but still clips: its children's
// outlines join in one compound path, unless it holds text, whose outline
// cannot be part of a compound path; then they go straight into the group.
TEST_F(ShadowGeneratorTest, AContainersChildrenClipInACompoundPathUnlessItHoldsText) {
  vxhost::Art* plain = MakeLive(Params(0.5, 0.5));
  vxhost::Art* container = vxtest::AddArt(document, plain->editGroup, ai::art_kind::kContainer);
  Square(container, 0, 0, 10, 1, Gray(1), Gray(0.5));
  Square(container, 20, 0, 10, 1, Gray(1), Gray(0.5));
  vxhost::Art* withText = MakeLive(Params(0.5, 0.5));
  container = vxtest::AddArt(document, withText->editGroup, ai::art_kind::kContainer);
  Square(container, 0, 0, 10, 1, Gray(1), Gray(0.5));
  vxtest::AddArt(document, container, ai::art_kind::kText);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto plainLayers = Layers(plain);
  ASSERT_EQ(plainLayers.size(), 2u) << "the object and the clipping group, no shadow";
  ASSERT_EQ(plainLayers[1]->Children().size(), 1u);
  const vxhost::Art* compound = plainLayers[1]->firstChild;
  ASSERT_EQ(compound->kind, ai::art_kind::kCompoundPath);
  EXPECT_EQ(compound->Children().size(), 2u);

  const auto textLayers = Layers(withText);
  ASSERT_EQ(textLayers.size(), 2u);
  std::vector<int16_t> kinds;
  for (const vxhost::Art* clip : textLayers[1]->Children()) kinds.push_back(clip->kind);
  EXPECT_EQ(kinds, (std::vector<int16_t>{ai::art_kind::kText, ai::art_kind::kPath}));
  EXPECT_TRUE(textLayers[1]->clipped);
}

TEST_F(ShadowGeneratorTest, TheClippingGroupIsWrittenAsAClipPathAndReadBack) {
  vxhost::Art* live = MakeLive(Params(0.5, 0.5));
  Square(live->editGroup, 0, 0, 20, 2, Three(0, 0, 1), Three(1, 1, 0));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const std::string svg = vxhost::svg::WriteSvg(document);
  EXPECT_NE(svg.find("<clipPath"), std::string::npos);
  EXPECT_NE(svg.find("clip-path=\"url(#"), std::string::npos);
  EXPECT_EQ(svg.find("<filter"), std::string::npos) << "vector only";
  EXPECT_EQ(svg.find("<image"), std::string::npos);

  auto before = vxhost::svg::ReadSvg(svg, "written");
  vxhost::Art* read = nullptr;
  before->ForEachArt([&](vxhost::Art* art) {
    if (art->kind == ai::art_kind::kGroup && art->clipped) read = art;
  }, true);
  ASSERT_NE(read, nullptr) << "read back as a clipping group";
  EXPECT_EQ(read->firstChild->style.clip, 1);

  // Read back and rebuilt from its source, it writes the same file again.
  host.CloseDocument();
  vxhost::Document& reread = host.OpenDocument(vxhost::svg::ReadSvg(svg, "written"));
  reread.ForEachArt([&](vxhost::Art* art) {
    if (art->kind == ai::art_kind::kPluginGroup) reread.MarkLiveChanged(art);
  });
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_EQ(vxhost::svg::WriteSvg(reread), svg);
}

TEST_F(ShadowGeneratorTest, AFailureAnywhereInARebuildComesBackAndLeavesNothingBehind) {
  vxhost::Art* live = MakeLive(Params(0.5, 0.5));
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  Square(group, 30, 0, 20, 2, Four(0, 1, 0, 0), Four(0, 0, 1, 0));
  SweepRebuild(live);
}

}  // namespace
