#include "presets/record_registry.h"

#include <iterator>

#include "effects/border/border_params.h"
#include "effects/circle/circle_params.h"
#include "effects/cutout/cutout_params.h"
#include "effects/emboss/emboss_params.h"
#include "effects/explosion/explosion_params.h"
#include "effects/frame/frame_params.h"
#include "effects/galaxy/galaxy_params.h"
#include "effects/generation/generation_params.h"
#include "effects/neon/neon_params.h"
#include "effects/reflections/reflections_params.h"
#include "effects/shadow/shadow_params.h"
#include "effects/tiling/tiling_params.h"
#include "effects/trail/trail_params.h"
#include "fractalize/fractalize_params.h"
#include "threed/threed_params.h"
#include "tools/broom/broom_params.h"
#include "tools/craft/craft_params.h"
#include "tools/lens/lens_params.h"
#include "tools/metabrush/metabrush_params.h"
#include "tools/rough/rough_params.h"
#include "tools/trail/trail_params.h"
#include "tools/warp/warp_params.h"
#include "tools/wave/wave_params.h"

namespace vx {
namespace {

// In the order the preset files are seeded. Effect and tool indices are stored
// in documents and files: they never change.
constexpr RecordKind kKinds[] = {
    {"fractalize", &kFractalizeParamsSpec, -1, -1},
    {"warp", &kWarpToolParamsSpec, -1, 0},
    {"wave", &kWaveToolParamsSpec, -1, 2},
    {"lens", &kLensToolParamsSpec, -1, 4},
    {"craft", &kCraftToolParamsSpec, -1, 6},
    {"roughening", &kRoughToolParamsSpec, -1, 7},
    {"broom", &kBroomToolParamsSpec, -1, 8},
    {"metabrush", &kMetaBrushToolParamsSpec, -1, 10},
    {"trail-tool", &kTrailToolParamsSpec, -1, 11},
    {"3d-rotate", &k3DTFilterParamsSpecs[0], 0, -1},
    {"3d-twist", &k3DTFilterParamsSpecs[1], 1, -1},
    {"3d-arc", &k3DTFilterParamsSpecs[2], 2, -1},
    {"3d-screw", &k3DTFilterParamsSpecs[3], 3, -1},
    {"3d-twirl", &k3DTFilterParamsSpecs[4], 4, -1},
    {"3d-wave-hv", &k3DTFilterParamsSpecs[5], 5, -1},
    {"3d-wave-z", &k3DTFilterParamsSpecs[6], 6, -1},
    {"3d-wave-r", &k3DTFilterParamsSpecs[7], 7, -1},
    {"3d-sphere", &k3DTFilterParamsSpecs[8], 8, -1},
    {"3d-torus", &k3DTFilterParamsSpecs[9], 9, -1},
    {"3d-spiral", &k3DTFilterParamsSpecs[10], 10, -1},
    {"3d-cylinder", &k3DTFilterParamsSpecs[11], 11, -1},
    {"border", &kBorderPGParamsSpec, 23, -1},
    {"circle", &kCirclePGParamsSpec, 16, -1},
    {"cutout", &kCutoutPGParamsSpec, 14, -1},
    {"emboss", &kEmbossPGParamsSpec, 13, -1},
    {"explosion", &kExplosionPGParamsSpec, 12, -1},
    {"frame", &kFramePGParamsSpec, 22, -1},
    {"galaxy", &kGalaxyPGParamsSpec, 15, -1},
    {"generation", &kGenerationPGParamsSpec, 17, -1},
    {"neon", &kNeonPGParamsSpec, 21, -1},
    {"reflections", &kReflectionsPGParamsSpec, 24, -1},
    {"shadow", &kShadowPGParamsSpec, 18, -1},
    {"tiling", &kTilingPGParamsSpec, 19, -1},
    {"trail", &kTrailPGParamsSpec, 20, -1},
};
static_assert(std::size(kKinds) == 34, "thirteen effects, twelve 3D shapes, Fractalize and eight tools");

}  // namespace

std::span<const RecordKind> AllRecordKinds() { return kKinds; }

const RecordKind* FindKindByName(std::string_view name) {
  for (const RecordKind& kind : kKinds) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

const RecordKind* FindKindByPresetFile(std::string_view presetFile) {
  for (const RecordKind& kind : kKinds) {
    if (presetFile == kind.spec->presetFile) return &kind;
  }
  return nullptr;
}

const RecordKind* FindKindByEffectIndex(int index) {
  if (index < 0) return nullptr;
  for (const RecordKind& kind : kKinds) {
    if (kind.effectIndex == index) return &kind;
  }
  return nullptr;
}

const RecordKind* FindKindByToolIndex(int index) {
  if (index < 0) return nullptr;
  for (const RecordKind& kind : kKinds) {
    if (kind.toolIndex == index) return &kind;
  }
  return nullptr;
}

}  // namespace vx
