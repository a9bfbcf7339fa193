#include "tools/lens/lens_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD LensToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/lens/lens_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kLensToolParamsSpec{"LensToolParams", "VELLUMiX4_PST_LensTool.txt", sizeof(LensToolParams), kFields, std::size(kFields), {}};

}  // namespace vx
