#include "frame/vellumix4_plugin.h"

#include <cstring>
#include <exception>

#include "frame/ai_error.h"
#include "frame/suite_set.h"

namespace vx {

VELLUMiX4Plugin::VELLUMiX4Plugin(ai::PluginRef pluginRef) : Plugin(pluginRef), main_{} {
  SetName("VELLUMiX4");
}

VELLUMiX4Plugin::VELLUMiX4Plugin(const PluginFields& restored, const MainObjectFields& main)
    : Plugin(restored), main_(main) {}

VELLUMiX4Plugin::~VELLUMiX4Plugin() = default;

ai::Code VELLUMiX4Plugin::OnStartup(ai::InterfaceMessage* message) {
  return Plugin::OnStartup(message);
}

ai::Code VELLUMiX4Plugin::OnShutdown(ai::InterfaceMessage* message) {
  SetLocked(false);
  return Plugin::OnShutdown(message);
}

void VELLUMiX4Plugin::SetGlobalPlugin(Plugin* plugin) { SetGlobalPluginPointer(plugin); }

ai::Code VELLUMiX4Plugin::HandleMessage(const char* caller, const char* selector, void* message) {
  ai::Code result;
  try {
    result = Plugin::HandleMessage(caller, selector, message);
  } catch (const ai::Error& error) {
    result = error.code();
  } catch (...) {
    result = ai::kCantHappen;
  }
  if (result == ai::kNoError) return ai::kNoError;
  if (result == ai::kUnhandledMessage) {
    if (caller != nullptr && std::strcmp(caller, ai::callers::kAnnotation) == 0)
      return HandleAnnotation(selector, message);
    return ai::kUnhandledMessage;
  }
  ReportFailure(result, caller, selector, message);
  return result;
}

ai::Code VELLUMiX4Plugin::HandleAnnotation(const char* selector, void*) {
  try {
    if (selector != nullptr && std::strcmp(selector, ai::selectors::kDraw) == 0) {
      // Only a tool in the middle of a drag has an annotation to draw.
      return ai::kNoError;
    }
    if (selector != nullptr && std::strcmp(selector, ai::selectors::kInvalidate) == 0)
      return suites::Annotator().invalidateRect(&main_.annotationRect);
  } catch (const ai::Error& error) {
    return error.code();
  } catch (...) {
    return ai::kCantHappen;
  }
  return ai::kUnhandledMessage;
}

}  // namespace vx
