// Live Shadow's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct ShadowPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/shadow/shadow_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kShadowPGParamsSpec;

}  // namespace vx
