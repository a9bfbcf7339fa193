// Fractalize run on a document: as a filter on the selected paths, and as a live
// effect on the art the host hands over, with the parameters and the random
// seed kept in the effect's dictionaries.
#pragma once

#include <cstdint>

#include "fractalize/fractalize.h"
#include "frame/globals.h"
#include "frame/host/handles.h"

namespace vx {

// Keys of the live effect's dictionaries.
namespace fractal_keys {
inline constexpr char kGenerator[] = "generator";
inline constexpr char kGenHeight[] = "genHeight";
inline constexpr char kLevel[] = "level";
inline constexpr char kDensity[] = "density";
inline constexpr char kUneven[] = "uneven";
inline constexpr char kUnevenUnit[] = "unevenUnit";
inline constexpr char kRandSeed[] = "randSeed";
}  // namespace fractal_keys

// A new seed from the tick count; never the last seed, so a new sequence
// differs from the one before even when the clock has not moved.
int32_t NewFractalSeed(int32_t lastSeed);

// The seed of a filter computation: with the reproduce flag set, the flag is
// cleared and the last seed used again; otherwise a new seed becomes the last
// one. The host's random service is seeded with it.
ai::Code SeedFilterRun(VELLUMiX4Globals& globals);

// The filter computation: Fractalize on every selected path ('!sel' when none).
// A path that would pass the segment limit is skipped; any other failure ends
// the run with its code (paths done stay done).
ai::Code FractalizeSelection(const FractalizeParams& record);

// The live computation on an art tree: groups and compound paths are entered,
// each path fractalized; 'SEGM' is skipped.
ai::Code FractalizeArtTree(const FractalizeParams& record, const Generator& generator, ai::ArtHandle art);

// The six parameter keys of the effect's dictionary. Reading leaves `record`
// as it was when a key cannot be read; values are clamped to the dialog's ranges.
ai::Code DictionaryHasGenerator(ai::DictionaryRef parameters, bool* has);
ai::Code ReadParameterKeys(ai::DictionaryRef parameters, FractalizeParams& record);
ai::Code WriteParameterKeys(ai::DictionaryRef parameters, const FractalizeParams& record);

}  // namespace vx
