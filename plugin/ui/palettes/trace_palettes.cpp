#include "ui/palettes/trace_palettes.h"

#include <cmath>
#include <cstring>

#include "presets/field_values.h"
#include "resources/control_ids.h"
#include "ui/view_controller.h"

namespace vx {
namespace {

void DynamicDragsAlong(VELLUMiX4ViewController& view, const FieldSpec& field, int) {
  RecordBinder* binder = view.binder();
  if (binder == nullptr || std::strcmp(field.name, "mode") != 0) return;
  if (std::lround(StoredComponent(field, binder->record())) != kDynamicMode) return;
  if (const FieldSpec* traceMode = FindField(binder->spec(), "traceMode")) {
    StoreComponent(*traceMode, binder->record(), kDragAlong);
    binder->Refresh();
  }
}

// The caption over the lens rows takes the name of the current type's button.
void NameLensType(VELLUMiX4ViewController& view) {
  RecordBinder* binder = view.binder();
  const FieldSpec* type = binder != nullptr ? FindField(binder->spec(), "lensType") : nullptr;
  platform::ui::Control* caption = view.Item(ctl::lens::kTypeName);
  if (type == nullptr || caption == nullptr) return;
  const long index = std::lround(StoredComponent(*type, binder->record()));
  if (const platform::ui::Control* button = view.Item(ctl::lens::kFirstType + static_cast<int32_t>(index)))
    caption->SetText(button->Text());
}

}  // namespace

const PaletteHooks kCraftModesHooks{.fieldChanged = DynamicDragsAlong};
const PaletteHooks kLensHooks{.rulesApplied = NameLensType};

}  // namespace vx
