#include "effects/shadow/shadow_pg_ctrlr.h"

#include "effects/shadow/shadow_generator.h"
#include "effects/shadow/shadow_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/shadow_palette.h"

namespace vx {

ShadowPGCtrlr::ShadowPGCtrlr(void* record) : PGCtrlr(kShadowEffect, kShadowPGParamsSpec, kShadowPalette, record) {}

const LiveEffect kShadowLiveEffect{
    .index = kShadowEffect,
    .generate = GenerateShadow,
    .openPalette = &OpenPalette<ShadowPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kSkipsContainer,
             .textInCompoundEndsWalk = true,
             .skippedGroupEndsGroups = true},
};

}  // namespace vx
