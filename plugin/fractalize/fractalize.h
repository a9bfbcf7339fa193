// Fractalize: every segment of a path is replaced by a scaled and turned copy of
// a generator shape whose first and last anchors land on the segment's ends,
// level after level. Before that the path may be cut into short pieces and its
// anchors shaken at random (the distortion), which makes the result irregular.
//
// A path is read once and written once: it is either left as it was or replaced
// whole by its fractal, never half replaced.
#pragma once

#include <cstdint>

#include "fractalize/fractalize_params.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"
#include "geometry/named_block.h"
#include "geometry/path_records.h"

namespace vx {

namespace codes {
inline constexpr ai::Code kSegmentLimit = ai::FourCC("SEGM");
}

// The most anchors a fractal path may have.
constexpr int32_t kMaxFractalSegments = 31999;

namespace fractal_blocks {
inline constexpr char kGenerator[] = "genSegs";
inline constexpr char kOldLevel[] = "oldSegs";
inline constexpr char kNewLevel[] = "newSegs";
inline constexpr char kSubdivided[] = "buffer 1 for segments";
inline constexpr char kPathSegments[] = "buffer 2 for segments";
}  // namespace fractal_blocks

// A generator ready for use: its records in "genSegs", the first anchor at the
// origin, the first and last anchors corners, its chord (first to last anchor)
// along +x.
struct Generator {
  NamedBlock block;
  int32_t count = 0;  // b, the number of anchors
  double chord = 0;   // d, the distance from the first anchor to the last

  const SegRecord* records() const { return block.as<const SegRecord>(); }
};

// Parses the record's generator shape, moves its first anchor to the origin and
// scales its heights by genHeight / 100. kBadParameter for a generator value
// outside 1..14.
ai::Code PrepareGenerator(const FractalizeParams& record, Generator& generator);

// The number of anchors `level` levels of a generator with `generatorCount`
// anchors make of a path of `anchors` anchors; 0 when it would pass the limit.
int32_t FractalSegmentCount(int32_t generatorCount, int32_t level, int32_t anchors, bool closed);

// Fractalizes one path in place: the distortion first (when density is not 0),
// then the levels. 'SEGM' when the result would pass kMaxFractalSegments (the
// path is left as it was); paths of fewer than 2 or more than 31999 anchors are
// left without an error. Random numbers come from the host's random service,
// which the caller seeds.
ai::Code FractalizePath(const FractalizeParams& record, const Generator& generator, ai::ArtHandle path);

// A path's anchors in a block, with their count and closed flag.
struct PathRun {
  SegRecord* segments;
  int32_t count;
  bool closed;
};

// The distortion on a path already read: cuts every segment into pieces of
// about 72 / density points (at least 0.5), then moves every anchor by a random
// amount across the path and retracts its handles. `run` is replaced by the
// result, held in `storage` ("buffer 1 for segments"); when the pieces would
// pass 31997 anchors, or density is 0, `run` is left as it was.
ai::Code JitterForFractal(const FractalizeParams& record, ai::ArtHandle path, PathRun& run, NamedBlock& storage);

// The levels on anchors in memory: `out` receives FractalSegmentCount records
// of the fractal of `in` (whose records are used as anchors only); `work` is
// room for as many records, used between levels.
void FractalizeRun(const Generator& generator, int32_t level, const PathRun& in, SegRecord* out, SegRecord* work);

}  // namespace vx
