#include "tools/rough/rough_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/suite_set.h"
#include "geometry/bezier.h"
#include "geometry/deformation.h"

namespace vx {
namespace {

constexpr double kPi = std::numbers::pi;

bool Same(ai::RealPoint a, ai::RealPoint b) { return a.x == b.x && a.y == b.y; }

bool Inside(const RoughArea& area, ai::RealPoint p) {
  const double dx = p.x - area.centre.x, dy = p.y - area.centre.y;
  return dx * dx + dy * dy < area.radius * area.radius;
}

double Angle(ai::RealPoint from, ai::RealPoint to) { return std::atan2(to.y - from.y, to.x - from.x); }

double Wrapped(double angle) {
  if (angle > kPi) return angle - 2 * kPi;
  if (angle <= -kPi) return angle + 2 * kPi;
  return angle;
}

// from + polar(length, angle(from, to)), through the unit vector toward `to`
// so that a handle along an axis stays exactly on it; `to` on `from` has the
// angle 0.
ai::RealPoint Toward(ai::RealPoint from, ai::RealPoint to, double length) {
  const double dx = to.x - from.x, dy = to.y - from.y, norm = std::hypot(dx, dy);
  if (norm == 0) return {from.x + length, from.y};
  return {from.x + dx * length / norm, from.y + dy * length / norm};
}

// Retracted handles of the cubic run[i] .. run[i + 1] get real ones, a third of
// the chord long, pointing at the opposite handle.
void GiveRealHandles(SegRecord& first, SegRecord& second, double chord) {
  if (Same(first.out, first.anchor)) first.out = Toward(first.anchor, second.in, chord / 3);
  if (Same(second.in, second.anchor)) second.in = Toward(second.anchor, first.out, chord / 3);
}

}  // namespace

bool BuildRoughRun(const SegRecord* source, int32_t count, bool closed, const RoughArea& area, double density,
                   SegRecord* run, int32_t& total) {
  const double a = std::fabs(density);
  const double longest = a > 0 ? std::max(kRoughChordUnit / a, 1.0) : 0;
  const int32_t pairs = closed ? count : count - 1;
  int32_t done = 0;  // records before `done` are final; run[done] starts the next cubic
  run[0] = source[0];
  for (int32_t k = 0; k < pairs; ++k) {
    if (done + 1 > kMaxRunSegments - 3) return false;
    int32_t end = done + 1;
    run[end] = source[k + 1 < count ? k + 1 : 0];
    while (done < end) {
      SegRecord& first = run[done];
      SegRecord& second = run[done + 1];
      if (a > 0 && (Inside(area, first.anchor) || Inside(area, second.anchor))) {
        const double chord = std::hypot(second.anchor.x - first.anchor.x, second.anchor.y - first.anchor.y);
        GiveRealHandles(first, second, chord);
        if (chord > longest && end + 1 <= kMaxRunSegments - 2) {
          SplitSegmentAtMid(run, done, end + 1);
          ++end;
          continue;
        }
      }
      ++done;
    }
  }
  if (done + 1 > kMaxRunSegments - 2) return false;
  if (closed) {
    run[0].in = run[done].in;  // the closing cubic's end is the first anchor; its copy goes
    total = done;
  } else {
    total = done + 1;
  }
  return true;
}

double RoughNormal(const SegRecord& anchor, const SegRecord* previous, const SegRecord* next) {
  const ai::RealPoint at = anchor.anchor;
  ai::RealPoint out = anchor.out, in = anchor.in;
  if (Same(out, at) && Same(in, at)) {
    // A corner without handles: its neighbours show where the outline runs.
    if (next != nullptr) out = next->anchor;
    if (previous != nullptr) in = previous->anchor;
  }
  const bool hasOut = !Same(out, at), hasIn = !Same(in, at);
  if (hasOut && hasIn) return (Angle(at, out) + Angle(at, in)) / 2;
  if (hasOut) return Wrapped(Angle(at, out) + kPi / 2);
  if (hasIn) return Wrapped(Angle(at, in) - kPi / 2);
  return 0;
}

ai::Code DisplaceRoughAnchors(SegRecord* run, int32_t total, bool closed, const RoughArea& area, double amplitude,
                              bool smooth, const std::function<ai::Code(double&)>& nextUniform) {
  const double span = std::fabs(amplitude);
  // The normals are taken from the run as it was before any anchor moved.
  SegRecord before = total > 0 ? run[total - 1] : SegRecord{};
  const SegRecord lastBefore = before;
  const SegRecord firstBefore = total > 0 ? run[0] : SegRecord{};
  for (int32_t i = 0; i < total; ++i) {
    SegRecord& seg = run[i];
    const SegRecord original = seg;
    const SegRecord* previous = i > 0 ? &before : (closed && total > 1 ? &lastBefore : nullptr);
    const SegRecord* next = i + 1 < total ? &run[i + 1] : (closed && total > 1 ? &firstBefore : nullptr);
    if (Inside(area, seg.anchor)) {
      const double normal = RoughNormal(seg, previous, next);
      double u = 0;
      if (ai::Code code = nextUniform(u)) return code;
      const double s = (u - 0.5) * span;
      const double dx = s * std::cos(normal), dy = s * std::sin(normal);
      seg.anchor = {seg.anchor.x + dx, seg.anchor.y + dy};
      if (smooth) {
        seg.in = {seg.in.x + dx, seg.in.y + dy};
        seg.out = {seg.out.x + dx, seg.out.y + dy};
      } else {
        seg.in = seg.out = seg.anchor;
        seg.corner = 1;
      }
    }
    before = original;
  }
  return ai::kNoError;
}

ai::Code RoughenPath(ai::ArtHandle path, SegRecord* run, const RoughArea& area, double density, double amplitude,
                     bool smooth) {
  SourcePath source;
  if (ai::Code code = ReadSourcePath(path, source)) return code;
  if (source.count < 2) return ai::kNoError;
  int32_t total = 0;
  if (!BuildRoughRun(source.segments, source.count, source.closed, area, density, run, total)) return ai::kNoError;
  const auto next = [](double& u) { return suites::Random().nextUniform(&u); };
  if (ai::Code code = DisplaceRoughAnchors(run, total, source.closed, area, amplitude, smooth, next)) return code;
  return WriteRun(path, run, total);
}

}  // namespace vx
