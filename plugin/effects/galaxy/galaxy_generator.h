// The Live Galaxy generator: copies of each source object in spiral arms
// around a centre left of the object. Every arm starts at an evenly stepped
// angle and runs outward in a chain of copies that twist, kink and shrink
// towards the tip; each arm's random deviations depend only on the record's
// seed and the arm's number, so a regeneration repeats the arrangement.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The palette's limits, also applied to records read from elsewhere.
inline constexpr int32_t kMaxGalaxyBranches = 4000;
inline constexpr int32_t kMaxGalaxyElements = 1000;

// The seed of the draws of branch `branch`'s start values and the seed of its
// kinks, from the record's seed (wrapping around the 32-bit range).
int32_t GalaxyStartSeed(int32_t randomSeed, int32_t branch);
int32_t GalaxyKinkSeed(int32_t randomSeed, int32_t branch);

// Builds the arms of every child of `edit` into `into` (the one new group the
// framework makes in the result), with the GalaxyPGParams `record`. Sources
// without usable bounds get no arms. The first failing host call ends it and
// its code is returned; copies made before it stay.
ai::Code GenerateGalaxy(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
