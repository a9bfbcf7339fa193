// What a palette adds to its record's table: the template it is built from, the
// controls that follow a field's value, slider page sizes other than the
// platform's default of 10 and slider ranges other than the field's, and hooks
// for what a table cannot say. The binder and the view controllers do the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/bindings/record_binder.h"

namespace vx {

class VELLUMiX4ViewController;

// A slider's page size and, when minimum < maximum, a range of its own: such a
// slider is a straight one even for an angle, and its edit keeps the field's
// wider range.
struct SliderPage {
  int32_t slider;
  int32_t pageSize;
  int32_t minimum = 0;
  int32_t maximum = 0;
};

// A palette's own behaviour beyond its table, shared by every dialog that shows it.
struct PaletteHooks {
  // A notification of a control no binding took; true when the palette used it.
  bool (*command)(VELLUMiX4ViewController& view, int32_t id, platform::ui::Notify code) = nullptr;
  // After a bound field was stored from its control `component` (a point's x 0, y 1).
  void (*fieldChanged)(VELLUMiX4ViewController& view, const FieldSpec& field, int component) = nullptr;
  // After the rules were applied to the record as it is now (opening, a field
  // changed, a preset chosen): controls that follow the record beyond the table.
  void (*rulesApplied)(VELLUMiX4ViewController& view) = nullptr;
};

struct PaletteSpec {
  int32_t templateId;
  std::span<const EnableRule> rules;
  std::span<const SliderPage> pages;
  const PaletteHooks* hooks = nullptr;
};

}  // namespace vx
