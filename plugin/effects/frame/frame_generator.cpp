#include "effects/frame/frame_generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "effects/frame/frame_params.h"
#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"

namespace vx {
namespace {

constexpr double kPi = std::numbers::pi;

// One walk around the frame of one source: every copy is a duplicate placed
// below the ones before, moved by t and turned by a about the source's centre.
class FrameWalk {
 public:
  FrameWalk(ai::ArtHandle source, ai::ArtHandle group, ai::RealPoint centre, bool keepAngle)
      : source_(source), group_(group), centre_(centre), keepAngle_(keepAngle) {}

  ai::Code Copy(double x, double y, double angle) {
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = DuplicateInto(source_, group_, Stacking::kBelow, &copy)) return code;
    return Place(copy, x, y, angle);
  }
  // The third side's copies: a half turn made of two quarter turns, the first
  // one in place.
  ai::Code HalfTurnCopy(double x, double y, double quarter) {
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = DuplicateInto(source_, group_, Stacking::kBelow, &copy)) return code;
    if (ai::Code code = Place(copy, 0, 0, quarter)) return code;
    return Place(copy, x, y, quarter);
  }

 private:
  ai::Code Place(ai::ArtHandle copy, double x, double y, double angle) {
    ai::RealMatrix matrix{};
    if (ai::Code code = TurnMoveAbout(centre_, keepAngle_ ? 0 : angle, 1, 1, {x, y}, &matrix)) return code;
    return TransformArtLeaves(copy, matrix);
  }

  ai::ArtHandle source_, group_;
  ai::RealPoint centre_;
  bool keepAngle_;
};

struct FrameSteps {
  int32_t n, m;   // copies on a horizontal and on a vertical side
  double f, g, w; // side feed, corner feed, corner offset as a length
  bool corners;
};

// Bottom to the right, then up, left and down.
ai::Code CounterClockwise(FrameWalk& walk, const FrameSteps& s) {
  for (int32_t i = 0; i < s.n; ++i)
    if (ai::Code code = walk.Copy(i * s.f, 0, 0)) return code;
  const double x1 = (s.n - 1) * s.f + s.g;
  if (s.corners)
    if (ai::Code code = walk.Copy(x1, 0, kPi / 4)) return code;
  const double x2 = s.w >= 0 ? x1 - s.w : x1;
  double y0 = s.w >= 0 ? s.g : s.g + s.w;
  for (int32_t j = 0; j < s.m; ++j)
    if (ai::Code code = walk.Copy(x2, y0 + j * s.f, kPi / 2)) return code;
  const double y2 = y0 + (s.m - 1) * s.f + s.g;
  if (s.corners)
    if (ai::Code code = walk.Copy(x2, y2, 3 * kPi / 4)) return code;
  const double x0 = s.w >= 0 ? x2 - s.g : x2 - s.g - s.w;
  const double y3 = s.w >= 0 ? y2 - s.w : y2;
  for (int32_t k = 0; k < s.n; ++k)
    if (ai::Code code = walk.HalfTurnCopy(x0 - k * s.f, y3, kPi / 2)) return code;
  const double x3 = x0 - (s.n - 1) * s.f - s.g;
  if (s.corners)
    if (ai::Code code = walk.Copy(x3, y3, 5 * kPi / 4)) return code;
  const double x4 = s.w >= 0 ? x3 + s.w : x3;
  y0 = s.w >= 0 ? y3 - s.g : y3 - s.g - s.w;
  for (int32_t l = 0; l < s.m; ++l)
    if (ai::Code code = walk.Copy(x4, y0 - l * s.f, 3 * kPi / 2)) return code;
  const double y4 = y0 - (s.m - 1) * s.f - s.g;
  if (s.corners) return walk.Copy(x4, y4, 7 * kPi / 4);
  return ai::kNoError;
}

// Up the left, then right, down and left: the mirror image of the other way
// in the diagonal, with the corner offset's sign reversed.
ai::Code Clockwise(FrameWalk& walk, const FrameSteps& s) {
  for (int32_t i = 0; i < s.m; ++i)
    if (ai::Code code = walk.Copy(0, i * s.f, 0)) return code;
  const double y1 = (s.m - 1) * s.f + s.g;
  if (s.corners)
    if (ai::Code code = walk.Copy(0, y1, -kPi / 4)) return code;
  double x0 = s.w >= 0 ? s.g - s.w : s.g;
  const double y1b = s.w >= 0 ? y1 : y1 + s.w;
  for (int32_t j = 0; j < s.n; ++j)
    if (ai::Code code = walk.Copy(x0 + j * s.f, y1b, -kPi / 2)) return code;
  const double x2 = x0 + (s.n - 1) * s.f + s.g;
  if (s.corners)
    if (ai::Code code = walk.Copy(x2, y1b, -3 * kPi / 4)) return code;
  const double x2b = s.w >= 0 ? x2 : x2 + s.w;
  const double y0 = s.w >= 0 ? y1b - s.g + s.w : y1b - s.g;
  for (int32_t k = 0; k < s.m; ++k)
    if (ai::Code code = walk.HalfTurnCopy(x2b, y0 - k * s.f, -kPi / 2)) return code;
  const double y3 = y0 - (s.m - 1) * s.f - s.g;
  if (s.corners)
    if (ai::Code code = walk.Copy(x2b, y3, -5 * kPi / 4)) return code;
  x0 = s.w >= 0 ? x2b - s.g + s.w : x2b - s.g;
  const double y3b = s.w >= 0 ? y3 : y3 - s.w;
  for (int32_t l = 0; l < s.n; ++l)
    if (ai::Code code = walk.Copy(x0 - l * s.f, y3b, -3 * kPi / 2)) return code;
  const double x4 = x0 - (s.n - 1) * s.f - s.g;
  if (s.corners) return walk.Copy(x4, y3b, -7 * kPi / 4);
  return ai::kNoError;
}

ai::Code FrameOf(ai::ArtHandle source, ai::ArtHandle group, const FramePGParams& params) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  const bool counter = params.direction != 0;
  // Relative feeds are fractions of the size along the first side's run.
  const double extent = params.moveRelative != 0 ? 1.0
                        : counter                ? bounds.right - bounds.left
                                                 : bounds.top - bounds.bottom;
  FrameSteps steps{};
  steps.n = std::clamp(params.hSideCount, 0, kMaxFrameSideCopies);
  steps.m = std::clamp(params.vSideCount, 0, kMaxFrameSideCopies);
  steps.f = params.sideMove * extent;
  steps.g = params.cornerMove * extent;
  steps.w = steps.g * params.cornerOffset;
  steps.corners = params.placeAtCorner != 0 && params.cornerOffset == 0;
  if (!std::isfinite(steps.f) || !std::isfinite(steps.g) || !std::isfinite(steps.w)) return ai::kNoError;
  FrameWalk walk(source, group, BoundsCentre(bounds), params.keepAngle != 0);
  return counter ? CounterClockwise(walk, steps) : Clockwise(walk, steps);
}

}  // namespace

ai::Code GenerateFrame(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const FramePGParams*>(record);
  return ForEachChild(edit, [&](ai::ArtHandle source) { return FrameOf(source, into, params); });
}

}  // namespace vx
