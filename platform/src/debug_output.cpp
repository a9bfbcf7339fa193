#include "platform/debug_output.h"

namespace platform {
namespace {
DebugSink gSink = nullptr;
void* gContext = nullptr;
}  // namespace

void OutputDebugText(const char* text) {
  if (gSink != nullptr && text != nullptr) gSink(gContext, text);
}

void SetDebugSink(DebugSink sink, void* context) {
  gSink = sink;
  gContext = context;
}

}  // namespace platform
