// Reading the segments of gathered paths into the selection record's two info
// arrays (as read, and working copies), freeing them, copying one path's info
// into another, and writing a path back.
#pragma once

#include "geometry/path_list.h"
#include "geometry/path_records.h"

namespace vx {

// Allocates the source and working info arrays and, for each path, two segment
// arrays: the first receives the path's segments, the second a copy. Both keys
// are set to kUnsetValue. On any failure everything allocated is freed and the
// failure (or -108) returned. Bounds and counts of `record` are set; the
// bounds come from `measure`.
ai::Code ReadPathInfos(const PathList& list, const PathMeasure& measure, SelectionRecord& record);

// Frees both segment arrays of every path and both info arrays, and zeroes the
// record's counts, bounds and pointers.
void FreePathInfos(SelectionRecord& record);

// Copies count, segments, closed flag and key. `destination` must already
// hold room for source.segmentCount segments.
void CopyPathInfo(const PathInfo& source, PathInfo& destination);

// Sets the path's segments from the info (first index 0) and then its segment
// count. The closed flag is not written.
ai::Code WriteBack(ai::ArtHandle path, const PathInfo& info);

}  // namespace vx
