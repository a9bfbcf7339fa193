// How an effect's Apply picks its targets among the selected art. Every effect
// walks the selection the same way; they differ in how text-like art inside a
// group or compound path counts and in a few stop rules, so each effect names
// its own rules and the one walk follows them.
#pragma once

#include <cstdint>

namespace vx {

struct ApplyWalk {
  enum class TextInside : uint8_t {
    kSkipsContainer,  // a group or compound path holding text-like art is not a target
    kIgnored,         // text-like art inside does not matter
  };
  TextInside textInside = TextInside::kSkipsContainer;
  // A compound path also takes the group test that skips clipping groups (by
  // default a compound path takes only the validity test).
  bool compoundTakesGroupTests = false;
  // A compound path holding text-like art ends the walk at once, silently; the
  // targets found before it are still wrapped.
  bool textInCompoundEndsWalk = false;
  // Once a group was skipped for holding text-like art, no later group is
  // wrapped in the same walk (paths and compound paths still are).
  bool skippedGroupEndsGroups = false;
  // Text-like art selected at the top of the selection means nothing is wrapped.
  bool selectedTextRefusesAll = false;
};

// The walk most effects use.
inline constexpr ApplyWalk kDefaultApplyWalk{};

}  // namespace vx
