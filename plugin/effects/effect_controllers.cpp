// The effects whose palettes exist, installed in the main object's factory table.
#include "effects/effect_controllers.h"

#include <memory>

#include "effects/neon/neon_pg_ctrlr.h"
#include "frame/effect_table.h"
#include "frame/error_messages.h"

namespace vx {
namespace {

template <class Controller>
EffectPaletteCtrlr* OpenController(int16_t, void* record) {
  auto controller = std::make_unique<Controller>(record);
  if (ai::Code code = controller->Open()) {
    ShowErrorCode(code);
    return nullptr;
  }
  return controller.release();
}

}  // namespace

// Factories installed already (a test's own) are kept.
void InstallEffectControllers() {
  if (!HasEffectFactory(kNeonEffect)) SetEffectFactory(kNeonEffect, &OpenController<NeonPGCtrlr>);
}

}  // namespace vx
