#include "ui/controls/color_image_view.h"

namespace vx {
namespace {
constexpr uint32_t kFrameEnabled = 0x000000;
constexpr uint32_t kFrameDisabled = 0xAAAAAA;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kInnerInset = 9;
}  // namespace

void KDLColorImageView::EnableControl(platform::ui::Control& view, bool enabled) {
  view.Enable(enabled);
  enabled_ = enabled;
}

uint32_t KDLColorImageView::Lightened(uint32_t color) {
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int32_t c = static_cast<int32_t>((color >> shift) & 0xFF);
    result |= static_cast<uint32_t>(c + (510 - 2 * c) / 3) << shift;
  }
  return result;
}

void KDLColorImageView::Paint(const platform::ui::Control& view, platform::ui::DisplayList& out) const {
  const platform::ui::Rect box{0, 0, view.Bounds().Width(), view.Bounds().Height()};
  if (icon_ >= 0) {
    out.Image({0, 0, 32, 32}, icon_);
    return;
  }
  const uint32_t frame = enabled_ ? kFrameEnabled : kFrameDisabled;
  out.FillRect(box, enabled_ ? color_ : Lightened(color_));
  out.FrameRect(box, frame);
  if (innerBox_) {
    const platform::ui::Rect inner{box.left + kInnerInset, box.top + kInnerInset, box.right - kInnerInset,
                                   box.bottom - kInnerInset};
    out.FillRect(inner, kWhite);
    out.FrameRect(inner, frame);
  }
}

}  // namespace vx
