#include "effects/framework/clip_copy.h"

#include "effects/framework/art_children.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

constexpr ClipCopyRules kShadowRules{ai::placement::kInsideOnTop, true, false};
constexpr ClipCopyRules kBorderRules{ai::placement::kInsideAtBottom, false, true};
constexpr ClipCopyRules kCutoutRules{ai::placement::kInsideAtBottom, false, true};

bool CarriesPathStyle(int16_t kind) {
  return kind == ai::art_kind::kPath || kind == ai::art_kind::kStyledRef || kind == ai::art_kind::kStyledOther;
}

ai::Code HoldsText(ai::ArtHandle art, bool& holds) {
  holds = false;
  return ForEachChild(art, [&](ai::ArtHandle child) {
    int16_t kind = 0;
    if (ai::Code code = suites::Art().getKind(child, &kind)) return code;
    holds = holds || kind == ai::art_kind::kText;
    return ai::kNoError;
  });
}

ai::Code Duplicate(ai::ArtHandle source, ai::ArtHandle target, int16_t placement, bool strokeOff) {
  ai::ArtHandle copy = nullptr;
  if (ai::Code code = suites::Art().duplicateArt(source, placement, target, &copy)) return code;
  return RestyleForClipping(copy, strokeOff);
}

ai::Code MakeClipping(ai::ArtHandle group, ai::ArtHandle source, const ClipCopyRules& rules) {
  if (ai::Code code = AddClipCopy(group, source, rules)) return code;
  return suites::Group().setClipped(group, 1);
}

}  // namespace

ai::Code RestyleForClipping(ai::ArtHandle art, bool strokeOff) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(art, &kind)) return code;
  if (IsShadingContainer(kind))
    return ForEachChild(art, [&](ai::ArtHandle child) { return RestyleForClipping(child, strokeOff); });
  if (!CarriesPathStyle(kind)) return ai::kNoError;
  ai::PathStyle style{};
  if (ai::Code code = suites::PathStyle().getPathStyle(art, &style)) return code;
  style.fillPaint = 0;
  style.clip = 1;
  if (strokeOff) style.strokePaint = 0;
  return suites::PathStyle().setPathStyle(art, &style);
}

ai::Code AddClipCopy(ai::ArtHandle target, ai::ArtHandle source, const ClipCopyRules& rules) {
  int16_t kind = 0;
  if (ai::Code code = suites::Art().getKind(source, &kind)) return code;
  switch (kind) {
    case ai::art_kind::kGroup: {
      ai::ArtHandle compound = nullptr;
      if (ai::Code code = suites::Art().newArt(ai::art_kind::kCompoundPath, ai::placement::kInsideOnTop, target,
                                                &compound))
        return code;
      return Duplicate(source, compound, rules.placement, rules.strokeOff);
    }
    case ai::art_kind::kPath:
    case ai::art_kind::kCompoundPath:
    case ai::art_kind::kText:
      return Duplicate(source, target, rules.placement, rules.strokeOff);
    case ai::art_kind::kContainer: {
      bool text = false;
      if (rules.textContainerUsesGroup) {
        if (ai::Code code = HoldsText(source, text)) return code;
      }
      ai::ArtHandle into = target;
      if (!text) {
        if (ai::Code code = suites::Art().newArt(ai::art_kind::kCompoundPath, ai::placement::kInsideOnTop, target,
                                                  &into))
          return code;
      }
      return ForEachChild(source, [&](ai::ArtHandle child) { return AddClipCopy(into, child, rules); });
    }
    default:
      return ai::kNoError;
  }
}

ai::Code MakeClipCopy(ai::ArtHandle group, ai::ArtHandle source) { return MakeClipping(group, source, kShadowRules); }

ai::Code BorderClipCopy(ai::ArtHandle group, ai::ArtHandle source) { return MakeClipping(group, source, kBorderRules); }

ai::Code CutoutClipCopy(ai::ArtHandle group, ai::ArtHandle source) { return MakeClipping(group, source, kCutoutRules); }

}  // namespace vx
