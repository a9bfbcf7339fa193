#include "fractalize/fractalize_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD FractalizeParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "fractalize/fractalize_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kFractalizeParamsSpec{"FractalizeParams", "VELLUMiX4_PST_Fractalize.txt", sizeof(FractalizeParams), kFields, std::size(kFields), {}};

}  // namespace vx
