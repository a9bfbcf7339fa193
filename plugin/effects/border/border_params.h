// Live Border's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct BorderPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/border/border_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kBorderPGParamsSpec;

}  // namespace vx
