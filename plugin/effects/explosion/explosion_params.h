// Live Explosion's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct ExplosionPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/explosion/explosion_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kExplosionPGParamsSpec;

}  // namespace vx
