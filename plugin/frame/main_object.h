// Birth, death and re-attachment of the main object. Its storage is a named host
// block, so the host accounts for it like every other block of the plug-in.
#pragma once

#include "frame/host/messages.h"

namespace vx {

class Plugin;

// Allocates and constructs the main object; null when the host has no memory.
Plugin* CreateMainObject(const ai::BasicSuite* basic, ai::PluginRef pluginRef);

// Destroys the main object and frees its block.
void DestroyMainObject(const ai::BasicSuite* basic, Plugin* plugin);

// Binds an object made by an earlier load of the plug-in's code to the code that
// is loaded now. The host may unload and reload the code while it keeps the
// object in the globals slot; the object's fields are kept, its dispatch renewed.
Plugin* ReattachMainObject(void* object);

}  // namespace vx
