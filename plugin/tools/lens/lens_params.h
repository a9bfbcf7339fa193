// The Lens tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct LensToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/lens/lens_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kLensToolParamsSpec;

}  // namespace vx
