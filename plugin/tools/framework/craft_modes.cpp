#include "tools/framework/craft_modes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "geometry/deformation.h"
#include "tools/framework/tool_cursors.h"

namespace vx {
namespace {

// Pointer moves nearer than this to the mouse-down point in x and y do not turn the twirl.
constexpr double kTwirlDeadZone = 0.1;

// Trace copies of the pinch and twirl modes carry their drag value in x, with y
// not a number.
bool IsValueStep(ai::RealPoint p) { return std::isnan(p.y); }

double Wrapped(double angle) {
  constexpr double pi = std::numbers::pi;
  while (angle <= -pi) angle += 2 * pi;
  while (angle > pi) angle -= 2 * pi;
  return angle;
}

}  // namespace

CraftModesTool::CraftModesTool(int16_t paletteIndex, const RecordSpec* spec, double pinchRate)
    : ToolCtrlr(paletteIndex, spec), pinchRate_(pinchRate) {}

CraftMapper CraftModesTool::MapperFor(const CraftModeSettings& settings, const ToolDragState& state, double pinch,
                                      double twirl) {
  const CraftMode mode = static_cast<CraftMode>(std::clamp<int16_t>(settings.mode, 0, 3));
  CraftMapper mapper{};
  mapper.mode = mode;
  mapper.centre = mode == kCraftDynamic ? state.current : state.mouseDown;
  mapper.radius = std::clamp(settings.radius, 1.0, 4000.0);
  mapper.power = std::max<int32_t>(settings.resistance, 1);
  const ai::RealPoint from = mode == kCraftDynamic ? state.lastProcessed : state.mouseDown;
  mapper.push = {state.current.x - from.x, state.current.y - from.y};
  mapper.amount = mode == kCraftPinch ? pinch : twirl;
  return mapper;
}

// The circle the drag works in: at the press, or under the pointer in dynamic mode.
bool CraftModesTool::DragArea(ai::RealPoint& centre, double& rx, double& ry) const {
  const ToolDragState& state = DragState();
  if (areaMode_ || !state.active) return false;
  const CraftMapper mapper = MapperFor(Settings(), state, pinch_, twirl_);
  centre = mapper.centre;
  rx = ry = mapper.radius;
  return true;
}

ai::Code CraftModesTool::MouseDown(const ai::ToolEvent& event) {
  const int16_t cursor = DragState().cursorId;
  areaMode_ = cursor == cursor_id::kCentre || cursor == cursor_id::kAddAnchor;
  if (areaMode_) return ToolCtrlr::MouseDown(event);
  pinch_ = twirl_ = 0;
  axis_ = 0;
  return BeginToolDrag(DragState(), event);
}

ai::Code CraftModesTool::MouseDrag(const ai::ToolEvent& event) {
  if (areaMode_) return ToolCtrlr::MouseDrag(event);
  ToolDragState& state = DragState();
  const double pinch = pinch_, twirl = twirl_;
  const ai::Code code = ApplyToolDrag(state, *this, event);
  // A message that did no work leaves the accumulators as they were.
  if (code != ai::kNoError || state.lastProcessed.x != state.current.x || state.lastProcessed.y != state.current.y) {
    pinch_ = pinch;
    twirl_ = twirl;
  }
  return code;
}

ai::Code CraftModesTool::MouseUp(const ai::ToolEvent& event) {
  if (areaMode_) {
    areaMode_ = false;
    return ToolCtrlr::MouseUp(event);
  }
  return EndToolDrag(DragState(), *this, event);
}

void CraftModesTool::TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) {
  state.alt = false;
  if (!state.active) return;
  if (modifiers & ai::modifier::kShift) {
    // Shift keeps to the axis of the larger move, chosen by its first message.
    const ai::RealPoint last = state.lastProcessed;
    if (axis_ == 0) axis_ = std::fabs(point.x - last.x) > std::fabs(point.y - last.y) ? 1 : 2;
    if (axis_ == 1) point.y = last.y;
    else point.x = last.x;
  } else {
    axis_ = 0;
  }
  const ai::RealPoint down = state.mouseDown, last = state.lastProcessed;
  pinch_ += pinchRate_ * (point.y - last.y);
  const auto near = [&](ai::RealPoint p) {
    return std::fabs(p.x - down.x) <= kTwirlDeadZone && std::fabs(p.y - down.y) <= kTwirlDeadZone;
  };
  if (!near(point) && !near(last))
    twirl_ += Wrapped(std::atan2(point.y - down.y, point.x - down.x) - std::atan2(last.y - down.y, last.x - down.x));
}

