// The Live Reflections generator: mirror images of each source object across
// a horizontal or vertical axis, both, or radial axes, the axes through the
// lower-left corner of the object's bounds moved by the offsets.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The most radial axes (the palette's limit).
inline constexpr int32_t kMaxReflectionAxes = 4000;

// Builds the unchanged copies of the children of `edit`, then the images of
// each, into `into` (each at the bottom), with the ReflectionsPGParams
// `record`. Sources without usable bounds get no images; an axis type outside
// 0..3 adds none. The first failing host call ends it and its code is returned.
ai::Code GenerateReflections(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
