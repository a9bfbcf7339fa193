// Live Trail's controller; its palette's own behaviour is in its hooks
// (trail_end_buttons.cpp), shared with the Trail tool's palette.
#pragma once

#include "effects/framework/live_effect.h"
#include "effects/framework/pg_ctrlr.h"

namespace vx {

class TrailPGCtrlr : public PGCtrlr {
 public:
  explicit TrailPGCtrlr(void* record);
};

// Live Trail's row: a compound path is examined like a group, text-like art
// inside a group or compound path does not matter, but selected text-like art
// at the top of the selection means nothing is wrapped.
extern const LiveEffect kTrailLiveEffect;

}  // namespace vx
