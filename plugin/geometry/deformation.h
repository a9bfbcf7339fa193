// The deformation engine: a point mapper moves single points; the segment
// mappers turn it into a mapping of cubic segments that checks the mapped cubic
// still follows the mapped curve and asks for a split when it does not; the run
// mapper deforms a whole host path through a segment mapper, splitting as needed
// within the capacity of the working run.
//
// Mappers are templates on the point mapper, so the mapper is inlined into the
// segment loop: no allocation per segment and no indirect call per point.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "frame/host/codes.h"
#include "geometry/bezier.h"
#include "geometry/named_block.h"
#include "geometry/path_records.h"

namespace vx {

// A point mapper left the point where it was: it lies outside the tool's area.
constexpr ai::Code kPointUntouched = 0x6F6F5461;
// A segment mapper asks for the segment to be split and mapped again.
constexpr ai::Code kNeedSplit = 3;
// Capacity of the working run of a drag (records).
constexpr int32_t kMaxRunSegments = 32000;
inline constexpr char kWorkingRunName[] = "g buffer for segments";
inline constexpr char kSourceCopyName[] = "buffer 2 for segments";

namespace detail {

inline double Distance(ai::RealPoint a, ai::RealPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Distance(a, b) < limit for a limit >= 0, without the square root.
inline bool CloserThan(ai::RealPoint a, ai::RealPoint b, double limit) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return dx * dx + dy * dy < limit * limit;
}

// P0' + polar(distance(P0', P1'), angle(P0', Q')): the mapped handle's length
// along the mapped curve's starting direction. The polar point is formed from
// the unit vector toward Q' (no trigonometry); Q' on the anchor itself has the
// angle 0, as atan2 gives it.
inline ai::RealPoint ReestimatedHandle(ai::RealPoint anchor, ai::RealPoint handle, ai::RealPoint direction) {
  const double length = Distance(anchor, handle);
  const double dx = direction.x - anchor.x, dy = direction.y - anchor.y;
  const double norm = std::sqrt(dx * dx + dy * dy);
  if (norm == 0) return {anchor.x + length, anchor.y};
  const double scale = length / norm;
  return {anchor.x + dx * scale, anchor.y + dy * scale};
}

inline ai::RealPoint WeightedPoint(const double* w, ai::RealPoint p0, ai::RealPoint p1, ai::RealPoint p2,
                                   ai::RealPoint p3) {
  return {w[0] * p0.x + w[1] * p1.x + w[2] * p2.x + w[3] * p3.x, w[0] * p0.y + w[1] * p1.y + w[2] * p2.y + w[3] * p3.y};
}

// Maps a point; counts it when the mapper left it alone.
template <class MapPoint>
inline ai::Code MapCounted(MapPoint& map, ai::RealPoint& point, int& untouched) {
  const ai::Code code = map(point);
  if (code == kPointUntouched) {
    ++untouched;
    return ai::kNoError;
  }
  return code;
}

// The acceptance test of a mapped segment whose ends moved: the new cubic
// through the mapped anchors and re-estimated handles must pass within `tol`
// of the mapped curve points at the two middle sample parameters.
inline bool FollowsMappedCurve(ai::RealPoint a0, ai::RealPoint newP1, ai::RealPoint newP2, ai::RealPoint a3,
                               ai::RealPoint m1, ai::RealPoint m2, double tol) {
  const ai::RealPoint c1 = WeightedPoint(kSampleWeights[1], a0, newP1, newP2, a3);
  if (std::fabs(c1.x - m1.x) > tol || std::fabs(c1.y - m1.y) > tol) return false;
  const ai::RealPoint c2 = WeightedPoint(kSampleWeights[2], a0, newP1, newP2, a3);
  return PointsWithin(m2, c2, tol);
}

}  // namespace detail

// The box of a tool's area and a sample spacing that cannot miss it. A segment
// whose ends and middle samples all lie outside the area may still pass through
// it between them (a small lens over a long line); when the box of its control
// points meets the area's box it is probed at this spacing. An empty box
// (minX > maxX) means the tool has no area.
struct AreaProbe {
  double minX = 1, minY = 1, maxX = 0, maxY = 0;
  double spacing = 0;
};

namespace detail {

// Whether a probe of the cubic p0..p3 at the area's spacing finds a point the
// mapper moves.
template <class MapPoint>
bool ProbeFindsArea(MapPoint& map, const AreaProbe& area, ai::RealPoint p0, ai::RealPoint p1, ai::RealPoint p2,
                    ai::RealPoint p3) {
  if (area.minX > area.maxX || area.spacing <= 0) return false;
  if (std::max({p0.x, p1.x, p2.x, p3.x}) < area.minX || std::min({p0.x, p1.x, p2.x, p3.x}) > area.maxX ||
      std::max({p0.y, p1.y, p2.y, p3.y}) < area.minY || std::min({p0.y, p1.y, p2.y, p3.y}) > area.maxY)
    return false;
  // The control polygon is at least as long as the curve.
  const double length = Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3);
  constexpr double kMostProbes = 512;
  const int probes = static_cast<int>(std::clamp(std::ceil(length / area.spacing), 2.0, kMostProbes));
  const SegmentPair pair{{p0, p0, p1, 0, 0}, {p3, p2, p3, 0, 0}};
  for (int i = 1; i < probes; ++i) {
    ai::RealPoint p = BezierPointAt(pair, static_cast<double>(i) / probes);
    if (map(p) == ai::kNoError) return true;
  }
  return false;
}

// The shared body of the three flat segment mappers. `map` moves one point
// (returning 0, kPointUntouched or an error); `extendEnd` tells whether a
// straight segment's anchor gets a real handle; `freeCorners` sets both corner
// flags instead of only those of moved ends.
template <class MapPoint, class ExtendEnd>
ai::Code MapSegment(MapPoint&& map, ExtendEnd&& extendEnd, SegmentPair& pair, bool check, double d,
                    bool freeCorners, const AreaProbe& area = {}) {
  const double tol = std::max(d, 1.0);
  const double minLen = std::max(d, 2.0);
  // The caller turns checking off when it has no room left to split: then every
  // pair is accepted as mapped, or a full run would retry the same pair forever.
  const bool mayRequestSplit = check;
  if (check && CloserThan(pair.p0(), pair.p3(), minLen)) check = false;
  if (IsStraight(pair)) {
    const int ends = (extendEnd(pair.p0()) ? kFirstEnd : 0) | (extendEnd(pair.p3()) ? kSecondEnd : 0);
    if (ends != 0) ExtendStraightHandles(pair, static_cast<HandleEnds>(ends));
  }
  const ai::RealPoint p0 = pair.p0(), p1 = pair.p1(), p2 = pair.p2(), p3 = pair.p3();

  int head = 0, tail = 0, middle = 0;
  ai::RealPoint a0 = p0, q1 = WeightedPoint(kSampleWeights[0], p0, p1, p2, p3), a1 = p1;
  ai::RealPoint a3 = p3, q2 = WeightedPoint(kSampleWeights[3], p0, p1, p2, p3), a2 = p2;
  ai::RealPoint m1 = WeightedPoint(kSampleWeights[1], p0, p1, p2, p3);
  ai::RealPoint m2 = WeightedPoint(kSampleWeights[2], p0, p1, p2, p3);
  ai::Code code;
  if ((code = MapCounted(map, a0, head)) || (code = MapCounted(map, q1, head)) || (code = MapCounted(map, a1, head)))
    return code;
  if ((code = MapCounted(map, a3, tail)) || (code = MapCounted(map, q2, tail)) || (code = MapCounted(map, a2, tail)))
    return code;

  const ai::RealPoint newP1 = head < 3 ? ReestimatedHandle(a0, a1, q1) : a1;
  const ai::RealPoint newP2 = tail < 3 ? ReestimatedHandle(a3, a2, q2) : a2;

  if ((code = MapCounted(map, m1, middle)) || (code = MapCounted(map, m2, middle))) return code;

  if (head == 3 && tail == 3) {
    // Both ends untouched: a tool area inside the segment needs a split.
    if (mayRequestSplit && (middle != 2 || (check && ProbeFindsArea(map, area, p0, p1, p2, p3)))) return kNeedSplit;
  } else if (check && !(CloserThan(a0, a3, minLen) && CloserThan(a0, newP1, minLen) && CloserThan(a3, newP2, minLen))) {
    if (!FollowsMappedCurve(a0, newP1, newP2, a3, m1, m2, tol)) return kNeedSplit;
    // Two points cannot see a curve that swings between them (a strong twirl):
    // the new cubic must also follow the mapped curve between and beside them.
    const SegmentPair source{{p0, p0, p1, 0, 0}, {p3, p2, p3, 0, 0}};
    const SegmentPair mapped{{a0, a0, newP1, 0, 0}, {a3, newP2, a3, 0, 0}};
    for (double t : {1.0 / 6, 0.5, 5.0 / 6}) {
      ai::RealPoint exact = BezierPointAt(source, t);
      if ((code = MapCounted(map, exact, middle))) return code;
      if (!PointsWithin(exact, BezierPointAt(mapped, t), tol)) return kNeedSplit;
    }
  }

  pair.first.anchor = a0;
  pair.first.out = newP1;
  pair.second.in = newP2;
  pair.second.anchor = a3;
  if (freeCorners || head < 3) pair.first.corner = 1;
  if (freeCorners || tail < 3) pair.second.corner = 1;
  return ai::kNoError;
}

// The host's guarded quotient: saturates at +-kValueLimit instead of
// overflowing, and a zero divisor gives the limit with the dividend's sign.
inline double GuardedQuotient(double a, double b) {
  if (b == 0) return a == 0 ? 0 : (a > 0 ? kValueLimit : -kValueLimit);
  const double q = a / b;
  return std::clamp(q, -kValueLimit, kValueLimit);
}

}  // namespace detail

