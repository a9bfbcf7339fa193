// The Wave tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct WaveToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/wave/wave_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kWaveToolParamsSpec;

}  // namespace vx
