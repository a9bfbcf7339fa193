#include "effects/generation/generation_pg_ctrlr.h"

#include "effects/framework/copy_placement.h"
#include "effects/generation/generation_generator.h"
#include "effects/generation/generation_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/feed_mode.h"
#include "ui/palettes/generation_palette.h"

namespace vx {

GenerationPGCtrlr::GenerationPGCtrlr(void* record)
    : PGCtrlr(kGenerationEffect, kGenerationPGParamsSpec, kGenerationPalette, record) {}

void GenerationPGViewController::FieldChanged(const FieldSpec& field) {
  if (!IsFeedMode(field) || binder() == nullptr) return;
  auto& params = *static_cast<GenerationPGParams*>(binder()->record());
  ai::RealRect bounds{};
  // Without a selection the mode still changes and the number is kept.
  if (SelectionBounds(&bounds) != ai::kNoError) return;
  ConvertFeed(&params.feed, bounds.right - bounds.left, params.moveRelative != 0);
  binder()->Refresh();
}

const LiveEffect kGenerationLiveEffect{
    .index = kGenerationEffect,
    .generate = GenerateGeneration,
    .openPalette = &OpenPalette<GenerationPGCtrlr>,
};

}  // namespace vx
