#include "effects/border/border_generator.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "effects/border/border_params.h"
#include "effects/framework/art_children.h"
#include "effects/framework/clip_copy.h"
#include "effects/framework/color_mix.h"
#include "effects/neon/neon_copy.h"
#include "effects/neon/neon_steps.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

constexpr int32_t kMaxManualSteps = 1000;
constexpr double kMaxCount = 32767;

// How a copy's fill is treated.
enum class FillMode {
  kBand,     // an outside step: a painted fill takes the band colour
  kFill,     // the outside fill copy: the object's fill, no stroke
  kNoFill,   // an inside step but the last
  kKeepFill  // the inside last (widest) step keeps the object's fill
};

struct CopyStyle {
  double width;  // width factor a; 0 switches the stroke off
  double mix;    // colour factor m: 1 the stroke colour, 0 the fill colour
  FillMode fill;
  std::optional<double> tint;
};

ai::Code RestylePath(ai::ArtHandle path, const CopyStyle& copy) {
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
  const bool fillPainted = style.fillPaint != 0;
  style.fillPaint = fillPainted && copy.fill != FillMode::kNoFill ? 1 : 0;
  style.clip = 0;
  if (copy.width == 0) {
    style.strokePaint = 0;
  } else {
    if (copy.width < 1) style.strokeWidth *= copy.width;
    if (copy.mix < 1 || copy.tint) {
      const NeonMix mix{std::clamp(copy.mix, 0.0, 1.0), false, copy.tint};
      if (ai::Code code = MixNeonColor(style, fillPainted, mix)) return code;
    }
  }
  // Each band copy is a solid shape in its band colour; a path without a
  // painted stroke has no band colour and keeps its fill.
  if (copy.fill == FillMode::kBand && style.fillPaint != 0 && style.strokePaint != 0) {
    style.fillColor = style.strokeColor;
    style.fillOverprint = style.strokeOverprint;
  }
  return suites::PathStyle().setPathStyle(path, &style);
}

ai::Code BorderStyle(ai::ArtHandle art, const CopyStyle& copy) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(art, [&](ai::ArtHandle child) { return BorderStyle(child, copy); });
  if (kind == ai::art_kind::kPath) return RestylePath(art, copy);
  return ai::kNoError;
}

ai::RealPoint operator+(ai::RealPoint a, ai::RealPoint b) { return {a.x + b.x, a.y + b.y}; }
ai::RealPoint operator-(ai::RealPoint a, ai::RealPoint b) { return {a.x - b.x, a.y - b.y}; }

// Duplicates `source` into `into` at `placement`, restyles and moves it.
ai::Code BandCopy(ai::ArtHandle source, ai::ArtHandle into, int16_t placement, const CopyStyle& style,
                  ai::RealPoint by) {
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(source, placement, into, &copy)) return code;
  if (ai::Code code = BorderStyle(copy, style)) return code;
  return MoveNeonCopy(copy, by);
}

// The band level runs from 0 up by 1/N per step, or with `reverse` from
// 1 - 1/N down; the colour factor of a step is taken before its update.
class BandLevel {
 public:
  BandLevel(int32_t steps, bool reverse, double gradientArc)
      : step_(reverse ? -1.0 / steps : 1.0 / steps), level_(reverse ? 1 - 1.0 / steps : 0), arc_(gradientArc) {}
  double Next() {
    const double m = NeonMixFactor(level_, 1, arc_);
    level_ = std::clamp(level_ + step_, 0.0, 1.0);
    return m;
  }

 private:
  double step_;
  double level_;
  double arc_;
};

// What one source object's band needs: its step count N, the full offset
// vector and its per-step increment, the shadow vector and tint.
struct Band {
  int32_t steps = 0;
  ai::RealPoint offset{0, 0};
  ai::RealPoint increment{0, 0};
  ai::RealPoint shadow{0, 0};
  std::optional<double> tint;
};

ai::Code BorderStepCount(ai::ArtHandle source, const BorderPGParams& params, int32_t& steps, double& widest) {
  const bool manual = params.stepMode == border_mode::kManual;
  steps = manual ? std::min(params.steps, kMaxManualSteps) : 0;
  widest = 0;
  if (manual && params.offset == 0) return ai::kNoError;
  int32_t most = 0;
  if (ai::Code code = ForEachStrokeWidth(source, [&](double width) {
        most = std::max(most, BorderAutoSteps(params.stepMode, width));
        widest = std::max(widest, width);
      }))
    return code;
  if (!manual) steps = most;
  if (!(widest > 0)) steps = 0;
  return ai::kNoError;
}

