// Cubic Bezier arithmetic on segment records: evaluation at fixed sample
// parameters, tangents, splitting inside a run or in a host path, the parameter
// at a chord distance, and the square closeness test. Plain double arithmetic:
// the deformation engine calls these for every point and must not pay a host
// call each time.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "geometry/path_records.h"

namespace vx {

// The cubic between two consecutive records: P0 = first anchor, P1 = first out
// handle, P2 = second in handle, P3 = second anchor. The first record's in handle
// and the second's out handle belong to the neighbouring cubics.
struct SegmentPair {
  SegRecord first;
  SegRecord second;

  ai::RealPoint p0() const { return first.anchor; }
  ai::RealPoint p1() const { return first.out; }
  ai::RealPoint p2() const { return second.in; }
  ai::RealPoint p3() const { return second.anchor; }
};

// Both handles retracted onto their anchors.
inline bool IsStraight(const SegmentPair& pair) {
  return pair.first.out.x == pair.first.anchor.x && pair.first.out.y == pair.first.anchor.y &&
         pair.second.in.x == pair.second.anchor.x && pair.second.in.y == pair.second.anchor.y;
}

ai::RealPoint BezierPointAt(const SegmentPair& pair, double t);

// Bernstein weights of the fixed sample parameters 0.001, 0.333333333,
// 0.666666667 and 0.999, in the order (P0, P1, P2, P3). They are the weights of
// those nine-digit parameters, not of exact thirds.
inline constexpr double kSampleWeights[4][4] = {
    {0.997002999, 0.002994003, 2.997e-6, 1e-9},
    {0.29629629674074076, 0.4444444444444445, 0.2222222218888889, 0.03703703692592593},
    {0.03703703692592593, 0.2222222218888889, 0.4444444444444445, 0.29629629674074076},
    {1e-9, 2.997e-6, 0.002994003, 0.997002999},
};
inline constexpr double kSampleParameters[4] = {0.001, 0.333333333, 0.666666667, 0.999};

// The curve point at sample `index` (0-3) with the fixed weights.
inline ai::RealPoint SamplePoint(const SegmentPair& pair, int index) {
  const double* w = kSampleWeights[index];
  return {w[0] * pair.first.anchor.x + w[1] * pair.first.out.x + w[2] * pair.second.in.x + w[3] * pair.second.anchor.x,
          w[0] * pair.first.anchor.y + w[1] * pair.first.out.y + w[2] * pair.second.in.y + w[3] * pair.second.anchor.y};
}

// Direction of the tangent at t (radians), from B(t) toward B(t + 0.001), or
// arriving from B(t - 0.001) when t + 0.001 is past the end.
double BezierTangentAngle(const SegmentPair& pair, double t, ai::RealPoint pointAtT);

struct ChordSearch {
  bool beyond;          // even P3 is closer to the start than the distance
  double t;
  ai::RealPoint point;
};
// The parameter t >= t0 whose curve point lies `distance` (within 0.1) from `start`.
ChordSearch ParamAtChordDistance(const SegmentPair& pair, ai::RealPoint start, double distance, double t0);

// Splits the cubic between run[i] and run[i + 1] at t = 0.5 and inserts the new
// anchor at i + 1; `last` is the index of the run's last record after the
// insertion (the run has room for it).
void SplitSegmentAtMid(SegRecord* run, int32_t i, int32_t last);

// Which ends of a straight segment get real handles.
enum HandleEnds : uint8_t { kFirstEnd = 1, kSecondEnd = 2, kBothEnds = 3 };
// Gives a straight segment handles a third of the way along it; a segment that
// is not straight is left as it is.
inline void ExtendStraightHandles(SegmentPair& pair, HandleEnds ends) {
  constexpr double kThird = 0.3333333333333333;
  if (!IsStraight(pair)) return;
  const ai::RealPoint p0 = pair.p0(), p3 = pair.p3();
  if (ends & kFirstEnd) pair.first.out = {p0.x + (p3.x - p0.x) * kThird, p0.y + (p3.y - p0.y) * kThird};
  if (ends & kSecondEnd) pair.second.in = {p3.x + (p0.x - p3.x) * kThird, p3.y + (p0.y - p3.y) * kThird};
}

// |a.x - b.x| <= tol and |a.y - b.y| <= tol: a square, not a circle.
inline bool PointsWithin(ai::RealPoint a, ai::RealPoint b, double tol) {
  const double dx = a.x - b.x, dy = a.y - b.y;
  return (dx <= tol && -dx <= tol) && (dy <= tol && -dy <= tol);
}

// Inserts a smooth anchor into a host path on the segment that ends at anchor
// `endAnchor` (0 on a closed path: the closing segment), at parameter t; a
// straight segment gets the hit point itself with retracted handles.
ai::Code SplitPathSegmentAt(ai::ArtHandle path, int32_t endAnchor, double t, ai::RealPoint hitPoint);

}  // namespace vx
