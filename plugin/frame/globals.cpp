#include "frame/globals.h"

namespace vx {
namespace {
VELLUMiX4Globals* gGlobals = nullptr;
}

VELLUMiX4Globals* Globals() { return gGlobals; }
void SetGlobals(VELLUMiX4Globals* globals) { gGlobals = globals; }

}  // namespace vx
