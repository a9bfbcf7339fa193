// The MetaBrush tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct MetaBrushToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/metabrush/metabrush_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kMetaBrushToolParamsSpec;

}  // namespace vx
