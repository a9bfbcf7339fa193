// The real-Bezier suite: lengths of cubic curves.
#include <cmath>

#include "host.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

// Halving a curve 16 times gives 65,536 pieces: far below any flatness a
// caller asks for on drawings of sane size, and a bound for curves that never
// flatten (non-finite coordinates).
constexpr int kMaxDepth = 16;

double Distance(ai::RealPoint a, ai::RealPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }
ai::RealPoint Mid(ai::RealPoint a, ai::RealPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// How far a control point lies from the chord p0-p3 (from p0 when the chord is a point).
double OffChord(ai::RealPoint p0, ai::RealPoint p3, ai::RealPoint q) {
  const double chord = Distance(p0, p3);
  if (chord == 0) return Distance(p0, q);
  return std::fabs((p3.x - p0.x) * (q.y - p0.y) - (p3.y - p0.y) * (q.x - p0.x)) / chord;
}

// The curve lies inside the hull of its control points, so once both inner
// points are within `flatness` of the chord, the chord stands for the piece.
double PolylineLength(ai::RealPoint p0, ai::RealPoint p1, ai::RealPoint p2, ai::RealPoint p3, double flatness,
                      int depth) {
  if (depth >= kMaxDepth || (OffChord(p0, p3, p1) <= flatness && OffChord(p0, p3, p2) <= flatness))
    return Distance(p0, p3);
  const ai::RealPoint a = Mid(p0, p1), h = Mid(p1, p2), k = Mid(p2, p3);
  const ai::RealPoint d = Mid(a, h), e = Mid(h, k), m = Mid(d, e);
  return PolylineLength(p0, a, d, m, flatness, depth + 1) + PolylineLength(m, e, k, p3, flatness, depth + 1);
}

ai::Code Length(const ai::RealPoint* points, double flatness, double* length) {
  if (points == nullptr || length == nullptr || !(flatness > 0)) return ai::kBadParameter;
  VX_HOST_ENTER();
  *length = PolylineLength(points[0], points[1], points[2], points[3], flatness, 0);
  return ai::kNoError;
}

const ai::RealBezierSuite kRealBezier = {Length};

}  // namespace

const ai::RealBezierSuite* RealBezierSuiteTable() { return &kRealBezier; }

}  // namespace vxhost
