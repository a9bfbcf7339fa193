#include "effects/circle/circle_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD CirclePGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/circle/circle_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kCirclePGParamsSpec{"CirclePGParams", "VELLUMiX4_PST_Circle.txt", sizeof(CirclePGParams), kFields, std::size(kFields), {}};

}  // namespace vx
