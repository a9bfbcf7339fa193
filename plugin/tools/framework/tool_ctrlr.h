// ToolCtrlr: the base of every tool controller. It owns the tool's parameter
// record (loaded from the last setting, kept as the last setting when the
// controller goes), the tool's palette when a palette hook is installed, and
// routes the tool messages: cursor choice by modifier keys, mouse down, drag
// and up, with the cursor-driven modes of the area tools.
#pragma once

#include <cstdint>
#include <memory>

#include "frame/controllers.h"
#include "frame/tool_table.h"
#include "geometry/named_block.h"
#include "presets/record_schema.h"
#include "tools/framework/tool_cursors.h"
#include "tools/framework/tool_palette.h"

namespace vx {

class ToolCtrlr : public ToolPaletteCtrlr {
 public:
  // `spec` is the tool's record table; null for a tool without a record.
  ToolCtrlr(int16_t paletteIndex, const RecordSpec* spec);
  ~ToolCtrlr() override;
  ToolCtrlr(const ToolCtrlr&) = delete;
  ToolCtrlr& operator=(const ToolCtrlr&) = delete;

  // Allocates the record under its name, loads the last setting into it (or the
  // defaults), publishes it in the globals block, then makes and shows the
  // palette. A failure is returned and the controller must be destroyed.
  ai::Code Open();

  bool PaletteShown() const override;
  void HidePalette() override;
  void Refresh(int32_t flags) override;
  ai::Code OnToolEvent(ToolEventKind kind, const ai::ToolMessage& message) override;
  // Outlines the area of a deforming drag (DragArea) over the view.
  ai::Code DrawAnnotation(ai::AnnotatorDrawer drawer, ai::ViewRect* covered) override;

  int16_t paletteIndex() const { return paletteIndex_; }
  const RecordSpec* spec() const { return spec_; }
  void* record() const { return record_.get(); }
  const ToolEntry* entry() const;
  // The cursor the tool shows with no key held (the cursor of its selection).
  int16_t BaseCursor() const;

 protected:
  virtual ai::Code MouseDown(const ai::ToolEvent& event);
  virtual ai::Code MouseDrag(const ai::ToolEvent& event);
  virtual ai::Code MouseUp(const ai::ToolEvent& event);
  virtual CursorInputs CursorInputsNow(bool pressed) const;
  // The ellipse a deforming drag works in now (a lens, a circle), outlined on
  // the annotator while the drag lasts; false when the tool has none.
  virtual bool DragArea(ai::RealPoint& centre, double& rx, double& ry) const { return false; }

  template <class Record>
  Record& as() const {
    return *record_.as<Record>();
  }

 private:
  ai::Code ChooseCursor(const ai::ToolEvent& event, bool pressed);
  // Alt-drag on an area tool: the click is the area's centre and the drag sets
  // its radius, shown by a preview outline.
  ai::Code SetAreaRadius(const ai::ToolEvent& event);
  ai::Code EndAreaMode();

  int16_t paletteIndex_;
  const RecordSpec* spec_;
  NamedBlock record_;
  std::unique_ptr<ToolPaletteWindow> palette_;
  bool areaMode_ = false;
};

// The slot of a tool's record in the globals block (tool order Warp .. Trail),
// or -1 for a tool without a record of its own.
int ToolRecordSlot(int16_t paletteIndex);

// Sends the internal notifier that a stroke has ended ("Tool Send Data"), so
// the tool palette refreshes its controls.
ai::Code NotifyStrokeEnded();

// A closed four-anchor outline of an ellipse with semi-axes rx, ry around
// `centre`, on top of the current layer: the preview of a tool area.
ai::Code DrawAreaOutline(ai::RealPoint centre, double rx, double ry, ai::ArtHandle* outline);

// Installs the controller factories of the tools that have none installed yet.
void InstallToolControllers();

}  // namespace vx
