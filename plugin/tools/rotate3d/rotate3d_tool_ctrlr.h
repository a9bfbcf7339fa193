// The Live3D Rotate tool: turns a selected Live 3D Transform object on the
// page. A vertical drag turns it about x, a horizontal drag about y, a
// Shift-drag about z; an Alt-drag moves the shape's reference point. While the
// mouse is down the object is not regenerated: hidden working copies of its
// art are mapped instead and drawn as outlines by the annotator, with a
// crosshair at the reference point. The mouse up writes the values into the
// object and regenerates it once.
#pragma once

#include <string>

#include "threed/threed_params.h"
#include "tools/framework/tool_ctrlr.h"

namespace vx {

inline constexpr int16_t kRotate3DTool = 13;

class _3DPGRotateToolCtrlr : public ToolCtrlr {
 public:
  _3DPGRotateToolCtrlr();
  ~_3DPGRotateToolCtrlr() override;

  // The values being dragged: the reference point while it moves, else the
  // rotations the drag turns.
  const char* AnnotationText() const override;
  ai::Code DrawAnnotation(ai::AnnotatorDrawer drawer, ai::ViewRect* covered) override;

  ai::ArtHandle target() const { return target_; }

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  _3DTFilterParams* Params() const;
  // Reads the object's record and bounds; false when it cannot be turned.
  ai::Code Load(ai::ArtHandle object, int16_t shape, bool* loaded);
  void MoveReferencePoint(ai::RealPoint at);
  ai::Code PlaceCrosshair();
  ai::Code MoveCrosshair();
  ai::Code Remap();
  ai::Code DisposeTemporaries();
  void UpdateText();

  ai::ArtHandle target_ = nullptr;
  int16_t targetShape_ = -1;
  ai::ArtHandle wrapper_ = nullptr;   // the target's source art
  ai::ArtHandle working_ = nullptr;   // hidden mapped copy of it
  ai::ArtHandle crosshair_ = nullptr;
  ai::RealRect bounds_{};
  ai::RealRect view_{};  // the document window's artwork at the press: the crosshair's reach
  ai::RealPoint last_{};
  int16_t savedEffect_ = -1;
  bool firstDrag_ = false;
  bool cursorText_ = false;
  std::string text_;
};

// Turns the angle `angle` by `by` degrees; past a full turn either way it
// starts again from 0.
double TurnAngle(double angle, double by);

}  // namespace vx
