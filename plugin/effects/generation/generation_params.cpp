#include "effects/generation/generation_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD GenerationPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/generation/generation_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kGenerationPGParamsSpec{"GenerationPGParams", "VELLUMiX4_PST_Generation.txt", sizeof(GenerationPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