// A point mapper: ai::Code mapper(ai::RealPoint& point) moves the point in place
// (the tool binds its size and extra argument into it) and answers 0,
// kPointUntouched, or an error that ends the deformation.

// Free variant: tolerance from the size value; straight segments always get
// real handles; both corner flags are set.
template <class PointMapper>
ai::Code MapSegmentFree(PointMapper&& mapper, SegmentPair& pair, bool check, double size) {
  return detail::MapSegment(mapper, [](ai::RealPoint) { return true; }, pair, check, size / 100, true);
}

// Circle variant: a straight segment's end gets a handle only when it lies
// closer than `size` to the tool's centre; only moved ends become corners.
template <class PointMapper>
ai::Code MapSegmentInCircle(PointMapper&& mapper, SegmentPair& pair, bool check, double size, ai::RealPoint centre) {
  auto inside = [centre, size](ai::RealPoint p) { return detail::CloserThan(p, centre, size); };
  const AreaProbe area{centre.x - size, centre.y - size, centre.x + size, centre.y + size, size / 2};
  return detail::MapSegment(mapper, inside, pair, check, size / 100, false, area);
}

// Ellipse (lens) variant: the lens rectangle has its right edge at the current
// point's x and its bottom edge at its y, and extends `width` left and `height` up.
template <class PointMapper>
ai::Code MapSegmentInEllipse(PointMapper&& mapper, SegmentPair& pair, bool check, double width, double height,
                             ai::RealPoint current) {
  auto inside = [=](ai::RealPoint p) {
    return p.x <= current.x && p.x >= current.x - width && p.y >= current.y && p.y <= current.y + height;
  };
  const AreaProbe area{current.x - width, current.y, current.x, current.y + height, std::min(width, height) / 4};
  return detail::MapSegment(mapper, inside, pair, check, std::min(width, height) / 200, false, area);
}

