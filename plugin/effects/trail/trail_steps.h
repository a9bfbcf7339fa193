// The arithmetic of a Live Trail copy series: where each copy goes, how far it
// is turned and scaled, how far its colours have moved toward the end colours,
// and the tint and mix of colour components. No host calls; the generator and
// the Trail tool both build their copies from these.
#pragma once

#include <cstdint>
#include <span>

#include "frame/host/art_records.h"

namespace vx {

namespace trail_spacing {
constexpr int32_t kDecelerate = 0, kUniform = 1, kAccelerate = 2;
}

// One entry of the working table: target point, scale pair, rotation
// (radians) and tint progress.
struct TrailDelta {
  double x, y;
  double sx, sy;
  double rotation;
  double tint;
};

// Copy counts are read as a 16-bit count. A stored or recorded count outside
// 1..1000 would wrap to zero or a negative count there; it is taken as the
// nearest count the palette allows instead.
int32_t EffectiveTrailSteps(int32_t steps);

// What the table is filled from: origin O, drag end E (as distance c and
// direction theta from O), the step count and the end state of the series.
struct TrailSeriesShape {
  ai::RealPoint origin;
  double length;     // c
  double direction;  // theta, radians
  int32_t steps;     // n, already effective
  int32_t spacing;   // trail_spacing
  double angle;      // total rotation of the last copy
  double endH, endV; // scale of the last copy
};

// Fills table[0..n] (n + 1 entries). Entry 0 is the origin, unscaled and
// unturned; entry k follows f = (k/n)^2 when decelerating, 1 - (1 - k/n)^2
// when accelerating, k/n when uniform, and the tint progress q = k/(n-1)
// (k when n is 1) as q^2, 1 - (q-1)^2 or q. The uniform table is built by
// adding constant steps, as the series is drawn.
void FillTrailDeltas(const TrailSeriesShape& shape, std::span<TrailDelta> table);

// Tint progress of copy i: entry i's, except that the last copy of a series
// of two or more always reaches the end colours.
double TrailCopyTint(std::span<const TrailDelta> table, int32_t copy);

// The copy matrix of the entry: translate by -O, scale by (sx, sy), rotate,
// translate to the entry's point.
ai::RealMatrix TrailCopyMatrix(ai::RealPoint origin, const TrailDelta& entry);

// The transformation a gradient fill takes for copy matrix m with scale pair
// (sx, sy): m itself in one step, or, when m is a half turn (within 0.0001),
// a quarter turn followed by a second quarter turn with m's scale and
// translation, so that the gradient's own axes stay well defined. The two
// steps together equal m: the second carries the vertical scale in its first
// row and the horizontal in its second, since the first quarter turn swaps
// the axes.
struct TrailGradientSteps {
  int count;  // 1 or 2
  ai::RealMatrix first, second;
};
TrailGradientSteps GradientMatrixFor(const ai::RealMatrix& m, double sx, double sy);

// A colour component at tint t: gray and four-colour components scale by t,
// three-colour components move toward white: x + (1 - x)(1 - t).
double TintComponent(double x, double t, bool threeColour);

// A component of a copy: start s = x at the start tint, end e at the end tint,
// s + (e - s) u with u capped to 0..1, clamped to 0..1.
double MixTrailComponent(double x, double e, double beginning, double endTint, double u, bool threeColour);

// Opacity factor of a copy at tint progress u: (1 - u') beginning + u' endOpacity.
double TrailOpacityFactor(double beginning, double endOpacity, double u);

}  // namespace vx
