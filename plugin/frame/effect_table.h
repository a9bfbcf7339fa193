// The 25 effect indices and what each one is called: its plugin group, menu
// item, palette title and description. Indices are stored in documents and
// preset files; they never change.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

constexpr int kEffectCount = 25;
constexpr int kFirstPlainEffect = 12;  // 0-11 are the 3D shapes
constexpr int16_t kTrailEffect = 20;
constexpr int16_t kNeonEffect = 21;
constexpr int16_t kCircleEffect = 16;
constexpr int16_t kShadowEffect = 18;
constexpr int16_t kBorderEffect = 23;
constexpr int16_t kEmbossEffect = 13;
constexpr int16_t kCutoutEffect = 14;
constexpr int16_t kReflectionsEffect = 24;
constexpr int16_t kFrameEffect = 22;
constexpr int16_t kTilingEffect = 19;
constexpr int16_t kGenerationEffect = 17;
constexpr int16_t kGalaxyEffect = 15;
constexpr int16_t kExplosionEffect = 12;

struct EffectEntry {
  int16_t index;
  const char* groupStem;    // plugin-group name before the version suffix
  const char* menuText;
  const char* paletteTitle;
  const char* katakana;     // the name in the plugin group's description (12-24)
};

const std::array<EffectEntry, kEffectCount>& EffectTable();

// The order in which plugin groups are registered and "AI Update" compares
// handles: 0-11, then the others in the order of their menu items.
inline constexpr int16_t kRegistrationOrder[kEffectCount] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 23,
                                                             16, 14, 13, 12, 22, 15, 17, 21, 24, 18, 19, 20};
inline constexpr int16_t kUpdateOrder[kEffectCount] = {23, 16, 14, 13, 12, 22, 15, 17, 21, 24, 18, 19, 20,
                                                       0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11};

}  // namespace vx
