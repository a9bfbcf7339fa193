// Live Reflections' parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct ReflectionsPGParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "effects/reflections/reflections_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kReflectionsPGParamsSpec;

}  // namespace vx
