#include "frame/plugin.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "frame/context_guard.h"
#include "frame/suite_set.h"
#include "platform/clock.h"

namespace vx {

namespace {

Plugin* gGlobalPlugin = nullptr;
RawReportRecord gRawReports{};

constexpr ai::Code kSilentCodes[] = {
    ai::FourCC("FMT?"), ai::FourCC("RFSE"), ai::FourCC("AFTR"), ai::FourCC("VALD"),
    ai::FourCC("MOOT"), ai::FourCC("TRSH"), ai::FourCC("CHEK"), ai::FourCC("CHIT"),
    ai::FourCC("TLTK"), ai::FourCC("pFls"), ai::FourCC("S!Fd"), ai::FourCC("!Acq"),
    ai::FourCC("dsRP"), ai::FourCC("skpE"), ai::FourCC("DONE"), ai::FourCC("STOP"),
    361,
};

template <class Message>
Message* As(void* message) {
  return static_cast<Message*>(message);
}

// One row per caller and selector the base decoder turns into an operation, in
// the order they are compared.
struct Route {
  const char* caller;
  const char* selector;
  ai::Code (*call)(Plugin& plugin, void* message);
};

namespace c = ai::callers;
namespace s = ai::selectors;
using H = ai::MessageHeader;
using T = ai::ToolMessage;
using L = ai::LiveEffectMessage;

const Route kRoutes[] = {
    {c::kAccess, s::kUnload, [](Plugin& p, void* m) { return p.OnUnload(As<ai::AccessMessage>(m)); }},
    {c::kAccess, s::kReload, [](Plugin& p, void* m) { return p.OnReload(As<ai::AccessMessage>(m)); }},
    {c::kInterface, s::kStartup, [](Plugin&, void*) { return ai::kNoError; }},
    {c::kInterface, s::kAbout, [](Plugin&, void*) { return ai::kNoError; }},
    {c::kCache, s::kPurge,
     [](Plugin& p, void*) { return p.OnPurge() != ai::kNoError ? ai::kPurgeFailed : ai::kNoError; }},
    {c::kProperties, s::kPropertiesAcquire,
     [](Plugin& p, void* m) { return p.OnPropertiesAcquire(As<ai::PropertiesMessage>(m)); }},
    {c::kProperties, s::kPropertiesRelease,
     [](Plugin& p, void* m) { return p.OnPropertiesRelease(As<ai::PropertiesMessage>(m)); }},
    {c::kActionManager, s::kDoAction, [](Plugin& p, void* m) { return p.OnDoAction(As<ai::ActionMessage>(m)); }},
    {c::kMenu, s::kGo, [](Plugin& p, void* m) { return p.OnMenuGo(As<ai::MenuMessage>(m)); }},
    {c::kMenu, s::kUpdate, [](Plugin& p, void* m) { return p.OnMenuUpdate(As<ai::MenuMessage>(m)); }},
    {c::kFilter, s::kGetParameters,
     [](Plugin& p, void* m) { return p.OnFilterGetParameters(As<ai::FilterMessage>(m)); }},
    {c::kFilter, s::kGo, [](Plugin& p, void* m) { return p.OnFilterGo(As<ai::FilterMessage>(m)); }},
    {c::kPluginGroup, s::kNotifyEdits,
     [](Plugin& p, void* m) { return p.OnPluginGroupNotifyEdits(As<ai::PluginGroupMessage>(m)); }},
    {c::kPluginGroup, s::kUpdate,
     [](Plugin& p, void* m) { return p.OnPluginGroupUpdate(As<ai::PluginGroupMessage>(m)); }},
    {c::kFileFormat, s::kGetParameters, [](Plugin& p, void* m) { return p.OnFileFormatGetParameters(As<H>(m)); }},
    {c::kFileFormat, s::kGo, [](Plugin& p, void* m) { return p.OnFileFormatGo(As<H>(m)); }},
    {c::kFileFormat, s::kCheck, [](Plugin& p, void* m) { return p.OnFileFormatCheck(As<H>(m)); }},
    {c::kFileFormat, s::kFileFormatUpdate, [](Plugin& p, void* m) { return p.OnFileFormatUpdate(As<H>(m)); }},
    {c::kFileFormat, s::kDoAction, [](Plugin& p, void* m) { return p.OnFileFormatDoAction(As<H>(m)); }},
    {c::kTool, s::kEditOptions, [](Plugin& p, void* m) { return p.OnToolEditOptions(As<T>(m)); }},
    {c::kTool, s::kTrackCursor, [](Plugin& p, void* m) { return p.OnToolTrackCursor(As<T>(m)); }},
    {c::kTool, s::kMouseDown, [](Plugin& p, void* m) { return p.OnToolMouseDown(As<T>(m)); }},
    {c::kTool, s::kMouseDrag, [](Plugin& p, void* m) { return p.OnToolMouseDrag(As<T>(m)); }},
    {c::kTool, s::kMouseUp, [](Plugin& p, void* m) { return p.OnToolMouseUp(As<T>(m)); }},
    {c::kTool, s::kSelect, [](Plugin& p, void* m) { return p.OnToolSelect(As<T>(m)); }},
    {c::kTool, s::kDeselect, [](Plugin& p, void* m) { return p.OnToolDeselect(As<T>(m)); }},
    {c::kTool, s::kReselect, [](Plugin& p, void* m) { return p.OnToolReselect(As<T>(m)); }},
    {c::kTool, s::kDecreaseDiameter, [](Plugin& p, void* m) { return p.OnToolDecreaseDiameter(As<T>(m)); }},
    {c::kTool, s::kIncreaseDiameter, [](Plugin& p, void* m) { return p.OnToolIncreaseDiameter(As<T>(m)); }},
    {c::kLiveEffect, s::kEditParameters, [](Plugin& p, void* m) { return p.OnLiveEffectEditParameters(As<L>(m)); }},
    {c::kLiveEffect, s::kGoLive, [](Plugin& p, void* m) { return p.OnLiveEffectGoLive(As<L>(m)); }},
    {c::kLiveEffect, s::kInterpolateParameters,
     [](Plugin& p, void* m) { return p.OnLiveEffectInterpolateParameters(As<L>(m)); }},
    {c::kLiveEffect, s::kInputType, [](Plugin& p, void* m) { return p.OnLiveEffectInputType(As<L>(m)); }},
    {c::kLiveEffect, s::kConvertColorSpace,
     [](Plugin& p, void* m) { return p.OnLiveEffectConvertColorSpace(As<L>(m)); }},
    {c::kLiveEffect, s::kScaleParameters, [](Plugin& p, void* m) { return p.OnLiveEffectScaleParameters(As<L>(m)); }},
    {c::kLiveEffect, s::kAdjustColors, [](Plugin& p, void* m) { return p.OnLiveEffectAdjustColors(As<L>(m)); }},
    {c::kLiveEffect, s::kHandleMerge, [](Plugin& p, void* m) { return p.OnLiveEffectHandleMerge(As<L>(m)); }},
    {c::kTimer, s::kGo, [](Plugin& p, void* m) { return p.OnTimerGo(As<H>(m)); }},
    {c::kClipboard, s::kGo, [](Plugin& p, void* m) { return p.OnClipboardGo(As<H>(m)); }},
    {c::kClipboard, s::kCanCopy, [](Plugin& p, void* m) { return p.OnClipboardCanCopy(As<H>(m)); }},
    {c::kClipboard, s::kClone, [](Plugin& p, void* m) { return p.OnClipboardClone(As<H>(m)); }},
    {c::kClipboard, s::kDispose, [](Plugin& p, void* m) { return p.OnClipboardDispose(As<H>(m)); }},
    {c::kWorkspace, s::kWriteWorkspace, [](Plugin& p, void* m) { return p.OnWriteWorkspace(As<H>(m)); }},
    {c::kWorkspace, s::kRestoreWorkspace, [](Plugin& p, void* m) { return p.OnRestoreWorkspace(As<H>(m)); }},
    {c::kWorkspace, s::kDefaultWorkspace, [](Plugin& p, void* m) { return p.OnDefaultWorkspace(As<H>(m)); }},
};

bool Same(const char* a, const char* b) { return a != nullptr && std::strcmp(a, b) == 0; }

}  // namespace

Plugin* GlobalPlugin() { return gGlobalPlugin; }
void SetGlobalPluginPointer(Plugin* plugin) { gGlobalPlugin = plugin; }

bool IsSilentCode(ai::Code code) {
  for (ai::Code silent : kSilentCodes)
    if (code == silent) return true;
  return false;
}

void RawReport(ai::Code code) {
  if (IsSilentCode(code)) return;
  gRawReports.lastCode = code;
  ++gRawReports.count;
}

const RawReportRecord& RawReports() { return gRawReports; }

Plugin::Plugin(ai::PluginRef pluginRef) : fields_{} {
  fields_.pluginRef = pluginRef;
  SetName("Plugin");
  fields_.reportInterval = 5;
  fields_.deduplicate = 1;
}

Plugin::Plugin(const PluginFields& restored) : fields_(restored) {}

// A plug-in destroyed while it still holds the host (a startup that failed after
// its suites were acquired, or after it locked itself) lets go of everything, so
// the host is left as it was before the plug-in started.
Plugin::~Plugin() {
  if (fields_.suites == nullptr) return;
  if (fields_.lockCount > 0 && fields_.access != nullptr) suites::Access().releasePlugin(fields_.access);
  fields_.lockCount = 0;
  fields_.access = nullptr;
  ReleaseSuites();
}

void Plugin::SetName(const char* name) {
  std::snprintf(fields_.name, sizeof fields_.name, "%s", name);
}

void Plugin::ReportFailure(ai::Code code, const char*, const char*, void*) {
  if (IsSilentCode(code)) return;
  const int64_t now = platform::CalendarSeconds();
  if (code == fields_.lastReportedCode && fields_.deduplicate &&
      now < fields_.lastReportTime + fields_.reportInterval)
    return;
  fields_.lastReportedCode = code;
  fields_.lastReportTime = now;
  RawReport(code);
}

ai::Code Plugin::SetLocked(bool locked) {
  if (locked) {
    if (fields_.lockCount == 0) {
      ai::Code code = suites::Access().acquirePlugin(fields_.pluginRef, &fields_.access);
      if (code != ai::kNoError) return code;
    }
    ++fields_.lockCount;
    return ai::kNoError;
  }
  if (fields_.lockCount == 0) return ai::kNoError;
  ai::Code code = ai::kNoError;
  if (fields_.lockCount == 1 && fields_.access != nullptr) {
    code = suites::Access().releasePlugin(fields_.access);
    fields_.access = nullptr;
  }
  --fields_.lockCount;
  return code;
}

ai::Code Plugin::AcquireSuites() {
  if (fields_.suites == nullptr) {
    fields_.suites = new (std::nothrow) SuiteSet(BootstrapSuiteTable(), ImportSuiteTable());
    if (fields_.suites == nullptr) return ai::kCantAllocate;
  }
  SuiteSet::Nesting() = 1;
  const ai::Code status = fields_.suites->status();
  if (status != ai::kNoError) ReleaseSuites();
  return status;
}

ai::Code Plugin::ReleaseSuites() {
  if (fields_.suites == nullptr) return ai::kNoError;
  ai::Code code = fields_.suites->Release();
  delete fields_.suites;
  fields_.suites = nullptr;
  return code;
}

ai::Code Plugin::OnStartup(ai::InterfaceMessage*) {
  SetGlobalPlugin(this);
  if (ai::Code code = AcquireSuites()) return code;
  if (ai::Code code = suites::Plugins().setPluginName(fields_.pluginRef, fields_.name)) return code;

  char notifierName[300];
  std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", fields_.name);
  ai::NotifierHandle ignored = nullptr;
  if (ai::Code code = suites::Notifier().addNotifier(fields_.pluginRef, notifierName,
                                                     ai::notifier_types::kApplicationStarted, &ignored))
    return code;

  if (ai::Code code = OnPostStartup()) return code;
  OnPostStartupReady();
  SetLocked(true);
  return ai::kNoError;
}

ai::Code Plugin::OnShutdown(ai::InterfaceMessage*) {
  ai::Code code = ReleaseSuites();
  SetGlobalPlugin(nullptr);
  return code;
}

ai::Code Plugin::OnUnload(ai::AccessMessage* message) {
  OnPreUnload(message);
  SetGlobalPlugin(nullptr);
  return ReleaseSuites();
}

ai::Code Plugin::OnReload(ai::AccessMessage*) {
  SetGlobalPlugin(this);
  if (ai::Code code = AcquireSuites()) return code;
  OnPostStartupReady();
  return ai::kNoError;
}

void Plugin::GetPluginName(char* buffer, int32_t length) const {
  if (buffer == nullptr || length <= 0) return;
  std::snprintf(buffer, static_cast<size_t>(length), "%s", fields_.name);
}

ai::Code Plugin::HandleMessage(const char* caller, const char* selector, void* message) {
  OnMessagePrologue(caller, selector, message);

  if (Same(caller, ai::callers::kNotifier)) {
    auto* notifier = As<ai::NotifierMessage>(message);
    ContextGuard context(fields_.pluginRef);
    if (Same(notifier->type, ai::notifier_types::kApplicationStarted)) {
      ai::Code code = OnApplicationStarted();
      if (code != ai::kNoError && code != ai::kUnhandledMessage) return code;
    }
    if (Same(selector, ai::selectors::kNotify)) return OnNotify(notifier);
    return ai::kUnhandledMessage;
  }

  for (const Route& route : kRoutes) {
    if (!Same(caller, route.caller)) continue;
    if (Same(selector, route.selector)) return route.call(*this, message);
  }
  return ai::kUnhandledMessage;
}

void Plugin::SetGlobalPlugin(Plugin*) {}

ai::Code Plugin::OnMessagePrologue(const char*, const char*, void*) {
  if (fields_.suites != nullptr) fields_.suites->AcquireOptional();
  return ai::kNoError;
}

ai::Code Plugin::OnApplicationStarted() { return ai::kNoError; }
ai::Code Plugin::OnPropertiesAcquire(ai::PropertiesMessage*) { return ai::kUnhandledMessage; }
ai::Code Plugin::OnPropertiesRelease(ai::PropertiesMessage*) { return ai::kUnhandledMessage; }
ai::Code Plugin::OnPurge() { return ai::kNoError; }
ai::Code Plugin::OnPostStartup() { return ai::kNoError; }
ai::Code Plugin::OnPostStartupReady() { return ai::kNoError; }
ai::Code Plugin::OnPreUnload(ai::AccessMessage*) { return ai::kNoError; }
ai::Code Plugin::OnNotify(ai::NotifierMessage*) { return ai::kNoError; }
ai::Code Plugin::OnDoAction(ai::ActionMessage*) { return ai::kNoError; }
ai::Code Plugin::OnToolReselect(ai::ToolMessage*) { return ai::kNoError; }
ai::Code Plugin::OnToolDecreaseDiameter(ai::ToolMessage*) { return ai::kNoError; }
ai::Code Plugin::OnToolIncreaseDiameter(ai::ToolMessage*) { return ai::kNoError; }

#define VX_UNHANDLED(Operation, Message) \
  ai::Code Plugin::Operation(Message*) { return ai::kUnhandledMessage; }
VX_UNHANDLED(OnMenuGo, ai::MenuMessage)
VX_UNHANDLED(OnMenuUpdate, ai::MenuMessage)
VX_UNHANDLED(OnFilterGetParameters, ai::FilterMessage)
VX_UNHANDLED(OnFilterGo, ai::FilterMessage)
VX_UNHANDLED(OnPluginGroupNotifyEdits, ai::PluginGroupMessage)
VX_UNHANDLED(OnPluginGroupUpdate, ai::PluginGroupMessage)
VX_UNHANDLED(OnFileFormatGetParameters, ai::MessageHeader)
VX_UNHANDLED(OnFileFormatGo, ai::MessageHeader)
VX_UNHANDLED(OnFileFormatCheck, ai::MessageHeader)
VX_UNHANDLED(OnFileFormatUpdate, ai::MessageHeader)
VX_UNHANDLED(OnFileFormatDoAction, ai::MessageHeader)
VX_UNHANDLED(OnToolEditOptions, ai::ToolMessage)
VX_UNHANDLED(OnToolTrackCursor, ai::ToolMessage)
VX_UNHANDLED(OnToolMouseDown, ai::ToolMessage)
VX_UNHANDLED(OnToolMouseDrag, ai::ToolMessage)
VX_UNHANDLED(OnToolMouseUp, ai::ToolMessage)
VX_UNHANDLED(OnToolSelect, ai::ToolMessage)
VX_UNHANDLED(OnToolDeselect, ai::ToolMessage)
VX_UNHANDLED(OnLiveEffectEditParameters, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectGoLive, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectInterpolateParameters, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectInputType, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectConvertColorSpace, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectScaleParameters, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectAdjustColors, ai::LiveEffectMessage)
VX_UNHANDLED(OnLiveEffectHandleMerge, ai::LiveEffectMessage)
VX_UNHANDLED(OnTimerGo, ai::MessageHeader)
VX_UNHANDLED(OnClipboardGo, ai::MessageHeader)
VX_UNHANDLED(OnClipboardCanCopy, ai::MessageHeader)
VX_UNHANDLED(OnClipboardClone, ai::MessageHeader)
VX_UNHANDLED(OnClipboardDispose, ai::MessageHeader)
VX_UNHANDLED(OnWriteWorkspace, ai::MessageHeader)
VX_UNHANDLED(OnRestoreWorkspace, ai::MessageHeader)
VX_UNHANDLED(OnDefaultWorkspace, ai::MessageHeader)
#undef VX_UNHANDLED

}  // namespace vx
