#include "tools/wave/wave_params.h"

#include <iterator>

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD WaveToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/wave/wave_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD
}  // namespace

constexpr RecordSpec kWaveToolParamsSpec{"WaveToolParams", "VELLUMiX4_PST_WaveTool.txt", sizeof(WaveToolParams), kFields, std::size(kFields), {}};

}  // namespace vx
