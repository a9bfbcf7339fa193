#include "effects/emboss/relief.h"

#include <algorithm>

#include "effects/framework/art_children.h"
#include "effects/framework/color_mix.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

constexpr int32_t kMoveOptions =
    ai::transform_option::kObjects | ai::transform_option::kGradients | ai::transform_option::kPatterns;

bool IsStyledWithoutSegments(int16_t kind) {
  return kind == ai::art_kind::kStyledRef || kind == ai::art_kind::kStyledOther;
}

ai::Code ShiftPaints(ai::PathStyle& style, const ReliefLook& look) {
  if (style.fillPaint != 0) {
    if (ai::Code code = ReliefColor(style.fillColor, look.amount, look.grayAddsAmount)) return code;
    style.fillOverprint = 0;
  }
  if (style.strokePaint != 0) {
    if (ai::Code code = ReliefColor(style.strokeColor, look.amount, look.grayAddsAmount)) return code;
    style.strokeOverprint = 0;
  }
  return ai::kNoError;
}

void SetStroke(ai::PathStyle& style, const ReliefLook& look) {
  if (look.strokeWidth == 0) {
    style.strokePaint = 0;
    return;
  }
  // An unpainted fill has no colour to lend: the stroke then keeps its own
  // colour, and a path with neither paint stays without a stroke.
  if (style.fillPaint == 0 && style.strokePaint == 0) return;
  if (style.fillPaint != 0) style.strokeColor = style.fillColor;
  style.strokePaint = 1;
  style.strokeWidth = look.strokeWidth;
  style.miterLimit = 4;
  style.strokeOverprint = 0;
  style.dash = ai::DashRecord{};
  style.lineCap = 0;
  style.lineJoin = look.lineJoin;
}

}  // namespace

ai::Code ReliefColor(ai::ColorRecord& color, double amount, bool grayAddsAmount) {
  const double x = amount;
  if (color.kind == ai::color_kind::kCustom) {
    if (ai::Code code = ToProcessColor(color)) return code;
  }
  switch (color.kind) {
    case ai::color_kind::kGray:
      color.c.gray.gray = std::clamp((1 + x) * color.c.gray.gray, 0.0, 1.0);
      if (grayAddsAmount) DarkenProcessColor(color, x);
      return ai::kNoError;
    case ai::color_kind::kFour: {
      ai::FourColor& f = color.c.four;
      for (double* v : {&f.cyan, &f.magenta, &f.yellow, &f.black}) *v = std::max(0.0, (1 + x) * *v);
      DarkenProcessColor(color, x);
      return ai::kNoError;
    }
    case ai::color_kind::kThree: {
      ai::ThreeColor& t = color.c.three;
      const double lift = x < 0 ? -x : 0;
      for (double* v : {&t.red, &t.green, &t.blue}) *v = std::clamp((1 - x) * *v + lift, 0.0, 1.0);
      return ai::kNoError;
    }
    default:
      return ai::kNoError;
  }
}

ai::Code ReliefShade(ai::ArtHandle copy, const ReliefLook& look) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(copy, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(copy, [&](ai::ArtHandle child) { return ReliefShade(child, look); });
  if (kind != ai::art_kind::kPath && !IsStyledWithoutSegments(kind)) return ai::kNoError;
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(copy, &style)) return code;
  if (kind == ai::art_kind::kPath) {
    style.clip = 0;
    SetStroke(style, look);
  }
  if (ai::Code code = ShiftPaints(style, look)) return code;
  return suites::PathStyle().setPathStyle(copy, &style);
}

ai::Code ReliefMove(ai::ArtHandle art, ai::RealPoint by) {
  if (by.x == 0 && by.y == 0) return ai::kNoError;
  ai::RealMatrix move{};
  if (ai::Code code = suites::RealMath().setTranslate(&move, by.x, by.y)) return code;
  return TransformLeaves(art, move, kMoveOptions);
}

ai::Code ForEachChildBottomUp(ai::ArtHandle parent, const std::function<ai::Code(ai::ArtHandle)>& visit) {
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(parent, &child)) return code;
  ai::ArtHandle last = nullptr;
  while (child != nullptr) {
    last = child;
    if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
  }
  for (child = last; child != nullptr;) {
    ai::ArtHandle above = nullptr;
    // Taken before the visit: the visit may add siblings around `child`.
    if (ai::Code code = suites::Art().getPriorSibling(child, &above)) return code;
    if (ai::Code code = visit(child)) return code;
    child = above;
  }
  return ai::kNoError;
}

ai::Code ReliefTree(ai::ArtHandle target, ai::ArtHandle source, const ReliefSeries& series) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(source, &kind)) return code;
  switch (kind) {
    case ai::art_kind::kGroup: {
      ai::ArtHandle group = nullptr;
      if (ai::Code code = suites::Art().newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, target, &group))
        return code;
      return ForEachChildBottomUp(source, [&](ai::ArtHandle member) { return ReliefTree(group, member, series); });
    }
    case ai::art_kind::kPath:
    case ai::art_kind::kCompoundPath:
    case ai::art_kind::kText:
      return series(target, source);
    default:
      return ai::kNoError;
  }
}

}  // namespace vx
