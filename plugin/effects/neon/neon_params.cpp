#include "effects/neon/neon_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD NeonPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/neon/neon_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kNeonPGParamsSpec{"NeonPGParams", "VELLUMiX4_PST_Neon.txt", sizeof(NeonPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
