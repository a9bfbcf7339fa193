// The arithmetic of a Live Trail series, without a host.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "effects/trail/trail_steps.h"

namespace {

constexpr double kPi = std::numbers::pi;

std::vector<vx::TrailDelta> Table(int32_t n, int32_t spacing, double angle = 0, double endH = 1, double endV = 1) {
  std::vector<vx::TrailDelta> t(static_cast<size_t>(n) + 1);
  vx::FillTrailDeltas({{50, 50}, 100, -kPi / 4, n, spacing, angle, endH, endV}, t);
  return t;
}

ai::RealPoint Apply(const ai::RealMatrix& m, ai::RealPoint p) {
  return {p.x * m.a + p.y * m.c + m.tx, p.x * m.b + p.y * m.d + m.ty};
}

ai::RealMatrix Concat(const ai::RealMatrix& l, const ai::RealMatrix& r) {
  return {l.a * r.a + l.b * r.c, l.a * r.b + l.b * r.d, l.c * r.a + l.d * r.c, l.c * r.b + l.d * r.d,
          l.tx * r.a + l.ty * r.c + r.tx, l.tx * r.b + l.ty * r.d + r.ty};
}

TEST(TrailSteps, DefaultSeriesEndsAtTheDragEndAndStartsCloseToTheObject) {
  const auto t = Table(25, vx::trail_spacing::kDecelerate);
  // The last copy sits 100 pt away at -45 degrees, full size, unturned, at the end colours.
  EXPECT_NEAR(t[25].x, 50 + 100 * std::cos(-kPi / 4), 1e-9);
  EXPECT_NEAR(t[25].y, 50 - 100 * std::sin(kPi / 4), 1e-9);
  EXPECT_DOUBLE_EQ(t[25].sx, 1);
  EXPECT_DOUBLE_EQ(vx::TrailCopyTint(t, 24), 1);
  // The first copy lies (1/25)^2 of the way and keeps the start colours.
  EXPECT_NEAR(std::hypot(t[1].x - 50, t[1].y - 50), 100.0 / 625, 1e-12);
  EXPECT_DOUBLE_EQ(vx::TrailCopyTint(t, 0), 0);
  // Decelerating spacing: gaps between copies grow toward the end.
  for (int k = 2; k <= 25; ++k)
    EXPECT_GT(std::hypot(t[k].x - t[k - 1].x, t[k].y - t[k - 1].y),
              std::hypot(t[k - 1].x - t[k - 2].x, t[k - 1].y - t[k - 2].y));
}

TEST(TrailSteps, SpacingModesAgreeOnTheirEndsAndDifferInBetween) {
  const auto uni = Table(4, vx::trail_spacing::kUniform, kPi / 2, 2, 0.5);
  for (int k = 1; k <= 4; ++k) EXPECT_NEAR(uni[k].rotation, k * kPi / 8, 1e-12);  // 22.5 degrees per step
  EXPECT_NEAR(uni[4].sx, 2, 1e-12);
  EXPECT_NEAR(uni[4].sy, 0.5, 1e-12);
  EXPECT_NEAR(uni[3].tint, 1, 1e-12);  // k / (n - 1)
  const auto acc = Table(4, vx::trail_spacing::kAccelerate, kPi / 2, 2, 0.5);
  const auto dec = Table(4, vx::trail_spacing::kDecelerate, kPi / 2, 2, 0.5);
  for (const auto* t : {&acc, &dec}) {
    EXPECT_NEAR((*t)[4].x, uni[4].x, 1e-9);
    EXPECT_NEAR((*t)[4].rotation, uni[4].rotation, 1e-12);
  }
  EXPECT_GT(acc[1].rotation, uni[1].rotation);
  EXPECT_LT(dec[1].rotation, uni[1].rotation);
}

TEST(TrailSteps, OneStepSitsAtTheDragEndWithTheStartColours) {
  for (int32_t spacing : {0, 1, 2}) {
    const auto t = Table(1, spacing);
    EXPECT_NEAR(std::hypot(t[1].x - 50, t[1].y - 50), 100, 1e-9) << spacing;
    EXPECT_DOUBLE_EQ(vx::TrailCopyTint(t, 0), 0) << spacing;
  }
}

TEST(TrailSteps, StoredCountsOutsideThePalettesRangeStayUsable) {
  EXPECT_EQ(vx::EffectiveTrailSteps(0), 1);
  EXPECT_EQ(vx::EffectiveTrailSteps(-5), 1);
  EXPECT_EQ(vx::EffectiveTrailSteps(65536), 1000);
  EXPECT_EQ(vx::EffectiveTrailSteps(25), 25);
}

TEST(TrailSteps, CopyMatrixTurnsAndScalesAboutTheOriginThenCarriesItAlong) {
  const ai::RealPoint o{10, 20};
  const vx::TrailDelta e{110, 20, 2, 3, kPi / 2, 0};
  const ai::RealMatrix m = vx::TrailCopyMatrix(o, e);
  const ai::RealPoint at = Apply(m, o);
  EXPECT_NEAR(at.x, 110, 1e-12);
  EXPECT_NEAR(at.y, 20, 1e-12);
  // One point right of the origin: scaled by 2, then a quarter turn left.
  const ai::RealPoint p = Apply(m, {11, 20});
  EXPECT_NEAR(p.x, 110, 1e-12);
  EXPECT_NEAR(p.y, 22, 1e-12);
  // A zero end size collapses everything onto the entry's point.
  const ai::RealMatrix z = vx::TrailCopyMatrix(o, {5, 6, 0, 0, 1, 0});
  const ai::RealPoint q = Apply(z, {-300, 42});
  EXPECT_DOUBLE_EQ(q.x, 5);
  EXPECT_DOUBLE_EQ(q.y, 6);
}

TEST(TrailSteps, GradientFollowsTheCopyIncludingHalfTurns) {
  const ai::RealMatrix plain = vx::TrailCopyMatrix({0, 0}, {5, 5, 1, 1, 0.3, 0});
  EXPECT_EQ(vx::GradientMatrixFor(plain, 1, 1).count, 1);
  // A half turn with unequal scales goes in two steps that must add up to the copy matrix.
  const ai::RealMatrix half = vx::TrailCopyMatrix({3, 4}, {40, -7, 2, 0.5, kPi, 0});
  const vx::TrailGradientSteps g = vx::GradientMatrixFor(half, 2, 0.5);
  ASSERT_EQ(g.count, 2);
  const ai::RealMatrix both = Concat(g.first, g.second);
  for (double v : {both.a - half.a, both.b - half.b, both.c - half.c, both.d - half.d, both.tx - half.tx,
                   both.ty - half.ty})
    EXPECT_NEAR(v, 0, 1e-9);
}

TEST(TrailSteps, ColourMixFollowsTheModelsTintRules) {
  // Tint 0 is white in every model.
  EXPECT_DOUBLE_EQ(vx::TintComponent(0.7, 0, false), 0);
  EXPECT_DOUBLE_EQ(vx::TintComponent(0.2, 0, true), 1);
  // Start at 96 % tint, end at the end colour, halfway between in the middle.
  EXPECT_DOUBLE_EQ(vx::MixTrailComponent(0.5, 0, 0.96, 1, 0, false), 0.48);
  EXPECT_DOUBLE_EQ(vx::MixTrailComponent(0.5, 0, 0.96, 1, 1, false), 0);
  EXPECT_DOUBLE_EQ(vx::MixTrailComponent(0.5, 1, 0.96, 1, 7, true), 1);  // u capped
  EXPECT_DOUBLE_EQ(vx::MixTrailComponent(0.0, 1, 1, 1, 0.5, true), 0.5);
  // Opacity: endOpacity 1 with beginning 1 never changes anything.
  EXPECT_DOUBLE_EQ(vx::TrailOpacityFactor(1, 1, 0.4), 1);
  EXPECT_DOUBLE_EQ(vx::TrailOpacityFactor(0.96, 0.2, 1), 0.2);
}

}  // namespace
