// Live Generation's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct GenerationPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/generation/generation_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kGenerationPGParamsSpec;

}  // namespace vx
