// What the effect palettes do to the selection: wrap its art into new live
// objects of an effect, give the art of selected live objects back (release) or
// keep only what they show (expand), and rewrite their parameters.
#pragma once

#include <cstdint>
#include <vector>

#include "effects/framework/apply_walk.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The alert shown when the selection holds another effect's live object.
inline constexpr char kOtherLiveObjectAlert[] =
    "現在の選択またはそのグループから他のライブ・オブジェクトを除いてください。";

// Releases the selected live objects of the effect, then wraps every target of
// the selection, chosen by `walk`, into a new live object carrying `record`. A
// selection with a live object of another effect is refused with the alert (and
// result 0).
ai::Code ApplyEffect(int16_t effectIndex, const void* record, const ApplyWalk& walk);

// The art of the selection an Apply of the effect would wrap, chosen by `walk`,
// in selection order; `refused` is set when another effect's live object is in
// the way (and `targets` is then to be ignored).
ai::Code CollectApplyTargets(int16_t effectIndex, const ApplyWalk& walk, std::vector<ai::ArtHandle>& targets,
                             bool* refused);

// Sets the user attribute that tells the host the art was touched, then clears it.
ai::Code TouchArt(ai::ArtHandle art);

// The tag that marks the group a 3D shape's Apply gathers the selection into.
inline constexpr char kWrapperTagName[] = "KwDL_VELLUMiX4_TagName";
inline constexpr char kWrapperTagType[] = "string";
inline constexpr char kWrapperTagValue[] = "KwDL_VELLUMiX4_PG_WGr";
// Whether `art` carries that tag.
bool IsWrapperGroup(ai::ArtHandle art);

enum class Unwrap { kRelease, kExpand };
// Replaces each selected live object of the effect by copies of its source art
// (release) or of its result art (expand); the copies stay selected. A released
// source that is a single wrapper group gives its children instead.
ai::Code UnwrapSelected(int16_t effectIndex, Unwrap mode);

// Writes `record` as the parameters of each selected live object of the effect.
ai::Code UpdateSelected(int16_t effectIndex, const void* record);

}  // namespace vx
