#include "effects/reflections/reflections_generator.h"

#include <algorithm>
#include <numbers>

#include "effects/framework/art_children.h"
#include "effects/framework/copy_placement.h"
#include "effects/reflections/reflections_params.h"

namespace vx {
namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;

// The mirror maps, each made of two turns-and-scales about the centre: a
// quarter turn, then a quarter turn with a flip, give a flip across an axis;
// two quarter turns give a half turn.
enum class Mirror { kLeftRight, kTopBottom, kHalfTurn };

ai::Code MirrorTransform(ai::ArtHandle art, double radians, double sx, double sy, ai::RealPoint centre) {
  ai::RealMatrix matrix{};
  if (ai::Code code = TurnAbout(centre, radians, sx, sy, &matrix)) return code;
  return TransformArtLeaves(art, matrix);
}

ai::Code MirrorInto(ai::ArtHandle source, ai::ArtHandle group, Mirror mirror, ai::RealPoint centre,
                    ai::ArtHandle* image) {
  if (ai::Code code = DuplicateInto(source, group, Stacking::kBelow, image)) return code;
  if (ai::Code code = MirrorTransform(*image, kQuarterTurn, 1, 1, centre)) return code;
  const double sx = mirror == Mirror::kTopBottom ? -1 : 1;
  const double sy = mirror == Mirror::kLeftRight ? -1 : 1;
  return MirrorTransform(*image, kQuarterTurn, sx, sy, centre);
}

ai::Code ImagesOf(ai::ArtHandle source, ai::ArtHandle group, const ReflectionsPGParams& params) {
  ai::RealRect bounds{};
  bool usable = false;
  if (ai::Code code = SourceBounds(source, &bounds, &usable)) return code;
  if (!usable) return ai::kNoError;
  const ai::RealPoint centre{bounds.left - params.offsetH, bounds.bottom - params.offsetV};
  ai::ArtHandle image = nullptr;
  switch (params.axisType) {
    case 0: return MirrorInto(source, group, Mirror::kTopBottom, centre, &image);
    case 1: return MirrorInto(source, group, Mirror::kLeftRight, centre, &image);
    case 2:
      for (Mirror mirror : {Mirror::kLeftRight, Mirror::kTopBottom, Mirror::kHalfTurn})
        if (ai::Code code = MirrorInto(source, group, mirror, centre, &image)) return code;
      return ai::kNoError;
    case 3: {
      // The source and its mirror image, each turned about the centre n - 1
      // times by a step of a whole turn over n.
      ai::ArtHandle mirrored = nullptr;
      if (ai::Code code = MirrorInto(source, group, Mirror::kLeftRight, centre, &mirrored)) return code;
      // A count from a hand-edited preset or an action is held to the
      // palette's range: none would divide by zero, billions never end.
      const int32_t count = std::clamp(params.axisCount, 1, kMaxReflectionAxes);
      const double step = count > 0 ? 2 * std::numbers::pi / count : 0;
      double angle = step;
      for (int32_t i = 1; i < count; ++i) {
        for (ai::ArtHandle original : {source, mirrored}) {
          if (ai::Code code = DuplicateInto(original, group, Stacking::kBelow, &image)) return code;
          if (ai::Code code = TurnArtLeaves(image, centre, angle, 1, 1)) return code;
        }
        angle += step;
      }
      return ai::kNoError;
    }
    default: return ai::kNoError;
  }
}

}  // namespace

ai::Code GenerateReflections(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const ReflectionsPGParams*>(record);
  // The unchanged copies first, then the images of each source.
  if (ai::Code code = ForEachChild(edit, [&](ai::ArtHandle source) {
        ai::ArtHandle copy = nullptr;
        return DuplicateInto(source, into, Stacking::kBelow, &copy);
      }))
    return code;
  return ForEachChild(edit, [&](ai::ArtHandle source) { return ImagesOf(source, into, params); });
}

}  // namespace vx
