// The Live Neon generator: every source object of a live object becomes a stack
// of copies whose strokes thin from copy to copy while their colour swings
// between the stroke colour and the fill colour, optionally with a tinted,
// shifted shadow copy under each step.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// Builds the copy series of every child of `edit` into `into`, with the
// NeonPGParams `record`. The first failing host call ends it; its code is
// returned and the copies made so far stay.
ai::Code GenerateNeon(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
