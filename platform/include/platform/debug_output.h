// The process's debugger output. A plug-in writes diagnostic lines here; whoever
// plays the debugger (the substitute host) installs a sink to receive them.
// Without a sink the text goes nowhere, as on a machine with no debugger attached.
#pragma once

namespace platform {

using DebugSink = void (*)(void* context, const char* text);

void OutputDebugText(const char* text);

// Installs the receiver of debugger output; a null sink detaches it.
void SetDebugSink(DebugSink sink, void* context);

}  // namespace platform
