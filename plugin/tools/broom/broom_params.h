// The Broom tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct BroomToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/broom/broom_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kBroomToolParamsSpec;

}  // namespace vx
