#include "geometry/bezier.h"

#include <cmath>
#include <cstring>

#include "frame/suite_set.h"
#include "geometry/named_block.h"

namespace vx {
namespace {

constexpr double kTangentStep = 0.001;
constexpr double kChordTolerance = 0.1;
// The bisection halves its interval each round; past this many rounds the
// interval is far below double precision and the answer cannot improve.
constexpr int kMaxBisections = 200;

double Distance(ai::RealPoint a, ai::RealPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }
double Angle(ai::RealPoint a, ai::RealPoint b) { return std::atan2(b.y - a.y, b.x - a.x); }
ai::RealPoint Mid(ai::RealPoint a, ai::RealPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
ai::RealPoint Lerp(ai::RealPoint a, ai::RealPoint b, double t) {
  const double s = 1 - t;
  return {s * a.x + t * b.x, s * a.y + t * b.y};
}

// The new anchor and the neighbours' handles of a split at t (de Casteljau).
struct Split {
  ai::RealPoint firstOut, newIn, anchor, newOut, secondIn;
};

Split SplitAt(const SegmentPair& pair, double t) {
  const ai::RealPoint a = Lerp(pair.p0(), pair.p1(), t);
  const ai::RealPoint h = Lerp(pair.p1(), pair.p2(), t);
  const ai::RealPoint k = Lerp(pair.p2(), pair.p3(), t);
  const ai::RealPoint d = Lerp(a, h, t);
  const ai::RealPoint e = Lerp(h, k, t);
  return {a, d, Lerp(d, e, t), e, k};
}

Split SplitAtMid(const SegmentPair& pair) {
  const ai::RealPoint a = Mid(pair.p0(), pair.p1());
  const ai::RealPoint h = Mid(pair.p1(), pair.p2());
  const ai::RealPoint k = Mid(pair.p2(), pair.p3());
  const ai::RealPoint d = Mid(a, h);
  const ai::RealPoint e = Mid(h, k);
  return {a, d, Mid(d, e), e, k};
}

}  // namespace

ai::RealPoint BezierPointAt(const SegmentPair& pair, double t) {
  const double s = 1 - t;
  const double b0 = s * s * s, b1 = 3 * t * s * s, b2 = 3 * t * t * s, b3 = t * t * t;
  return {b0 * pair.p0().x + b1 * pair.p1().x + b2 * pair.p2().x + b3 * pair.p3().x,
          b0 * pair.p0().y + b1 * pair.p1().y + b2 * pair.p2().y + b3 * pair.p3().y};
}

double BezierTangentAngle(const SegmentPair& pair, double t, ai::RealPoint pointAtT) {
  const bool ahead = t + kTangentStep <= 1;
  const double u = ahead ? t + kTangentStep : t - kTangentStep;
  const ai::RealPoint other = BezierPointAt(pair, u);
  return ahead ? Angle(pointAtT, other) : Angle(other, pointAtT);
}

ChordSearch ParamAtChordDistance(const SegmentPair& pair, ai::RealPoint start, double distance, double t0) {
  double m = Distance(start, pair.p3());
  if (std::fabs(distance - m) < kChordTolerance) return {false, 1, pair.p3()};
  double lo = t0, t = 1, previous = 1;
  for (int round = 0; std::fabs(distance - m) >= kChordTolerance && round < kMaxBisections; ++round) {
    if (distance >= m) {
      if (t == 1) return {true, 1, pair.p3()};
      lo = t;
      t = previous;
    }
    const double next = (t + lo) / 2;
    m = Distance(start, BezierPointAt(pair, next));
    previous = t;
    t = next;
  }
  return {false, t, BezierPointAt(pair, t)};
}

void SplitSegmentAtMid(SegRecord* run, int32_t i, int32_t last) {
  const SegmentPair pair{run[i], run[i + 1]};
  SegRecord added{};
  if (IsStraight(pair)) {
    const ai::RealPoint m = Mid(pair.p0(), pair.p3());
    added = {m, m, m, 0, 0};
  } else {
    const Split split = SplitAtMid(pair);
    run[i].out = split.firstOut;
    run[i + 1].in = split.secondIn;
    added = {split.anchor, split.newIn, split.newOut, 0, 0};
  }
  if (last > i + 1) std::memmove(run + i + 2, run + i + 1, sizeof(SegRecord) * static_cast<size_t>(last - i - 1));
  run[i + 1] = added;
}

ai::Code SplitPathSegmentAt(ai::ArtHandle path, int32_t endAnchor, double t, ai::RealPoint hitPoint) {
  int32_t count = 0;
  int32_t closed = 0;
  if (ai::Code code = suites::Path().getSegmentCount(path, &count)) return code;
  if (ai::Code code = suites::Path().getClosed(path, &closed)) return code;
  if (endAnchor < 0 || endAnchor >= count || (endAnchor == 0 && !closed) || count < 1) return ai::kBadParameter;

  NamedBlock block;
  if (ai::Code code = block.Allocate(sizeof(SegRecord) * (static_cast<size_t>(count) + 1), block_names::kSegments))
    return code;
  SegRecord* segments = block.as<SegRecord>();
  if (ai::Code code = suites::Path().getSegments(path, 0, count, segments)) return code;

  // The closing segment runs from the last anchor to anchor 0; its new anchor
  // goes after the last one.
  const int32_t first = endAnchor == 0 ? count - 1 : endAnchor - 1;
  const int32_t second = endAnchor;
  const int32_t insertAt = endAnchor == 0 ? count : endAnchor;
  const SegmentPair pair{segments[first], segments[second]};
  SegRecord added{};
  if (IsStraight(pair)) {
    added = {hitPoint, hitPoint, hitPoint, 0, 0};
  } else {
    const Split split = SplitAt(pair, t);
    segments[first].out = split.firstOut;
    segments[second].in = split.secondIn;
    added = {split.anchor, split.newIn, split.newOut, 0, 0};
  }
  std::memmove(segments + insertAt + 1, segments + insertAt, sizeof(SegRecord) * static_cast<size_t>(count - insertAt));
  segments[insertAt] = added;
  if (ai::Code code = suites::Path().setSegments(path, 0, count + 1, segments)) return code;
  return suites::Path().setSegmentCount(path, count + 1);
}

}  // namespace vx
