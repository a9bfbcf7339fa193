// Live Emboss's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct EmbossPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/emboss/emboss_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kEmbossPGParamsSpec;

}  // namespace vx
