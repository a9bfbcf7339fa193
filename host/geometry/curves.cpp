#include "geometry/curves.h"

#include <algorithm>
#include <cmath>

namespace vxhost {

ai::RealMatrix Multiply(const ai::RealMatrix& f, const ai::RealMatrix& s) {
  return {f.a * s.a + f.b * s.c,          f.a * s.b + f.b * s.d,          f.c * s.a + f.d * s.c,
          f.c * s.b + f.d * s.d,          f.tx * s.a + f.ty * s.c + s.tx, f.tx * s.b + f.ty * s.d + s.ty};
}

bool Invert(const ai::RealMatrix& m, ai::RealMatrix& inverse) {
  const double det = m.a * m.d - m.b * m.c;
  if (det == 0 || !std::isfinite(det)) return false;
  inverse = {m.d / det, -m.b / det, -m.c / det, m.a / det, (m.c * m.ty - m.d * m.tx) / det,
             (m.b * m.tx - m.a * m.ty) / det};
  return true;
}

ai::RealPoint Cubic::At(double t) const {
  const double u = 1 - t;
  const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
  return {b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x, b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y};
}

std::vector<Cubic> CurvesOf(const std::vector<ai::SegRecord>& s, bool closed) {
  std::vector<Cubic> curves;
  if (s.empty()) return curves;
  for (size_t i = 0; i + 1 < s.size(); ++i) curves.push_back({s[i].anchor, s[i].out, s[i + 1].in, s[i + 1].anchor});
  if (closed) curves.push_back({s.back().anchor, s.back().out, s.front().in, s.front().anchor});
  return curves;
}

void BoxBuilder::Add(ai::RealPoint p) {
  if (empty) {
    box = {p.x, p.y, p.x, p.y};
    empty = false;
    return;
  }
  box.left = std::min(box.left, p.x);
  box.right = std::max(box.right, p.x);
  box.top = std::max(box.top, p.y);
  box.bottom = std::min(box.bottom, p.y);
}

namespace {

// Roots in (0, 1) of the derivative of one coordinate of a cubic.
int ExtremaParameters(double a, double b, double c, double d, double roots[2]) {
  // Derivative: 3[(b-a)(1-t)^2 + 2(c-b)(1-t)t + (d-c)t^2] = A t^2 + B t + C.
  const double A = -a + 3 * b - 3 * c + d;
  const double B = 2 * (a - 2 * b + c);
  const double C = b - a;
  int count = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) roots[count++] = t;
  };
  if (std::fabs(A) < 1e-12) {
    if (std::fabs(B) > 1e-12) keep(-C / B);
    return count;
  }
  const double disc = B * B - 4 * A * C;
  if (disc < 0) return 0;
  const double root = std::sqrt(disc);
  keep((-B + root) / (2 * A));
  keep((-B - root) / (2 * A));
  return count;
}

}  // namespace

void BoxBuilder::AddCurveTight(const Cubic& c) {
  Add(c.p0);
  Add(c.p3);
  double roots[2];
  for (int n = ExtremaParameters(c.p0.x, c.p1.x, c.p2.x, c.p3.x, roots), i = 0; i < n; ++i) Add(c.At(roots[i]));
  for (int n = ExtremaParameters(c.p0.y, c.p1.y, c.p2.y, c.p3.y, roots), i = 0; i < n; ++i) Add(c.At(roots[i]));
}

Nearest NearestOnCubic(const Cubic& c, ai::RealPoint p) {
  auto distance = [&](double t) {
    ai::RealPoint q = c.At(t);
    return std::hypot(q.x - p.x, q.y - p.y);
  };
  constexpr int kSamples = 48;
  double bestT = 0, best = distance(0);
  for (int i = 1; i <= kSamples; ++i) {
    const double t = double(i) / kSamples;
    const double d = distance(t);
    if (d < best) best = d, bestT = t;
  }
  // Narrow the bracket around the best sample.
  double lo = std::max(0.0, bestT - 1.0 / kSamples), hi = std::min(1.0, bestT + 1.0 / kSamples);
  for (int i = 0; i < 40; ++i) {
    const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
    if (distance(m1) < distance(m2)) hi = m2; else lo = m1;
  }
  const double t = (lo + hi) / 2;
  return {t, distance(t), c.At(t)};
}

int Winding(const std::vector<Cubic>& curves, ai::RealPoint p, bool& onEdge) {
  int winding = 0;
  onEdge = false;
  constexpr int kSteps = 32;
  for (const Cubic& c : curves) {
    ai::RealPoint a = c.p0;
    for (int i = 1; i <= kSteps; ++i) {
      const ai::RealPoint b = i == kSteps ? c.p3 : c.At(double(i) / kSteps);
      if ((a.y <= p.y) != (b.y <= p.y)) {
        const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
        if (x > p.x) winding += b.y > a.y ? 1 : -1;
        if (x == p.x) onEdge = true;
      }
      a = b;
    }
  }
  return winding;
}

}  // namespace vxhost
