#include "effects/framework/color_mix.h"

#include <algorithm>

#include "frame/suite_set.h"

namespace vx {
namespace {

// One channel: toward the far end by (1 - m). A tint takes the place of the
// stroke end, or with `reverse` of the fill end (which then keeps the tint).
double MixChannel(double stroke, double& fill, double m, bool reverse, const std::optional<double>& tinted) {
  if (!tinted) return (1 - m) * fill + m * stroke;
  if (!reverse) return (1 - m) * fill + m * *tinted;
  fill = *tinted;
  return (1 - m) * *tinted + m * stroke;
}

// A tint darkens: gray and black values grow with it, so they take it as it is;
// three-colour channels fall with it, so they take 1 - tint.
std::optional<double> Dimming(const std::optional<double>& tint) {
  return tint ? std::optional<double>(1 - *tint) : std::nullopt;
}

// The kind a paint shows the mixer: its colour's kind, or none when unpainted.
constexpr int32_t kNoPaint = -1;
int32_t PaintKind(bool painted, const ai::ColorRecord& color) { return painted ? color.kind : kNoPaint; }

}  // namespace

ai::Code ToProcessColor(ai::ColorRecord& color) {
  ai::ColorRecord process{};
  if (ai::Code code = suites::CustomColor().processEquivalent(color.c.custom.color, color.c.custom.tint, &process))
    return code;
  color = process;
  return ai::kNoError;
}

bool MixProcessColors(ai::ColorRecord& stroke, ai::ColorRecord& fill, const NeonMix& mix) {
  if (stroke.kind != fill.kind) return false;
  const double m = mix.factor;
  switch (stroke.kind) {
    case ai::color_kind::kGray:
      stroke.c.gray.gray = MixChannel(stroke.c.gray.gray, fill.c.gray.gray, m, mix.reverse, mix.tint);
      return true;
    case ai::color_kind::kFour: {
      ai::FourColor& s = stroke.c.four;
      ai::FourColor& f = fill.c.four;
      // The tint acts on the black channel only.
      s.cyan = MixChannel(s.cyan, f.cyan, m, false, std::nullopt);
      s.magenta = MixChannel(s.magenta, f.magenta, m, false, std::nullopt);
      s.yellow = MixChannel(s.yellow, f.yellow, m, false, std::nullopt);
      s.black = std::min(1.0, MixChannel(s.black, f.black, m, mix.reverse, mix.tint));
      return true;
    }
    case ai::color_kind::kThree: {
      ai::ThreeColor& s = stroke.c.three;
      ai::ThreeColor& f = fill.c.three;
      const std::optional<double> tint = Dimming(mix.tint);
      s.red = MixChannel(s.red, f.red, m, mix.reverse, tint);
      s.green = MixChannel(s.green, f.green, m, mix.reverse, tint);
      s.blue = MixChannel(s.blue, f.blue, m, mix.reverse, tint);
      return true;
    }
    default:
      return false;
  }
}

void DarkenProcessColor(ai::ColorRecord& color, double amount) {
  const double add = amount > 0 ? amount : 0;
  switch (color.kind) {
    case ai::color_kind::kGray:
      color.c.gray.gray = std::min(1.0, color.c.gray.gray + add);
      return;
    case ai::color_kind::kFour: {
      ai::FourColor& f = color.c.four;
      f.cyan = std::min(1.0, f.cyan);
      f.magenta = std::min(1.0, f.magenta);
      f.yellow = std::min(1.0, f.yellow);
      f.black = std::min(1.0, f.black + add);
      return;
    }
    case ai::color_kind::kThree: {
      ai::ThreeColor& t = color.c.three;
      t.red = std::clamp(t.red - add, 0.0, 1.0);
      t.green = std::clamp(t.green - add, 0.0, 1.0);
      t.blue = std::clamp(t.blue - add, 0.0, 1.0);
      return;
    }
    default:
      return;
  }
}

ai::Code MixNeonColor(ai::PathStyle& style, bool fillPainted, const NeonMix& mix) {
  const int32_t strokeKind = PaintKind(style.strokePaint != 0, style.strokeColor);
  if (strokeKind != PaintKind(fillPainted, style.fillColor)) return ai::kNoError;
  if (strokeKind == ai::color_kind::kCustom) {
    if (ai::Code code = ToProcessColor(style.strokeColor)) return code;
    if (ai::Code code = ToProcessColor(style.fillColor)) return code;
  }
  MixProcessColors(style.strokeColor, style.fillColor, mix);
  style.strokeOverprint = 0;
  return ai::kNoError;
}

}  // namespace vx
