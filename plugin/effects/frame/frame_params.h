// Live Frame's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct FramePGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/frame/frame_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kFramePGParamsSpec;

}  // namespace vx
