// The Warp tool's 22 shapes: each is a profile across the selection's box that
// scales or offsets the displaced coordinate in proportion to the drag.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

enum class WarpProfile : uint8_t {
  kCircleEdge,    // scales about the base line, strongest at the far edge
  kCircleCentre,  // scales about the base line, strongest at the anchor
  kDome,          // offsets, a half circle over the anchor
  kSineEdge,
  kCosineCentre,
  kBell,          // offsets, one cosine period centred on the anchor
  kSCurve,        // offsets, an arcsine across the anchor
  kLinearEdge,
  kLinearCentre,
  kTent,          // offsets, a triangle over the anchor
};

// Where the profile's anchor lies: at the drag point, or mirrored about the
// box's centre line.
enum class WarpAnchor : uint8_t { kCurrent, kMirror };
// The base line the scaling profiles keep fixed.
enum class WarpBase : uint8_t { kCentre, kBottom, kTop };
// The factor K, from k0 = 1 / (box height), clamped.
enum class WarpFactor : uint8_t { kTwoK0, kK0, kHalfK0, kOne, kHalf, kTwoOverPi };
// When a path is left alone: with perspective on and a drag against the shape
// (dy <= 0); with no vertical drag; with no vertical drag and no perspective.
enum class WarpSkip : uint8_t { kPerspective, kZero, kZeroUnlessPerspective };

struct WarpShape {
  int32_t button;   // palette button
  int16_t cursor;   // the turned frame shows cursor + 1
  WarpProfile profile;
  WarpAnchor anchor;
  WarpBase base;
  WarpFactor factor;
  bool negate;      // the drag distance counts downward
  WarpSkip skip;
};

constexpr int kWarpShapeCount = 22;

inline constexpr std::array<WarpShape, kWarpShapeCount> kWarpShapes = {{
    {1286, 16100, WarpProfile::kCircleEdge, WarpAnchor::kMirror, WarpBase::kCentre, WarpFactor::kTwoK0, false, WarpSkip::kPerspective},
    {1297, 16110, WarpProfile::kCircleEdge, WarpAnchor::kMirror, WarpBase::kBottom, WarpFactor::kK0, false, WarpSkip::kPerspective},
    {1301, 16120, WarpProfile::kCircleEdge, WarpAnchor::kMirror, WarpBase::kTop, WarpFactor::kK0, true, WarpSkip::kPerspective},
    {1302, 16200, WarpProfile::kCircleCentre, WarpAnchor::kCurrent, WarpBase::kCentre, WarpFactor::kTwoK0, false, WarpSkip::kPerspective},
    {1303, 16210, WarpProfile::kCircleCentre, WarpAnchor::kCurrent, WarpBase::kBottom, WarpFactor::kK0, false, WarpSkip::kPerspective},
    {1304, 16220, WarpProfile::kCircleCentre, WarpAnchor::kCurrent, WarpBase::kTop, WarpFactor::kK0, true, WarpSkip::kPerspective},
    {1305, 16500, WarpProfile::kDome, WarpAnchor::kCurrent, WarpBase::kCentre, WarpFactor::kOne, false, WarpSkip::kZeroUnlessPerspective},
    {1306, 16300, WarpProfile::kSineEdge, WarpAnchor::kMirror, WarpBase::kCentre, WarpFactor::kK0, false, WarpSkip::kPerspective},
    {1307, 16310, WarpProfile::kSineEdge, WarpAnchor::kMirror, WarpBase::kBottom, WarpFactor::kHalfK0, false, WarpSkip::kPerspective},
    {1287, 16320, WarpProfile::kSineEdge, WarpAnchor::kMirror, WarpBase::kTop, WarpFactor::kHalfK0, true, WarpSkip::kPerspective},
    {1288, 16400, WarpProfile::kCosineCentre, WarpAnchor::kCurrent, WarpBase::kCentre, WarpFactor::kK0, false, WarpSkip::kPerspective},
    {1289, 16410, WarpProfile::kCosineCentre, WarpAnchor::kCurrent, WarpBase::kBottom, WarpFactor::kHalfK0, false, WarpSkip::kPerspective},
    {1290, 16420, WarpProfile::kCosineCentre, WarpAnchor::kCurrent, WarpBase::kTop, WarpFactor::kHalfK0, true, WarpSkip::kPerspective},
    {1291, 16600, WarpProfile::kBell, WarpAnchor::kCurrent, WarpBase::kCentre, WarpFactor::kHalf, false, WarpSkip::kZero},
    {1292, 16700, WarpProfile::kSCurve, WarpAnchor::kMirror, WarpBase::kCentre, WarpFactor::kTwoOverPi, false, WarpSkip::kZeroUnlessPerspective},
    {1293, 16800, WarpProfile::kLinearEdge, WarpAnchor::kMirror, WarpBase::kCentre, WarpFactor::kTwoK0, false, WarpSkip::kPerspective},
    {1294, 16810, WarpProfile::kLinearEdge, WarpAnchor::kMirror, WarpBase::kBottom, WarpFactor::kK0, false, WarpSkip::kPerspective},
    {1295, 16820, WarpProfile::kLinearEdge, WarpAnchor::kMirror, WarpBase::kTop, WarpFactor::kK0, true, WarpSkip::kPerspective},
    {1296, 16900, WarpProfile::kLinearCentre, WarpAnchor::kCurrent, WarpBase::kCentre, WarpFactor::kTwoK0, false, WarpSkip::kPerspective},
    {1298, 16910, WarpProfile::kLinearCentre, WarpAnchor::kCurrent, WarpBase::kBottom, WarpFactor::kK0, false, WarpSkip::kPerspective},
    {1299, 16920, WarpProfile::kLinearCentre, WarpAnchor::kCurrent, WarpBase::kTop, WarpFactor::kK0, true, WarpSkip::kPerspective},
    {1300, 17000, WarpProfile::kTent, WarpAnchor::kCurrent, WarpBase::kCentre, WarpFactor::kOne, false, WarpSkip::kZero},
}};

// The shapes whose trace includes the mouse-down point and replaces the original.
inline bool WarpTraceReplacesOriginal(int16_t shape) { return shape == 6 || shape == 14; }

}  // namespace vx
