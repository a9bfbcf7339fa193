#include "effects/framework/copy_placement.h"

#include <cmath>
#include <numbers>

#include "effects/framework/art_children.h"
#include "effects/framework/selected_art.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// Objects, gradients, patterns and line widths, the last with line scale 1:
// stroke widths are kept.
constexpr int32_t kLeafOptions = ai::transform_option::kObjects | ai::transform_option::kGradients |
                                 ai::transform_option::kPatterns | ai::transform_option::kLineWidths;

constexpr double kMarkArm = 4.0;
constexpr double kFirstTurn = 0.1;

ai::Code MarkArm(ai::ArtHandle group, ai::RealPoint from, ai::RealPoint middle, ai::RealPoint to,
                 const ai::PathStyle& style) {
  const ai::SegRecord segments[3] = {
      {from, from, from, 1, 0}, {middle, middle, middle, 1, 0}, {to, to, to, 1, 0}};
  ai::ArtHandle path = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kPath, ai::placement::kInsideOnTop, group, &path)) return code;
  if (ai::Code code = suites::Path().setSegments(path, 0, 3, segments)) return code;
  if (ai::Code code = suites::Path().setClosed(path, 0)) return code;
  return suites::PathStyle().setPathStyle(path, &style);
}

}  // namespace

ai::Code SourceBounds(ai::ArtHandle art, ai::RealRect* bounds, bool* usable) {
  *bounds = {};
  *usable = false;
  if (ai::Code code = suites::Art().getBounds(art, nullptr, ai::bounds_option::kGeometric, bounds)) return code;
  *usable = std::isfinite(bounds->left) && std::isfinite(bounds->right) && std::isfinite(bounds->top) &&
            std::isfinite(bounds->bottom) && bounds->left <= bounds->right && bounds->bottom <= bounds->top &&
            (bounds->left < bounds->right || bounds->bottom < bounds->top);
  return ai::kNoError;
}

ai::RealPoint DatumPoint(const ai::RealRect& bounds, int32_t index) {
  if (index < 0 || index > 8) index = 4;
  const int32_t column = index % 3, row = index / 3;
  const double xs[3] = {bounds.left, (bounds.left + bounds.right) / 2, bounds.right};
  const double ys[3] = {bounds.top, (bounds.top + bounds.bottom) / 2, bounds.bottom};
  return {xs[column], ys[row]};
}

ai::RealPoint BoundsCentre(const ai::RealRect& bounds) { return DatumPoint(bounds, 4); }

ai::Code DrawCenterMark(ai::ArtHandle group, ai::RealPoint at) {
  ai::PathStyle style{};
  style.fillPaint = 0;
  style.strokePaint = 1;
  style.strokeColor.kind = ai::color_kind::kGray;
  style.strokeColor.c.gray.gray = 1.0;
  style.strokeWidth = 0.5;
  style.miterLimit = 4.0;
  if (ai::Code code = MarkArm(group, {at.x - kMarkArm, at.y}, at, {at.x + kMarkArm, at.y}, style)) return code;
  return MarkArm(group, {at.x, at.y - kMarkArm}, at, {at.x, at.y + kMarkArm}, style);
}

ai::Code TransformArtLeaves(ai::ArtHandle art, const ai::RealMatrix& matrix) {
  return TransformLeaves(art, matrix, kLeafOptions);
}

ai::Code TurnAbout(ai::RealPoint centre, double radians, double sx, double sy, ai::RealMatrix* matrix) {
  return TurnMoveAbout(centre, radians, sx, sy, {0, 0}, matrix);
}

ai::Code TurnMoveAbout(ai::RealPoint centre, double radians, double sx, double sy, ai::RealPoint move,
                       ai::RealMatrix* matrix) {
  if (ai::Code code = suites::RealMath().setTranslate(matrix, -centre.x, -centre.y)) return code;
  if (ai::Code code = suites::RealMath().concatRotate(matrix, radians)) return code;
  if (ai::Code code = suites::RealMath().concatScale(matrix, sx, sy)) return code;
  return suites::RealMath().concatTranslate(matrix, centre.x + move.x, centre.y + move.y);
}

bool NearHalfTurn(double radians) {
  const double turns = radians / std::numbers::pi;
  return std::abs(radians - std::round(turns) * std::numbers::pi) <= 0.001;
}

ai::Code TurnArtLeaves(ai::ArtHandle art, ai::RealPoint centre, double radians, double sx, double sy) {
  return TurnMoveArtLeaves(art, centre, radians, sx, sy, {0, 0});
}

ai::Code TurnMoveArtLeaves(ai::ArtHandle art, ai::RealPoint centre, double radians, double sx, double sy,
                           ai::RealPoint move) {
  ai::RealMatrix matrix{};
  if (NearHalfTurn(radians)) {
    if (ai::Code code = TurnAbout(centre, kFirstTurn, 1, 1, &matrix)) return code;
    if (ai::Code code = TransformArtLeaves(art, matrix)) return code;
    radians -= kFirstTurn;
  }
  if (ai::Code code = TurnMoveAbout(centre, radians, sx, sy, move, &matrix)) return code;
  return TransformArtLeaves(art, matrix);
}

ai::Code ExplodeMatrix(ai::RealPoint datum, ai::RealPoint centre, double push, double radians, double scale,
                       ai::RealMatrix* matrix) {
  if (ai::Code code = suites::RealMath().setTranslate(matrix, -datum.x, -datum.y)) return code;
  if (ai::Code code = suites::RealMath().concatScale(matrix, scale, scale)) return code;
  if (ai::Code code = suites::RealMath().concatTranslate(matrix, datum.x - centre.x, datum.y - centre.y)) return code;
  if (ai::Code code = suites::RealMath().concatTranslate(matrix, push, 0)) return code;
  if (ai::Code code = suites::RealMath().concatRotate(matrix, radians)) return code;
  return suites::RealMath().concatTranslate(matrix, centre.x, centre.y);
}

ai::Code SelectionBounds(ai::RealRect* bounds) {
  SelectedArt selected;
  if (ai::Code code = selected.Read()) return code;
  // The list starts with the current layer's group.
  if (selected.count() < 2) return -1;
  ai::RealRect all{};
  bool first = true;
  for (int32_t i = 0; i < selected.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = ArtKind(selected[i], &kind)) return code;
    if (kind == ai::art_kind::kGroup || kind == ai::art_kind::kPluginGroup) continue;
    ai::RealRect box{};
    if (ai::Code code = suites::Art().getBounds(selected[i], nullptr, ai::bounds_option::kGeometric, &box)) return code;
    if (first) all = box;
    else if (ai::Code code = suites::RealMath().unionRect(&all, &box, &all)) return code;
    first = false;
  }
  *bounds = all;
  return ai::kNoError;
}

ai::Code DuplicateInto(ai::ArtHandle source, ai::ArtHandle group, Stacking stacking, ai::ArtHandle* copy) {
  const int16_t where = stacking == Stacking::kAbove ? ai::placement::kInsideOnTop : ai::placement::kInsideAtBottom;
  return suites::Art().duplicateArt(source, where, group, copy);
}

}  // namespace vx
