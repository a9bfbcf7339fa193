// Suites about plug-ins themselves: access (keep loaded), plug-ins (names),
// notifiers and the application context.
#include "host.h"
#include "plugin_loader.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

ai::Code AcquirePlugin(ai::PluginRef plugin, ai::AccessRef* access) {
  if (access == nullptr) return ai::kBadParameter;
  *access = nullptr;
  VX_HOST_ENTER();
  LoadedPlugin* loaded = Host::Current().FindPlugin(plugin);
  if (loaded == nullptr) return ai::kBadParameter;
  loaded->AddAccess();
  *access = reinterpret_cast<ai::AccessRef>(loaded);
  return ai::kNoError;
}

ai::Code ReleasePlugin(ai::AccessRef access) {
  VX_HOST_ENTER();
  LoadedPlugin* loaded = Host::Current().FindPlugin(reinterpret_cast<ai::PluginRef>(access));
  if (loaded == nullptr || !loaded->RemoveAccess()) return ai::kBadParameter;
  return ai::kNoError;
}

ai::Code SetPluginName(ai::PluginRef plugin, const char* name) {
  VX_HOST_ENTER();
  LoadedPlugin* loaded = Host::Current().FindPlugin(plugin);
  if (loaded == nullptr || name == nullptr) return ai::kBadParameter;
  loaded->SetRegisteredName(name);
  return ai::kNoError;
}

ai::Code GetPluginName(ai::PluginRef plugin, const char** name) {
  VX_HOST_ENTER();
  LoadedPlugin* loaded = Host::Current().FindPlugin(plugin);
  if (loaded == nullptr || name == nullptr) return ai::kBadParameter;
  *name = loaded->registeredName().c_str();
  return ai::kNoError;
}

ai::Code GetPluginFile(ai::PluginRef plugin, ai::FilePathRef* file) {
  if (file == nullptr) return ai::kBadParameter;
  *file = nullptr;
  VX_HOST_ENTER();
  LoadedPlugin* loaded = Host::Current().FindPlugin(plugin);
  if (loaded == nullptr) return ai::kBadParameter;
  *file = Host::Current().NewFilePath(loaded->path());
  return ai::kNoError;
}

ai::Code AddNotifier(ai::PluginRef plugin, const char* name, const char* type, ai::NotifierHandle* notifier) {
  VX_HOST_ENTER();
  Host& host = Host::Current();
  LoadedPlugin* loaded = host.FindPlugin(plugin);
  if (loaded == nullptr || name == nullptr || type == nullptr) return ai::kBadParameter;
  NotifierRecord* record = host.AddNotifier(loaded, name, type);
  if (notifier != nullptr) *notifier = reinterpret_cast<ai::NotifierHandle>(record);
  return ai::kNoError;
}

ai::Code SetNotifierActive(ai::NotifierHandle notifier, int32_t active) {
  VX_HOST_ENTER();
  for (NotifierRecord* record : Host::Current().notifiers()) {
    if (reinterpret_cast<ai::NotifierHandle>(record) != notifier) continue;
    record->active = active != 0;
    return ai::kNoError;
  }
  return ai::kBadParameter;
}

ai::Code NotifyAll(const char* type, void* data) {
  if (type == nullptr) return ai::kBadParameter;
  VX_HOST_ENTER();
  return Host::Current().Notify(type, data);
}

ai::Code PushAppContext(ai::PluginRef, ai::AppContext* context) {
  if (context == nullptr) return ai::kBadParameter;
  *context = nullptr;
  VX_HOST_ENTER();
  *context = Host::Current().PushContext();
  return ai::kNoError;
}

ai::Code PopAppContext(ai::AppContext context) {
  VX_HOST_ENTER();
  return Host::Current().PopContext(context) ? ai::kNoError : ai::kBadParameter;
}

const ai::AccessSuite kAccess = {AcquirePlugin, ReleasePlugin};
const ai::PluginsSuite kPlugins = {SetPluginName, GetPluginName, GetPluginFile};
const ai::NotifierSuite kNotifier = {AddNotifier, SetNotifierActive, NotifyAll};
const ai::ContextSuite kContext = {PushAppContext, PopAppContext};

}  // namespace

const ai::AccessSuite* AccessSuiteTable() { return &kAccess; }
const ai::PluginsSuite* PluginsSuiteTable() { return &kPlugins; }
const ai::NotifierSuite* NotifierSuiteTable() { return &kNotifier; }
const ai::ContextSuite* ContextSuiteTable() { return &kContext; }

}  // namespace vxhost
