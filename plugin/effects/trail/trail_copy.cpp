#include "effects/trail/trail_copy.h"

#include <string>

#include "effects/framework/art_children.h"
#include "effects/framework/color_mix.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

using ai::color_kind::kCustom;
using ai::color_kind::kFour;
using ai::color_kind::kGradient;
using ai::color_kind::kGray;
using ai::color_kind::kPattern;
using ai::color_kind::kThree;

// A custom colour becomes its process equivalent; under the four-colour rule a
// gray becomes four-colour black of the same value.
ai::Code Normalise(ai::ColorRecord& color, bool grayAsFour) {
  if (color.kind == kCustom) return ToProcessColor(color);
  if (grayAsFour && color.kind == kGray) {
    const double gray = color.c.gray.gray;
    color = ai::ColorRecord{};
    color.kind = kFour;
    color.c.four = {0, 0, 0, gray};
  }
  return ai::kNoError;
}

// Mixes every component of `x` (of `e`'s kind) toward `e`.
void MixComponents(ai::ColorRecord& x, const ai::ColorRecord& e, const TrailPaint& paint, double u) {
  const auto mix = [&](double& xc, double ec, bool three) {
    xc = MixTrailComponent(xc, ec, paint.beginning, paint.endTint, u, three);
  };
  switch (x.kind) {
    case kGray:
      mix(x.c.gray.gray, e.c.gray.gray, false);
      break;
    case kFour:
      mix(x.c.four.cyan, e.c.four.cyan, false);
      mix(x.c.four.magenta, e.c.four.magenta, false);
      mix(x.c.four.yellow, e.c.four.yellow, false);
      mix(x.c.four.black, e.c.four.black, false);
      break;
    case kThree:
      mix(x.c.three.red, e.c.three.red, true);
      mix(x.c.three.green, e.c.three.green, true);
      mix(x.c.three.blue, e.c.three.blue, true);
      break;
    default:
      break;
  }
}

// Normalises both colours by the rule, then mixes when they are both of `kind`.
ai::Code MixByRule(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u, bool grayAsFour,
                   int32_t kind) {
  ai::ColorRecord work = x;
  if (ai::Code code = Normalise(work, grayAsFour)) return code;
  if (ai::Code code = Normalise(e, grayAsFour)) return code;
  if (work.kind != e.kind || work.kind != kind) return ai::kNoError;
  MixComponents(work, e, paint, u);
  x = work;
  return ai::kNoError;
}

// White of a colour's own model: gray 0, three-colour 1, 1, 1, four-colour 0.
ai::ColorRecord WhiteOfKind(int32_t kind) {
  ai::ColorRecord white{};
  white.kind = kind == kGray || kind == kThree ? kind : kFour;
  if (kind == kThree) white.c.three = {1, 1, 1};
  return white;
}

// The rule that fits a colour of `kind`: gray, three-colour, or the process rule.
ai::Code MixByKind(ai::ColorRecord& x, const ai::ColorRecord& e, const TrailPaint& paint, double u) {
  if (x.kind == kGray) return MixTrailGray(x, e, paint, u);
  if (x.kind == kThree) return MixTrailRGB(x, e, paint, u);
  return MixTrailProcess(x, e, paint, u);
}

ai::Code MixFill(ai::PathStyle& style, const TrailPaint& paint, double u) {
  const int32_t kind = style.fillColor.kind;
  if (kind == kGradient) return MixTrailGradient(style, paint, u);
  if (kind != kGray && kind != kFour && kind != kCustom && kind != kThree) return ai::kNoError;
  ai::ColorRecord end{};
  switch (paint.endFillKind) {
    case trail_end::kOwnFill:
      end = style.fillColor;
      break;
    case trail_end::kOwnStroke:
      if (style.strokePaint == 0) {
        style.fillPaint = 0;
        return ai::kNoError;
      }
      end = style.strokeColor;
      break;
    case trail_end::kColor:
      end = paint.endFillColor;
      break;
    default:
      style.fillPaint = 0;
      style.fillColor = WhiteOfKind(kind);
      return ai::kNoError;
  }
  return MixByKind(style.fillColor, end, paint, u);
}

