// Installs every live effect's row: its generator, its palette's controller
// factory, its Apply walk and hooks.
#pragma once

namespace vx {

void InstallEffectControllers();

}  // namespace vx
