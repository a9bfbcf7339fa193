#include "effects/neon/neon_pg_ctrlr.h"

#include "effects/neon/neon_generator.h"
#include "effects/neon/neon_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/neon_palette.h"

namespace vx {

NeonPGCtrlr::NeonPGCtrlr(void* record) : PGCtrlr(kNeonEffect, kNeonPGParamsSpec, kNeonPalette, record) {}

const LiveEffect kNeonLiveEffect{
    .index = kNeonEffect,
    .generate = GenerateNeon,
    .openPalette = &OpenPalette<NeonPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kIgnored, .compoundTakesGroupTests = true},
};

}  // namespace vx
