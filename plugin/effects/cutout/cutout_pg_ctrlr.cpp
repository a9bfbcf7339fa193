#include "effects/cutout/cutout_pg_ctrlr.h"

#include "effects/cutout/cutout_generator.h"
#include "effects/cutout/cutout_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/cutout_palette.h"

namespace vx {

CutoutPGCtrlr::CutoutPGCtrlr(void* record) : PGCtrlr(kCutoutEffect, kCutoutPGParamsSpec, kCutoutPalette, record) {}

const LiveEffect kCutoutLiveEffect{
    .index = kCutoutEffect,
    .generate = GenerateCutout,
    .openPalette = &OpenPalette<CutoutPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kIgnored},
};

}  // namespace vx