ai::Code CraftModesTool::DeformPath(ToolDragState& state, ai::ArtHandle path) {
  return DeformCopiedPath(state, path, path);
}

ai::Code CraftModesTool::DeformCopiedPath(ToolDragState& state, ai::ArtHandle original, ai::ArtHandle copy) {
  double pinch = pinch_, twirl = twirl_;
  ToolDragState view = {};
  view.mouseDown = state.mouseDown;
  view.current = state.current;
  view.lastProcessed = state.lastProcessed;
  if (IsValueStep(state.current)) {
    pinch = twirl = state.current.x;
    view.current = state.mouseDown;
  }
  const CraftMapper mapper = MapperFor(Settings(), view, pinch, twirl);
  if (mapper.mode <= kCraftDynamic && mapper.push.x == 0 && mapper.push.y == 0) return ai::kNoError;
  if (mapper.mode > kCraftDynamic && mapper.amount == 0) return ai::kNoError;
  return MovePath(state, original, copy, mapper);
}

TraceSettings CraftModesTool::Trace() const {
  const CraftModeSettings s = Settings();
  // Dynamic drags accumulate; they leave no copies.
  return TraceSettings::Of(s.trace && s.mode != kCraftDynamic, s.traceMode, s.traceSpace, s.traceSteps);
}

ai::Code CraftModesTool::PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final,
                                   TraceList& plan) {
  const TraceSettings trace = Trace();
  const int16_t modeNow = Settings().mode;
  const bool byValue = modeNow == kCraftPinch || modeNow == kCraftTwirl;
  if (trace.mode == kTraceDragAlong && !byValue) {
    for (int32_t i = 0; i < recorded.count(); ++i)
      if (ai::Code code = plan.Append(recorded[i].point)) return code;
    return plan.Append(final);
  }
  constexpr double kValue = std::numeric_limits<double>::quiet_NaN();
  const double value = modeNow == kCraftPinch ? pinch_ : twirl_;
  const int16_t mode = trace.mode == kTraceDragAlong ? int16_t{kTraceUniform} : trace.mode;
  TraceList stepsX, stepsY;
  ai::Code failed = ai::kNoError;
  // Free: points between the mouse-down and the final point; pinch and twirl:
  // the drag value from 0.
  ForEachTraceStep(mode, trace.steps, byValue ? 0 : state.mouseDown.x, byValue ? value : final.x,
                   [&](int32_t, double x) {
                     if (failed == ai::kNoError) failed = stepsX.Append({x, 0});
                   });
  ForEachTraceStep(mode, trace.steps, state.mouseDown.y, final.y, [&](int32_t, double y) {
    if (failed == ai::kNoError) failed = stepsY.Append({y, 0});
  });
  if (failed != ai::kNoError) return failed;
  const auto entry = [&](int32_t k) {
    return byValue ? ai::RealPoint{stepsX[k].point.x, kValue} : ai::RealPoint{stepsX[k].point.x, stepsY[k].point.x};
  };
  for (int32_t k = 1; k <= trace.steps; ++k)
    if (ai::Code code = plan.Append(entry(k))) return code;
  if (IsRoundTrip(mode))
    for (int32_t k = trace.steps - 1; k >= 1; --k)
      if (ai::Code code = plan.Append(entry(k))) return code;
  return ai::kNoError;
}

}  // namespace vx
