// The live effects that exist, each by the row its own folder defines.
#include "effects/effect_controllers.h"

#include "effects/border/border_pg_ctrlr.h"
#include "effects/circle/circle_pg_ctrlr.h"
#include "effects/cutout/cutout_pg_ctrlr.h"
#include "effects/emboss/emboss_pg_ctrlr.h"
#include "effects/explosion/explosion_pg_ctrlr.h"
#include "effects/frame/frame_pg_ctrlr.h"
#include "effects/generation/generation_pg_ctrlr.h"
#include "effects/framework/live_effect.h"
#include "effects/galaxy/galaxy_pg_ctrlr.h"
#include "effects/neon/neon_pg_ctrlr.h"
#include "effects/reflections/reflections_pg_ctrlr.h"
#include "effects/shadow/shadow_pg_ctrlr.h"
#include "effects/trail/trail_pg_ctrlr.h"
#include "effects/tiling/tiling_pg_ctrlr.h"
#include "threed/threed_effect.h"

namespace vx {

// Rows installed already (a test's own generator or factory) are kept.
void InstallEffectControllers() {
  for (const LiveEffect* effect : {&kNeonLiveEffect, &kShadowLiveEffect, &kBorderLiveEffect, &kEmbossLiveEffect,
                                     &kCutoutLiveEffect, &kCircleLiveEffect, &kReflectionsLiveEffect,
                                     &kTrailLiveEffect, &kFrameLiveEffect, &kTilingLiveEffect,
                                     &kGenerationLiveEffect, &kGalaxyLiveEffect, &kExplosionLiveEffect})
    InstallLiveEffect(*effect);
  for (const LiveEffect& shape : k3DLiveEffects) InstallLiveEffect(shape);
}

}  // namespace vx
