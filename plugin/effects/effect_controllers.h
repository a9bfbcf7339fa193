// Installs the controller factory of every effect that has a palette.
#pragma once

namespace vx {

void InstallEffectControllers();

}  // namespace vx
