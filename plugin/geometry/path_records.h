// The records every effect, tool and the 3D engine share: the segment record,
// the per-path info record and the selection record kept in the globals block.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"

namespace vx {

using SegRecord = ai::SegRecord;
static_assert(sizeof(SegRecord) == 56, "the host's segment layout");

// Marks a key or running maximum that holds no value yet; its bits are
// 0xffb9999999999999. Computed values are bounded by +-kValueLimit.
constexpr double kUnsetValue = -1.7976931348623158e307;
constexpr double kValueLimit = 1.7976931348623158e307;

struct PathInfo {
  int32_t segmentCount;
  int32_t closed;
  double key;           // ordering key (the 3D engine's depth); kUnsetValue after reading
  SegRecord* segments;  // a "segs buffer" block of segmentCount records
};
static_assert(sizeof(PathInfo) == 24, "one path info record");

struct SelectionRecord {
  ai::RealRect currentBounds;  // bounds in use; equal to sourceBounds after reading
  ai::RealRect sourceBounds;   // union of the bounds of all gathered paths
  int32_t pathCount;
  int32_t segmentTotal;
  int32_t reserved;
  int32_t resultStatus;        // 0, or what the last transformation reported
  PathInfo* source;            // segments as read
  PathInfo* working;           // copies that receive computed segments
};

// Names of the blocks that hold path data.
namespace block_names {
inline constexpr char kPathList[] = "AIArtHandle";
inline constexpr char kPathListGrown[] = "+AIArtHandle";
inline constexpr char kPathInfos[] = "paths info buffer";
inline constexpr char kSegments[] = "segs buffer";
}  // namespace block_names

}  // namespace vx
