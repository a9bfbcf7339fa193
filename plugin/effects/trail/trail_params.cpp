#include "effects/trail/trail_params.h"

#include <iterator>

#include "presets/record_hooks.h"
#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD TrailPGParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "effects/trail/trail_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

void SetDefaults(const RecordSpec&, void* record) {
  auto* params = static_cast<TrailPGParams*>(record);
  // White in the document's colour model; four-colour white when there is no model to read.
  int16_t model = -1;
  ReadDocumentColorModel(model);
  params->endFillColor = params->endStrokeColor = WhiteColorIn(model);
  vx::UpdateTrailOffsets(*params);
}

// Texts written before the stroke colour ("H") or the end opacity ("R") existed.
void AfterRead(const RecordSpec&, void* record, const char* text) {
  auto* params = static_cast<TrailPGParams*>(record);
  int16_t model;
  if (!RecordTextHasKey(text, "H") && ReadDocumentColorModel(model)) {
    params->endFillColor = params->endStrokeColor = WhiteColorIn(model);
  }
  if (!RecordTextHasKey(text, "R")) params->endOpacity = 1.0;
}
}  // namespace

void UpdateTrailOffsets(TrailPGParams& params) {
  params.originOffset = PolarPoint(params.originDistance, params.originAngle);
  params.dragOffset = PolarPoint(params.dragLength, params.dragAngle);
}

constexpr RecordSpec kTrailPGParamsSpec{"TrailPGParams", "VELLUMiX4_PST_Trail.txt", sizeof(TrailPGParams), kFields, std::size(kFields),
    {SetDefaults, AfterRead}};

}  // namespace vx
