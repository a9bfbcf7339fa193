// Live Tiling's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct TilingPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/tiling/tiling_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kTilingPGParamsSpec;

}  // namespace vx
