// The Live Tiling generator: copies of each source object in a grid of columns
// and rows, optionally shrinking or growing and turning step by step towards
// the last column and row, the feed following the scale when asked.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// The most columns and rows (the palette's limit).
inline constexpr int32_t kMaxTilingCount = 1000;

// Builds the grid of every child of `edit` into `into` with the TilingPGParams
// `record`. Sources without usable bounds get no grid. The first failing host
// call ends it and its code is returned.
ai::Code GenerateTiling(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
