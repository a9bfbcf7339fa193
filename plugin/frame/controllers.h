// Controllers: the objects that own one palette and the work behind it. The main
// object creates them by index through two factories and routes messages to them.
#pragma once

#include "frame/host/messages.h"

namespace vx {

class VELLUMiX4Ctrlr {
 public:
  virtual ~VELLUMiX4Ctrlr() = default;
  virtual ai::Code Entry() { return ai::kNoError; }
  virtual ai::Code RefreshVisibility() { return ai::kNoError; }
};

// What the main object asks of the controller of an effect palette.
class EffectPaletteCtrlr : public VELLUMiX4Ctrlr {
 public:
  virtual bool PaletteShown() const = 0;
  virtual void HidePalette() = 0;
  // Loads the palette from the selection and shows it.
  virtual ai::Code LoadFromSelection(bool forceRedraw) = 0;
  // Rewrites the palette's controls from the record (flags say why).
  virtual void Refresh(int32_t flags) = 0;
};

// The tool messages the main object forwards to the current tool's controller.
enum class ToolEventKind { kTrackCursor, kMouseDown, kMouseDrag, kMouseUp };

// What the main object asks of the controller of a tool palette.
class ToolPaletteCtrlr : public VELLUMiX4Ctrlr {
 public:
  virtual bool PaletteShown() const = 0;
  virtual void HidePalette() = 0;
  virtual void Refresh(int32_t flags) = 0;
  // A tool message for this controller's tool; a controller without a tool
  // behaviour accepts it and does nothing.
  virtual ai::Code OnToolEvent(ToolEventKind kind, const ai::ToolMessage& message) { return ai::kNoError; }
  // The label drawn beside the cursor during an annotated drag; null for none.
  virtual const char* AnnotationText() const { return nullptr; }
  // Draws what the tool shows besides the label during an annotated drag and
  // sets `covered` to the view rectangle it drew in (left > right: nothing).
  virtual ai::Code DrawAnnotation(ai::AnnotatorDrawer, ai::ViewRect* covered) {
    *covered = {1, 1, 0, 0};
    return ai::kNoError;
  }
};

// The controller of an effect that runs as a menu filter with a modal dialog and
// as a live effect (Fractalize), in the order of its operations.
class EffectCtrlr : public VELLUMiX4Ctrlr {
 public:
  // Runs the modal dialog; 0 for OK, 1 for Cancel.
  virtual int32_t ShowDialog() = 0;
  // Shows the result of the dialog's values on the document; `reproduce` repeats
  // the last random sequence, otherwise a new one starts.
  virtual ai::Code Preview(bool reproduce) = 0;
  virtual ai::Code GetParameters(ai::FilterMessage& message) = 0;
  virtual ai::Code EditParameters(ai::LiveEffectMessage& message) = 0;
  virtual ai::Code Go(ai::FilterMessage& message) = 0;
  virtual ai::Code GoLive(ai::LiveEffectMessage& message) = 0;
  virtual ai::Code Reserved() { return ai::kNoError; }
};

// Factories by index; an index without a controller yields null.
using EffectFactory = EffectPaletteCtrlr* (*)(int16_t effectIndex, void* record);
using ToolFactory = ToolPaletteCtrlr* (*)(int16_t paletteIndex);

EffectPaletteCtrlr* CreateEffectController(int16_t effectIndex, void* record);
ToolPaletteCtrlr* CreateToolController(int16_t paletteIndex);

// Installs the factory of one effect or tool index (each controller's file
// registers its own; tests install their own).
void SetEffectFactory(int16_t effectIndex, EffectFactory factory);
void SetToolFactory(int16_t paletteIndex, ToolFactory factory);
bool HasToolFactory(int16_t paletteIndex);
bool HasEffectFactory(int16_t effectIndex);

// Refresh flags of palettes.
namespace refresh {
constexpr int32_t kOpened = 1, kPresetFromMenu = 2, kPresetChosen = 4, kFromSelection = 8, kRulerUnit = 16,
                  kToolData = 64;
}

}  // namespace vx
