#include "ui/palettes/trace_palettes.h"

#include <cmath>
#include <cstring>

#include "presets/field_values.h"
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

}  // namespace

const PaletteHooks kCraftModesHooks{.fieldChanged = DynamicDragsAlong};

}  // namespace vx
