#include "effects/emboss/emboss_pg_ctrlr.h"

#include "effects/emboss/emboss_generator.h"
#include "effects/emboss/emboss_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/emboss_palette.h"

namespace vx {

EmbossPGCtrlr::EmbossPGCtrlr(void* record) : PGCtrlr(kEmbossEffect, kEmbossPGParamsSpec, kEmbossPalette, record) {}

const LiveEffect kEmbossLiveEffect{
    .index = kEmbossEffect,
    .generate = GenerateEmboss,
    .openPalette = &OpenPalette<EmbossPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kIgnored},
};

}  // namespace vx
