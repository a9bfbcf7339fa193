#include "effects/neon/neon_copy.h"

#include <algorithm>

#include "effects/framework/art_children.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

constexpr int32_t kMoveOptions =
    ai::transform_option::kObjects | ai::transform_option::kGradients | ai::transform_option::kPatterns;

ai::Code RestylePath(ai::ArtHandle path, double widthFactor, const NeonMix& mix) {
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
  const bool fillPainted = style.fillPaint != 0;
  style.fillPaint = 0;
  style.clip = 0;
  if (widthFactor <= 0) {
    style.strokePaint = 0;
  } else {
    if (widthFactor < 1) style.strokeWidth *= widthFactor;
    if (mix.factor < 1 || mix.tint) {
      if (ai::Code code = MixNeonColor(style, fillPainted, mix)) return code;
    }
  }
  return suites::PathStyle().setPathStyle(path, &style);
}

}  // namespace

ai::Code NeonStyleCopy(ai::ArtHandle copy, double widthFactor, NeonMix mix) {
  mix.factor = std::clamp(mix.factor, 0.0, 1.0);
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(copy, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(copy, [&](ai::ArtHandle child) { return NeonStyleCopy(child, widthFactor, mix); });
  if (kind == ai::art_kind::kPath) return RestylePath(copy, widthFactor, mix);
  return ai::kNoError;
}

ai::Code MoveNeonCopy(ai::ArtHandle copy, ai::RealPoint by) {
  if (by.x == 0 && by.y == 0) return ai::kNoError;
  ai::RealMatrix move{};
  if (ai::Code code = suites::RealMath().setTranslate(&move, by.x, by.y)) return code;
  return TransformLeaves(copy, move, kMoveOptions);
}

}  // namespace vx