ai::Code MixStroke(ai::PathStyle& style, const ai::PathStyle& before, const TrailPaint& paint, double u) {
  const int32_t kind = style.strokeColor.kind;
  if (kind != kGray && kind != kFour && kind != kCustom && kind != kThree) return ai::kNoError;
  ai::ColorRecord end{};
  switch (paint.endStrokeKind) {
    case trail_end::kOwnFill:
      if (before.fillPaint == 0) {
        style.strokePaint = 0;
        return ai::kNoError;
      }
      end = before.fillColor.kind == kGradient ? paint.endStrokeColor : before.fillColor;
      break;
    case trail_end::kOwnStroke:
      end = style.strokeColor;
      break;
    case trail_end::kColor:
      end = paint.endStrokeColor;
      break;
    default:
      style.strokePaint = 0;
      return ai::kNoError;
  }
  return MixByKind(style.strokeColor, end, paint, u);
}

ai::Code MoveSegments(ai::ArtHandle path, const ai::RealMatrix& m) {
  int32_t count = 0;
  if (ai::Code code = suites::Path().getSegmentCount(path, &count)) return code;
  for (int32_t i = 0; i < count; ++i) {
    ai::SegRecord segment{};
    if (ai::Code code = suites::Path().getSegments(path, i, 1, &segment)) return code;
    for (ai::RealPoint* point : {&segment.anchor, &segment.in, &segment.out}) {
      const ai::RealPoint from = *point;
      if (ai::Code code = suites::RealMath().transformPoint(&m, &from, point)) return code;
    }
    if (ai::Code code = suites::Path().setSegments(path, i, 1, &segment)) return code;
  }
  return ai::kNoError;
}

ai::Code CarryPaints(ai::ArtHandle path, const ai::RealMatrix& m, const TrailCopyState& state) {
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
  if (style.fillColor.kind == kGradient) {
    const TrailGradientSteps steps = GradientMatrixFor(m, state.sx, state.sy);
    if (ai::Code code = suites::TransformArt().transformArt(path, &steps.first, 1, ai::transform_option::kGradients))
      return code;
    if (steps.count == 2) {
      if (ai::Code code =
              suites::TransformArt().transformArt(path, &steps.second, 1, ai::transform_option::kGradients))
        return code;
    }
    if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
  }
  if (style.fillColor.kind == kPattern || style.strokeColor.kind == kPattern) {
    constexpr int32_t kPatternsOnly = ai::transform_option::kPatterns | ai::transform_option::kLineWidths;
    if (ai::Code code = suites::TransformArt().transformArt(path, &m, 1, kPatternsOnly)) return code;
  }
  return ai::kNoError;
}

// Calls `visit` on every path under `art`, depth first through groups,
// compound paths and containers.
template <class Visit>
ai::Code ForEachPath(ai::ArtHandle art, Visit&& visit) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (kind == ai::art_kind::kPath) return visit(art);
  if (!IsShadingContainer(kind)) return ai::kNoError;
  return ForEachChild(art, [&](ai::ArtHandle child) { return ForEachPath(child, visit); });
}

}  // namespace

ai::Code MixTrailGray(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u) {
  return MixByRule(x, e, paint, u, false, kGray);
}

ai::Code MixTrailRGB(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u) {
  return MixByRule(x, e, paint, u, false, kThree);
}

ai::Code MixTrailProcess(ai::ColorRecord& x, ai::ColorRecord e, const TrailPaint& paint, double u) {
  ai::ColorRecord work = x;
  if (ai::Code code = Normalise(work, true)) return code;
  // A custom colour whose process equivalent is three-colour mixes by that rule.
  if (work.kind == kThree) {
    if (ai::Code code = Normalise(e, false)) return code;
    if (e.kind != kThree) return ai::kNoError;
    MixComponents(work, e, paint, u);
    x = work;
    return ai::kNoError;
  }
  return MixByRule(x, e, paint, u, true, kFour);
}

