#include "effects/tiling/tiling_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD TilingPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/tiling/tiling_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kTilingPGParamsSpec{"TilingPGParams", "VELLUMiX4_PST_Tiling.txt", sizeof(TilingPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
