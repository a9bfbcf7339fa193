// The Live Emboss generator: behind each object, copies lightened and shifted
// toward the light and copies darkened and shifted away from it, step by step
// up to the offset; the object itself on top.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// Builds the emboss of every child of `edit` into `into` with the
// EmbossPGParams `record`. The first failing host call ends it and its code is
// returned.
ai::Code GenerateEmboss(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
