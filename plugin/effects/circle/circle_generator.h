// The Live Circle generator: copies of each source object spread evenly over
// one turn around a centre taken from the object's bounds, the ring optionally
// squashed into an ellipse.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The most copies one source gets on its ring (the palette's limit).
inline constexpr int32_t kMaxCircleCopies = 4000;

// Builds the ring of every child of `edit` into `into` (the one new group
// the framework makes in the result), with the CirclePGParams `record`. Sources without usable bounds get
// no ring. The first failing host call ends it and its code is returned.
ai::Code GenerateCircle(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
