// MetaBrushToolCtrlr: places transformed copies (stamps) of the selected
// objects along the drag, each selected top-level object being one brush.
// Spacing, size, shear, angle, offset, jitter and colour of each stamp vary by
// the record's fluctuation rows. Shift-click stamps along a clicked path;
// with fade on, Alt-click takes the fade colour from the art under the mouse.
// The stamps of one stroke go into one new group; a failure removes the group.
#pragma once

#include <vector>

#include "tools/framework/tool_ctrlr.h"
#include "tools/metabrush/metabrush_fluctuation.h"
#include "tools/metabrush/metabrush_params.h"

namespace vx {

namespace metabrush_error {
constexpr ai::Code kNoSelection = 0x2173656C;   // nothing selected
constexpr ai::Code kNoParent = 0x7350734C;      // selected art outside the document tree
constexpr ai::Code kUnsupported = 0x7370506F;   // a top-level object that is not a path, group or compound path
constexpr ai::Code kNoBrush = 0x4F704773;       // no top-level object among the selection
constexpr ai::Code kSpaceTooSmall = 0x74536770; // stamping along a path with a spacing below half a point
}  // namespace metabrush_error

class MetaBrushToolCtrlr : public ToolCtrlr {
 public:
  MetaBrushToolCtrlr();

 protected:
  ai::Code MouseDown(const ai::ToolEvent& event) override;
  ai::Code MouseDrag(const ai::ToolEvent& event) override;
  ai::Code MouseUp(const ai::ToolEvent& event) override;

 private:
  struct Brush {
    ai::ArtHandle art;
    double width, height;            // bounds size times |size|
    double plainWidth, plainHeight;  // bounds size
    ai::RealPoint centre;
  };

  MetaBrushToolParams& params() const { return as<MetaBrushToolParams>(); }
  ai::Code TakeBrushes();
  double Spacing() const;
  metabrush::StrokeInputs Inputs(double direction) const;
  void PickBrush(const metabrush::StrokeInputs& in);
  ai::Code Stamp(ai::RealPoint at, double direction);
  ai::Code StampAlongPath(ai::RealPoint click);
  ai::Code PickFadeColor(ai::RealPoint click);
  // Removes the stroke's group and ends the stroke, returning `code`.
  ai::Code Fail(ai::Code code);
  void EndStroke();
  double NextUniform();

  std::vector<Brush> brushes_;
  ai::ArtHandle container_ = nullptr;
  ai::ArtHandle group_ = nullptr;
  bool active_ = false;
  int32_t brushIndex_ = 0;
  ai::RealPoint lastStamp_{};
  int32_t stamps_ = 0;
  uint32_t startTicks_ = 0, lastTicks_ = 0;
  double speed_ = 0;
  double viewScale_ = 1;
  double lastDirection_ = 0, firstDirection_ = 0;
  double fadeFactor_ = 1;
  bool alongPath_ = false;
  ai::Code randomFailure_ = ai::kNoError;
  metabrush::RowMemory memory_;
};

}  // namespace vx
