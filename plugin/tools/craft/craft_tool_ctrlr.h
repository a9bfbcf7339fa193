// CraftToolCtrlr: distorts the selected paths inside a circle, strongly at its
// centre and not at all at its rim: free push, dynamic push following the
// pointer, pinch and twirl. Alt-dragging sets the radius; Shift + Alt clicking
// a segment adds an anchor (both through the shared area modes).
#pragma once

#include "tools/craft/craft_mapper.h"
#include "tools/craft/craft_params.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_drag.h"

namespace vx {

class CraftToolCtrlr : public ToolCtrlr, private DragWorker {
 public:
  CraftToolCtrlr();

  // The mapper of the record's mode for a drag to `current`.
  static CraftMapper MapperFor(const CraftToolParams& params, const ToolDragState& state, double pinch, double twirl);

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  const CraftToolParams& params() const { return as<CraftToolParams>(); }

  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) override;
  TraceSettings Trace() const override;
  ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final, TraceList& plan) override;
  bool Accumulates() const override { return params().mode == kCraftDynamic; }

  bool areaMode_ = false;   // the press began an Alt or Shift + Alt action
  double pinch_ = 0;        // pinch accumulator
  double twirl_ = 0;        // twirl accumulator
  int axis_ = 0;            // Shift's axis: 0 none yet, 1 horizontal, 2 vertical
  ai::RealPoint previous_{0, 0};  // the last processed point, before this message
};

}  // namespace vx