// The 3D variant's transform: points are mapped relative to `centre`, seen in
// perspective from `viewerDistance` (kValueLimit or more: no perspective);
// `size` (the half diagonal of the art's bounds) sets the tolerances.
struct PerspectiveTransform {
  ai::RealPoint centre;
  double viewerDistance;
  double size;
};

// A mapped point lay at or beyond the viewer (-z >= viewer distance).
constexpr ai::Code kBeyondViewer = 1;

// Perspective variant: `mapper` is ai::Code(double& x, double& y, double& z),
// filling a depth for a point given relative to the centre. The largest depth
// of the mapped anchors is kept in *largestDepth (start it at kUnsetValue).
// Answers 0, kNeedSplit, kBeyondViewer (the segment is written all the same)
// or the mapper's error.
template <class PointMapper3D>
ai::Code MapSegmentPerspective(PointMapper3D&& mapper, const PerspectiveTransform& transform, SegmentPair& pair,
                               double* largestDepth, bool check) {
  const double s = transform.size;
  const double tol = std::clamp(s / 200, 0.5, 5.0);
  const double minLen = std::max(s / 100, 2.0);
  const double v = transform.viewerDistance;
  if (check && detail::Distance(pair.p0(), pair.p3()) < minLen) check = false;
  if (IsStraight(pair)) ExtendStraightHandles(pair, kBothEnds);
  const ai::RealPoint p0 = pair.p0(), p1 = pair.p1(), p2 = pair.p2(), p3 = pair.p3();

  bool beyond = false;
  auto project = [&](ai::RealPoint& point, double& depth) -> ai::Code {
    double x = point.x - transform.centre.x, y = point.y - transform.centre.y, z = 0;
    if (ai::Code code = mapper(x, y, z)) return code;
    if (-z >= v) beyond = true;
    const double factor = detail::GuardedQuotient(v, v - z);
    if (std::fabs(v) < kValueLimit && std::fabs(factor) < kValueLimit) {
      x *= factor;
      y *= factor;
    }
    point = {x + transform.centre.x, y + transform.centre.y};
    depth = z;
    return ai::kNoError;
  };

  using detail::WeightedPoint;
  ai::RealPoint a0 = p0, q1 = WeightedPoint(kSampleWeights[0], p0, p1, p2, p3), a1 = p1;
  ai::RealPoint a3 = p3, q2 = WeightedPoint(kSampleWeights[3], p0, p1, p2, p3), a2 = p2;
  ai::RealPoint m1 = WeightedPoint(kSampleWeights[1], p0, p1, p2, p3);
  ai::RealPoint m2 = WeightedPoint(kSampleWeights[2], p0, p1, p2, p3);
  double z0 = 0, z3 = 0, ignored = 0;
  for (auto [point, depth] : {std::pair{&a0, &z0}, std::pair{&q1, &ignored}, std::pair{&a1, &ignored},
                              std::pair{&a3, &z3}, std::pair{&q2, &ignored}, std::pair{&a2, &ignored},
                              std::pair{&m1, &ignored}, std::pair{&m2, &ignored}})
    if (ai::Code code = project(*point, *depth)) return code;
  if (largestDepth != nullptr) *largestDepth = std::max({*largestDepth, z0, z3});

  // A direction point that collapsed onto its anchor leaves the handle retracted.
  constexpr double kCollapsed = 1e-4;
  const ai::RealPoint newP1 = PointsWithin(q1, a0, kCollapsed) ? a0 : detail::ReestimatedHandle(a0, a1, q1);
  const ai::RealPoint newP2 = PointsWithin(q2, a3, kCollapsed) ? a3 : detail::ReestimatedHandle(a3, a2, q2);

  if (check && (detail::Distance(a0, a3) >= minLen || detail::Distance(a0, newP1) >= minLen ||
                detail::Distance(a3, newP2) >= minLen)) {
    if (!detail::FollowsMappedCurve(a0, newP1, newP2, a3, m1, m2, tol)) return kNeedSplit;
  }
  pair.first.anchor = a0;
  pair.first.out = newP1;
  pair.second.in = newP2;
  pair.second.anchor = a3;
  pair.first.corner = 1;
  pair.second.corner = 1;
  return beyond ? kBeyondViewer : ai::kNoError;
}

