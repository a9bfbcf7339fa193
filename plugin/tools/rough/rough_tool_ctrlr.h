// RoughToolCtrlr: roughens the selected paths inside a circle around the press.
// Dragging right adds anchors (the density), dragging up or down moves them at
// random along their normals (the amplitude). The pattern comes from a stored
// seed, so the same drag gives the same roughness; Shift draws a new seed.
// Alt-dragging sets the radius; Shift + Alt clicking a segment adds an anchor.
#pragma once

#include <cstdint>

#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_drag.h"
#include "tools/rough/rough_params.h"

namespace vx {

// Density grows by this much per document unit dragged right, the amplitude
// per unit dragged up.
constexpr double kRoughDensityRate = 0.1;
constexpr double kRoughAmplitudeRate = 0.5;

class RoughToolCtrlr : public ToolCtrlr, private DragWorker {
 public:
  RoughToolCtrlr();

  // The seed the next drag without Shift roughens with.
  int32_t seed() const { return seed_; }

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  const RoughToolParams& params() const { return as<RoughToolParams>(); }
  double Radius() const;

  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code BeforePass(ToolDragState& state, int32_t copy, int32_t copies) override;
  ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) override;
  TraceSettings Trace() const override;
  ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final, TraceList& plan) override;

  bool areaMode_ = false;  // the press began an Alt or Shift + Alt action
  int32_t seed_;           // the stored seed
  int32_t nextSeed_;       // the seed of the coming drag pass (a new one with Shift)
  int32_t passSeed_;       // the seed of the last drag pass, kept once the message succeeds
};

}  // namespace vx
