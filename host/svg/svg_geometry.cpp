#include "svg/svg_geometry.h"

#include <algorithm>
#include <cmath>

#include "svg/svg_transform.h"

namespace vxhost::svg {

void TransformSegments(std::vector<ai::SegRecord>& segments, const ai::RealMatrix& m) {
  for (ai::SegRecord& s : segments) {
    s.anchor = Apply(m, s.anchor);
    s.in = Apply(m, s.in);
    s.out = Apply(m, s.out);
  }
}

void ToDocument(std::vector<ai::SegRecord>& segments, const ai::RealMatrix& ctm) {
  if (!IsIdentity(ctm)) TransformSegments(segments, ctm);
  for (ai::SegRecord& s : segments) {
    s.anchor.y = -s.anchor.y;
    s.in.y = -s.in.y;
    s.out.y = -s.out.y;
  }
}

void Box::Add(ai::RealPoint p) {
  if (empty) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

void Box::AddBox(const Box& other) {
  if (other.empty) return;
  Add(ai::RealPoint{other.minX, other.minY});
  Add(ai::RealPoint{other.maxX, other.maxY});
}

namespace {

double Cubic(double p0, double p1, double p2, double p3, double t) {
  const double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

// Parameters in (0, 1) where one coordinate of the cubic turns.
int Extrema(double p0, double p1, double p2, double p3, double* t) {
  const double a = -p0 + 3 * p1 - 3 * p2 + p3, b = 2 * (p0 - 2 * p1 + p2), c = p1 - p0;
  int count = 0;
  auto keep = [&](double v) {
    if (v > 0 && v < 1) t[count++] = v;
  };
  if (std::fabs(a) < 1e-12) {
    if (b != 0) keep(-c / b);
    return count;
  }
  const double disc = b * b - 4 * a * c;
  if (disc < 0) return 0;
  const double root = std::sqrt(disc);
  keep((-b + root) / (2 * a));
  keep((-b - root) / (2 * a));
  return count;
}

void AddCurve(Box& box, ai::RealPoint p0, ai::RealPoint p1, ai::RealPoint p2, ai::RealPoint p3) {
  box.Add(p3);
  double t[4];
  int n = Extrema(p0.x, p1.x, p2.x, p3.x, t);
  n += Extrema(p0.y, p1.y, p2.y, p3.y, t + n);
  for (int i = 0; i < n; ++i)
    box.Add(ai::RealPoint{Cubic(p0.x, p1.x, p2.x, p3.x, t[i]), Cubic(p0.y, p1.y, p2.y, p3.y, t[i])});
}

}  // namespace

void AddCurves(Box& box, const std::vector<ai::SegRecord>& segments, bool closed, const ai::RealMatrix& m) {
  if (segments.empty()) return;
  std::vector<ai::SegRecord> s = segments;
  TransformSegments(s, m);
  box.Add(s[0].anchor);
  for (size_t i = 1; i < s.size(); ++i) AddCurve(box, s[i - 1].anchor, s[i - 1].out, s[i].in, s[i].anchor);
  if (closed) AddCurve(box, s.back().anchor, s.back().out, s[0].in, s[0].anchor);
}

void AddArtCurves(Box& box, const Art& art, const ai::RealMatrix& m) {
  if (art.kind == ai::art_kind::kPath) AddCurves(box, art.segments, art.closed, m);
  for (const Art* child = art.firstChild; child != nullptr; child = child->next) AddArtCurves(box, *child, m);
  if (art.resultGroup != nullptr) AddArtCurves(box, *art.resultGroup, m);
}

}  // namespace vxhost::svg
