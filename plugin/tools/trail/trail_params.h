// The Trail tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct TrailToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/trail/trail_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kTrailToolParamsSpec;

}  // namespace vx
