#include "effects/circle/circle_generator.h"

#include <algorithm>
#include <numbers>

#include "effects/circle/circle_params.h"
#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// A copy that keeps its orientation: its bounds centre `centre` travels by
// the turn `radians` around `ring`, and the whole is scaled by (1, h) about
// the ring centre.
ai::Code CarryAround(ai::ArtHandle copy, ai::RealPoint centre, ai::RealPoint ring, double radians, double h) {
  ai::RealMatrix matrix{};
  if (ai::Code code = suites::RealMath().setTranslate(&matrix, -centre.x, -centre.y)) return code;
  if (ai::Code code = suites::RealMath().concatRotate(&matrix, -radians)) return code;
  if (ai::Code code = suites::RealMath().concatTranslate(&matrix, centre.x - ring.x, centre.y - ring.y)) return code;
  if (ai::Code code = suites::RealMath().concatRotate(&matrix, radians)) return code;
  if (ai::Code code = suites::RealMath().concatScale(&matrix, 1, h)) return code;
  if (ai::Code code = suites::RealMath().concatTranslate(&matrix, ring.x, ring.y)) return code;
  return TransformArtLeaves(copy, matrix);
}

ai::Code RingOf(ai::ArtHandle source, ai::ArtHandle group, const CirclePGParams& params) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  const ai::RealPoint centre = BoundsCentre(bounds);
  const ai::RealPoint datum = DatumPoint(bounds, params.datumIndex);
  const ai::RealPoint ring{datum.x + params.offsetH, datum.y + params.offsetV};

  const int32_t count = std::min(params.copyCount, kMaxCircleCopies);
  const double step = count > 0 ? 2 * std::numbers::pi / count : 0;
  double angle = 0;
  for (int32_t i = 0; i < count; ++i) {
    // Each copy goes below the ones before it: the first stays frontmost.
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = DuplicateInto(source, group, Stacking::kBelow, &copy)) return code;
    const ai::Code code = params.keepAngle != 0 ? CarryAround(copy, centre, ring, angle, params.heightRatio)
                                                : TurnArtLeaves(copy, ring, angle, 1, params.heightRatio);
    if (code) return code;
    angle += step;
  }
  if (params.showCenterMark != 0) return DrawCenterMark(group, ring);
  return ai::kNoError;
}

}  // namespace

ai::Code GenerateCircle(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const CirclePGParams*>(record);
  return ForEachChild(edit, [&](ai::ArtHandle source) { return RingOf(source, into, params); });
}

}  // namespace vx
