// The end-colour buttons and "Calc" that the Live Trail palette and the Trail
// tool's palette share, and the reading of a painted colour that the swatches
// and the Trail tool's eyedropper share. Each button works on the record's
// fields directly; the palette hooks (trail_end_buttons.cpp) refresh the
// controls and, with live update on, the selection.
#pragma once

#include <cmath>
#include <cstdint>
#include <utility>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "presets/record_hooks.h"
#include "resources/control_ids.h"

namespace vx {

// Black in a colour model: gray 1, three-colour 0, 0, 0, four-colour 0, 0, 0, 1.
inline ai::ColorRecord BlackColorIn(int16_t model) {
  ai::ColorRecord black = WhiteColorIn(model);
  if (black.kind == ai::color_kind::kGray) black.c.gray.gray = 1;
  else if (black.kind == ai::color_kind::kThree) black.c.three = {0, 0, 0};
  else black.c.four = {0, 0, 0, 1};
  return black;
}

// Whether a colour of `kind` is a process colour (gray, four- or three-colour).
inline bool IsProcessKind(int32_t kind) {
  return kind == ai::color_kind::kGray || kind == ai::color_kind::kFour || kind == ai::color_kind::kThree;
}

// A painted side's colour as an end colour, into `color`: a process colour as it
// is unless a component is negative, a custom colour as its process equivalent
// at its tint. `taken` says whether `color` was written; other kinds (gradients,
// patterns) and negative components leave it. The host's code when the
// conversion fails.
ai::Code TakeEndColor(ai::ColorRecord side, ai::ColorRecord& color, bool* taken);

// A swatch click: the side's colour from the selection's current style (no
// style the host can report: four-colour 0, 0, 0, 0; an unpainted side: no
// colour), or with Alt from the host's colour picker (kind 2 only when the
// colour is accepted). Otherwise the side's kind becomes 2. The host's code of
// a failing call other than a cancelled picker.
ai::Code PressSwatch(int32_t& kind, ai::ColorRecord& color, bool fill, bool alt);

// "Calc": the start tint that makes `steps` even steps, 1 - 1 / steps (1 for
// no steps), within 0..1.
inline double CalcBeginning(double steps) {
  if (steps == 0) return 1;
  const double value = 1 - 1 / steps;
  return value < 0 ? 0 : value > 1 ? 1 : value;
}

// Handles a click on one of the end-colour buttons or "Calc"; false for other
// controls. `stepsShown` is the number the "Steps:" field shows.
template <class Record>
bool PressTrailButton(Record& r, int32_t id, double stepsShown) {
  namespace t = ctl::trail;
  int16_t model = -1;
  const bool knowsModel = (id == t::kFillWhite || id == t::kFillBlack || id == t::kStrokeWhite ||
                           id == t::kStrokeBlack) && ReadDocumentColorModel(model);
  const bool fill = id == t::kFillOwn || id == t::kFillWhite || id == t::kFillBlack || id == t::kFillNone;
  auto& kind = fill ? r.endFillKind : r.endStrokeKind;
  ai::ColorRecord& color = fill ? r.endFillColor : r.endStrokeColor;
  switch (id) {
    case t::kCalc:
      r.beginning = CalcBeginning(stepsShown);
      return true;
    case t::kFillOwn:
    case t::kStrokeOwn:
      kind = fill ? 0 : 1;
      color.kind = -1;
      return true;
    case t::kFillWhite:
    case t::kStrokeWhite:
    case t::kFillBlack:
    case t::kStrokeBlack:
      kind = 2;
      // Without a colour model to go by, the colour stays as it was.
      if (knowsModel)
        color = (id == t::kFillWhite || id == t::kStrokeWhite) ? WhiteColorIn(model) : BlackColorIn(model);
      return true;
    case t::kFillNone:
    case t::kStrokeNone:
      kind = 3;
      color.kind = 6;
      return true;
    case t::kSwap:
      std::swap(r.endFillKind, r.endStrokeKind);
      std::swap(r.endFillColor, r.endStrokeColor);
      return true;
    default:
      return false;
  }
}

}  // namespace vx