ai::Code PlanBand(ai::ArtHandle source, const BorderPGParams& params, Band& band) {
  double widest = 0;
  if (ai::Code code = BorderStepCount(source, params, band.steps, widest)) return code;
  if (band.steps <= 0) return ai::kNoError;
  if (params.offset != 0) {
    if (ai::Code code = PolarVector(params.offset * widest, params.offsetAngle, band.offset)) return code;
    band.increment = {band.offset.x / band.steps, band.offset.y / band.steps};
  }
  if (params.shadowOn != 0 && params.shadowOffset != 0) {
    if (ai::Code code = PolarVector(params.shadowOffset, params.lightAngle, band.shadow)) return code;
  }
  if (params.shadowOn != 0) band.tint = params.shadowTint;
  return ai::kNoError;
}

// Outside: from the widest copy at the bottom to the thinnest, each moved by
// its share of the offset, with the object's fill on top.
ai::Code BandOutside(ai::ArtHandle source, ai::ArtHandle into, const BorderPGParams& params, const Band& band) {
  const int32_t n = band.steps;
  const bool shadow = params.shadowOn != 0;
  BandLevel level(n, params.reverse != 0, params.gradientArc);
  ai::RealPoint running = band.offset;
  for (int32_t i = 0; i < n; ++i) {
    const double a = 1 - static_cast<double>(i) / n;
    const double m = level.Next();
    const CopyStyle tinted{a, m, FillMode::kBand, band.tint};
    if (ai::Code code = BandCopy(source, into, ai::placement::kInsideOnTop, tinted, running - band.shadow))
      return code;
    running = running - band.increment;
    if (shadow) {
      const CopyStyle lit{a, m, FillMode::kBand, std::nullopt};
      if (ai::Code code = BandCopy(source, into, ai::placement::kInsideOnTop, lit, running)) return code;
    }
  }
  return BandCopy(source, into, ai::placement::kInsideOnTop, CopyStyle{0, 0, FillMode::kFill, std::nullopt},
                  {0, 0});
}

// Inside: every copy goes to the bottom, so the thinnest ends on top and the
// widest, the only one keeping the fill, at the bottom; the shadow copy of a
// step lies below its lit copy, moved toward the light.
ai::Code BandInside(ai::ArtHandle source, ai::ArtHandle into, const BorderPGParams& params, const Band& band) {
  const int32_t n = band.steps;
  const bool shadow = params.shadowOn != 0;
  BandLevel level(n, params.reverse != 0, params.gradientArc);
  ai::RealPoint running = band.increment;
  for (int32_t i = 0; i < n; ++i) {
    const double a = static_cast<double>(i + 1) / n;
    const double m = level.Next();
    const FillMode fill = i == n - 1 ? FillMode::kKeepFill : FillMode::kNoFill;
    if (shadow) {
      if (ai::Code code = BandCopy(source, into, ai::placement::kInsideAtBottom, {a, m, fill, std::nullopt}, running))
        return code;
    }
    if (ai::Code code =
            BandCopy(source, into, ai::placement::kInsideAtBottom, {a, m, fill, band.tint}, running + band.shadow))
      return code;
    running = running + band.increment;
  }
  return ai::kNoError;
}

// Inside: the band of the first source object, clipped by its outline.
ai::Code GenerateInside(ai::ArtHandle edit, ai::ArtHandle into, const BorderPGParams& params) {
  ai::ArtHandle source = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(edit, &source)) return code;
  if (source == nullptr) return ai::kNoError;
  Band band;
  if (ai::Code code = PlanBand(source, params, band)) return code;
  if (band.steps <= 0) return ai::kNoError;
  if (ai::Code code = BandInside(source, into, params, band)) return code;
  ai::ArtHandle result = nullptr, clip = nullptr;
  if (ai::Code code = suites::Art().getParent(into, &result)) return code;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, result, &clip))
    return code;
  if (ai::Code code = BorderClipCopy(clip, source)) return code;
  return suites::Art().moveArt(into, ai::placement::kInsideAtBottom, clip);
}

}  // namespace

int32_t BorderAutoSteps(int32_t mode, double width) {
  double count = 0;
  const bool thin = !(width >= 3);
  switch (mode) {
    case border_mode::kAutoHigh: count = thin ? 6 : 2 * std::floor(width); break;
    case border_mode::kAutoLow: count = thin ? 2 : std::floor(width / 2 + 0.5); break;
    default: count = thin ? 3 : std::floor(width); break;
  }
  return static_cast<int32_t>(std::min(count, kMaxCount));
}

ai::Code GenerateBorder(ai::ArtHandle, ai::ArtHandle edit, ai::ArtHandle into, const void* record) {
  const auto& params = *static_cast<const BorderPGParams*>(record);
  if (params.side == 1) return GenerateInside(edit, into, params);
  return ForEachChild(edit, [&](ai::ArtHandle source) {
    Band band;
    if (ai::Code code = PlanBand(source, params, band)) return code;
    if (band.steps <= 0) return ai::kNoError;
    return BandOutside(source, into, params, band);
  });
}

}  // namespace vx
