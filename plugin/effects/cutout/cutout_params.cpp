#include "effects/cutout/cutout_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD CutoutPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/cutout/cutout_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kCutoutPGParamsSpec{"CutoutPGParams", "VELLUMiX4_PST_Cutout.txt", sizeof(CutoutPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
