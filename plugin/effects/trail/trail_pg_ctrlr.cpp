#include "effects/trail/trail_pg_ctrlr.h"

#include "effects/trail/trail_generator.h"
#include "effects/trail/trail_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/trail_palette.h"

namespace vx {

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
