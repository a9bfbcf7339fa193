#include "effects/framework/art_children.h"

namespace vx {

bool IsShadingContainer(int16_t kind) {
  return kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath || kind == ai::art_kind::kContainer;
}

ai::Code TransformLeaves(ai::ArtHandle art, const ai::RealMatrix& matrix, int32_t options) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(art, [&](ai::ArtHandle child) { return TransformLeaves(child, matrix, options); });
  return suites::TransformArt().transformArt(art, &matrix, 1.0, options);
}

ai::Code PolarVector(double length, double radians, ai::RealPoint& vector) {
  double cosine = 0, sine = 0;
  if (ai::Code code = suites::RealMath().cosine(radians, &cosine)) return code;
  if (ai::Code code = suites::RealMath().sine(radians, &sine)) return code;
  vector = {length * cosine, length * sine};
  return ai::kNoError;
}

}  // namespace vx
