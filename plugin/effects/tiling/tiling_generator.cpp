#include "effects/tiling/tiling_generator.h"

#include <algorithm>
#include <cmath>

#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "effects/tiling/tiling_params.h"

namespace vx {
namespace {

// The step from one column (or row) to the next of the scale and the turn.
// A single column has no step of scale; its turn is the whole last rotation.
struct Steps {
  bool sizing, turning;
  double sh, sv, rh, rv;
};

Steps StepsOf(const TilingPGParams& p, int32_t columns, int32_t rows) {
  Steps s{};
  s.sizing = p.lastSizeH != 1 || p.lastSizeV != 1;
  s.sh = columns > 1 ? (1 - p.lastSizeH) / (columns - 1) : 0;
  s.sv = rows > 1 ? (1 - p.lastSizeV) / (rows - 1) : 0;
  s.turning = p.lastRotationH != 0 || p.lastRotationV != 0;
  s.rh = columns > 1 ? p.lastRotationH / (columns - 1) : p.lastRotationH;
  s.rv = rows > 1 ? p.lastRotationV / (rows - 1) : p.lastRotationV;
  return s;
}

// How far the next copy moves: with resizeMove the mean of the two
// neighbouring scales times the feed, which keeps shrinking copies touching.
double Feed(const Steps& s, bool resizeMove, int32_t index, double step, double feed) {
  if (!s.sizing || !resizeMove) return feed;
  return std::abs(1 - (index + 0.5) * step) * feed;
}

ai::Code GridOf(ai::ArtHandle source, ai::ArtHandle group, const TilingPGParams& p) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  const int32_t columns = std::clamp(p.columns, 0, kMaxTilingCount);
  const int32_t rows = std::clamp(p.rows, 0, kMaxTilingCount);
  const Steps s = StepsOf(p, columns, rows);
  const bool relative = p.moveRelative == 0;
  const double fx = relative ? (bounds.right - bounds.left) * p.moveH : p.moveH;
  const double fy = relative ? (bounds.top - bounds.bottom) * p.moveV : p.moveV;
  if (!std::isfinite(fx) || !std::isfinite(fy)) return ai::kNoError;
  const ai::RealPoint centre = BoundsCentre(bounds);
  const Stacking stacking = p.stackBelow != 0 ? Stacking::kBelow : Stacking::kAbove;

  double y = 0, v = 1;
  for (int32_t i = 0; i < rows; ++i) {
    double x = 0, w = 1;
    double angle = s.turning ? i * s.rv : 0;
    for (int32_t j = 0; j < columns; ++j) {
      ai::ArtHandle copy = nullptr;
      if (ai::Code code = DuplicateInto(source, group, stacking, &copy)) return code;
      if (ai::Code code = TurnMoveArtLeaves(copy, centre, angle, w, v, {x, y})) return code;
      x += Feed(s, p.resizeMove != 0, j, s.sh, fx);
      if (s.sizing) w -= s.sh;
      if (s.turning) angle += s.rh;
    }
    y += Feed(s, p.resizeMove != 0, i, s.sv, fy);
    if (s.sizing) v -= s.sv;
  }
  return ai::kNoError;
}

}  // namespace

ai::Code GenerateTiling(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const TilingPGParams*>(record);
  return ForEachChild(edit, [&](ai::ArtHandle source) { return GridOf(source, into, params); });
}

}  // namespace vx
