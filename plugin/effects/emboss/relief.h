// What Live Emboss and Live Cutout share: both walk the source the same way
// (groups become groups, paths, compound paths and text-like art get a series
// of shifted copies), restyle the copies' paths alike and shift colours toward
// white or black by a signed amount.
#pragma once

#include <functional>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// Shifts `color` by `amount` (negative lightens, positive darkens):
//   gray         g' = (1 + x) g, plus x when x > 0 and `grayAddsAmount`
//   four-colour  c, m, y scaled by (1 + x); black (1 + x) k, plus x when x > 0
//   three-colour each channel (1 - x) v, plus -x when x < 0
// all kept within 0..1. A custom colour is replaced by its process equivalent
// at its tint first; gradients and patterns are left as they are. The host's
// code when a conversion fails.
ai::Code ReliefColor(ai::ColorRecord& color, double amount, bool grayAddsAmount);

// How a copy's paths are restyled.
struct ReliefLook {
  double amount;         // the colour shift, as in ReliefColor
  bool grayAddsAmount;
  double strokeWidth;    // 0 switches the stroke off; otherwise a new stroke this wide
  int32_t lineJoin;      // the new stroke's join code
};

// Restyles every path and styled art under `copy` (through groups, compound
// paths and containers). A path loses its clipping flag, gets the stroke of
// `look` (coloured like its fill, or like its old stroke when it has no fill)
// and has its painted colours shifted. Styled art without segments only has
// its painted colours shifted. Shifted colours lose their overprint.
ai::Code ReliefShade(ai::ArtHandle copy, const ReliefLook& look);

// Moves `art` and everything in it by `by` with the host's transformation.
ai::Code ReliefMove(ai::ArtHandle art, ai::RealPoint by);

// Builds into `target` from `source`: a group gets a new group on top of the
// target and its members follow, lowest first; a path, compound path or
// text-like art is handed to `series`; other art is left out. Walking lowest
// first with each result on top keeps the source's stacking order.
using ReliefSeries = std::function<ai::Code(ai::ArtHandle target, ai::ArtHandle source)>;
ai::Code ReliefTree(ai::ArtHandle target, ai::ArtHandle source, const ReliefSeries& series);

// Calls `visit` on each child of `parent` from the lowest to the topmost.
ai::Code ForEachChildBottomUp(ai::ArtHandle parent, const std::function<ai::Code(ai::ArtHandle)>& visit);

}  // namespace vx
