// Rebuilding a live object: its parameter block is read into a record of its
// effect, its result group emptied, and the effect's generator computes the
// result from the edit group's art into a new group at the top of the result.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// An effect's generator: the source art is the object's edit group; the result
// goes into `into`; `record` holds the object's parameters.
using EffectGenerator = ai::Code (*)(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into,
                                     const void* record);

// The generator of an effect index, or null while the effect has none.
EffectGenerator GeneratorOf(int16_t effectIndex);
// Each effect registers its generator here (tests install their own).
void SetGenerator(int16_t effectIndex, EffectGenerator generator);

// Regenerates `object` with the generator of `effectIndex`.
ai::Code RegenerateLiveObject(ai::ArtHandle object, int16_t effectIndex);

}  // namespace vx
