#include "effects/galaxy/galaxy_generator.h"

#include <algorithm>
#include <numbers>

#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "effects/galaxy/galaxy_params.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// Where a branch starts and how it changes from one copy to the next.
struct Branch {
  double angle = 0;      // direction of the current copy about the centre
  double scale = 1;      // scale of the current copy about its bounds centre
  double push = 0;       // distance beyond the source's own position
  double twistStep = 0;  // turn added per copy (before the kink)
  double pushStep = 0;   // push added per copy
  double shrink = 0;     // scale taken off per copy
};

ai::Code Draw(double* value) { return suites::Random().nextUniform(value); }

// Branch 0 is the undeviated arm through the source itself; every other
// branch draws its deviations from a seed of its own. A branch of a single
// copy draws only its direction's deviation: it has no length, twist or tip.
ai::Code StartBranch(const GalaxyPGParams& params, int32_t elements, int32_t branch, double step, Branch* start) {
  const double perCopy = elements > 1 ? 1.0 / (elements - 1) : 0.0;
  *start = {};
  start->twistStep = params.branchTwist * perCopy;
  start->pushStep = params.spread * perCopy;
  start->shrink = (1 - params.tipScale) * perCopy;
  if (branch == 0) return ai::kNoError;
  start->angle = branch * step;
  if (ai::Code code = suites::Random().setSeed(GalaxyStartSeed(params.randomSeed, branch))) return code;
  double r[5] = {};
  const int draws = elements > 1 ? 5 : 1;
  for (int k = 0; k < draws; ++k) {
    if (ai::Code code = Draw(&r[k])) return code;
  }
  start->angle += (r[0] - 0.5) * params.angleJitter;
  if (elements < 2) return ai::kNoError;
  start->twistStep = ((r[1] - 0.5) * params.twistJitter + params.branchTwist) * perCopy;
  start->pushStep = ((r[2] - 0.5) * params.spreadJitter + params.spread) * perCopy;
  start->scale = 1 + (r[3] - 0.5) * params.sizeJitter;
  start->shrink = (1 - params.tipScale) * start->scale * perCopy;
  start->push = (r[4] - 0.5) * params.coreJitter;
  return ai::kNoError;
}

ai::Code ArmsOf(ai::ArtHandle source, ai::ArtHandle group, const GalaxyPGParams& params) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  const ai::RealPoint datum = BoundsCentre(bounds);
  const ai::RealPoint centre{bounds.left - params.coreRadius, datum.y};

  const int32_t branches = std::min(params.branchCount, kMaxGalaxyBranches);
  const int32_t elements = std::min(params.elementCount, kMaxGalaxyElements);
  const double step = branches > 0 ? 2 * std::numbers::pi / branches : 0;
  const Stacking stacking = params.stackBelow == 1 ? Stacking::kBelow : Stacking::kAbove;
  const bool keepAngle = params.keepAngle != 0;
  for (int32_t i = 0; i < branches; ++i) {
    Branch branch;
    if (ai::Code code = StartBranch(params, elements, i, step, &branch)) return code;
    ai::ArtHandle arm = group;
    if (branches >= 2 && elements >= 2) {
      if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, group, &arm))
        return code;
    }
    if (ai::Code code = suites::Random().setSeed(GalaxyKinkSeed(params.randomSeed, i))) return code;
    for (int32_t j = 0; j < elements; ++j) {
      ai::ArtHandle copy = nullptr;
      if (ai::Code code = DuplicateInto(source, arm, stacking, &copy)) return code;
      if (ai::Code code = ExplodeArtLeaves(copy, datum, centre, branch.push, branch.angle, branch.scale, keepAngle))
        return code;
      branch.scale -= branch.shrink;
      branch.push += branch.pushStep;
      double kink = 0;
      if (ai::Code code = Draw(&kink)) return code;
      branch.angle += branch.twistStep + (kink - 0.5) * params.branchKink;
    }
  }
  if (params.showCenterMark != 0) return DrawCenterMark(group, centre);
  return ai::kNoError;
}

}  // namespace

// Unsigned arithmetic: a seed near the ends of the 32-bit range wraps instead
// of overflowing.
int32_t GalaxyStartSeed(int32_t randomSeed, int32_t branch) {
  return static_cast<int32_t>(static_cast<uint32_t>(randomSeed) + static_cast<uint32_t>(branch) + 1u);
}

int32_t GalaxyKinkSeed(int32_t randomSeed, int32_t branch) {
  return static_cast<int32_t>(static_cast<uint32_t>(randomSeed) - 1u - static_cast<uint32_t>(branch));
}

ai::Code GenerateGalaxy(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const GalaxyPGParams*>(record);
  return ForEachChild(edit, [&](ai::ArtHandle source) { return ArmsOf(source, into, params); });
}

}  // namespace vx
