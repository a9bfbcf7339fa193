#include "effects/cutout/cutout_generator.h"

#include "effects/cutout/cutout_params.h"
#include "effects/emboss/relief.h"
#include "effects/framework/art_children.h"
#include "effects/framework/clip_copy.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// One clipping group on top of `target`: the outline of `source`, and below
// it the edge copies (darkest and widest lowest) and the face, all shifted
// away from the light.
ai::Code CutoutSeries(ai::ArtHandle target, ai::ArtHandle source, const CutoutPGParams& params) {
  ai::RealPoint away{};
  if (ai::Code code = PolarVector(-params.distance, params.lightAngle, away)) return code;
  ai::ArtHandle clipGroup = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, target, &clipGroup))
    return code;
  if (ai::Code code = CutoutClipCopy(clipGroup, source)) return code;
  ai::ArtHandle series = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideAtBottom, clipGroup, &series))
    return code;

  const int32_t steps = params.steps < 1 ? 1 : params.steps;
  for (int32_t i = 0; i < steps; ++i) {
    // Shade and width fall by an equal share at each copy, down to one share.
    const double share = static_cast<double>(steps - i) / steps;
    const ReliefLook look{.amount = params.shade * share, .grayAddsAmount = true,
                          .strokeWidth = 2 * params.distance * share, .lineJoin = i > 0 ? 1 : 0};
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = suites::Art().duplicateArt(source, ai::placement::kInsideOnTop, series, &copy)) return code;
    if (ai::Code code = ReliefShade(copy, look)) return code;
    if (ai::Code code = ReliefMove(copy, away)) return code;
  }
  ai::ArtHandle face = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(source, ai::placement::kInsideOnTop, series, &face)) return code;
  return ReliefMove(face, away);
}

}  // namespace

ai::Code GenerateCutout(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const CutoutPGParams*>(record);
  ai::ArtHandle source = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(edit, &source)) return code;
  if (source == nullptr) return ai::kNoError;
  return ReliefTree(into, source, [&](ai::ArtHandle target, ai::ArtHandle art) {
    return CutoutSeries(target, art, params);
  });
}

}  // namespace vx
