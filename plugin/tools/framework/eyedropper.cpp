#include "tools/framework/eyedropper.h"

#include "frame/suite_set.h"

namespace vx {

ai::Code PickStyleAt(ai::RealPoint where, double tolerance, EyedropperHit* hit) {
  *hit = EyedropperHit{};
  ai::HitResult found{};
  if (ai::Code code = suites::HitTest().hitTest(&where, tolerance, &found)) return code;
  if (found.type == ai::hit_type::kNothing || found.art == nullptr) return ai::kNoError;
  hit->kind = EyedropperHit::Kind::kOther;
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(found.art, &kind)) return code;
  if (kind != ai::art_kind::kPath && kind != ai::art_kind::kCompoundPath) return ai::kNoError;
  if (ai::Code code = suites::PathStyle().getPathStyle(found.art, &hit->style)) return code;
  hit->kind = EyedropperHit::Kind::kPath;
  hit->fill = found.type == ai::hit_type::kFill;
  return ai::kNoError;
}

}  // namespace vx
