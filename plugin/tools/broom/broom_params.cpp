#include "tools/broom/broom_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD BroomToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/broom/broom_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

// Dynamic mode records no trace along the drag: its trace mode is 0.
void AfterRead(const RecordSpec&, void* record, const char*) {
  auto* params = static_cast<BroomToolParams*>(record);
  if (params->mode == 1) params->traceMode = 0;
}
}  // namespace

constexpr RecordSpec kBroomToolParamsSpec{"BroomToolParams", "VELLUMiX4_PST_BroomTool.txt", sizeof(BroomToolParams), kFields, std::size(kFields),
    {nullptr, AfterRead}};

}  // namespace vx