// Reads a path for deformation: its segments into the source copy, its closed flag.
struct SourcePath {
  NamedBlock block;
  SegRecord* segments = nullptr;
  int32_t count = 0;
  bool closed = false;
};
ai::Code ReadSourcePath(ai::ArtHandle path, SourcePath& source);
// Replaces the path's segments with the run and refreshes its attributes.
ai::Code WriteRun(ai::ArtHandle path, const SegRecord* run, int32_t count);

// Deforms one host path in place through `mapSegment` (ai::Code(SegmentPair&,
// bool check)), using `run` (room for kMaxRunSegments records) as working
// memory. A path of fewer than two anchors, or one whose deformation would need
// more anchors than the run holds, is left as it was.
template <class SegmentMapper>
ai::Code MapSegmentRun(ai::ArtHandle path, SegRecord* run, SegmentMapper&& mapSegment) {
  SourcePath source;
  if (ai::Code code = ReadSourcePath(path, source)) return code;
  if (source.count < 2) return ai::kNoError;
  const int32_t pairs = source.closed ? source.count : source.count - 1;

  int32_t mapped = 0;  // records before `mapped` are final; run[mapped] is the next pair's first
  run[0] = source.segments[0];
  SegRecord lastSecond{};
  for (int32_t k = 0; k < pairs; ++k) {
    if (mapped + 1 > kMaxRunSegments - 3) return ai::kNoError;  // too many anchors: leave the path alone
    int32_t end = mapped + 1;
    run[end] = source.segments[k + 1 < source.count ? k + 1 : 0];
    bool check = true;
    while (mapped < end) {
      SegmentPair pair{run[mapped], run[mapped + 1]};
      const ai::Code code = mapSegment(pair, check);
      if (code == kNeedSplit) {
        if (end + 1 <= kMaxRunSegments - 2) {
          SplitSegmentAtMid(run, mapped, end + 1);
          ++end;
        } else {
          check = false;
        }
        continue;
      }
      if (code != ai::kNoError) return code;
      run[mapped] = pair.first;
      run[mapped + 1].in = pair.second.in;  // the mapped in handle goes forward with its anchor
      lastSecond = pair.second;
      ++mapped;
      check = true;
    }
  }
  if (mapped + 1 > kMaxRunSegments - 2) return ai::kNoError;

  int32_t total;
  if (source.closed) {
    run[0].in = lastSecond.in;  // the first anchor closes the path; its duplicate at the end goes
    total = mapped;
  } else {
    run[mapped] = lastSecond;
    run[mapped].out = run[mapped].anchor;
    run[0].in = run[0].anchor;
    total = mapped + 1;
  }
  return WriteRun(path, run, total);
}

}  // namespace vx
