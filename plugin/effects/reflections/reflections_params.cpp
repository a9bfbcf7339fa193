#include "effects/reflections/reflections_params.h"

#include <iterator>

#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD ReflectionsPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/reflections/reflections_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kReflectionsPGParamsSpec{"ReflectionsPGParams", "VELLUMiX4_PST_Reflections.txt", sizeof(ReflectionsPGParams), kFields, std::size(kFields), {}};

}  // namespace vx
