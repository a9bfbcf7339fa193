#include "effects/border/border_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD BorderPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/border/border_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kBorderPGParamsSpec{"BorderPGParams", "VELLUMiX4_PST_Border.txt", sizeof(BorderPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
