// Fractalize's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct FractalizeParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "fractalize/fractalize_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kFractalizeParamsSpec;

}  // namespace vx
