#include "frame/controllers.h"

#include "frame/effect_table.h"

namespace vx {
namespace {

constexpr int kToolPaletteIndices = 14;
EffectFactory gEffectFactories[kEffectCount] = {};
ToolFactory gToolFactories[kToolPaletteIndices] = {};

}  // namespace

EffectPaletteCtrlr* CreateEffectController(int16_t effectIndex, void* record) {
  if (effectIndex < 0 || effectIndex >= kEffectCount || gEffectFactories[effectIndex] == nullptr) return nullptr;
  return gEffectFactories[effectIndex](effectIndex, record);
}

ToolPaletteCtrlr* CreateToolController(int16_t paletteIndex) {
  if (paletteIndex < 0 || paletteIndex >= kToolPaletteIndices || gToolFactories[paletteIndex] == nullptr)
    return nullptr;
  return gToolFactories[paletteIndex](paletteIndex);
}

void SetEffectFactory(int16_t effectIndex, EffectFactory factory) {
  if (effectIndex >= 0 && effectIndex < kEffectCount) gEffectFactories[effectIndex] = factory;
}

void SetToolFactory(int16_t paletteIndex, ToolFactory factory) {
  if (paletteIndex >= 0 && paletteIndex < kToolPaletteIndices) gToolFactories[paletteIndex] = factory;
}

bool HasEffectFactory(int16_t effectIndex) {
  return effectIndex >= 0 && effectIndex < kEffectCount && gEffectFactories[effectIndex] != nullptr;
}

bool HasToolFactory(int16_t paletteIndex) {
  return paletteIndex >= 0 && paletteIndex < kToolPaletteIndices && gToolFactories[paletteIndex] != nullptr;
}

}  // namespace vx
