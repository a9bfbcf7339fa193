#include "effects/frame/frame_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD FramePGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/frame/frame_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kFramePGParamsSpec{"FramePGParams", "VELLUMiX4_PST_Frame.txt", sizeof(FramePGParams), kFields, std::size(kFields), {}};

}  // namespace vx
