// Live Neon's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct NeonPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/neon/neon_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kNeonPGParamsSpec;

}  // namespace vx
