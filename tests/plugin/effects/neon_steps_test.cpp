// The arithmetic of Live Neon series and its colour mixing, without a host.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "effects/framework/color_mix.h"
#include "effects/neon/neon_steps.h"

namespace {

TEST(NeonSteps, MixFactorCurvesBendTheStraightLineAtTheirEnds) {
  // Without an arc the factor falls linearly with the band level.
  EXPECT_DOUBLE_EQ(vx::NeonMixFactor(0.25, 1, 0), 0.75);
  EXPECT_DOUBLE_EQ(vx::NeonMixFactor(0.5, 2, 0), 0);
  // Full arcs replace the line by quarter circles: low arcs leave the stroke
  // colour slowly and reach the fill colour steeply, high arcs the other way.
  const double b = 0.5;
  EXPECT_DOUBLE_EQ(vx::NeonMixFactor(b, 1, -1), std::sqrt(1 - b * b));
  EXPECT_DOUBLE_EQ(vx::NeonMixFactor(b, 1, 1), 1 - std::sqrt(1 - (b - 1) * (b - 1)));
  for (double g : {-1.0, -0.3, 0.0, 0.4, 1.0}) {
    EXPECT_DOUBLE_EQ(vx::NeonMixFactor(0, 1, g), 1) << g;
    EXPECT_NEAR(vx::NeonMixFactor(1, 1, g), 0, 1e-15) << g;
  }
}

TEST(NeonSteps, AbsurdStoredCountsStayWithinBounds) {
  EXPECT_EQ(vx::ManualStepCount(2'000'000'000, 2'000'000'000), 1000 * 999 + 1);
  EXPECT_EQ(vx::ManualStepCount(5, -7), 0);
  EXPECT_EQ(vx::AutoStepCount(vx::neon_mode::kAutoHigh, 1, 1e300), INT32_MAX);
  EXPECT_EQ(vx::AutoStepCount(vx::neon_mode::kAutoMid, 1, std::nan("")), 2);
  vx::NeonBands single(1, 4, 1, 0);
  single.Advance(0);  // a one-step series never needs the next step, but may ask
  EXPECT_TRUE(std::isfinite(single.mixFactor()));
}

ai::ColorRecord Gray(double g) {
  ai::ColorRecord c{};
  c.kind = ai::color_kind::kGray;
  c.c.gray.gray = g;
  return c;
}

TEST(NeonColor, ATintTakesTheStrokeEndOrWithReverseTheFillEnd) {
  ai::ColorRecord stroke = Gray(0.2), fill = Gray(0.6);
  ASSERT_TRUE(vx::MixProcessColors(stroke, fill, {0.25, false, 0.9}));
  EXPECT_DOUBLE_EQ(stroke.c.gray.gray, 0.75 * 0.6 + 0.25 * 0.9);
  EXPECT_EQ(fill.c.gray.gray, 0.6);

  stroke = Gray(0.2);
  ASSERT_TRUE(vx::MixProcessColors(stroke, fill, {0.25, true, 0.9}));
  EXPECT_DOUBLE_EQ(stroke.c.gray.gray, 0.75 * 0.9 + 0.25 * 0.2);
  EXPECT_EQ(fill.c.gray.gray, 0.9) << "the fill takes the tint";

  // Three-colour channels take 1 - tint; four-colour art takes it in black only, capped at 1.
  ai::ColorRecord red{}, blue{};
  red.kind = blue.kind = ai::color_kind::kThree;
  red.c.three = {1, 0, 0};
  blue.c.three = {0, 0, 1};
  ASSERT_TRUE(vx::MixProcessColors(red, blue, {0.5, true, 0.8}));
  EXPECT_NEAR(red.c.three.red, 0.5 * 0.2 + 0.5, 1e-12);
  EXPECT_NEAR(red.c.three.blue, 0.1, 1e-12);
  EXPECT_NEAR(blue.c.three.green, 0.2, 1e-12);

  ai::ColorRecord ink{}, paper{};
  ink.kind = paper.kind = ai::color_kind::kFour;
  ink.c.four = {1, 0, 0, 1.5};
  paper.c.four = {0, 1, 0, 0};
  ASSERT_TRUE(vx::MixProcessColors(ink, paper, {1, false, 0.3}));
  EXPECT_EQ(ink.c.four.cyan, 1);
  EXPECT_EQ(ink.c.four.black, 0.3);
  ink.c.four.black = 1.5;
  ASSERT_TRUE(vx::MixProcessColors(ink, paper, {1, false, std::nullopt}));
  EXPECT_EQ(ink.c.four.black, 1) << "black is capped";

  ai::ColorRecord pattern{};
  pattern.kind = ai::color_kind::kPattern;
  ai::ColorRecord other = pattern;
  EXPECT_FALSE(vx::MixProcessColors(pattern, other, {0.5, false, 1}));
  EXPECT_FALSE(vx::MixProcessColors(ink, fill, {0.5, false, std::nullopt}));
}

}  // namespace
