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

// Where one copy goes: its datum `datum`, the centre `centre`, push, angle, scale.
struct Blast {
  ai::RealPoint datum;
  ai::RealPoint centre;
  double push;
  double radians;
  double scale;
};

ai::Code ApplyExplode(ai::ArtHandle copy, const Blast& b, double radians) {
  ai::RealMatrix matrix{};
  if (ai::Code code = ExplodeMatrix(b.datum, b.centre, b.push, radians, b.scale, &matrix)) return code;
  return TransformArtLeaves(copy, matrix);
}

// A turning copy. Close to a whole multiple of pi the turn goes in two steps
// (0.1 rad with the push and scale, then the rest about the centre alone), so
// the host never gets a vanishing sine together with a scale.
ai::Code PointOutward(ai::ArtHandle copy, const Blast& b) {
  if (!NearHalfTurn(b.radians)) return ApplyExplode(copy, b, b.radians);
  if (ai::Code code = ApplyExplode(copy, b, kFirstTurn)) return code;
  return TurnArtLeaves(copy, b.centre, b.radians - kFirstTurn, 1, 1);
}

// A copy that keeps its orientation: scaled about its datum, which travels as
// a turning copy's would: p -> O + e(p - A) + R(c)((A - O) + (d, 0)).
ai::Code CarryOutward(ai::ArtHandle copy, const Blast& b) {
  auto& math = suites::RealMath();
  ai::RealMatrix matrix{};
  if (ai::Code code = math.setTranslate(&matrix, -b.datum.x, -b.datum.y)) return code;
  if (ai::Code code = math.concatScale(&matrix, b.scale, b.scale)) return code;
  if (ai::Code code = math.concatRotate(&matrix, -b.radians)) return code;
  if (ai::Code code = math.concatTranslate(&matrix, b.datum.x - b.centre.x, b.datum.y - b.centre.y)) return code;
  if (ai::Code code = math.concatTranslate(&matrix, b.push, 0)) return code;
  if (ai::Code code = math.concatRotate(&matrix, b.radians)) return code;
  if (ai::Code code = math.concatTranslate(&matrix, b.centre.x, b.centre.y)) return code;
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
  if (ai::Code code = ApplyExplode(copy, {datum, centre, 0, 0, 1}, kFirstTurn)) return code;
  if (ai::Code code = ApplyExplode(copy, {datum, centre, 0, 0, 1}, -kFirstTurn)) return code;

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
    const Blast blast{datum, centre, w * params.spread, angle + (u - 0.5) * params.angleJitter,
                      1 + w * (params.tipScale - 1)};
    const ai::Code code = params.keepAngle != 0 ? CarryOutward(copy, blast) : PointOutward(copy, blast);
    if (code) return code;
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
