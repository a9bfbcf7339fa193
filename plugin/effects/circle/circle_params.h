// Live Circle's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct CirclePGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/circle/circle_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kCirclePGParamsSpec;

}  // namespace vx
