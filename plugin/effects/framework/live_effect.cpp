#include "effects/framework/live_effect.h"

#include "frame/effect_table.h"

namespace vx {
namespace {

const LiveEffect* gRows[kEffectCount] = {};

}  // namespace

void InstallLiveEffect(const LiveEffect& effect) {
  if (effect.index < 0 || effect.index >= kEffectCount) return;
  gRows[effect.index] = &effect;
  if (GeneratorOf(effect.index) == nullptr) SetGenerator(effect.index, effect.generate);
  if (!HasEffectFactory(effect.index)) SetEffectFactory(effect.index, effect.openPalette);
}

const LiveEffect& LiveEffectOf(int16_t effectIndex) {
  static const LiveEffect kNone{-1, nullptr, nullptr};
  if (effectIndex < 0 || effectIndex >= kEffectCount || gRows[effectIndex] == nullptr) return kNone;
  return *gRows[effectIndex];
}

}  // namespace vx
