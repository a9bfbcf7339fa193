#include "tools/framework/tool_cursors.h"

#include "frame/host/messages.h"
#include "frame/host/suites.h"
#include "tools/warp/warp_shapes.h"

namespace vx {
namespace {

// The cursors of the area tools without Alt, with Alt, and with Shift + Alt.
struct AreaCursors {
  int16_t plain, alt, shiftAlt;
};

CursorChoice Fixed(int16_t id) { return {id, CursorHitVariants::kNone}; }

CursorChoice Eyedropper(bool pressed) {
  return {pressed ? cursor_id::kEyedropperPressed : cursor_id::kEyedropper, CursorHitVariants::kByHit};
}

CursorChoice ByModifiers(AreaCursors cursors, bool alt, bool shift) {
  if (!alt) return Fixed(cursors.plain);
  return Fixed(shift ? cursors.shiftAlt : cursors.alt);
}

}  // namespace

CursorChoice ChooseToolCursor(int16_t paletteIndex, int16_t modifiers, const CursorInputs& inputs) {
  const bool alt = (modifiers & ai::modifier::kAlt) != 0;
  const bool shift = (modifiers & ai::modifier::kShift) != 0;
  switch (paletteIndex) {
    case 0: {
      const int16_t shape = inputs.shape >= 0 && inputs.shape < kWarpShapeCount ? inputs.shape : 0;
      return Fixed(static_cast<int16_t>(kWarpShapes[static_cast<size_t>(shape)].cursor + (alt ? 1 : 0)));
    }
    case 2: {
      const int16_t shape = inputs.shape >= 0 && inputs.shape <= 4 ? inputs.shape : 0;
      return Fixed(static_cast<int16_t>(cursor_id::kWaveFirst + 10 * shape + (alt ? 1 : 0)));
    }
    case 4:
      return Fixed(cursor_id::kCentre);
    case 6:
      return ByModifiers({cursor_id::kCraft, cursor_id::kCentre, cursor_id::kAddAnchor}, alt, shift);
    case 7:
      return ByModifiers({cursor_id::kRough, cursor_id::kCentre, cursor_id::kAddAnchor}, alt, shift);
    case 8:
      return ByModifiers({cursor_id::kBroom, cursor_id::kCentre, cursor_id::kCentre}, alt, shift);
    case 10:
      if (alt) return inputs.fade ? Eyedropper(inputs.pressed) : Fixed(cursor_id::kMetaBrush);
      if (shift) return {cursor_id::kPointer, CursorHitVariants::kByHit};
      return Fixed(cursor_id::kMetaBrush);
    case 11:
      return alt ? Eyedropper(inputs.pressed) : Fixed(cursor_id::kTrail);
    case 13:
      return ByModifiers({cursor_id::kRotate3D, cursor_id::kCentre, cursor_id::kCentre}, alt, shift);
    default:
      return Fixed(0);
  }
}

int16_t CursorForHit(int16_t base, int32_t hitType) {
  if (hitType == ai::hit_type::kCurve) return static_cast<int16_t>(base + 2);
  if (hitType == ai::hit_type::kAnchor) return static_cast<int16_t>(base + 1);
  return base;
}

}  // namespace vx
