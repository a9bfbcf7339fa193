#include "effects/trail/trail_pg_ctrlr.h"

#include <cstring>

#include "effects/trail/trail_generator.h"
#include "effects/trail/trail_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/trail_palette.h"

namespace vx {

void TrailPGViewController::FieldChanged(const FieldSpec& field) {
  for (const char* name : {"originAngle", "originDistance", "dragAngle", "dragLength"})
    if (std::strcmp(field.name, name) == 0 && binder() != nullptr)
      UpdateTrailOffsets(*static_cast<TrailPGParams*>(binder()->record()));
}

TrailPGCtrlr::TrailPGCtrlr(void* record) : PGCtrlr(kTrailEffect, kTrailPGParamsSpec, kTrailPalette, record) {}

const LiveEffect kTrailLiveEffect{
    .index = kTrailEffect,
    .generate = GenerateTrail,
    .openPalette = &OpenPalette<TrailPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kIgnored,
             .compoundTakesGroupTests = true,
             .selectedTextRefusesAll = true},
};

}  // namespace vx
