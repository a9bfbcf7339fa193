#include "effects/trail/trail_pg_ctrlr.h"

#include <cstdlib>
#include <cstring>

#include "effects/trail/trail_end_buttons.h"
#include "effects/trail/trail_generator.h"
#include "effects/trail/trail_params.h"
#include "frame/effect_table.h"
#include "ui/palettes/trail_palette.h"

namespace vx {

void TrailPGViewController::FieldChanged(const FieldSpec& field) {
  for (const char* name : {"originAngle", "originDistance", "dragAngle", "dragLength"})
    if (std::strcmp(field.name, name) == 0 && binder() != nullptr)
      UpdateTrailOffsets(*static_cast<TrailPGParams*>(binder()->record()));
}

void TrailPGViewController::OnPaletteCommand(int32_t id, platform::ui::Notify code) {
  if (code != platform::ui::Notify::kClicked || binder() == nullptr) {
    PGViewController::OnPaletteCommand(id, code);
    return;
  }
  auto& record = *static_cast<TrailPGParams*>(binder()->record());
  double steps = record.steps;
  if (platform::ui::Control* field = Item(ctl::trail::kSteps)) steps = std::atof(field->Text().c_str());
  if (!PressTrailButton(record, id, steps)) {
    PGViewController::OnPaletteCommand(id, code);
    return;
  }
  binder()->Refresh();
  if (LiveUpdateOn()) LiveUpdate();
}

TrailPGCtrlr::TrailPGCtrlr(void* record) : PGCtrlr(kTrailEffect, kTrailPGParamsSpec, kTrailPalette, record) {}

const LiveEffect kTrailLiveEffect{
    .index = kTrailEffect,
    .generate = GenerateTrail,
    .openPalette = &OpenPalette<TrailPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kIgnored,
             .compoundTakesGroupTests = true,
             .selectedTextRefusesAll = true},
};

}  // namespace vx
