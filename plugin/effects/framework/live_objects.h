// What the effect palettes do to the selection: wrap its art into new live
// objects of an effect, give the art of selected live objects back (release) or
// keep only what they show (expand), and rewrite their parameters.
#pragma once

#include <cstdint>

#include "effects/framework/apply_walk.h"
#include "frame/host/codes.h"

namespace vx {

// The alert shown when the selection holds another effect's live object.
inline constexpr char kOtherLiveObjectAlert[] =
    "現在の選択またはそのグループから他のライブ・オブジェクトを除いてください。";

// Releases the selected live objects of the effect, then wraps every target of
// the selection, chosen by `walk`, into a new live object carrying `record`. A
// selection with a live object of another effect is refused with the alert (and
// result 0).
ai::Code ApplyEffect(int16_t effectIndex, const void* record, const ApplyWalk& walk);

enum class Unwrap { kRelease, kExpand };
// Replaces each selected live object of the effect by copies of its source art
// (release) or of its result art (expand); the copies stay selected.
ai::Code UnwrapSelected(int16_t effectIndex, Unwrap mode);

// Writes `record` as the parameters of each selected live object of the effect.
ai::Code UpdateSelected(int16_t effectIndex, const void* record);

}  // namespace vx
