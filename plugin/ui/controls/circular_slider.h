// KDLCircularSliderCtrl: a track bar drawn as a dial. The position (0-359 by
// default) is an angle; clicking or dragging on the dial sets it, and the
// palette hears of each change as a thumb-track scroll, with a final
// thumb-position scroll when the drag changed anything.
#pragma once

#include <cstdint>

#include "platform/ui/control.h"
#include "platform/ui/dialog.h"

namespace vx {

class KDLCircularSliderCtrl : public platform::ui::ControlBehavior {
 public:
  // Gives the slider the dial's range (0-359, line 1, page 10) and lays it out.
  explicit KDLCircularSliderCtrl(platform::ui::Control& slider);

  void SetKnobRadius(int32_t radius) { knobRadius_ = radius; }
  int32_t GetKnobRadius() const { return knobRadius_; }
  void SetZeroAngle(int32_t degrees) { zeroAngle_ = degrees; }
  int32_t GetZeroAngle() const { return zeroAngle_; }
  void SetReversed(bool reversed) { reversed_ = reversed; }
  bool GetReversed() const { return reversed_; }
  void EnableControl(platform::ui::Control& slider, bool enabled);
  // Computes centre, radius and knob radius from the control's size.
  void Layout(const platform::ui::Control& slider);
  // Sets the position from a point on the dial; true when it changed.
  bool TrackPoint(platform::ui::Control& slider, platform::ui::Point at);

  platform::ui::Point centre() const { return centre_; }
  int32_t radius() const { return radius_; }

  void Paint(const platform::ui::Control& slider, platform::ui::DisplayList& out) const override;
  void OnMouseDown(platform::ui::Dialog& dialog, platform::ui::Control& slider, platform::ui::Point at) override;
  void OnMouseMove(platform::ui::Dialog& dialog, platform::ui::Control& slider, platform::ui::Point at) override;
  void OnMouseUp(platform::ui::Dialog& dialog, platform::ui::Control& slider, platform::ui::Point at) override;

 private:
  void NotifyParent(platform::ui::Dialog& dialog, const platform::ui::Control& slider,
                    platform::ui::ScrollCode code) const;

  platform::ui::Point centre_{};
  int32_t radius_ = 0;
  platform::ui::Point lastKnob_{};
  int32_t zeroAngle_ = 0;
  bool reversed_ = false;
  int32_t knobRadius_ = 2;
  bool tracking_ = false;
  bool changedWhileTracking_ = false;
  bool enabled_ = true;
};

}  // namespace vx
