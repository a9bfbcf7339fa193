// The Live Border generator: the stroke of each source object becomes a band of
// nested copies whose strokes narrow step by step while their colour runs from
// the stroke colour toward the fill colour, outside the path, or inside it and
// clipped by the object's outline.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

namespace border_mode {
constexpr int32_t kAutoHigh = 0, kAutoMid = 1, kAutoLow = 2, kManual = 3;
}

// Steps an auto mode gives one stroked path of width `width`:
//   high: 6 below 3 points, else 2 floor(w);  mid: 3, else floor(w);
//   low:  2, else floor(w / 2 + 0.5).
// Saturates at 32767 for absurd widths.
int32_t BorderAutoSteps(int32_t mode, double width);

// Builds the band of each source object of `edit` (outside) or of its first
// one (inside) into `into` with the BorderPGParams `record`. The first failing
// host call ends it and its code is returned.
ai::Code GenerateBorder(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
