// The distortion before the levels: the path is cut into pieces of an even
// length, then every anchor is moved at random across the path.
#include <algorithm>
#include <cmath>

#include "fractalize/fractalize.h"
#include "frame/suite_set.h"
#include "geometry/bezier.h"

namespace vx {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kShortestPiece = 0.5;
constexpr double kFlatness = 0.25;
constexpr double kLengthTolerance = 0.25;
constexpr int32_t kMaxPieces = 31997;           // while walking the segments
constexpr int32_t kMaxPiecesWhenClosed = 31998;  // after the closing segment
constexpr int32_t kSubdividedRoom = 32000;
// The bisection halves its interval each round; past this many rounds the
// interval is below double precision and the answer cannot improve.
constexpr int kMaxBisections = 60;
constexpr double kPi = 3.14159265358979323846;

bool Same(ai::RealPoint a, ai::RealPoint b) { return a.x == b.x && a.y == b.y; }
double Angle(ai::RealPoint from, ai::RealPoint to) { return std::atan2(to.y - from.y, to.x - from.x); }
ai::RealPoint Lerp(ai::RealPoint a, ai::RealPoint b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// The cubic's control points split at t (de Casteljau): the left part
// [l0 l1 l2 m] and the right part [m r1 r2 p3].
struct CubicSplit {
  ai::RealPoint l1, l2, m, r1, r2;
};

CubicSplit SplitCubic(const ai::RealPoint p[4], double t) {
  const ai::RealPoint a = Lerp(p[0], p[1], t), h = Lerp(p[1], p[2], t), k = Lerp(p[2], p[3], t);
  const ai::RealPoint d = Lerp(a, h, t), e = Lerp(h, k, t);
  return {a, d, Lerp(d, e, t), e, k};
}

ai::Code CurveLength(const ai::RealPoint p[4], double* length) {
  return suites::RealBezier().length(p, kFlatness, length);
}

// The parameter where the part of the curve from its start is `target` long
// (within 0.25 pt), by bisection from 0.5.
ai::Code ParameterAtLength(const ai::RealPoint p[4], double target, double* t) {
  double lo = 0, hi = 1;
  *t = 0.5;
  for (int round = 0; round < kMaxBisections; ++round) {
    const CubicSplit split = SplitCubic(p, *t);
    const ai::RealPoint part[4] = {p[0], split.l1, split.l2, split.m};
    double length = 0;
    if (ai::Code code = CurveLength(part, &length)) return code;
    if (std::fabs(length - target) <= kLengthTolerance) break;
    if (length < target) lo = *t;
    else hi = *t;
    *t = (lo + hi) / 2;
  }
  return ai::kNoError;
}

// Appends to `out` the pieces of the segment from `first` to `second`: the
// first anchor (with its out handle adjusted) and the new anchors; the second
// anchor's in handle is written back through `secondIn`. False when the pieces
// would not fit under `limit`.
struct Pieces {
  SegRecord* out;
  int32_t count;
};

ai::Code CutSegment(SegRecord first, const SegRecord& second, double spacing, int32_t limit, Pieces& pieces,
                    ai::RealPoint& secondIn, bool& fits) {
  ai::RealPoint p[4] = {first.anchor, first.out, second.in, second.anchor};
  double length = 0;
  if (ai::Code code = CurveLength(p, &length)) return code;
  // A length beyond any room (or none at all, from coordinates that are no numbers) never fits.
  const double whole = std::floor(length / spacing);
  fits = whole <= limit;
  if (!fits) return ai::kNoError;
  const auto m = static_cast<int32_t>(whole);
  const int32_t added = std::max(m - 1, 0);
  fits = pieces.count + 1 + added <= limit;
  if (!fits) return ai::kNoError;
  const bool straight = Same(p[0], p[1]) && Same(p[2], p[3]);
  SegRecord* start = &pieces.out[pieces.count++];
  *start = first;
  secondIn = second.in;
  // Each new anchor splits what is left of the segment, so the pieces keep the
  // curve's shape; the parameter is found on the whole segment.
  double done = 0;  // the parameter where what is left begins
  for (int32_t k = 1; k < m; ++k) {
    const double target = k * length / m;
    if (straight) {
      const ai::RealPoint at = Lerp(first.anchor, second.anchor, target / length);
      pieces.out[pieces.count++] = {at, at, at, 0, 0};
      continue;
    }
    const ai::RealPoint whole[4] = {first.anchor, first.out, second.in, second.anchor};
    double t = 0;
    if (ai::Code code = ParameterAtLength(whole, target, &t)) return code;
    const double local = done >= 1 ? 0 : std::clamp((t - done) / (1 - done), 0.0, 1.0);
    const CubicSplit split = SplitCubic(p, local);
    pieces.out[pieces.count - 1].out = split.l1;
    pieces.out[pieces.count++] = {split.m, split.l2, split.r1, 0, 0};
    p[0] = split.m;
    p[1] = split.r1;
    p[2] = split.r2;
    done = t;
  }
  if (!straight) secondIn = p[2];
  return ai::kNoError;
}

// Cuts every segment (and a closed path's closing one) into pieces of about
// `spacing`. False in `fits` when the result would be too long.
ai::Code CutPath(const PathRun& run, double spacing, SegRecord* out, int32_t& count, bool& fits) {
  Pieces pieces{out, 0};
  SegRecord current = run.segments[0];
  for (int32_t i = 0; i + 1 < run.count; ++i) {
    SegRecord next = run.segments[i + 1];
    if (ai::Code code = CutSegment(current, next, spacing, kMaxPieces, pieces, next.in, fits)) return code;
    if (!fits) return ai::kNoError;
    current = next;
  }
  pieces.out[pieces.count++] = current;
  fits = pieces.count <= kMaxPieces;
  if (run.closed && fits) {
    // The closing segment runs from the last anchor to the first; its pieces go
    // after the last anchor, and the first anchor takes the new in handle.
    SegRecord last = pieces.out[--pieces.count];
    ai::RealPoint firstIn{};
    if (ai::Code code = CutSegment(last, pieces.out[0], spacing, kMaxPiecesWhenClosed, pieces, firstIn, fits))
      return code;
    if (fits) pieces.out[0].in = firstIn;
  }
  count = pieces.count;
  return ai::kNoError;
}

// The point a third of the chord from `anchor` toward `toward`.
ai::RealPoint ThirdToward(ai::RealPoint anchor, ai::RealPoint toward, double chord) {
  const double angle = Angle(anchor, toward);
  return {anchor.x + chord / 3 * std::cos(angle), anchor.y + chord / 3 * std::sin(angle)};
}

// The direction an anchor moves in: across the path, from its handles.
double Across(const SegRecord& s) {
  const bool outOff = !Same(s.out, s.anchor), inOff = !Same(s.in, s.anchor);
  if (outOff && inOff) return (Angle(s.anchor, s.out) + Angle(s.anchor, s.in)) / 2;
  if (inOff) {
    const double f = Angle(s.anchor, s.in) - kPi / 2;
    return f < -kPi ? f + 2 * kPi : f;
  }
  const double f = Angle(s.anchor, s.out) + kPi / 2;
  return f > kPi ? f - 2 * kPi : f;
}

ai::Code Shake(SegRecord* s, int32_t count, double amplitude) {
  for (int32_t i = 0; i < count; ++i) {
    if (i + 1 < count) {
      SegRecord& next = s[i + 1];
      const double chord = std::hypot(next.anchor.x - s[i].anchor.x, next.anchor.y - s[i].anchor.y);
      const ai::RealPoint out = s[i].out;
      if (Same(s[i].out, s[i].anchor)) s[i].out = ThirdToward(s[i].anchor, next.in, chord);
      if (Same(next.in, next.anchor)) next.in = ThirdToward(next.anchor, out, chord);
    }
    double f = Across(s[i]);
    double random = 0;
    if (ai::Code code = suites::Random().nextUniform(&random)) return code;
    const double r = (random - 0.5) * amplitude;
    if (r < 0) f = f > 0 ? f - kPi : f + kPi;
    const double distance = std::fabs(r);
    s[i].anchor = {s[i].anchor.x + distance * std::cos(f), s[i].anchor.y + distance * std::sin(f)};
    s[i].in = s[i].out = s[i].anchor;
  }
  return ai::kNoError;
}

ai::Code Amplitude(const FractalizeParams& record, ai::ArtHandle path, double* amplitude) {
  if (record.unevenUnit == 1) {
    *amplitude = record.uneven;
    return ai::kNoError;
  }
  ai::RealRect bounds{};
  if (ai::Code code = suites::Art().getBounds(path, nullptr, ai::bounds_option::kGeometric, &bounds)) return code;
  const double halfDiagonal = std::hypot((bounds.right - bounds.left) / 2, (bounds.top - bounds.bottom) / 2);
  *amplitude = halfDiagonal * record.uneven / 100.0;
  return ai::kNoError;
}

}  // namespace

ai::Code JitterForFractal(const FractalizeParams& record, ai::ArtHandle path, PathRun& run, NamedBlock& storage) {
  if (record.density == 0 || run.count < 2) return ai::kNoError;
  const double spacing = std::max(kPointsPerInch / record.density, kShortestPiece);
  double amplitude = 0;
  if (ai::Code code = Amplitude(record, path, &amplitude)) return code;
  if (ai::Code code = storage.Allocate(sizeof(SegRecord) * kSubdividedRoom, fractal_blocks::kSubdivided)) return code;
  int32_t count = 0;
  bool fits = true;
  if (ai::Code code = CutPath(run, spacing, storage.as<SegRecord>(), count, fits)) return code;
  if (!fits) return ai::kNoError;
  if (ai::Code code = Shake(storage.as<SegRecord>(), count, amplitude)) return code;
  run = PathRun{storage.as<SegRecord>(), count, run.closed};
  return ai::kNoError;
}

}  // namespace vx
