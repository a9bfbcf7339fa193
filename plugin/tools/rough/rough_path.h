// Roughening of one path inside a target circle: segments near the circle are
// split until their chords are short enough for the density, then every anchor
// inside the circle moves along its normal by a random amount of up to half the
// amplitude either way. The random values come from the caller (the host's
// seeded service), one per anchor inside the circle, in path order.
#pragma once

#include <cstdint>
#include <functional>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "geometry/path_records.h"

namespace vx {

struct RoughArea {
  ai::RealPoint centre;
  double radius;
};

// Document units per added anchor at density 1: a chord is split while it is
// longer than kRoughChordUnit / density (and at least 1).
constexpr double kRoughChordUnit = 72;

// Copies the path's segments into `run`, splitting every segment with an end
// inside the area while its chord exceeds max(72 / |density|, 1); retracted
// handles of such a segment first get real ones, a third of the chord long,
// pointing at the opposite handle. Answers false (and leaves `total` alone)
// when the result would not fit the working run.
bool BuildRoughRun(const SegRecord* source, int32_t count, bool closed, const RoughArea& area, double density,
                   SegRecord* run, int32_t& total);

// The direction (radians, in (-pi, pi]) an anchor moves along: between its two
// handles, or square to the one it has. An anchor with no handles takes its
// neighbouring anchors in their place (`previous`/`next` may be null).
double RoughNormal(const SegRecord& anchor, const SegRecord* previous, const SegRecord* next);

// Moves each anchor of `run` that lies inside the area by (u - 0.5)·|amplitude|
// along its normal, u drawn from `nextUniform`. Corner points get both handles
// onto the moved anchor; smooth points carry their handles along.
ai::Code DisplaceRoughAnchors(SegRecord* run, int32_t total, bool closed, const RoughArea& area, double amplitude,
                              bool smooth, const std::function<ai::Code(double&)>& nextUniform);

// Roughens a host path in place through the working run; a path of fewer than
// two anchors, or one that would outgrow the run, is left as it was.
ai::Code RoughenPath(ai::ArtHandle path, SegRecord* run, const RoughArea& area, double density, double amplitude,
                     bool smooth);

}  // namespace vx
