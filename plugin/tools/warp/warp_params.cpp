#include "tools/warp/warp_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD WarpToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/warp/warp_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kWarpToolParamsSpec{"WarpToolParams", "VELLUMiX4_PST_WarpTool.txt", sizeof(WarpToolParams), kFields, std::size(kFields), {}};

}  // namespace vx
