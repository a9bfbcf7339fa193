#include "effects/generation/generation_generator.h"

#include <algorithm>
#include <cmath>

#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "effects/generation/generation_params.h"

namespace vx {
namespace {

ai::Code ChainOf(ai::ArtHandle source, ai::ArtHandle group, const GenerationPGParams& p) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  const bool scaling = p.scaleRate != 1;
  const double turnStep = p.angleStep != 0 ? p.angleStep : 0;
  // The feed is a share of the width whatever the direction of travel.
  const double feed = p.moveRelative == 1 ? p.feed : (bounds.right - bounds.left) * p.feed;
  if (!std::isfinite(feed) || !std::isfinite(p.scaleRate) || !std::isfinite(p.moveAngle) ||
      !std::isfinite(turnStep))
    return ai::kNoError;
  const ai::RealPoint centre = BoundsCentre(bounds);
  const Stacking stacking = p.stackBelow == 1 ? Stacking::kBelow : Stacking::kAbove;

  const int32_t count = std::min(p.copyCount, kMaxGenerationCopies);
  double angle = 0, scale = 1;
  ai::RealPoint move{0, 0};
  for (int32_t i = 0; i < count; ++i) {
    // A rate far from 1 over many copies overflows: the chain ends there
    // rather than writing infinite or NaN coordinates into the document.
    if (!std::isfinite(scale) || !std::isfinite(move.x) || !std::isfinite(move.y)) break;
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = DuplicateInto(source, group, stacking, &copy)) return code;
    if (ai::Code code = TurnMoveArtLeaves(copy, centre, angle, scale, scale, move)) return code;
    angle += turnStep;
    // Each step is the mean of the two neighbouring scales, which keeps
    // shrinking copies touching.
    double step = feed;
    if (scaling) {
      const double next = scale * p.scaleRate;
      step = (scale + next) * feed / 2;
      scale = next;
    }
    ai::RealPoint along{};
    if (ai::Code code = PolarVector(step, angle + p.moveAngle, along)) return code;
    move.x += along.x;
    move.y += along.y;
  }
  return ai::kNoError;
}

}  // namespace

ai::Code GenerateGeneration(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const GenerationPGParams*>(record);
  return ForEachChild(edit, [&](ai::ArtHandle source) { return ChainOf(source, into, params); });
}

}  // namespace vx
