#include "tools/wave/wave_tool_ctrlr.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/deformation.h"

namespace vx {
namespace {

constexpr int16_t kWaveDragAlong = 0;
constexpr int16_t kWaveFullCycle = 1;

// The palette's wave trace modes after "Full Cycle" are the shared One Way and
// Round Trip modes, one place later.
int16_t SharedTraceMode(int16_t waveMode) { return static_cast<int16_t>(waveMode - 1); }

double Cycle(const WaveToolParams& params) { return std::clamp(params.cycle, 0.1, 4000.0); }

}  // namespace

WaveToolCtrlr::WaveToolCtrlr() : ToolCtrlr(2, &kWaveToolParamsSpec) {}

bool WaveToolCtrlr::MapperFor(const WaveToolParams& params, const ToolDragState& state, WaveMapper& mapper) {
  const ai::RealRect& b = state.selectionBounds;
  const bool turned = state.alt;
  // u runs along the wave, v is displaced.
  const double uMin = turned ? b.bottom : b.left, uMax = turned ? b.top : b.right;
  const double vMin = turned ? b.left : b.bottom, vMax = turned ? b.right : b.top;
  if (uMax == uMin || vMax == vMin) return false;
  const double curU = turned ? state.current.y : state.current.x;
  const double dv = turned ? state.current.x - state.mouseDown.x : state.current.y - state.mouseDown.y;
  const double k0 = std::clamp(1 / (vMax - vMin), 0.001, 10.0);
  const double n = Cycle(params);
  const int16_t shape = std::clamp<int16_t>(params.shape, 0, 4);
  mapper = {};
  mapper.shape = shape;
  mapper.turned = turned;
  mapper.n = n;
  mapper.cx = (uMin + uMax) / 2;
  mapper.x0 = curU;
  mapper.y0 = (vMin + vMax) / 2;
  mapper.dy = dv;
  mapper.X = (uMax - uMin) / 2;
  switch (shape) {
    case 0: mapper.K = k0; break;
    case 1: mapper.K = k0 / 2; mapper.y0 = vMin; break;
    case 2: mapper.K = k0 / 2; mapper.y0 = vMax; mapper.dy = -dv; break;
    case 3: mapper.K = 1; break;
    default: {
      mapper.K = 0.3185 / n;
      mapper.x0 = mapper.cx;
      mapper.X /= n * std::numbers::pi;
      mapper.phase = std::numbers::pi * (curU - mapper.x0) / mapper.X;
    }
  }
  return true;
}

void WaveToolCtrlr::TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) {
  state.alt = (modifiers & ai::modifier::kAlt) != 0;
  PinToBoxCentre(state, point, modifiers);
}

ai::Code WaveToolCtrlr::DeformPath(ToolDragState& state, ai::ArtHandle path) {
  WaveMapper mapper{};
  if (!MapperFor(params(), state, mapper)) return ai::kNoError;
  const double size = mapper.X;
  return MapSegmentRun(path, state.run(), [&mapper, size](SegmentPair& pair, bool check) {
    return MapSegmentFree(mapper, pair, check, size);
  });
}

TraceSettings WaveToolCtrlr::Trace() const {
  const WaveToolParams& p = params();
  // The drag records its points in "Drag Along" only.
  const int16_t mode = p.traceMode == kWaveDragAlong ? int16_t{kTraceDragAlong} : int16_t{kTraceUniform};
  return TraceSettings::Of(p.trace != 0, mode, p.traceSpace, p.traceSteps);
}

bool WaveToolCtrlr::ReplacesOriginal() const {
  return params().traceMode == kWaveFullCycle || params().shape == kWaveSpiral;
}

ai::Code WaveToolCtrlr::PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final,
                                  TraceList& plan) {
  const WaveToolParams& p = params();
  const int32_t steps = Trace().steps;
  const bool spiral = p.shape == kWaveSpiral;
  if (p.traceMode == kWaveDragAlong) {
    for (int32_t i = 0; i < recorded.count(); ++i)
      if (ai::Code code = plan.Append(recorded[i].point)) return code;
    return plan.Append(final);
  }
  if (p.traceMode == kWaveFullCycle) {
    // Full amplitude every time; the phase advances by a share of one period.
    const ai::RealRect& b = state.selectionBounds;
    const bool turned = state.alt;
    const double extent = turned ? b.top - b.bottom : b.right - b.left;
    const double period = extent / (Cycle(p) * (spiral ? std::numbers::pi : 1.0));
    double shift = 0;
    for (int32_t k = 0; k < steps; ++k) {
      const ai::RealPoint at = turned ? ai::RealPoint{final.x, final.y + shift} : ai::RealPoint{final.x + shift, final.y};
      if (ai::Code code = plan.Append(at)) return code;
      shift += period / (steps + 1);
      if (shift >= period) shift -= period;
    }
    return ai::kNoError;
  }
  return PlanBoxTrace(state, SharedTraceMode(p.traceMode), steps, final, spiral, plan);
}

ai::Code WaveToolCtrlr::MouseDown(const ai::ToolEvent& event) { return BeginToolDrag(DragState(), event); }

ai::Code WaveToolCtrlr::MouseDrag(const ai::ToolEvent& event) { return ApplyToolDrag(DragState(), *this, event); }

ai::Code WaveToolCtrlr::MouseUp(const ai::ToolEvent& event) { return EndToolDrag(DragState(), *this, event); }

}  // namespace vx
