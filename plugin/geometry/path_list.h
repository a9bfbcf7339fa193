// The paths below an art, gathered in document order into a list of handles in
// host memory, and measured: segment total and the union of their bounds.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "geometry/named_block.h"

namespace vx {

// A growable array of art handles in a named block. It is first allocated
// with room for one handle and grown to count + 2 handles whenever a path is
// appended, so it always has a spare slot.
class PathList {
 public:
  ai::Code Append(ai::ArtHandle path);
  void Free();

  int32_t count() const { return count_; }
  ai::ArtHandle operator[](int32_t index) const { return block_.as<ai::ArtHandle>()[index]; }
  void Set(int32_t index, ai::ArtHandle art) { block_.as<ai::ArtHandle>()[index] = art; }
  const ai::ArtHandle* data() const { return block_.as<ai::ArtHandle>(); }

 private:
  NamedBlock block_;
  int32_t count_ = 0;
};

// Walks the children of `art` in order (first child, then next sibling),
// descending into groups and compound paths, and appends every path. A path
// given as `art` itself is its own only path. Live objects and every other kind
// are passed over. The first host failure stops the walk and is returned.
ai::Code GatherPaths(ai::ArtHandle art, PathList& list);

struct PathMeasure {
  int32_t segmentTotal = 0;
  ai::RealRect bounds{0, 0, 0, 0};  // union of the paths' bounds (bounds option 2)
};

// Gathers as GatherPaths; '!sel' (with the list freed) when no path was found.
// The caller owns the list.
ai::Code MeasurePaths(ai::ArtHandle art, PathList& list, PathMeasure& measure);

}  // namespace vx
