#include "effects/explosion/explosion_generator.h"

#include <algorithm>
#include <numbers>

#include "effects/explosion/explosion_params.h"
#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

constexpr double kFirstTurn = 0.1;

// Places copy 0 at `radians` with no push and no scaling.
ai::Code PlaceInPlace(ai::ArtHandle copy, ai::RealPoint datum, ai::RealPoint centre, double radians) {
  ai::RealMatrix matrix{};
  if (ai::Code code = ExplodeMatrix(datum, centre, 0, radians, 1, &matrix)) return code;
  return TransformArtLeaves(copy, matrix);
}

ai::Code ExplodeOne(ai::ArtHandle source, ai::ArtHandle group, const ExplosionPGParams& params) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  // The datum is the middle of the left edge; the centre lies coreRadius to its left.
  const ai::RealPoint datum = DatumPoint(bounds, 3);
  const ai::RealPoint centre{datum.x - params.coreRadius, datum.y};

  auto& random = suites::Random();
  if (ai::Code code = random.setSeed(params.randomSeed)) return code;

  // Copy 0 stays where the source is; it goes through the same two-step turn
  // so that its geometry passes the host's matrix the way the others do.
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = DuplicateInto(source, group, Stacking::kBelow, &copy)) return code;
  if (ai::Code code = PlaceInPlace(copy, datum, centre, kFirstTurn)) return code;
  if (ai::Code code = PlaceInPlace(copy, datum, centre, -kFirstTurn)) return code;

  const int32_t count = std::clamp(params.copyCount, 1, kMaxExplosionCopies);
  const double step = 2 * std::numbers::pi / count;
  double angle = step;
  for (int32_t i = 1; i < count; ++i) {
    // Each copy goes below the ones before it: the first stays frontmost.
    if (ai::Code code = DuplicateInto(source, group, Stacking::kBelow, &copy)) return code;
    double u = 0, w = 0;
    if (ai::Code code = random.nextUniform(&u)) return code;
    if (ai::Code code = random.nextUniform(&w)) return code;
    w = ShapeSpacing(w, params.spacing);
    if (ai::Code code = ExplodeArtLeaves(copy, datum, centre, w * params.spread,
                                         angle + (u - 0.5) * params.angleJitter, 1 + w * (params.tipScale - 1),
                                         params.keepAngle != 0))
      return code;
    angle += step;
  }
  if (params.showCenterMark != 0) return DrawCenterMark(group, centre);
  return ai::kNoError;
}

}  // namespace

double ShapeSpacing(double w, int32_t spacing) {
  if (spacing == 2) return w * w;
  if (spacing == 0) return 1 - (w - 1) * (w - 1);
  return w;
}

ai::Code GenerateExplosion(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const ExplosionPGParams*>(record);
  return ForEachChild(edit, [&](ai::ArtHandle source) { return ExplodeOne(source, into, params); });
}

}  // namespace vx
