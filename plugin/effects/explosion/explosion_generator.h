// The Live Explosion generator: copies of each source object blown out of a
// centre to the left of it, each pointing away from the centre at an evenly
// stepped angle with a random deviation, pushed out by a random share of the
// spread and scaled with that share. The random numbers come from the host's
// seeded random service, seeded from the record, so a regeneration repeats.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The most copies one source gets (the palette's limit).
inline constexpr int32_t kMaxExplosionCopies = 4000;

// Builds the arrangement of every child of `edit` into `into` with the
// ExplosionPGParams `record`. Every child starts the same random sequence.
// Sources without usable bounds get no copies. The first failing host call
// ends it and its code is returned.
ai::Code GenerateExplosion(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

// Shapes a uniform draw by the spacing: 0 decelerates (most copies near the
// outer edge), 1 leaves it, 2 accelerates (most copies near the core).
double ShapeSpacing(double w, int32_t spacing);

}  // namespace vx
