#include "tools/warp/warp_tool_ctrlr.h"

#include <algorithm>
#include <cmath>

#include "geometry/deformation.h"

namespace vx {
namespace {

constexpr double kMinimumRate = 0.001;
constexpr double kMaximumRate = 10;

// The selection's box and the drag in the frame of the profile: u runs along
// it, v is displaced. The turned frame exchanges x and y.
struct Frame {
  double uMin, uMax, vMin, vMax;
  double curU, curV, downV;
};

Frame FrameOf(const ToolDragState& state) {
  const ai::RealRect& b = state.selectionBounds;
  if (state.alt)
    return {b.bottom, b.top, b.left, b.right, state.current.y, state.current.x, state.mouseDown.x};
  return {b.left, b.right, b.bottom, b.top, state.current.x, state.current.y, state.mouseDown.y};
}

double Factor(WarpFactor factor, double k0) {
  switch (factor) {
    case WarpFactor::kTwoK0: return 2 * k0;
    case WarpFactor::kK0: return k0;
    case WarpFactor::kHalfK0: return k0 / 2;
    case WarpFactor::kOne: return 1;
    case WarpFactor::kHalf: return 0.5;
    case WarpFactor::kTwoOverPi: return 0.6366197723675814;
  }
  return 1;
}

}  // namespace

WarpToolCtrlr::WarpToolCtrlr() : ToolCtrlr(0, &kWarpToolParamsSpec) {}

bool WarpToolCtrlr::MapperFor(const WarpToolParams& params, const ToolDragState& state, WarpMapper& mapper) {
  const Frame f = FrameOf(state);
  if (f.uMax == f.uMin || f.vMax == f.vMin) return false;
  const WarpShape& shape = kWarpShapes[static_cast<size_t>(std::clamp<int16_t>(params.shape, 0, kWarpShapeCount - 1))];
  const bool perspective = params.perspective != 0;
  const double k0 = std::clamp(1 / (f.vMax - f.vMin), kMinimumRate, kMaximumRate);
  const double cu = (f.uMin + f.uMax) / 2, cv = (f.vMin + f.vMax) / 2;
  double dy = f.curV - f.downV;
  if (shape.negate) dy = -dy;
  switch (shape.skip) {
    case WarpSkip::kPerspective:
      if (perspective && dy <= 0) return false;
      break;
    case WarpSkip::kZero:
      if (dy == 0) return false;
      break;
    case WarpSkip::kZeroUnlessPerspective:
      if (dy == 0 && !perspective) return false;
      break;
  }
  mapper.profile = shape.profile;
  mapper.perspective = perspective;
  mapper.turned = state.alt;
  mapper.x0 = shape.anchor == WarpAnchor::kCurrent ? f.curU : 2 * cu - f.curU;
  mapper.y0 = shape.base == WarpBase::kCentre ? cv : shape.base == WarpBase::kBottom ? f.vMin : f.vMax;
  mapper.K = Factor(shape.factor, k0);
  mapper.k2 = k0 / 2;
  mapper.dy = dy;
  // From the drag point to the farther side of the box, widened by the margin.
  mapper.X = (cu > f.curU ? f.uMax - f.curU : f.curU - f.uMin) * (1 + params.margin);
  return mapper.X > 0;
}

void WarpToolCtrlr::TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) {
  state.alt = (modifiers & ai::modifier::kAlt) != 0;
  // Shift keeps the result symmetric: the profile sits on the box's centre line.
  PinToBoxCentre(state, point, modifiers);
}

ai::Code WarpToolCtrlr::DeformPath(ToolDragState& state, ai::ArtHandle path) {
  WarpMapper mapper{};
  if (!MapperFor(params(), state, mapper)) return ai::kNoError;
  const double size = mapper.X;
  return MapSegmentRun(path, state.run(), [&mapper, size](SegmentPair& pair, bool check) {
    return MapSegmentFree(mapper, pair, check, size);
  });
}

TraceSettings WarpToolCtrlr::Trace() const {
  const WarpToolParams& p = params();
  return TraceSettings::Of(p.trace != 0, p.traceMode, p.traceSpace, p.traceSteps);
}

ai::Code WarpToolCtrlr::PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final,
                                  TraceList& plan) {
  const TraceSettings trace = Trace();
  const bool fromStart = WarpTraceReplacesOriginal(params().shape);
  if (trace.mode == kTraceDragAlong) {
    if (fromStart) {
      if (ai::Code code = plan.Append(state.mouseDown)) return code;
    }
    for (int32_t i = 0; i < recorded.count(); ++i)
      if (ai::Code code = plan.Append(recorded[i].point)) return code;
    return plan.Append(final);
  }
  return PlanBoxTrace(state, trace.mode, trace.steps, final, fromStart, plan);
}

ai::Code WarpToolCtrlr::MouseDown(const ai::ToolEvent& event) { return BeginToolDrag(DragState(), event); }

ai::Code WarpToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  return ApplyToolDrag(DragState(), *this, event);
}

ai::Code WarpToolCtrlr::MouseUp(const ai::ToolEvent& event) { return EndToolDrag(DragState(), *this, event); }

}  // namespace vx
