// WaveToolCtrlr: bends all selected paths, as one object, into a wave along the
// selection's box; the cycle comes from the palette, amplitude and phase from
// the drag. The fifth shape winds the art into a spiral.
#pragma once

#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_drag.h"
#include "tools/wave/wave_mapper.h"
#include "tools/wave/wave_params.h"

namespace vx {

class WaveToolCtrlr : public ToolCtrlr, private DragWorker {
 public:
  WaveToolCtrlr();

  // The mapper of the record's shape for a drag to state.current, or false when
  // the art is left alone (a box of no width or height).
  static bool MapperFor(const WaveToolParams& params, const ToolDragState& state, WaveMapper& mapper);

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  const WaveToolParams& params() const { return as<WaveToolParams>(); }

  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) override;
  TraceSettings Trace() const override;
  ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final, TraceList& plan) override;
  bool GathersSelection() const override { return true; }
  bool ReplacesOriginal() const override;
};

}  // namespace vx
