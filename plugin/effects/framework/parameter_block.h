// The parameter block of a live object: the effect's record in its text form,
// stored on the object with data type (1, 0).
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

constexpr ai::Code kNotAParameterBlock = ai::FourCC("GRP?");
constexpr size_t kParameterBlockSize = 0x8000;
inline constexpr char kParameterBlockName[] = "blockData";

// Writes the record of effect `effectIndex` (without a preset name) as the
// object's parameter block.
ai::Code WriteParameterBlock(ai::ArtHandle object, int16_t effectIndex, const void* record);

// Reads the object's parameter block into the record of effect `effectIndex`:
// fields whose keys the block has are set, the others keep their values.
// 'GRP?' when the object's data is not a parameter block.
ai::Code ReadParameterBlock(ai::ArtHandle object, int16_t effectIndex, void* record);

}  // namespace vx
