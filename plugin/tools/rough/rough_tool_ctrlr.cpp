#include "tools/rough/rough_tool_ctrlr.h"

#include <algorithm>
#include <cmath>

#include "frame/suite_set.h"
#include "presets/record_hooks.h"
#include "tools/framework/tool_cursors.h"
#include "tools/rough/rough_path.h"

namespace vx {
namespace {

constexpr double kMinimumRadius = 1;
constexpr double kMaximumRadius = 4000;

// The palette lists the One Way and Round Trip modes only, from Uniform.
int16_t TraceModeOf(int16_t listed) { return static_cast<int16_t>(std::clamp<int16_t>(listed, 0, 5) + kTraceUniform); }

ai::Code DisposePreview(ToolDragState& state) {
  if (state.previewArt == nullptr) return ai::kNoError;
  const ai::ArtHandle outline = state.previewArt;
  state.previewArt = nullptr;
  return suites::Art().disposeArt(outline);
}

}  // namespace

RoughToolCtrlr::RoughToolCtrlr()
    : ToolCtrlr(7, &kRoughToolParamsSpec), seed_(TickCountSeed()), nextSeed_(seed_), passSeed_(seed_) {}

double RoughToolCtrlr::Radius() const { return std::clamp(params().areaRadius, kMinimumRadius, kMaximumRadius); }

ai::Code RoughToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  const int16_t cursor = DragState().cursorId;
  areaMode_ = cursor == cursor_id::kCentre || cursor == cursor_id::kAddAnchor;
  if (areaMode_) return ToolCtrlr::MouseDown(event);
  ToolDragState& state = DragState();
  if (ai::Code code = BeginToolDrag(state, event)) return code;
  state.centre = state.mouseDown;
  nextSeed_ = passSeed_ = seed_;
  if (ai::Code code = DrawAreaOutline(state.centre, Radius(), Radius(), &state.previewArt)) {
    DisposePreview(state);
    ReleaseDrag(state);
    return code;
  }
  return ai::kNoError;
}

ai::Code RoughToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  if (areaMode_) return ToolCtrlr::MouseDrag(event);
  ToolDragState& state = DragState();
  // The outline of the press goes before the first deformation; later ones go
  // with the rest of the previous message when the host reverts it.
  if (state.untouched) {
    if (ai::Code code = DisposePreview(state)) return code;
  }
  const ai::Code code = ApplyToolDrag(state, *this, event);
  if (code != ai::kNoError) {
    // The art went back to its mouse-down state, outline and all.
    if (state.untouched) state.previewArt = nullptr;
    passSeed_ = nextSeed_ = seed_;
    return code;
  }
  seed_ = passSeed_;
  // A message the throttle ignored still shows the area.
  if (state.untouched && state.previewArt == nullptr && state.active)
    return DrawAreaOutline(state.centre, Radius(), Radius(), &state.previewArt);
  return ai::kNoError;
}

ai::Code RoughToolCtrlr::MouseUp(const ai::ToolEvent& event) {
  if (areaMode_) {
    areaMode_ = false;
    return ToolCtrlr::MouseUp(event);
  }
  return EndToolDrag(DragState(), *this, event);
}

void RoughToolCtrlr::TakeEvent(ToolDragState& state, ai::RealPoint&, int16_t modifiers) {
  state.alt = false;
  nextSeed_ = (modifiers & ai::modifier::kShift) ? TickCountSeed() : seed_;
}

ai::Code RoughToolCtrlr::BeforePass(ToolDragState& state, int32_t copy, int32_t copies) {
  if (copies > 0) {
    // Every trace copy repeats the stored pattern; with "New Sequence" only the
    // last does and the others draw on.
    if (params().newSequence != 0 && copy + 1 < copies) return ai::kNoError;
    return suites::Random().setSeed(seed_);
  }
  // A drag pass (or the restoring of the last one) follows a revert that took
  // the previous outline away: the outline is drawn again at the centre.
  state.previewArt = nullptr;
  passSeed_ = nextSeed_;
  nextSeed_ = seed_;  // a pass that restores the last drag uses the stored seed
  if (ai::Code code = DrawAreaOutline(state.centre, Radius(), Radius(), &state.previewArt)) return code;
  return suites::Random().setSeed(passSeed_);
}

ai::Code RoughToolCtrlr::DeformPath(ToolDragState& state, ai::ArtHandle path) {
  const double density = kRoughDensityRate * (state.current.x - state.mouseDown.x);
  const double amplitude = kRoughAmplitudeRate * (state.current.y - state.mouseDown.y);
  if (density == 0 && amplitude == 0) return ai::kNoError;
  const RoughArea area{state.mouseDown, Radius()};
  return RoughenPath(path, state.run(), area, density, amplitude, params().pointType == 1);
}

TraceSettings RoughToolCtrlr::Trace() const {
  // Roughening has no "Drag Along", so the space is never read.
  return TraceSettings::Of(params().trace != 0, TraceModeOf(params().traceMode), TraceSettings{}.space,
                           params().traceSteps);
}

// Copies keep the final density (x) and step the amplitude (y) from the press.
ai::Code RoughToolCtrlr::PlanTrace(ToolDragState& state, const TraceList&, ai::RealPoint final, TraceList& plan) {
  const TraceSettings trace = Trace();
  return PlanValueTrace(
      trace.mode, trace.steps, state.mouseDown.y, final.y, [&](double y) { return ai::RealPoint{final.x, y}; }, plan);
}

}  // namespace vx
