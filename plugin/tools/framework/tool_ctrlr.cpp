#include "tools/framework/tool_ctrlr.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "frame/ai_error.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/plugin.h"
#include "frame/suite_set.h"
#include "geometry/bezier.h"
#include "presets/preset_file_format.h"
#include "presets/preset_records.h"
#include "presets/record_registry.h"
#include "tools/framework/annotation_pen.h"
#include "tools/framework/tool_drag.h"

namespace vx {
namespace {

ToolPaletteFactory gPaletteFactory = nullptr;

constexpr char kInternalNotifier[] = "KwDL VELLUMiX4 Internal Notifier";
constexpr char kToolSendData[] = "Tool Send Data";
// How far from art the cursor may be and still count as over it (points).
constexpr double kHitTolerance = 2;
// Handle length of a quarter ellipse drawn with four cubics, per unit of its semi-axis.
constexpr double kQuarterHandle = 0.55229;

const FieldSpec* FieldNamed(const RecordSpec* spec, const char* name) {
  return spec != nullptr ? FindField(*spec, name) : nullptr;
}

template <class Value>
Value* FieldIn(void* record, const FieldSpec* field) {
  return reinterpret_cast<Value*>(static_cast<char*>(record) + field->offset);
}

}  // namespace

// A closed four-anchor outline of an ellipse with semi-axes rx, ry around
// `centre`, on top of the current layer: the preview of a tool area.
ai::Code DrawAreaOutline(ai::RealPoint centre, double rx, double ry, ai::ArtHandle* outline) {
  ai::LayerHandle layer = nullptr;
  ai::ArtHandle group = nullptr;
  if (ai::Code code = suites::Layer().getCurrentLayer(&layer)) return code;
  if (ai::Code code = suites::Layer().getLayerGroup(layer, &group)) return code;
  const double hx = rx * kQuarterHandle, hy = ry * kQuarterHandle;
  const double cx = centre.x, cy = centre.y;
  const SegRecord segments[4] = {
      {{cx + rx, cy}, {cx + rx, cy - hy}, {cx + rx, cy + hy}, 0, 0},
      {{cx, cy + ry}, {cx + hx, cy + ry}, {cx - hx, cy + ry}, 0, 0},
      {{cx - rx, cy}, {cx - rx, cy + hy}, {cx - rx, cy - hy}, 0, 0},
      {{cx, cy - ry}, {cx - hx, cy - ry}, {cx + hx, cy - ry}, 0, 0},
  };
  ai::ArtHandle path = nullptr;
  if (ai::Code code = suites::Art().newArt(ai::art_kind::kPath, ai::placement::kInsideOnTop, group, &path)) return code;
  *outline = path;
  if (ai::Code code = suites::Path().setSegments(path, 0, 4, segments)) return code;
  if (ai::Code code = suites::Path().setClosed(path, 1)) return code;
  ai::PathStyle style{};
  style.strokePaint = 1;
  style.strokeColor.kind = ai::color_kind::kGray;
  style.strokeColor.c.gray.gray = 1;
  style.strokeWidth = 0.5;
  style.miterLimit = 4;
  return suites::PathStyle().setPathStyle(path, &style);
}

void SetToolPaletteFactory(ToolPaletteFactory factory) { gPaletteFactory = factory; }
ToolPaletteFactory GetToolPaletteFactory() { return gPaletteFactory; }

int ToolRecordSlot(int16_t paletteIndex) {
  constexpr int16_t kOrder[kToolRecordCount] = {0, 2, 4, 6, 7, 8, 10, 11};
  for (int slot = 0; slot < kToolRecordCount; ++slot)
    if (kOrder[slot] == paletteIndex) return slot;
  return -1;
}

ai::Code NotifyStrokeEnded() {
  return suites::Notifier().notify(kInternalNotifier, const_cast<char*>(kToolSendData));
}

ToolCtrlr::ToolCtrlr(int16_t paletteIndex, const RecordSpec* spec) : paletteIndex_(paletteIndex), spec_(spec) {}

ToolCtrlr::~ToolCtrlr() {
  ToolDragState& state = DragState();
  if (state.active || state.segmentBuffer.get() != nullptr) ReleaseDrag(state);
  palette_.reset();
  VELLUMiX4Globals* globals = Globals();
  if (record_.get() == nullptr) return;
  if (globals != nullptr) {
    SaveLastSetting(globals->settingsFolder, *spec_, record_.get());
    const int slot = ToolRecordSlot(paletteIndex_);
    if (slot >= 0 && globals->toolRecords[slot] == record_.get()) globals->toolRecords[slot] = nullptr;
    if (globals->currentRecords[kToolRecord] == record_.get()) globals->currentRecords[kToolRecord] = nullptr;
  }
}

const ToolEntry* ToolCtrlr::entry() const {
  for (const ToolEntry& tool : kToolTable)
    if (tool.paletteIndex == paletteIndex_) return &tool;
  return nullptr;
}

ai::Code ToolCtrlr::Open() {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;
  if (spec_ != nullptr) {
    if (ai::Code code = record_.Allocate(spec_->size, spec_->recordName)) return code;
    std::memset(record_.get(), 0, spec_->size);
    SetRecordDefaults(*spec_, record_.get(), kLastSettingName);
    // A preset file that cannot be read is reported and the tool works with
    // the defaults.
    if (LoadLastSetting(globals->settingsFolder, *spec_, record_.get()) != ai::kNoError)
      ShowMessageAlert("Preset File Error!");
    const int slot = ToolRecordSlot(paletteIndex_);
    if (slot >= 0) globals->toolRecords[slot] = record_.get();
    globals->currentRecords[kToolRecord] = record_.get();
  }
  ToolDragState& state = DragState();
  state.paletteIndex = paletteIndex_;
  state.cursorId = BaseCursor();
  if (gPaletteFactory != nullptr) {
    palette_ = gPaletteFactory(*this);
    if (palette_ != nullptr) return palette_->Show();
  }
  return ai::kNoError;
}

bool ToolCtrlr::PaletteShown() const { return palette_ != nullptr && palette_->Shown(); }

void ToolCtrlr::HidePalette() {
  if (palette_ != nullptr) palette_->Hide();
}

void ToolCtrlr::Refresh(int32_t flags) {
  if (palette_ != nullptr) palette_->Refresh(flags);
}

int16_t ToolCtrlr::BaseCursor() const { return ChooseToolCursor(paletteIndex_, 0, CursorInputsNow(false)).id; }

CursorInputs ToolCtrlr::CursorInputsNow(bool pressed) const {
  CursorInputs inputs;
  inputs.pressed = pressed;
  if (record_.get() == nullptr) return inputs;
  if (const FieldSpec* shape = FieldNamed(spec_, "shape"); shape != nullptr && shape->type == FieldType::kShort)
    inputs.shape = *FieldIn<int16_t>(record_.get(), shape);
  if (const FieldSpec* fade = FieldNamed(spec_, "fade"); fade != nullptr && fade->type == FieldType::kBool)
    inputs.fade = *FieldIn<int32_t>(record_.get(), fade) != 0;
  return inputs;
}

ai::Code ToolCtrlr::ChooseCursor(const ai::ToolEvent& event, bool pressed) {
  const CursorChoice choice = ChooseToolCursor(paletteIndex_, event.modifiers, CursorInputsNow(pressed));
  int16_t id = choice.id;
  if (choice.variants == CursorHitVariants::kByHit) {
    ai::HitResult hit{};
    if (ai::Code code = suites::HitTest().hitTest(&event.cursor, kHitTolerance, &hit)) return code;
    id = CursorForHit(id, hit.type);
  }
  DragState().cursorId = id;
  return suites::Tool().setCursor(GlobalPlugin()->pluginRef(), id);
}

ai::Code ToolCtrlr::OnToolEvent(ToolEventKind kind, const ai::ToolMessage& message) {
  const ai::ToolEvent& event = message.event;
  ToolDragState& state = DragState();
  switch (kind) {
    case ToolEventKind::kTrackCursor:
      return ChooseCursor(event, state.pressed);
    case ToolEventKind::kMouseDown: {
      if (ai::Code code = MouseDown(event)) return code;
      // A drag with an area asks the host for the annotator that outlines it.
      ai::RealPoint centre{};
      double rx = 0, ry = 0;
      if (DragArea(centre, rx, ry)) {
        if (VELLUMiX4Globals* globals = Globals()) globals->dragging = 1;
      }
      if (ai::Code code = suites::Document().redraw()) return code;
      state.pressed = true;
      const ai::Code code = ChooseCursor(event, true);
      state.pressed = false;
      return code;
    }
    case ToolEventKind::kMouseDrag: {
      state.pressed = true;
      const ai::Code code = ChooseCursor(event, true);
      state.pressed = false;
      if (code != ai::kNoError) return code;
      return MouseDrag(event);
    }
    case ToolEventKind::kMouseUp: {
      state.pressed = false;
      // The mouse up runs whatever the cursor service says: it frees the drag.
      const ai::Code before = ChooseCursor(event, false);
      const ai::Code code = MouseUp(event);
      const ai::Code after = ChooseCursor(event, false);
      return code != ai::kNoError ? code : before != ai::kNoError ? before : after;
    }
  }
  return ai::kNoError;
}

ai::Code ToolCtrlr::DrawAnnotation(ai::AnnotatorDrawer drawer, ai::ViewRect* covered) {
  AnnotationPen pen(drawer, covered);
  ai::RealPoint centre{};
  double rx = 0, ry = 0;
  if (!DragArea(centre, rx, ry)) return ai::kNoError;
  if (ai::Code code = pen.UseOutlineColour()) return code;
  if (ai::Code code = pen.Ellipse(centre, rx, ry)) return code;
  pen.Finish();
  return ai::kNoError;
}

ai::Code ToolCtrlr::MouseDown(const ai::ToolEvent& event) {
  ToolDragState& state = DragState();
  areaMode_ = false;
  if (FieldNamed(spec_, "areaRadius") == nullptr) return ai::kNoError;
  if (state.cursorId == cursor_id::kCentre) {
    areaMode_ = true;
    state.centre = event.cursor;
    return ai::kNoError;
  }
  if (state.cursorId == cursor_id::kAddAnchor) {
    ai::HitResult hit{};
    if (ai::Code code = suites::HitTest().hitTest(&event.cursor, kHitTolerance, &hit)) return code;
    if (hit.type != ai::hit_type::kCurve) return ai::kNoError;
    int32_t count = 0, closed = 0;
    if (ai::Code code = suites::Path().getSegmentCount(hit.art, &count)) return code;
    if (ai::Code code = suites::Path().getClosed(hit.art, &closed)) return code;
    const int32_t endAnchor = hit.segment + 1 < count ? hit.segment + 1 : 0;
    if (endAnchor == 0 && !closed) return ai::kNoError;
    return SplitPathSegmentAt(hit.art, endAnchor, hit.t, hit.point);
  }
  return ai::kNoError;
}

ai::Code ToolCtrlr::MouseDrag(const ai::ToolEvent& event) {
  return areaMode_ ? SetAreaRadius(event) : ai::kNoError;
}

ai::Code ToolCtrlr::MouseUp(const ai::ToolEvent&) {
  ai::Code code = areaMode_ ? EndAreaMode() : ai::kNoError;
  if (code == ai::kNoError && (paletteIndex_ == 10 || paletteIndex_ == 11)) code = NotifyStrokeEnded();
  return code;
}

ai::Code ToolCtrlr::SetAreaRadius(const ai::ToolEvent& event) {
  ToolDragState& state = DragState();
  if (state.previewArt != nullptr) {
    // The previous outline goes with the rest of the previous message.
    if (ai::Code code = suites::Undo().revertChanges()) return code;
    state.previewArt = nullptr;
  }
  // A dragged radius keeps to the range the palette clamps typed ones to.
  const FieldSpec* field = FieldNamed(spec_, "areaRadius");
  const double dx = event.cursor.x - state.centre.x, dy = event.cursor.y - state.centre.y;
  const double radius = std::clamp(std::sqrt(dx * dx + dy * dy), field->minimum, field->maximum);
  *FieldIn<double>(record_.get(), field) = radius;
  return DrawAreaOutline(state.centre, radius, radius, &state.previewArt);
}

ai::Code ToolCtrlr::EndAreaMode() {
  areaMode_ = false;
  ToolDragState& state = DragState();
  if (state.previewArt == nullptr) return ai::kNoError;
  const ai::ArtHandle outline = state.previewArt;
  state.previewArt = nullptr;
  return suites::Art().disposeArt(outline);
}

}  // namespace vx
