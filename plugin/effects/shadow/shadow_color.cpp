#include "effects/shadow/shadow_color.h"

#include <algorithm>

#include "effects/framework/color_mix.h"

namespace vx {

ai::Code ShadeColor(ai::ColorRecord& color, double shade, double transparency, ShadeMode mode) {
  const double a = shade, b = transparency;
  const bool outer = mode == ShadeMode::kOuter;
  const double r = outer ? (1 - b) * a : (1 - b) * a * b / 2;
  const double s = outer ? a : 1 + a * b;
  const double d = outer ? 1 - a : -a * b;
  if (color.kind == ai::color_kind::kCustom) {
    if (ai::Code code = ToProcessColor(color)) return code;
  }
  switch (color.kind) {
    case ai::color_kind::kGray:
      color.c.gray.gray *= s;
      break;
    case ai::color_kind::kFour: {
      ai::FourColor& f = color.c.four;
      f.cyan *= s;
      f.magenta *= s;
      f.yellow *= s;
      f.black *= s;
      break;
    }
    case ai::color_kind::kThree: {
      ai::ThreeColor& t = color.c.three;
      t.red += (1 - t.red) * d;
      t.green += (1 - t.green) * d;
      t.blue += (1 - t.blue) * d;
      break;
    }
    default:
      return ai::kNoError;
  }
  DarkenProcessColor(color, r);
  return ai::kNoError;
}

ai::Code BlendShade(ai::ColorRecord& stroke, ai::ColorRecord fill, double shade, double transparency, bool* blended) {
  *blended = false;
  if (stroke.kind != fill.kind) return ai::kNoError;
  if (stroke.kind == ai::color_kind::kCustom) {
    if (ai::Code code = ToProcessColor(stroke)) return code;
    if (ai::Code code = ToProcessColor(fill)) return code;
  }
  const double g = shade * transparency;
  // The stroke keeps the share g of itself, as a mix of factor g toward the fill.
  if (!MixProcessColors(stroke, fill, NeonMix{g, false, std::nullopt})) return ai::kNoError;
  DarkenProcessColor(stroke, (1 - transparency) * g / 2);
  *blended = true;
  return ai::kNoError;
}

}  // namespace vx
