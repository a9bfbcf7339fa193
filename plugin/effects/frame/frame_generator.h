// The Live Frame generator: copies of each source object laid along the four
// sides of a rectangle, a copy turned by 45 degrees at each corner, each side a
// quarter turn on from the one before, clockwise or counter-clockwise.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The most copies one side holds (the palette's limit).
inline constexpr int32_t kMaxFrameSideCopies = 1000;

// Builds the frame of every child of `edit` into `into` with the FramePGParams
// `record`. Sources without usable bounds get no frame. The first failing host
// call ends it and its code is returned.
ai::Code GenerateFrame(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
