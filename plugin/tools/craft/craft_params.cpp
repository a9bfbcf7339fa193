#include "tools/craft/craft_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD CraftToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/craft/craft_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

// Dynamic distortion records no trace along the drag: its trace mode is 0.
void AfterRead(const RecordSpec&, void* record, const char*) {
  auto* params = static_cast<CraftToolParams*>(record);
  if (params->mode == 1) params->traceMode = 0;
}
}  // namespace

constexpr RecordSpec kCraftToolParamsSpec{"CraftToolParams", "VELLUMiX4_PST_CraftTool.txt", sizeof(CraftToolParams), kFields, std::size(kFields),
    {nullptr, AfterRead}};

}  // namespace vx
