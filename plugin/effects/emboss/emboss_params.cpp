#include "effects/emboss/emboss_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD EmbossPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/emboss/emboss_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kEmbossPGParamsSpec{"EmbossPGParams", "VELLUMiX4_PST_Emboss.txt", sizeof(EmbossPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
