#include "effects/circle/circle_pg_ctrlr.h"

#include "effects/circle/circle_generator.h"
#include "effects/circle/circle_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/circle_palette.h"

namespace vx {

CirclePGCtrlr::CirclePGCtrlr(void* record) : PGCtrlr(kCircleEffect, kCirclePGParamsSpec, kCirclePalette, record) {}

const LiveEffect kCircleLiveEffect{
    .index = kCircleEffect,
    .generate = GenerateCircle,
    .openPalette = &OpenPalette<CirclePGCtrlr>,
};

}  // namespace vx
