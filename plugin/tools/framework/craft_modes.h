// CraftModesTool: the base of the tools that work inside a circle with the four
// modes free, dynamic, pinch and twirl (Craft, Broom). It follows the drag:
// Shift's axis, the pinch and twirl accumulators, the mapper of each message,
// the trace plan at mouse up; the tool says what it does with one path.
#pragma once

#include <cstdint>

#include "tools/framework/craft_mapper.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/framework/tool_drag.h"

namespace vx {

// The fields of a tool record the four modes read.
struct CraftModeSettings {
  int16_t mode = 0;
  int16_t resistance = 2;
  double radius = 100;
  bool trace = false;
  int16_t traceMode = 1;
  double traceSpace = 10;
  double traceSteps = 24;
};

class CraftModesTool : public ToolCtrlr, protected DragWorker {
 public:
  // `pinchRate`: how much the pinch accumulator grows per point of vertical drag.
  CraftModesTool(int16_t paletteIndex, const RecordSpec* spec, double pinchRate);

  // The mapper of the settings' mode for a drag to state.current.
  static CraftMapper MapperFor(const CraftModeSettings& settings, const ToolDragState& state, double pinch,
                               double twirl);

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;
  bool DragArea(ai::RealPoint& centre, double& rx, double& ry) const override;

  virtual CraftModeSettings Settings() const = 0;
  // Works `target` for this message's mapper. `source` is the matched path
  // `target` stands for: the path itself while dragging, its original when
  // `target` is a trace copy.
  virtual ai::Code MovePath(ToolDragState& state, ai::ArtHandle source, ai::ArtHandle target,
                            const CraftMapper& mapper) = 0;

  void TakeEvent(ToolDragState& state, ai::RealPoint& point, int16_t modifiers) override;
  ai::Code DeformPath(ToolDragState& state, ai::ArtHandle path) override;
  ai::Code DeformCopiedPath(ToolDragState& state, ai::ArtHandle original, ai::ArtHandle copy) override;
  TraceSettings Trace() const override;
  ai::Code PlanTrace(ToolDragState& state, const TraceList& recorded, ai::RealPoint final, TraceList& plan) override;
  bool Accumulates() const override { return Settings().mode == kCraftDynamic; }

 private:
  double pinchRate_;
  bool areaMode_ = false;   // the press began an Alt or Shift + Alt action
  double pinch_ = 0;        // pinch accumulator
  double twirl_ = 0;        // twirl accumulator
  int axis_ = 0;            // Shift's axis: 0 none yet, 1 horizontal, 2 vertical
};

}  // namespace vx
