#include "effects/shadow/shadow_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD ShadowPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/shadow/shadow_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kShadowPGParamsSpec{"ShadowPGParams", "VELLUMiX4_PST_Shadow.txt", sizeof(ShadowPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
