// Which cursor a tool shows, by its palette index and the modifier keys. The
// eyedropper and the pointer have variants for what lies under the cursor; the
// caller hit-tests and refines them.
#pragma once

#include <cstdint>

namespace vx {

namespace cursor_id {
constexpr int16_t kCentre = 16050;     // cross: the centre of a tool area
constexpr int16_t kAddAnchor = 16052;
constexpr int16_t kCraft = 16054;
constexpr int16_t kRough = 16056;
constexpr int16_t kMetaBrush = 16059;
constexpr int16_t kTrail = 16060;
constexpr int16_t kBroom = 16068;
constexpr int16_t kPointer = 16020;
constexpr int16_t kEyedropper = 16040;
constexpr int16_t kEyedropperPressed = 16043;
constexpr int16_t kWaveFirst = 17010;  // one per wave shape, 10 apart
constexpr int16_t kRotate3D = 17060;
}  // namespace cursor_id

// Whether the chosen cursor has variants for the art under it.
enum class CursorHitVariants : uint8_t { kNone, kByHit };

struct CursorChoice {
  int16_t id;
  CursorHitVariants variants;
};

// What the record says that a cursor depends on.
struct CursorInputs {
  int16_t shape = 0;   // Warp's and Wave's shape
  bool fade = false;   // MetaBrush's fade option
  bool pressed = false;
};

CursorChoice ChooseToolCursor(int16_t paletteIndex, int16_t modifiers, const CursorInputs& inputs);

// A cursor with hit variants over a hit of `hitType`: a curve (segment) shows
// base + 2, an anchor base + 1, anything else the base.
int16_t CursorForHit(int16_t base, int32_t hitType);

}  // namespace vx
