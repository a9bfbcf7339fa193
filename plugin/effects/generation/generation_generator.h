// The Live Generation generator: a chain of copies of each source object, each
// one scaled, turned and moved a little further than the one before, so that a
// spiral or a straight run of copies grows out of the source.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The most copies one source gets in its chain (the palette's limit).
inline constexpr int32_t kMaxGenerationCopies = 1000;

// Builds the chain of every child of `edit` into `into` (the one new group the
// framework makes in the result), with the GenerationPGParams `record`. Sources
// without usable bounds get no chain; a chain ends early where a copy's scale or
// position would no longer be a finite number. The first failing host call ends
// it and its code is returned; the copies made before it stay.
ai::Code GenerateGeneration(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
