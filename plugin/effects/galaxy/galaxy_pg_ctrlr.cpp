#include "effects/galaxy/galaxy_pg_ctrlr.h"

#include "effects/galaxy/galaxy_generator.h"
#include "effects/galaxy/galaxy_params.h"
#include "frame/effect_table.h"
#include "presets/record_hooks.h"
#include "ui/palettes/galaxy_palette.h"

namespace vx {

GalaxyPGCtrlr::GalaxyPGCtrlr(void* record) : PGCtrlr(kGalaxyEffect, kGalaxyPGParamsSpec, kGalaxyPalette, record) {}

void NewGalaxySeed(void* record) {
  auto& params = *static_cast<GalaxyPGParams*>(record);
  if (params.reproduceRandom != 0) return;
  params.randomSeed = static_cast<int32_t>(static_cast<uint32_t>(TickCountSeed()) + 1000u);
}

const LiveEffect kGalaxyLiveEffect{
    .index = kGalaxyEffect,
    .generate = GenerateGalaxy,
    .openPalette = &OpenPalette<GalaxyPGCtrlr>,
    .beforeWrite = NewGalaxySeed,
};

}  // namespace vx
