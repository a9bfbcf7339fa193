// The Craft tool's parameter record.
#pragma once

#include "presets/record_table.h"

namespace vx {

struct CraftToolParams {
  RecordHead head;
#include "presets/record_fields_begin_struct.h"
#include "tools/craft/craft_params.def"
#include "presets/record_fields_end.h"
};

extern const RecordSpec kCraftToolParamsSpec;

}  // namespace vx
