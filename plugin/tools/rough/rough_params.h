// The Roughening tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct RoughToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/rough/rough_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kRoughToolParamsSpec;

}  // namespace vx
