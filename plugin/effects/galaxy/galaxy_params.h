// Live Galaxy's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct GalaxyPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/galaxy/galaxy_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kGalaxyPGParamsSpec;

}  // namespace vx
