// Live Cutout's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct CutoutPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/cutout/cutout_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kCutoutPGParamsSpec;

}  // namespace vx
