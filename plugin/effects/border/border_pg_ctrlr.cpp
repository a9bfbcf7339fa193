#include "effects/border/border_pg_ctrlr.h"

#include <cstring>

#include "effects/border/border_generator.h"
#include "effects/border/border_params.h"
#include "frame/effect_table.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/border_palette.h"

namespace vx {

void BorderPGViewController::ShowQuickIcons() {
  const bool reversed = Item(ctl::border::kReverse) != nullptr && Item(ctl::border::kReverse)->Check() != 0;
  const int32_t buttons[] = {ctl::border::kArcMinus, ctl::border::kArcZero, ctl::border::kArcPlus};
  for (int32_t i = 0; i < 3; ++i)
    if (platform::ui::Control* button = Item(buttons[i])) button->SetImage(res::BorderQuickIcon(i, reversed));
}

bool BorderPGViewController::OnInitDialog() {
  PGViewController::OnInitDialog();
  ShowQuickIcons();
  return true;
}

void BorderPGViewController::Refresh(int32_t flags) {
  PGViewController::Refresh(flags);
  ShowQuickIcons();
}

void BorderPGViewController::FieldChanged(const FieldSpec& field) {
  if (std::strcmp(field.name, "reverse") == 0) ShowQuickIcons();
}

BorderPGCtrlr::BorderPGCtrlr(void* record) : PGCtrlr(kBorderEffect, kBorderPGParamsSpec, kBorderPalette, record) {}

const LiveEffect kBorderLiveEffect{
    .index = kBorderEffect,
    .generate = GenerateBorder,
    .openPalette = &OpenPalette<BorderPGCtrlr>,
    .walk = {.textInside = ApplyWalk::TextInside::kSkipsContainer, .textInCompoundEndsWalk = true},
};

}  // namespace vx
