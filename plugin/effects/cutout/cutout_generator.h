// The Live Cutout generator: inside the object's outline, the object shifted
// away from the light over copies with darker, wider edges, so it looks cut
// out of the page.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// Builds the cut-out of the first child of `edit` into `into` with the
// CutoutPGParams `record`; further children are ignored. Each path, compound
// path or text-like art (members of groups each on its own) gets a clipping
// group holding its outline and, below it, its shaded copies and its face.
// The first failing host call ends it and its code is returned.
ai::Code GenerateCutout(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
