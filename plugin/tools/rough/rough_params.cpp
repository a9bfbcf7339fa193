#include "tools/rough/rough_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD RoughToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/rough/rough_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kRoughToolParamsSpec{"RoughToolParams", "VELLUMiX4_PST_RoughTool.txt", sizeof(RoughToolParams), kFields, std::size(kFields), {}};

}  // namespace vx
