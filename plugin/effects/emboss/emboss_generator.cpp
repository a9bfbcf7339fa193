#include "effects/emboss/emboss_generator.h"

#include "effects/emboss/emboss_params.h"
#include "effects/emboss/relief.h"
#include "effects/framework/art_children.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

enum EmbossStyle : int32_t { kBoth = 0, kHighlightOnly = 1, kShadowOnly = 2 };

// A copy of `source` at the bottom of `target`, its colours shifted by
// `amount` and its stroke gone, moved by `by`.
ai::Code EmbossCopy(ai::ArtHandle target, ai::ArtHandle source, double amount, ai::RealPoint by) {
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(source, ai::placement::kInsideAtBottom, target, &copy)) return code;
  if (ai::Code code = ReliefShade(copy, {.amount = amount, .grayAddsAmount = false, .strokeWidth = 0, .lineJoin = 0}))
    return code;
  return ReliefMove(copy, by);
}

ai::Code EmbossSeries(ai::ArtHandle target, ai::ArtHandle source, const EmbossPGParams& params) {
  ai::RealPoint step{};
  if (ai::Code code = PolarVector(params.offset, params.lightAngle, step)) return code;
  if (params.reverse != 0) step = {-step.x, -step.y};
  const int32_t steps = params.steps < 1 ? 1 : params.steps;
  double amount = params.contrast;
  if (steps > 1) {
    step = {step.x / steps, step.y / steps};
    amount /= steps;
  }
  // Each copy goes to the bottom: the furthest and strongest end up lowest.
  for (int32_t j = 1; j <= steps; ++j) {
    const ai::RealPoint toward{j * step.x, j * step.y};
    if (params.embossStyle != kShadowOnly) {
      if (ai::Code code = EmbossCopy(target, source, -j * amount, toward)) return code;
    }
    if (params.embossStyle != kHighlightOnly) {
      if (ai::Code code = EmbossCopy(target, source, j * amount, {-toward.x, -toward.y})) return code;
    }
  }
  ai::ArtHandle object = nullptr;
  return suites::Art().duplicateArt(source, ai::placement::kInsideOnTop, target, &object);
}

}  // namespace

ai::Code GenerateEmboss(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const EmbossPGParams*>(record);
  const ReliefSeries series = [&](ai::ArtHandle target, ai::ArtHandle source) {
    return EmbossSeries(target, source, params);
  };
  return ForEachChildBottomUp(edit, [&](ai::ArtHandle child) { return ReliefTree(into, child, series); });
}

}  // namespace vx
