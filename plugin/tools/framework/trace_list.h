// The trace of a drag: the end points of the copies a tool leaves behind at mouse
// up. While dragging in the "Drag Along" mode the points the pointer passed are
// recorded; the other modes space a number of steps between the mouse-down
// point and the final point.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "geometry/named_block.h"

namespace vx {

// Trace modes as the tool palettes list them.
enum TraceMode : int16_t {
  kTraceDragAlong = 0,
  kTraceUniform = 1,
  kTraceAccelerate = 2,
  kTraceDecelerate = 3,
  kTraceUniformRoundTrip = 4,
  kTraceAccelerateRoundTrip = 5,
  kTraceDecelerateRoundTrip = 6,
};

inline bool IsRoundTrip(int16_t mode) { return mode >= kTraceUniformRoundTrip && mode <= kTraceDecelerateRoundTrip; }

struct TraceEntry {
  ai::RealPoint point;
  int32_t undeformed;  // the copy is made as the art was at mouse down
  int32_t reserved;
  ai::RealPoint extent;  // the tool's area size when the entry was recorded; (0, 0) when it has none
};

// A list of trace entries in a named block: room for 501 at first, 100 more
// each time it is full.
class TraceList {
 public:
  static constexpr int32_t kFirstRoom = 501;
  static constexpr int32_t kGrowth = 100;

  ai::Code Append(ai::RealPoint point, bool undeformed = false, ai::RealPoint extent = {0, 0});
  void Free();

  int32_t count() const { return count_; }
  const TraceEntry& operator[](int32_t index) const { return block_.as<TraceEntry>()[index]; }
  bool allocated() const { return block_.get() != nullptr; }

 private:
  NamedBlock block_;
  int32_t count_ = 0;
  int32_t room_ = 0;
};

// Visits entries k = 0..n between `start` and `end` for a One Way or Round Trip
// mode with visit(k, position): entry 0 is `start`; with f = k / n, Uniform
// accumulates n equal steps, Accelerate places entry k at f², Decelerate at
// 1 − (f − 1)² of the way.
template <class Visit>
void ForEachTraceStep(int16_t mode, int32_t n, double start, double end, Visit&& visit) {
  const double span = end - start;
  double accumulated = start;
  visit(0, start);
  for (int32_t k = 1; k <= n; ++k) {
    const double f = static_cast<double>(k) / n;
    switch (mode) {
      case kTraceAccelerate:
      case kTraceAccelerateRoundTrip:
        visit(k, start + span * f * f);
        break;
      case kTraceDecelerate:
      case kTraceDecelerateRoundTrip:
        visit(k, start + span * (1 - (f - 1) * (f - 1)));
        break;
      default:
        accumulated += span / n;
        visit(k, accumulated);
    }
  }
}

}  // namespace vx
