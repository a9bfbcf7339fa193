// What happens to one Live Neon copy once it is duplicated: its paths are
// restyled, and the whole copy is moved.
#pragma once

#include "effects/framework/color_mix.h"
#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// Restyles every path of `copy`: the fill and clipping are switched off, the
// stroke width is multiplied by `widthFactor` (a factor of 0 or less switches
// the stroke off), and unless the mix factor (clamped to 0..1) is 1 with no
// tint the colours are mixed. Text and other art are left as they are.
ai::Code NeonStyleCopy(ai::ArtHandle copy, double widthFactor, NeonMix mix);

// Moves every leaf of `copy` by `by` with the host's art transformation:
// geometry and paint placements, stroke widths unchanged. A zero move calls
// nothing.
ai::Code MoveNeonCopy(ai::ArtHandle copy, ai::RealPoint by);

}  // namespace vx
