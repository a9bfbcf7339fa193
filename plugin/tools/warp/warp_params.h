// The Warp tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct WarpToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/warp/warp_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kWarpToolParamsSpec;

}  // namespace vx
