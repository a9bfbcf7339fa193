#include "ui/controls/circular_slider.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kRimColour = 0xCBCBCB;
constexpr uint32_t kFaceColour = 0xF0F0F0;
constexpr uint32_t kLineEnabled = 0x404040;
constexpr uint32_t kLineDisabled = 0xC0C0C0;

}  // namespace

KDLCircularSliderCtrl::KDLCircularSliderCtrl(platform::ui::Control& slider) {
  slider.SetRange(0, 359);
  slider.SetLineSize(1);
  slider.SetPageSize(10);
  enabled_ = slider.Enabled();
  Layout(slider);
}

void KDLCircularSliderCtrl::Layout(const platform::ui::Control& slider) {
  const platform::ui::Rect bounds = slider.Bounds();
  const int32_t side = std::min(bounds.Width(), bounds.Height());
  centre_ = {side / 2, side / 2};
  radius_ = side / 2;
  knobRadius_ = side / 12 < 3 ? 2 : side / 12;
}

void KDLCircularSliderCtrl::EnableControl(platform::ui::Control& slider, bool enabled) {
  slider.Enable(enabled);
  enabled_ = enabled;
}

void KDLCircularSliderCtrl::Paint(const platform::ui::Control& slider, platform::ui::DisplayList& out) const {
  const int32_t cx = centre_.x, cy = centre_.y, r = radius_, k = knobRadius_;
  out.Ellipse({cx - r, cy - r, cx + r, cy + r}, kRimColour, 2, kFaceColour);
  out.Ellipse({cx - r + 1, cy - r + 1, cx + r - 1, cy + r - 1}, enabled_ ? kLineEnabled : kLineDisabled, 1);
  const int32_t span = std::max(1, std::min(slider.Maximum() - slider.Minimum(), 360));
  int32_t u = ((slider.Position() - slider.Minimum()) * 360 / span + zeroAngle_ + 360) % 360;
  if (u < 0) u += 360;
  if (reversed_) u = 360 - u;
  const double radians = u * kPi / 180.0;
  const double d = r - k - 3;
  const auto kx = static_cast<int32_t>(cx + std::sin(radians) * d);
  const auto ky = static_cast<int32_t>(cy - std::cos(radians) * d);
  out.Ellipse({kx - k + 1, ky - k + 1, kx + k + 1, ky + k + 1}, kRimColour, 1, kRimColour);
}

bool KDLCircularSliderCtrl::TrackPoint(platform::ui::Control& slider, platform::ui::Point at) {
  double dx = at.x - centre_.x;
  const double dy = at.y - centre_.y;
  if (reversed_) dx = -dx;
  double angle;
  if (dx == 0) {
    angle = dy < 0 ? 0 : 180;
  } else {
    angle = 90 - std::atan(-dy / dx) * 180.0 / kPi;
    if (dx < 0) angle += 180;
  }
  angle = std::fmod(angle - zeroAngle_, 360.0);
  if (angle < 0) angle += 360;
  const int32_t minimum = slider.Minimum(), maximum = slider.Maximum();
  const auto position = minimum + static_cast<int32_t>((maximum + 1 - minimum) * angle / 360.0);
  if (position == slider.Position()) return false;
  slider.SetPosition(position);
  return true;
}

void KDLCircularSliderCtrl::NotifyParent(platform::ui::Dialog& dialog, const platform::ui::Control& slider,
                                         platform::ui::ScrollCode code) const {
  platform::ui::Notification notification;
  notification.id = slider.Id();
  notification.code = platform::ui::Notify::kScroll;
  notification.scroll = code;
  notification.position = slider.Position();
  dialog.Dispatch(notification);
}

void KDLCircularSliderCtrl::OnMouseDown(platform::ui::Dialog& dialog, platform::ui::Control& slider,
                                        platform::ui::Point at) {
  if (tracking_ || !slider.Enabled()) return;
  tracking_ = true;
  changedWhileTracking_ = false;
  dialog.FocusItem(slider.Id());
  if (TrackPoint(slider, at)) {
    changedWhileTracking_ = true;
    NotifyParent(dialog, slider, platform::ui::ScrollCode::kThumbTrack);
  }
}

void KDLCircularSliderCtrl::OnMouseMove(platform::ui::Dialog& dialog, platform::ui::Control& slider,
                                        platform::ui::Point at) {
  if (!tracking_) return;
  if (TrackPoint(slider, at)) {
    changedWhileTracking_ = true;
    NotifyParent(dialog, slider, platform::ui::ScrollCode::kThumbTrack);
  }
}

void KDLCircularSliderCtrl::OnMouseUp(platform::ui::Dialog& dialog, platform::ui::Control& slider,
                                      platform::ui::Point at) {
  if (!tracking_) return;
  if (TrackPoint(slider, at)) {
    changedWhileTracking_ = true;
    NotifyParent(dialog, slider, platform::ui::ScrollCode::kThumbTrack);
  }
  tracking_ = false;
  if (changedWhileTracking_) NotifyParent(dialog, slider, platform::ui::ScrollCode::kThumbPosition);
}

}  // namespace vx
