#include "effects/framework/live_objects.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "effects/framework/parameter_block.h"
#include "effects/framework/selected_art.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/suite_set.h"

namespace vx {
namespace {

// The user attribute whose toggle tells the host the art was touched.
constexpr int32_t kTouchAttribute = ai::art_attr::kLocked;

bool IsInside(ai::ArtHandle art, ai::ArtHandle ancestor) {
  ai::ArtHandle parent = nullptr;
  while (suites::Art().getParent(art, &parent) == ai::kNoError && parent != nullptr) {
    if (parent == ancestor) return true;
    art = parent;
  }
  return false;
}

enum class GroupVerdict { kTarget, kSkip, kOtherLiveObject };

// A group or compound path is a target unless something inside forbids it: a
// live object of another effect refuses the whole apply; text-like art skips it
// when the effect's walk says so.
ai::Code JudgeSubtree(ai::ArtHandle art, int16_t effectIndex, const ApplyWalk& walk, GroupVerdict* verdict) {
  ai::ArtHandle child = nullptr;
  if (ai::Code code = suites::Art().getFirstChild(art, &child)) return code;
  for (; child != nullptr;) {
    int16_t kind = 0;
    if (ai::Code code = ArtKind(child, &kind)) return code;
    if (kind == ai::art_kind::kPluginGroup && EffectOfLiveObject(child) != effectIndex) {
      *verdict = GroupVerdict::kOtherLiveObject;
      return ai::kNoError;
    }
    if (kind == ai::art_kind::kText && walk.textInside == ApplyWalk::TextInside::kSkipsContainer)
      *verdict = GroupVerdict::kSkip;
    if (kind == ai::art_kind::kGroup || kind == ai::art_kind::kCompoundPath) {
      if (ai::Code code = JudgeSubtree(child, effectIndex, walk, verdict)) return code;
      if (*verdict == GroupVerdict::kOtherLiveObject) return ai::kNoError;
    }
    if (ai::Code code = suites::Art().getNextSibling(child, &child)) return code;
  }
  return ai::kNoError;
}

// Whether a group (or a compound path) passes the host's two group tests: art
// that clips is left alone (a clipping group; for a compound path, one that is a
// clipping path, tested only where the effect's walk says so), as is art the
// host no longer holds.
ai::Code PassesGroupTests(ai::ArtHandle art, int16_t kind, bool clipTest, bool* passes) {
  *passes = false;
  if (clipTest) {
    int32_t clipped = 0;
    if (kind == ai::art_kind::kGroup) {
      if (ai::Code code = suites::Group().getClipped(art, &clipped)) return code;
    } else {
      // A compound path without paths has no style, and clips nothing.
      ai::PathStyle style{};
      const ai::Code code = suites::PathStyle().getPathStyle(art, &style);
      if (code != ai::kNoError && code != ai::kWrongArtKind) return code;
      clipped = code == ai::kNoError ? style.clip : 0;
    }
    if (clipped != 0) return ai::kNoError;
  }
  int32_t valid = 0;
  if (ai::Code code = suites::Art().isValid(art, &valid)) return code;
  *passes = valid != 0;
  return ai::kNoError;
}

// True when an entry of the selection after the first is text-like art.
ai::Code HoldsSelectedText(const SelectedArt& selection, bool* holds) {
  *holds = false;
  for (int32_t i = 1; i < selection.count() && !*holds; ++i) {
    int16_t kind = 0;
    if (ai::Code code = ArtKind(selection[i], &kind)) return code;
    *holds = kind == ai::art_kind::kText;
  }
  return ai::kNoError;
}

// The targets of the selection for the effect, chosen by its walk; `refused`
// is set when another effect's live object is in the way.
ai::Code CollectTargets(int16_t effectIndex, const ApplyWalk& walk, std::vector<ai::ArtHandle>& targets,
                        bool* refused) {
  *refused = false;
  SelectedArt selection;
  if (ai::Code code = selection.Read()) return code;
  if (walk.selectedTextRefusesAll) {
    bool holdsText = false;
    if (ai::Code code = HoldsSelectedText(selection, &holdsText)) return code;
    if (holdsText) return ai::kNoError;
  }
  ai::ArtHandle lastGroup = nullptr;
  bool groupSkippedForText = false;
  for (int32_t i = 1; i < selection.count(); ++i) {
    const ai::ArtHandle art = selection[i];
    ai::ArtHandle parent = nullptr;
    if (ai::Code code = suites::Art().getParent(art, &parent)) return code;
    if (parent == nullptr) continue;
    // The selected art inside a group that became a target goes with it.
    if (lastGroup != nullptr && IsInside(art, lastGroup)) continue;
    int16_t kind = 0;
    if (ai::Code code = ArtKind(art, &kind)) return code;
    switch (kind) {
      case ai::art_kind::kGroup:
      case ai::art_kind::kCompoundPath: {
        const bool group = kind == ai::art_kind::kGroup;
        bool passes = false;
        if (ai::Code code = PassesGroupTests(art, kind, group || walk.compoundTakesGroupTests, &passes)) return code;
        if (!passes) continue;
        GroupVerdict verdict = GroupVerdict::kTarget;
        if (ai::Code code = JudgeSubtree(art, effectIndex, walk, &verdict)) return code;
        if (verdict == GroupVerdict::kOtherLiveObject) {
          *refused = true;
          return ai::kNoError;
        }
        if (verdict == GroupVerdict::kSkip) {
          if (!group && walk.textInCompoundEndsWalk) return ai::kNoError;
          if (group) groupSkippedForText = true;
          continue;
        }
        if (group && groupSkippedForText && walk.skippedGroupEndsGroups) continue;
        targets.push_back(art);
        lastGroup = art;
        break;
      }
      case ai::art_kind::kPath: {
        ai::PathStyle style{};
        if (ai::Code code = suites::PathStyle().getPathStyle(art, &style)) return code;
        if (style.clip == 0) targets.push_back(art);
        break;
      }
      case ai::art_kind::kPluginGroup:
        if (EffectOfLiveObject(art) != effectIndex) {
          *refused = true;
          return ai::kNoError;
        }
        break;
      default:
        break;
    }
  }
  return ai::kNoError;
}

// The selected live objects of the effect, in selection order.
ai::Code SelectedObjects(int16_t effectIndex, std::vector<ai::ArtHandle>& objects) {
  SelectedArt selection;
  if (ai::Code code = selection.Read()) return code;
  for (int32_t i = 1; i < selection.count(); ++i) {
    int16_t kind = 0;
    if (ai::Code code = ArtKind(selection[i], &kind)) return code;
    if (kind == ai::art_kind::kPluginGroup && EffectOfLiveObject(selection[i]) == effectIndex)
      objects.push_back(selection[i]);
  }
  return ai::kNoError;
}

}  // namespace

bool IsWrapperGroup(ai::ArtHandle art) {
  if (art == nullptr) return false;
  char value[sizeof kWrapperTagValue + 1] = {};
  size_t length = 0;
  if (suites::Tag().getTag(art, kWrapperTagName, kWrapperTagType, value, sizeof value, &length) != ai::kNoError)
    return false;
  return std::string_view(value, std::min(length, sizeof value - 1)) == kWrapperTagValue;
}

ai::Code TouchArt(ai::ArtHandle art) {
  if (ai::Code code = suites::Art().setUserAttributes(art, kTouchAttribute, kTouchAttribute)) return code;
  return suites::Art().setUserAttributes(art, kTouchAttribute, 0);
}

ai::Code CollectApplyTargets(int16_t effectIndex, const ApplyWalk& walk, std::vector<ai::ArtHandle>& targets,
                             bool* refused) {
  return CollectTargets(effectIndex, walk, targets, refused);
}

ai::Code ApplyEffect(int16_t effectIndex, const void* record, const ApplyWalk& walk) {
  if (ai::Code code = UnwrapSelected(effectIndex, Unwrap::kRelease)) return code;
  std::vector<ai::ArtHandle> targets;
  bool refused = false;
  if (ai::Code code = CollectTargets(effectIndex, walk, targets, &refused)) return code;
  if (refused) {
    ShowMessageAlert(kOtherLiveObjectAlert);
    return ai::kNoError;
  }
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;
  for (ai::ArtHandle target : targets) {
    ai::ArtHandle object = nullptr, edit = nullptr;
    if (ai::Code code = suites::Art().newArt(ai::art_kind::kPluginGroup, ai::placement::kAbove, target, &object))
      return code;
    if (ai::Code code = suites::PluginGroup().useArtPluginGroup(object, globals->pluginGroups[effectIndex]))
      return code;
    if (ai::Code code = WriteParameterBlock(object, effectIndex, record)) return code;
    if (ai::Code code = TouchArt(target)) return code;
    if (ai::Code code = suites::PluginGroup().getEditArt(object, &edit)) return code;
    if (ai::Code code = suites::Art().moveArt(target, ai::placement::kInsideAtBottom, edit)) return code;
  }
  return ai::kNoError;
}

ai::Code UnwrapSelected(int16_t effectIndex, Unwrap mode) {
  std::vector<ai::ArtHandle> objects;
  if (ai::Code code = SelectedObjects(effectIndex, objects)) return code;
  for (ai::ArtHandle object : objects) {
    if (ai::Code code = TouchArt(object)) return code;
    ai::ArtHandle holder = nullptr;
    ai::Code code = mode == Unwrap::kExpand ? suites::PluginGroup().getResultArt(object, &holder)
                                            : suites::PluginGroup().getEditArt(object, &holder);
    if (code) return code;
    if (mode == Unwrap::kRelease) {
      ai::ArtHandle first = nullptr;
      if (ai::Code c = suites::Art().getFirstChild(holder, &first)) return c;
      if (IsWrapperGroup(first)) holder = first;
    }
    std::vector<ai::ArtHandle> children;
    ai::ArtHandle child = nullptr;
    if (ai::Code c = suites::Art().getFirstChild(holder, &child)) return c;
    for (; child != nullptr;) {
      children.push_back(child);
      if (ai::Code c = suites::Art().getNextSibling(child, &child)) return c;
    }
    // Copies in order, each just above the object, keep the source's stacking;
    // they stay selected, as the art was before.
    for (ai::ArtHandle source : children) {
      ai::ArtHandle copy = nullptr;
      if (ai::Code c = suites::Art().duplicateArt(source, ai::placement::kAbove, object, &copy)) return c;
      if (ai::Code c = suites::Art().setUserAttributes(copy, ai::art_attr::kSelected, ai::art_attr::kSelected))
        return c;
    }
    if (ai::Code c = suites::Art().disposeArt(object)) return c;
  }
  return ai::kNoError;
}

ai::Code UpdateSelected(int16_t effectIndex, const void* record) {
  std::vector<ai::ArtHandle> objects;
  if (ai::Code code = SelectedObjects(effectIndex, objects)) return code;
  for (ai::ArtHandle object : objects)
    if (ai::Code code = WriteParameterBlock(object, effectIndex, record)) return code;
  return ai::kNoError;
}

}  // namespace vx
