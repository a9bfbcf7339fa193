#include "effects/galaxy/galaxy_params.h"

#include <iterator>

#include "presets/record_hooks.h"
#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD GalaxyPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/galaxy/galaxy_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

// A new arrangement for every record set to its defaults.
void SetSeed(const RecordSpec&, void* record) { static_cast<GalaxyPGParams*>(record)->randomSeed = TickCountSeed(); }
}  // namespace

constexpr RecordSpec kGalaxyPGParamsSpec{"GalaxyPGParams", "VELLUMiX4_PST_Galaxy.txt", sizeof(GalaxyPGParams), kFields, std::size(kFields),
    {SetSeed, nullptr}};

}  // namespace vx
