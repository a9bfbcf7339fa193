// LensToolCtrlr: distorts what lies under an elliptical lens carried by the
// pointer (fish-eye, magnifying, twirl), or shrinks whole objects about their
// own centres (tone lens). Alt-dragging sizes the lens instead.
#pragma once

#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_drag.h"
#include "tools/lens/lens_mapper.h"
#include "tools/lens/lens_params.h"

namespace vx {

class LensToolCtrlr : public ToolCtrlr, private DragWorker {
 public:
  LensToolCtrlr();

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;
  bool DragArea(ai::RealPoint& centre, double& rx, double& ry) const override;

 private:
  LensToolParams& params() const { return as<LensToolParams>(); }
  // The lens the pointer carries: of `size` when it has one, else of the record's size.
  LensGeometry LensAt(ai::RealPoint pointer, ai::RealPoint size = {0, 0}) const;
  ai::Code Resize(const ai::ToolEvent& event);
  ai::Code ReplacePreview(const LensGeometry& lens);
  ai::Code DisposePreview();
  ai::Code ApplyTone(const LensGeometry& lens, double minH, double minV, ai::ArtHandle path);

  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) override;
  TraceSettings Trace() const override;
  ai::RealPoint TraceExtent() const override;
  ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final, TraceList& plan) override;

  bool resizing_ = false;
  // Trace copies at the final lens position carry the fraction of the lens
  // strength they use in x, with y not a number; the position is kept here.
  ai::RealPoint traceAt_{0, 0};
};

}  // namespace vx
