#include "tools/trail/trail_params.h"

#include <iterator>

#include "presets/record_hooks.h"
#include "resources/control_ids.h"

namespace vx {
namespace {
using namespace fielddef;
#define VX_RECORD TrailToolParams
constexpr FieldSpec kFields[] = {
#include "presets/record_fields_begin_table.h"
#include "tools/trail/trail_params.def"
#include "presets/record_fields_end.h"
};
#undef VX_RECORD

void SetDefaults(const RecordSpec&, void* record) {
  auto* params = static_cast<TrailToolParams*>(record);
  // White in the document's colour model; four-colour white when there is no model to read.
  int16_t model = -1;
  ReadDocumentColorModel(model);
  params->endFillColor = params->endStrokeColor = WhiteColorIn(model);
}

// Texts written before the stroke colour ("H") or the end opacity ("L") existed.
void AfterRead(const RecordSpec&, void* record, const char* text) {
  auto* params = static_cast<TrailToolParams*>(record);
  int16_t model;
  if (!RecordTextHasKey(text, "H") && ReadDocumentColorModel(model)) {
    params->endFillColor = params->endStrokeColor = WhiteColorIn(model);
  }
  if (!RecordTextHasKey(text, "L")) params->endOpacity = 1.0;
}
}  // namespace

constexpr RecordSpec kTrailToolParamsSpec{"TrailToolParams", "VELLUMiX4_PST_TrailTool.txt", sizeof(TrailToolParams), kFields, std::size(kFields),
    {SetDefaults, AfterRead}};

}  // namespace vx
