// Plugin: the base of the plug-in's main object. It turns each host message (a
// caller, a selector and a message record) into one virtual operation, holds the
// suites, keeps the plug-in locked in memory and reports failed messages.
#pragma once

#include <cstdint>

#include "frame/host/messages.h"

namespace vx {

class SuiteSet;

// Everything a Plugin holds, in one plain record, so that the object can be
// re-attached to freshly loaded code without being constructed anew.
struct PluginFields {
  ai::PluginRef pluginRef;
  char name[256];
  SuiteSet* suites;            // null: no suites held, every message but Reload ignored
  int32_t lockCount;
  ai::AccessRef access;        // held while lockCount > 0
  ai::Code lastReportedCode;
  int32_t reportInterval;      // seconds
  int32_t deduplicate;
  int64_t lastReportTime;      // calendar seconds
};

class Plugin {
 public:
  explicit Plugin(ai::PluginRef pluginRef);
  // Re-attaches saved fields to this build of the code (see ReattachMainObject).
  explicit Plugin(const PluginFields& restored);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // Slot order matters to nobody but the reader: it follows the host's list.
  virtual ~Plugin();                                                                    // 0
  virtual void ReportFailure(ai::Code code, const char* caller, const char* selector,
                             void* message);                                            // 1
  virtual ai::Code SetLocked(bool locked);                                              // 2
  virtual ai::Code OnStartup(ai::InterfaceMessage* message);                            // 3
  virtual ai::Code OnApplicationStarted();                                              // 4
  virtual ai::Code OnShutdown(ai::InterfaceMessage* message);                           // 5
  virtual ai::Code OnUnload(ai::AccessMessage* message);                                // 6
  virtual ai::Code OnReload(ai::AccessMessage* message);                                // 7
  virtual ai::Code OnPropertiesAcquire(ai::PropertiesMessage* message);                 // 8
  virtual ai::Code OnPropertiesRelease(ai::PropertiesMessage* message);                 // 9
  virtual void GetPluginName(char* buffer, int32_t length) const;                       // 10
  virtual ai::Code OnPurge();                                                           // 11
  virtual ai::Code HandleMessage(const char* caller, const char* selector, void* message);  // 12
  virtual void SetGlobalPlugin(Plugin* plugin);                                         // 13
  virtual ai::Code OnPostStartup();                                                     // 14
  virtual ai::Code OnPostStartupReady();                                                // 15
  virtual ai::Code OnPreUnload(ai::AccessMessage* message);                             // 16
  virtual ai::Code OnMessagePrologue(const char* caller, const char* selector, void* message);  // 17
  virtual ai::Code OnNotify(ai::NotifierMessage* message);                              // 18
  virtual ai::Code OnDoAction(ai::ActionMessage* message);                              // 19
  virtual ai::Code OnMenuGo(ai::MenuMessage* message);                                  // 20
  virtual ai::Code OnMenuUpdate(ai::MenuMessage* message);                              // 21
  virtual ai::Code OnFilterGetParameters(ai::FilterMessage* message);                   // 22
  virtual ai::Code OnFilterGo(ai::FilterMessage* message);                              // 23
  virtual ai::Code OnPluginGroupNotifyEdits(ai::PluginGroupMessage* message);           // 24
  virtual ai::Code OnPluginGroupUpdate(ai::PluginGroupMessage* message);                // 25
  virtual ai::Code OnFileFormatGetParameters(ai::MessageHeader* message);               // 26
  virtual ai::Code OnFileFormatGo(ai::MessageHeader* message);                          // 27
  virtual ai::Code OnFileFormatCheck(ai::MessageHeader* message);                       // 28
  virtual ai::Code OnFileFormatUpdate(ai::MessageHeader* message);                      // 29
  virtual ai::Code OnFileFormatDoAction(ai::MessageHeader* message);                    // 30
  virtual ai::Code OnToolEditOptions(ai::ToolMessage* message);                         // 31
  virtual ai::Code OnToolTrackCursor(ai::ToolMessage* message);                         // 32
  virtual ai::Code OnToolMouseDown(ai::ToolMessage* message);                           // 33
  virtual ai::Code OnToolMouseDrag(ai::ToolMessage* message);                           // 34
  virtual ai::Code OnToolMouseUp(ai::ToolMessage* message);                             // 35
  virtual ai::Code OnToolSelect(ai::ToolMessage* message);                              // 36
  virtual ai::Code OnToolDeselect(ai::ToolMessage* message);                            // 37
  virtual ai::Code OnToolReselect(ai::ToolMessage* message);                            // 38
  virtual ai::Code OnToolDecreaseDiameter(ai::ToolMessage* message);                    // 39
  virtual ai::Code OnToolIncreaseDiameter(ai::ToolMessage* message);                    // 40
  virtual ai::Code OnLiveEffectEditParameters(ai::LiveEffectMessage* message);          // 41
  virtual ai::Code OnLiveEffectGoLive(ai::LiveEffectMessage* message);                  // 42
  virtual ai::Code OnLiveEffectInterpolateParameters(ai::LiveEffectMessage* message);   // 43
  virtual ai::Code OnLiveEffectInputType(ai::LiveEffectMessage* message);               // 44
  virtual ai::Code OnLiveEffectConvertColorSpace(ai::LiveEffectMessage* message);       // 45
  virtual ai::Code OnLiveEffectScaleParameters(ai::LiveEffectMessage* message);         // 46
  virtual ai::Code OnLiveEffectAdjustColors(ai::LiveEffectMessage* message);            // 47
  virtual ai::Code OnLiveEffectHandleMerge(ai::LiveEffectMessage* message);             // 48
  virtual ai::Code OnTimerGo(ai::MessageHeader* message);                               // 49
  virtual ai::Code OnClipboardGo(ai::MessageHeader* message);                           // 50
  virtual ai::Code OnClipboardCanCopy(ai::MessageHeader* message);                      // 51
  virtual ai::Code OnClipboardClone(ai::MessageHeader* message);                        // 52
  virtual ai::Code OnClipboardDispose(ai::MessageHeader* message);                      // 53
  virtual ai::Code OnWriteWorkspace(ai::MessageHeader* message);                        // 54
  virtual ai::Code OnRestoreWorkspace(ai::MessageHeader* message);                      // 55
  virtual ai::Code OnDefaultWorkspace(ai::MessageHeader* message);                      // 56

  bool holdsSuites() const { return fields_.suites != nullptr; }
  int32_t lockCount() const { return fields_.lockCount; }
  const PluginFields& fields() const { return fields_; }
  ai::PluginRef pluginRef() const { return fields_.pluginRef; }

 protected:
  void SetName(const char* name);
  // Creates the suite set and sets the nesting counter; on failure releases what
  // was acquired. Shared by startup and reload.
  ai::Code AcquireSuites();
  // Releases the suites and deletes the set.
  ai::Code ReleaseSuites();

  PluginFields fields_;
};

// Codes the failure report never passes on.
bool IsSilentCode(ai::Code code);

// The report of last resort. It shows nothing to the user (controllers raise
// what the user must see); it keeps the last code and a count for diagnostics.
void RawReport(ai::Code code);
struct RawReportRecord {
  ai::Code lastCode;
  uint64_t count;
};
const RawReportRecord& RawReports();

// The main object, process-wide.
Plugin* GlobalPlugin();
void SetGlobalPluginPointer(Plugin* plugin);

}  // namespace vx
