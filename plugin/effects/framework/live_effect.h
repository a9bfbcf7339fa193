// One row per live effect: what the framework needs of an effect besides its
// record and action (which have tables of their own). Each effect's folder
// defines its row; InstallLiveEffects() puts them all in place when the main
// object is published.
#pragma once

#include <cstdint>
#include <memory>

#include "effects/framework/apply_walk.h"
#include "effects/framework/regenerate.h"
#include "frame/controllers.h"
#include "frame/error_messages.h"

namespace vx {

struct LiveEffect {
  int16_t index;                 // effect index 0..24
  EffectGenerator generate;      // rebuilds an object's result from its source
  EffectFactory openPalette;     // creates the controller and shows its palette
  ApplyWalk walk = kDefaultApplyWalk;
  // Runs on the current record before Apply or Live Update writes it into
  // objects (a new random seed, for instance); null for none.
  void (*beforeWrite)(void* record) = nullptr;
};

// Installs a row's generator and factory unless some are in place already (a
// test's own), and keeps the row for the walk and the write hook.
void InstallLiveEffect(const LiveEffect& effect);
// The row of an effect index; a row with the default walk and no hooks when the
// effect installed none.
const LiveEffect& LiveEffectOf(int16_t effectIndex);

// A factory that creates `Controller` for the record and opens its palette; a
// failure is shown and yields no controller.
template <class Controller>
EffectPaletteCtrlr* OpenPalette(int16_t, void* record) {
  auto controller = std::make_unique<Controller>(record);
  if (ai::Code code = controller->Open()) {
    ShowErrorCode(code);
    return nullptr;
  }
  return controller.release();
}

}  // namespace vx
