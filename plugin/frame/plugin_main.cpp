// The plug-in's one exported entry point.
#include <cstdio>
#include <cstring>

#include "frame/host/messages.h"
#include "frame/main_object.h"
#include "frame/plugin.h"
#include "frame/suite_set.h"
#include "platform/debug_output.h"

namespace {

bool Same(const char* a, const char* b) { return a != nullptr && std::strcmp(a, b) == 0; }

ai::Code Dispatch(const char* caller, const char* selector, void* message) {
  auto* header = static_cast<ai::MessageHeader*>(message);
  vx::suites::gBasic = header->basic;
  auto* plugin = static_cast<vx::Plugin*>(header->globals);

  if (Same(caller, ai::callers::kInterface) && Same(selector, ai::selectors::kStartup)) {
    plugin = vx::CreateMainObject(header->basic, header->plugin);
    if (plugin == nullptr) {
      vx::RawReport(ai::kCantAllocate);
      return ai::kCantAllocate;
    }
    header->globals = plugin;
    if (ai::Code code = plugin->OnStartup(static_cast<ai::InterfaceMessage*>(message))) {
      vx::DestroyMainObject(header->basic, plugin);
      header->globals = nullptr;
      vx::RawReport(code);
      return code;
    }
  } else if (Same(caller, ai::callers::kInterface) && Same(selector, ai::selectors::kShutdown)) {
    if (plugin == nullptr) return ai::kNoError;
    ai::Code code = plugin->OnShutdown(static_cast<ai::InterfaceMessage*>(message));
    vx::DestroyMainObject(header->basic, plugin);
    header->globals = nullptr;
    if (code != ai::kNoError) vx::RawReport(code);
    return code;
  }

  if (plugin == nullptr) return ai::kNoError;

  ai::Code result;
  if (Same(caller, ai::callers::kAccess) && Same(selector, ai::selectors::kReload)) {
    plugin = vx::ReattachMainObject(plugin);
    header->globals = plugin;
    result = plugin->OnReload(static_cast<ai::AccessMessage*>(message));
  } else if (!plugin->holdsSuites()) {
    return ai::kNoError;
  } else {
    result = plugin->HandleMessage(caller, selector, message);
  }

  if (result == ai::kUnhandledMessage) {
    char warning[1024];
    std::snprintf(warning, sizeof warning, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n",
                  caller != nullptr ? caller : "", selector != nullptr ? selector : "");
    platform::OutputDebugText(warning);
    return ai::kNoError;
  }
  if (result != ai::kNoError) plugin->ReportFailure(result, caller, selector, message);
  return result;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) ai::Code PluginMain(const char* caller, const char* selector,
                                                                      void* message) {
  if (message == nullptr) return ai::kBadParameter;
  try {
    return Dispatch(caller, selector, message);
  } catch (...) {
    // Nothing may cross into the host.
    return ai::kCantHappen;
  }
}
