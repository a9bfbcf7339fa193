// Live Trail's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct TrailPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/trail/trail_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kTrailPGParamsSpec;

// Recomputes originOffset from originAngle and originDistance, and dragOffset
// from dragAngle and dragLength; call it whenever one of those four changes.
void UpdateTrailOffsets(TrailPGParams& params);

}  // namespace vx
