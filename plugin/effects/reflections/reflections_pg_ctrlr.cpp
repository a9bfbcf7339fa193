#include "effects/reflections/reflections_pg_ctrlr.h"

#include "effects/reflections/reflections_generator.h"
#include "effects/reflections/reflections_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/reflections_palette.h"

namespace vx {

ReflectionsPGCtrlr::ReflectionsPGCtrlr(void* record)
    : PGCtrlr(kReflectionsEffect, kReflectionsPGParamsSpec, kReflectionsPalette, record) {}

const LiveEffect kReflectionsLiveEffect{
    .index = kReflectionsEffect,
    .generate = GenerateReflections,
    .openPalette = &OpenPalette<ReflectionsPGCtrlr>,
};

}  // namespace vx
