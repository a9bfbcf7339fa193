#include "effects/tiling/tiling_pg_ctrlr.h"

#include "effects/framework/copy_placement.h"
#include "effects/tiling/tiling_generator.h"
#include "effects/tiling/tiling_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/feed_mode.h"
#include "ui/palettes/tiling_palette.h"

namespace vx {

TilingPGCtrlr::TilingPGCtrlr(void* record) : PGCtrlr(kTilingEffect, kTilingPGParamsSpec, kTilingPalette, record) {}

void TilingPGViewController::FieldChanged(const FieldSpec& field) {
  if (!IsFeedMode(field) || binder() == nullptr) return;
  auto& params = *static_cast<TilingPGParams*>(binder()->record());
  ai::RealRect bounds{};
  if (SelectionBounds(&bounds) != ai::kNoError) return;
  ConvertFeed(&params.moveH, bounds.right - bounds.left, params.moveRelative != 0);
  ConvertFeed(&params.moveV, bounds.top - bounds.bottom, params.moveRelative != 0);
  binder()->Refresh();
}

const LiveEffect kTilingLiveEffect{
    .index = kTilingEffect,
    .generate = GenerateTiling,
    .openPalette = &OpenPalette<TilingPGCtrlr>,
};

}  // namespace vx