ai::Code MixTrailGradient(ai::PathStyle& style, const TrailPaint& paint, double u) {
  if (paint.endFillKind == trail_end::kNone) {
    style.fillPaint = 0;
    style.fillColor = WhiteOfKind(kFour);
    return ai::kNoError;
  }
  const ai::GradientSuite& gradients = suites::Gradient();
  const ai::GradientHandle old = style.fillColor.c.gradient.gradient;
  ai::GradientHandle made = nullptr;
  const auto build = [&]() -> ai::Code {
    int16_t type = 0;
    if (ai::Code code = gradients.getType(old, &type)) return code;
    char name[256] = {};
    size_t length = 0;
    if (ai::Code code = gradients.getName(old, name, sizeof name, &length)) return code;
    if (ai::Code code = gradients.newGradient(&made)) return code;
    int32_t initial = 0;
    if (ai::Code code = gradients.countStops(made, &initial)) return code;
    if (ai::Code code = gradients.setType(made, type)) return code;
    if (ai::Code code = gradients.setName(made, name)) return code;
    int32_t count = 0;
    if (ai::Code code = gradients.countStops(old, &count)) return code;
    for (int32_t i = 0; i < count; ++i) {
      ai::GradientStop stop{};
      if (ai::Code code = gradients.getStop(old, i, &stop)) return code;
      const ai::ColorRecord end = paint.endFillKind == trail_end::kOwnFill ? stop.color : paint.endFillColor;
      if (ai::Code code = MixByKind(stop.color, end, paint, u)) return code;
      if (ai::Code code = i < initial ? gradients.setStop(made, i, &stop) : gradients.insertStop(made, i, &stop))
        return code;
    }
    return ai::kNoError;
  };
  if (ai::Code code = build()) {
    if (made != nullptr) gradients.disposeGradient(made);
    return code;
  }
  style.fillColor.c.gradient.gradient = made;
  return ai::kNoError;
}

ai::Code TrailCopyPath(ai::ArtHandle path, const ai::RealMatrix& m, const TrailPaint& paint,
                       const TrailCopyState& state, TrailCopyMode mode) {
  if (ai::Code code = MoveSegments(path, m)) return code;
  if (mode == TrailCopyMode::kGeometryOnly) return ai::kNoError;
  if (paint.endOpacity < 1) {
    double opacity = 1;
    if (ai::Code code = suites::BlendStyle().getOpacity(path, &opacity)) return code;
    const double factor = TrailOpacityFactor(paint.beginning, paint.endOpacity, state.tint);
    if (ai::Code code = suites::BlendStyle().setOpacity(path, opacity * factor)) return code;
  }
  if (ai::Code code = CarryPaints(path, m, state)) return code;
  if (state.tint == 0 && paint.beginning == 1) return ai::kNoError;

  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(path, &style)) return code;
  const ai::PathStyle before = style;
  const bool keepFill = paint.endFillKind == trail_end::kOwnFill && paint.beginning == 1;
  if (!keepFill && style.fillPaint != 0) {
    if (ai::Code code = MixFill(style, paint, state.tint)) return code;
  }
  const bool keepStroke = paint.endStrokeKind == trail_end::kOwnStroke && paint.beginning == 1;
  ai::Code code = ai::kNoError;
  if (!keepStroke && style.strokePaint != 0) code = MixStroke(style, before, paint, state.tint);
  if (code == ai::kNoError) code = suites::PathStyle().setPathStyle(path, &style);
  // A gradient made for the fill that the path never came to refer to goes again.
  const ai::GradientHandle made = style.fillColor.c.gradient.gradient;
  if (code != ai::kNoError && style.fillColor.kind == kGradient && made != before.fillColor.c.gradient.gradient)
    suites::Gradient().disposeGradient(made);
  return code;
}

ai::Code TrailTable::Build(const TrailSeriesShape& shape, const char* name) {
  count_ = 0;
  if (ai::Code code = block_.Allocate(sizeof(TrailDelta) * (static_cast<size_t>(shape.steps) + 1), name)) return code;
  count_ = static_cast<size_t>(shape.steps) + 1;
  FillTrailDeltas(shape, entries());
  return ai::kNoError;
}

ai::Code LayTrailCopies(ai::ArtHandle source, ai::ArtHandle into, Stacking stacking, const TrailTable& table,
                        ai::RealPoint origin, const TrailPaint& paint,
                        const std::function<ai::Code()>& eachCopy) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(source, &kind)) return code;
  if (kind != ai::art_kind::kPath && kind != ai::art_kind::kGroup && kind != ai::art_kind::kCompoundPath)
    return ai::kNoError;
  const std::span<const TrailDelta> entries = table.entries();
  for (int32_t i = 0; i < table.steps(); ++i) {
    const TrailDelta& entry = entries[i + 1];
    const ai::RealMatrix m = TrailCopyMatrix(origin, entry);
    const TrailCopyState state{TrailCopyTint(entries, i), entry.sx, entry.sy};
    ai::ArtHandle copy = nullptr;
    if (ai::Code code = DuplicateInto(source, into, stacking, &copy)) return code;
    if (ai::Code code =
            ForEachPath(copy, [&](ai::ArtHandle path) { return TrailCopyPath(path, m, paint, state); }))
      return code;
    if (eachCopy)
      if (ai::Code code = eachCopy()) return code;
  }
  return ai::kNoError;
}

}  // namespace vx
