#include "effects/shadow/shadow_generator.h"

#include <cmath>

#include "effects/framework/art_children.h"
#include "effects/framework/clip_copy.h"
#include "effects/shadow/shadow_params.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

constexpr int32_t kMoveOptions = ai::transform_option::kObjects | ai::transform_option::kGradients |
                                 ai::transform_option::kPatterns | ai::transform_option::kLineWidths;

bool CarriesPathStyle(int16_t kind) {
  return kind == ai::art_kind::kPath || kind == ai::art_kind::kStyledRef || kind == ai::art_kind::kStyledOther;
}

bool CastsShadow(int16_t kind) {
  return kind == ai::art_kind::kGroup || kind == ai::art_kind::kPath || kind == ai::art_kind::kCompoundPath ||
         kind == ai::art_kind::kText;
}

ai::Code ShadePath(ai::ArtHandle path, double shade, double transparency, ShadeMode mode) {
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
  const ai::ColorRecord unshadedFill = style.fillColor;
  if (style.fillPaint != 0) {
    if (ai::Code code = ShadeColor(style.fillColor, shade, transparency, mode)) return code;
    style.fillOverprint = 0;
  }
  if (style.strokePaint != 0) {
    if (mode == ShadeMode::kOuter) {
      if (ai::Code code = ShadeColor(style.strokeColor, shade, transparency, mode)) return code;
      style.strokeOverprint = 0;
    } else if (style.fillPaint != 0) {
      // An unpainted fill has no colour to blend with: the stroke stays.
      bool blended = false;
      if (ai::Code code = BlendShade(style.strokeColor, unshadedFill, shade, transparency, &blended)) return code;
      if (blended) style.strokeOverprint = 0;
    }
  }
  return suites::PathStyle().setPathStyle(path, &style);
}

// Moves the copy by `by`: the host's transformation built about the copy's
// lower-left corner (no turn, no scale), applied to every leaf.
ai::Code MoveShadow(ai::ArtHandle copy, ai::RealPoint by) {
  ai::RealRect bounds{};
  if (ai::Code code = suites::Art().getBounds(copy, nullptr, ai::bounds_option::kGeometric, &bounds)) return code;
  // Art without geometry has no corner; the move is the same about any point.
  const double left = std::isfinite(bounds.left) ? bounds.left : 0;
  const double bottom = std::isfinite(bounds.bottom) ? bounds.bottom : 0;
  ai::RealMatrix move{};
  if (ai::Code code = suites::RealMath().setTranslate(&move, -left, -bottom)) return code;
  if (ai::Code code = suites::RealMath().concatTranslate(&move, by.x, by.y)) return code;
  if (ai::Code code = suites::RealMath().concatRotate(&move, 0)) return code;
  if (ai::Code code = suites::RealMath().concatScale(&move, 1, 1)) return code;
  if (ai::Code code = suites::RealMath().concatTranslate(&move, left, bottom)) return code;
  return TransformLeaves(copy, move, kMoveOptions);
}

// A shaded copy of `source` at the bottom of `into`, moved by `by`.
ai::Code ShadowCopy(ai::ArtHandle source, ai::ArtHandle into, const ShadowPGParams& params, ShadeMode mode,
                    ai::RealPoint by) {
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(source, ai::placement::kInsideAtBottom, into, &copy)) return code;
  if (ai::Code code = ShadeStyle(copy, params.shade, params.transparency, mode)) return code;
  return MoveShadow(copy, by);
}

}  // namespace

ai::Code ShadeStyle(ai::ArtHandle art, double shade, double transparency, ShadeMode mode) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(art, [&](ai::ArtHandle child) { return ShadeStyle(child, shade, transparency, mode); });
  if (CarriesPathStyle(kind)) return ShadePath(art, shade, transparency, mode);
  return ai::kNoError;
}

ai::Code GenerateShadow(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const ShadowPGParams*>(record);
  ai::ArtHandle source = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(edit, &source)) return code;
  if (source == nullptr) return ai::kNoError;
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(source, &kind)) return code;

  // The shadow falls away from the light.
  ai::RealPoint away{};
  if (ai::Code code = PolarVector(-params.distance, params.lightAngle, away)) return code;
  const bool casts = CastsShadow(kind);
  if (casts) {
    if (ai::Code code = ShadowCopy(source, into, params, ShadeMode::kOuter, away)) return code;
  }
  ai::ArtHandle object = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(source, ai::placement::kInsideOnTop, into, &object)) return code;
  if (!(params.shade > 0 && params.transparency > 0)) return ai::kNoError;

  ai::ArtHandle seenThrough = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, into, &seenThrough))
    return code;
  if (casts) {
    if (ai::Code code = ShadowCopy(source, seenThrough, params, ShadeMode::kInner, away)) return code;
  }
  return MakeClipCopy(seenThrough, source);
}

}  // namespace vx
