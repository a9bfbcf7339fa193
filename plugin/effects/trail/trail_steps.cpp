#include "effects/trail/trail_steps.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

double Capped(double u) { return std::clamp(u, 0.0, 1.0); }

ai::RealPoint Polar(double r, double a) { return {r * std::cos(a), r * std::sin(a)}; }

}  // namespace

int32_t EffectiveTrailSteps(int32_t steps) { return std::clamp<int32_t>(steps, 1, 1000); }

void FillTrailDeltas(const TrailSeriesShape& s, std::span<TrailDelta> table) {
  const int32_t n = s.steps;
  if (n < 1 || table.size() < static_cast<size_t>(n) + 1) return;
  table[0] = {s.origin.x, s.origin.y, 1, 1, 0, 0};
  if (s.spacing == trail_spacing::kUniform) {
    const ai::RealPoint step = Polar(s.length / n, s.direction);
    const double tintStep = n == 1 ? 1.0 : 1.0 / (n - 1);
    for (int32_t k = 1; k <= n; ++k) {
      const TrailDelta& prev = table[k - 1];
      table[k] = {prev.x + step.x,
                  prev.y + step.y,
                  prev.sx + (s.endH - 1) / n,
                  prev.sy + (s.endV - 1) / n,
                  prev.rotation + s.angle / n,
                  prev.tint + tintStep};
    }
    return;
  }
  const bool accelerate = s.spacing == trail_spacing::kAccelerate;
  for (int32_t k = 1; k <= n; ++k) {
    const double p = static_cast<double>(k) / n;
    const double q = n == 1 ? k : static_cast<double>(k) / (n - 1);
    const double f = accelerate ? 1 - (1 - p) * (1 - p) : p * p;
    const double tint = accelerate ? 1 - (q - 1) * (q - 1) : q * q;
    const ai::RealPoint at = Polar(s.length * f, s.direction);
    table[k] = {s.origin.x + at.x, s.origin.y + at.y, 1 + f * (s.endH - 1), 1 + f * (s.endV - 1), f * s.angle, tint};
  }
}

double TrailCopyTint(std::span<const TrailDelta> table, int32_t copy) {
  const int32_t n = static_cast<int32_t>(table.size()) - 1;
  if (n >= 2 && copy == n - 1) return 1;
  return table[copy].tint;
}

ai::RealMatrix TrailCopyMatrix(ai::RealPoint o, const TrailDelta& e) {
  const double c = std::cos(e.rotation), s = std::sin(e.rotation);
  // Row vectors: scale then rotate is [sx 0; 0 sy] * [c s; -s c].
  const double a = e.sx * c, b = e.sx * s, cc = -e.sy * s, d = e.sy * c;
  // -O carried through the linear part, then the entry's point.
  return {a, b, cc, d, e.x - (o.x * a + o.y * cc), e.y - (o.x * b + o.y * d)};
}

TrailGradientSteps GradientMatrixFor(const ai::RealMatrix& m, double sx, double sy) {
  constexpr double kEps = 0.0001;
  const double ax = std::fabs(sx), ay = std::fabs(sy);
  if (std::fabs(m.a + ax) < kEps && std::fabs(m.b) < kEps && std::fabs(m.c) < kEps && std::fabs(m.d + ay) < kEps)
    return {2, {0, -1, 1, 0, 0, 0}, {0, -ay, ax, 0, m.tx, m.ty}};
  return {1, m, {}};
}

double TintComponent(double x, double t, bool threeColour) {
  return threeColour ? x + (1 - x) * (1 - t) : x * t;
}

double MixTrailComponent(double x, double e, double beginning, double endTint, double u, bool threeColour) {
  const double s = TintComponent(x, beginning, threeColour);
  const double t = TintComponent(e, endTint, threeColour);
  const double uc = Capped(u);
  const double v = uc == 0 ? s : uc == 1 ? t : s + (t - s) * uc;
  return std::clamp(v, 0.0, 1.0);
}

double TrailOpacityFactor(double beginning, double endOpacity, double u) {
  const double uc = Capped(u);
  return (1 - uc) * beginning + uc * endOpacity;
}

}  // namespace vx
