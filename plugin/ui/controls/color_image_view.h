// KDLColorImageView: a static control that shows a colour swatch (or an icon),
// lightened and framed in grey while disabled.
#pragma once

#include <cstdint>

#include "platform/ui/control.h"

namespace vx {

class KDLColorImageView : public platform::ui::ControlBehavior {
 public:
  void SetColor(uint32_t color) { color_ = color; }  // 0x00BBGGRR
  uint32_t color() const { return color_; }
  void SetIcon(int32_t index) { icon_ = index; }      // -1 shows the colour
  void SetInnerBox(bool on) { innerBox_ = on; }
  void EnableControl(platform::ui::Control& view, bool enabled);

  void Paint(const platform::ui::Control& view, platform::ui::DisplayList& out) const override;

  // A colour as a disabled swatch shows it: each channel moved two thirds of the
  // way to white.
  static uint32_t Lightened(uint32_t color);

 private:
  uint32_t color_ = 0;
  int32_t icon_ = -1;
  bool innerBox_ = false;
  bool enabled_ = true;
};

}  // namespace vx
