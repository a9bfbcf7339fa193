// WarpToolCtrlr: distorts all selected paths together, as one object, by one of
// 22 shape profiles across the selection's box and the drag's distance.
#pragma once

#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_drag.h"
#include "tools/warp/warp_mapper.h"
#include "tools/warp/warp_params.h"

namespace vx {

class WarpToolCtrlr : public ToolCtrlr, private DragWorker {
 public:
  WarpToolCtrlr();

  // The mapper of the record's shape for a drag to state.current, or false when
  // the shape leaves the art alone for this drag.
  static bool MapperFor(const WarpToolParams& params, const ToolDragState& state, WarpMapper& mapper);

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  const WarpToolParams& params() const { return as<WarpToolParams>(); }

  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) override;
  TraceSettings Trace() const override;
  ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final, TraceList& plan) override;
  bool GathersSelection() const override { return true; }
  bool ReplacesOriginal() const override { return WarpTraceReplacesOriginal(params().shape); }
};

}  // namespace vx
