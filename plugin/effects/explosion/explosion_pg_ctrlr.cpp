#include "effects/explosion/explosion_pg_ctrlr.h"

#include "effects/explosion/explosion_generator.h"
#include "effects/explosion/explosion_params.h"
#include "frame/effect_table.h"
#include "presets/record_hooks.h"
#include "ui/palettes/explosion_palette.h"

namespace vx {

ExplosionPGCtrlr::ExplosionPGCtrlr(void* record)
    : PGCtrlr(kExplosionEffect, kExplosionPGParamsSpec, kExplosionPalette, record) {}

void RenewExplosionSeed(void* record) {
  auto* params = static_cast<ExplosionPGParams*>(record);
  if (params->reproduceRandom == 0) params->randomSeed = TickCountSeed();
}

const LiveEffect kExplosionLiveEffect{
    .index = kExplosionEffect,
    .generate = GenerateExplosion,
    .openPalette = &OpenPalette<ExplosionPGCtrlr>,
    .beforeWrite = RenewExplosionSeed,
};

}  // namespace vx
