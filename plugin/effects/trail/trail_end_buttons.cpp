#include "effects/trail/trail_end_buttons.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "effects/framework/color_mix.h"
#include "effects/trail/trail_copy.h"
#include "effects/trail/trail_params.h"
#include "frame/suite_set.h"
#include "platform/ui/desktop.h"
#include "tools/trail/trail_params.h"
#include "ui/palettes/trail_palette.h"
#include "frame/error_messages.h"
#include "presets/field_values.h"
#include "ui/view_controller.h"

namespace vx {

ai::Code TakeEndColor(ai::ColorRecord side, ai::ColorRecord& color, bool* taken) {
  *taken = false;
  if (side.kind == ai::color_kind::kCustom) {
    if (ai::Code code = ToProcessColor(side)) return code;
  } else if (IsProcessKind(side.kind)) {
    const double* c = side.kind == ai::color_kind::kGray   ? &side.c.gray.gray
                      : side.kind == ai::color_kind::kFour ? &side.c.four.cyan
                                                           : &side.c.three.red;
    const int n = side.kind == ai::color_kind::kGray ? 1 : side.kind == ai::color_kind::kFour ? 4 : 3;
    if (std::any_of(c, c + n, [](double v) { return v < 0; })) return ai::kNoError;
  } else {
    return ai::kNoError;
  }
  color = side;
  *taken = true;
  return ai::kNoError;
}

ai::Code PressSwatch(int32_t& kind, ai::ColorRecord& color, bool fill, bool alt) {
  if (alt) {
    // The picker starts from the side's colour, or from no colour while the
    // side takes its colour from elsewhere.
    ai::ColorRecord picked = color;
    if (kind != trail_end::kColor) {
      picked = ai::ColorRecord{};
      picked.kind = 6;  // no colour, as the none button leaves it
    }
    const ai::Code code = suites::PaintStyle().displayColorPicker(&picked);
    if (code == ai::kUserCanceled) return ai::kNoError;
    if (code != ai::kNoError) return code;
    color = picked;
    kind = trail_end::kColor;
    return ai::kNoError;
  }
  ai::PathStyle style{};
  if (suites::PathStyle().getCurrentPathStyle(&style) != ai::kNoError) {
    color = ai::ColorRecord{};
    color.kind = ai::color_kind::kFour;
  } else if ((fill ? style.fillPaint : style.strokePaint) == 0) {
    color = ai::ColorRecord{};
    color.kind = -1;
  } else {
    bool taken = false;
    if (ai::Code code = TakeEndColor(fill ? style.fillColor : style.strokeColor, color, &taken)) return code;
  }
  kind = trail_end::kColor;
  return ai::kNoError;
}

namespace {

template <class Kind>
ai::Code PressSwatchOf(Kind& kind, ai::ColorRecord& color, bool fill, bool alt) {
  int32_t wide = kind;
  const ai::Code code = PressSwatch(wide, color, fill, alt);
  kind = static_cast<Kind>(wide);
  return code;
}

template <class Record>
ai::Code PressOn(Record& record, int32_t id, double stepsShown, bool alt, bool* used) {
  *used = true;
  if (id == ctl::trail::kFillSwatch) return PressSwatchOf(record.endFillKind, record.endFillColor, true, alt);
  if (id == ctl::trail::kStrokeSwatch) return PressSwatchOf(record.endStrokeKind, record.endStrokeColor, false, alt);
  *used = PressTrailButton(record, id, stepsShown);
  return ai::kNoError;
}

bool TrailCommand(VELLUMiX4ViewController& view, int32_t id, platform::ui::Notify code) {
  RecordBinder* binder = view.binder();
  if (code != platform::ui::Notify::kClicked || binder == nullptr) return false;
  double steps = 0;
  const bool effect = &binder->spec() == &kTrailPGParamsSpec;
  if (platform::ui::Control* field = view.Item(ctl::trail::kSteps)) steps = std::atof(field->Text().c_str());
  const bool alt = view.GetDesktop().IsDown(platform::ui::kAlt);
  bool used = false;
  const ai::Code result =
      effect ? PressOn(*static_cast<TrailPGParams*>(binder->record()), id, steps, alt, &used)
             : PressOn(*static_cast<TrailToolParams*>(binder->record()), id, steps, alt, &used);
  if (!used) return false;
  view.FocusHost();
  binder->Refresh();
  if (result != ai::kNoError) ShowErrorCode(result);
  else if (view.LiveUpdateOn()) view.LiveUpdate();
  return true;
}

void TrailFieldChanged(VELLUMiX4ViewController& view, const FieldSpec& field, int component) {
  RecordBinder* binder = view.binder();
  if (binder == nullptr) return;
  if (&binder->spec() == &kTrailPGParamsSpec)
    for (const char* name : {"originAngle", "originDistance", "dragAngle", "dragLength"})
      if (std::strcmp(field.name, name) == 0) UpdateTrailOffsets(*static_cast<TrailPGParams*>(binder->record()));
  // With Shift held both sizes take the one just set.
  if (std::strcmp(field.name, "endSize") == 0 && view.GetDesktop().IsDown(platform::ui::kShift)) {
    const double value = StoredComponent(field, binder->record(), component);
    StoreComponent(field, binder->record(), value, 1 - component);
    binder->Refresh();
  }
}

}  // namespace

const PaletteHooks kTrailPaletteHooks{.command = TrailCommand, .fieldChanged = TrailFieldChanged};

}  // namespace vx
