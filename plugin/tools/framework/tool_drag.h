// The drag protocol the distortion tools share. Mouse down matches the selected
// art; each drag message takes back what the previous one did (the host's undo
// of the current tool context) and deforms the art again from its mouse-down
// geometry; mouse up keeps the result, takes it back, or replaces it by trace
// copies along the drag.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "frame/host/messages.h"
#include "tools/framework/tool_drag_state.h"
#include "tools/framework/trace_list.h"

namespace vx {

// The trace settings of a tool's record.
struct TraceSettings {
  bool on = false;
  int16_t mode = kTraceUniform;
  double space = 10;   // "Drag Along": distance in x or y between recorded points
  int32_t steps = 24;  // the other modes

  // From a tool record's trace fields; the steps become a whole number in 1..4000.
  static TraceSettings Of(bool on, int16_t mode, double space, double steps) {
    return {on, mode, space, static_cast<int32_t>(std::clamp(std::round(steps), 1.0, 4000.0))};
  }
};

// What a tool plugs into the protocol.
class DragWorker {
 public:
  virtual ~DragWorker() = default;
  // The tool's modifier handling: may move the point (Shift pins it) and note
  // Alt in the state. Runs for every drag message and for the mouse up.
  virtual void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) {
    state.alt = (modifiers & ai::modifier::kAlt) != 0;
  }
  // Runs before the matched paths are deformed for a drag message (and again
  // when a failed message restores the last drag), with `copies` 0; and before
  // trace copy `copy` of `copies` is deformed. A tool with a random pattern
  // re-seeds it here.
  virtual ai::Code BeforePass(ToolDragState&, int32_t /*copy*/, int32_t /*copies*/) { return ai::kNoError; }
  // Deforms one matched path as a drag to state.current, using the working run.
  virtual ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) = 0;
  // Deforms `copy`, a trace copy of the matched path `original`, as a drag to
  // state.current. Tools whose work on a path depends on the path's place in
  // the selection read it from `original`.
  virtual ai::Code DeformCopiedPath(ToolDragState& state, ai::ArtHandle original, ai::ArtHandle copy) {
    (void)original;
    return DeformPath(state, copy);
  }
  virtual TraceSettings Trace() const = 0;
  // The size of the tool's area, kept with each "Drag Along" entry so that a
  // copy is made with the area it was recorded with; (0, 0) for none.
  virtual ai::RealPoint TraceExtent() const { return {0, 0}; }
  // The end points of the trace copies, in the order the copies are made.
  // `recorded` holds what "Drag Along" recorded; `final` is the mouse-up point.
  virtual ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final,
                             TraceList& plan) = 0;
  // Several selected top-level objects are gathered into one group that is
  // copied as one object.
  virtual bool GathersSelection() const { return false; }
  // The gathered object is deleted after the copies, so only they remain.
  virtual bool ReplacesOriginal() const { return false; }
  // Each drag adds to what the previous ones did instead of starting again
  // from the mouse-down geometry.
  virtual bool Accumulates() const { return false; }
};

// Status of a mouse down with no selected art to work on.
constexpr ai::Code kNothingSelected = 0x2173656C;

// Throttle: a drag message within this many ticks of the mouse down and within
// kThrottleDistance points of it in x and y does nothing while the art is untouched.
constexpr uint32_t kThrottleTicks = 29;
constexpr double kThrottleDistance = 2;
// A mouse up within this distance of the mouse down (in x and y) keeps the art as it is.
constexpr double kReleaseDistance = 1;

// Shift for the tools that work on the selection's box: the point is pinned to
// the box's vertical centre line (with Alt, its horizontal one).
void PinToBoxCentre(const ToolDragState& state, ai::RealPoint& point, int16_t modifiers);

// The trace end points of a tool that works on the selection's box (Warp,
// Wave), for a One Way or Round Trip mode: the displaced coordinate steps from
// the mouse-down point to `final`. `fromStart` includes entry 0 and ends the
// way back with it; otherwise the way back ends with one undeformed copy.
ai::Code PlanBoxTrace(const ToolDragState& state, int16_t mode, int32_t steps, ai::RealPoint final, bool fromStart,
                      TraceList& plan);

// The trace end points of a tool whose copies step one value from `start` to
// `end`: entries 1..steps, and for a Round Trip mode steps - 1 down to 1 again,
// each the point `at(value)`.
template <class PointAt>
ai::Code PlanValueTrace(int16_t mode, int32_t steps, double start, double end, PointAt&& at, TraceList& plan) {
  TraceList values;
  ai::Code failed = ai::kNoError;
  ForEachTraceStep(mode, steps, start, end, [&](int32_t, double value) {
    if (failed == ai::kNoError) failed = values.Append({value, 0});
  });
  if (failed != ai::kNoError) return failed;
  for (int32_t k = 1; k <= steps; ++k)
    if (ai::Code code = plan.Append(at(values[k].point.x))) return code;
  if (IsRoundTrip(mode))
    for (int32_t k = steps - 1; k >= 1; --k)
      if (ai::Code code = plan.Append(at(values[k].point.x))) return code;
  return ai::kNoError;
}

ai::Code BeginToolDrag(ToolDragState& state, const ai::ToolEvent& event);
ai::Code ApplyToolDrag(ToolDragState& state, DragWorker& worker, const ai::ToolEvent& event);
// Frees everything the drag holds, on every path.
ai::Code EndToolDrag(ToolDragState& state, DragWorker& worker, const ai::ToolEvent& event);

// Frees the working run, the trace list and the matched list (mouse up, and a
// drag abandoned because a new one began).
void ReleaseDrag(ToolDragState& state);

}  // namespace vx
