#include "effects/frame/frame_pg_ctrlr.h"

#include "effects/frame/frame_generator.h"
#include "effects/frame/frame_params.h"
#include "effects/framework/copy_placement.h"
#include "frame/effect_table.h"
#include "ui/palettes/feed_mode.h"
#include "ui/palettes/frame_palette.h"

namespace vx {

FramePGCtrlr::FramePGCtrlr(void* record) : PGCtrlr(kFrameEffect, kFramePGParamsSpec, kFramePalette, record) {}

void FramePGViewController::FieldChanged(const FieldSpec& field) {
  if (!IsFeedMode(field) || binder() == nullptr) return;
  auto& params = *static_cast<FramePGParams*>(binder()->record());
  ai::RealRect bounds{};
  if (SelectionBounds(&bounds) != ai::kNoError) return;
  const double extent = params.direction == 0 ? bounds.top - bounds.bottom : bounds.right - bounds.left;
  ConvertFeed(&params.sideMove, extent, params.moveRelative != 0);
  ConvertFeed(&params.cornerMove, extent, params.moveRelative != 0);
  binder()->Refresh();
}

const LiveEffect kFrameLiveEffect{
    .index = kFrameEffect,
    .generate = GenerateFrame,
    .openPalette = &OpenPalette<FramePGCtrlr>,
};

}  // namespace vx
