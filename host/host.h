// The substitute host: a small vector-editor core that publishes the suites the
// plug-in calls, loads plug-ins and sends them messages, and keeps account of
// everything a plug-in holds (blocks, suites, contexts, strings) so that tests can
// check that nothing leaks. One host lives in a process at a time, like the real
// application; suite functions reach it through Host::Current().
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "actions/action_manager.h"
#include "app_registry.h"
#include "block_registry.h"
#include "fault_injector.h"
#include "frame/host/messages.h"
#include "frame/host/suite_list.h"
#include "host_log.h"
#include "random_generator.h"
#include "scripted_user.h"
#include "platform/ui/desktop.h"
#include "ui/panels.h"

namespace vxhost {

class LoadedPlugin;
class Document;
class LiveEffects;

struct HostOptions {
  int32_t majorVersion = 16;  // the host's major version as the runtime suite reports it
  bool echoAlerts = true;     // print alerts to stderr as they are raised
  bool echoDebug = false;     // print the plug-in's debugger output to stderr
};

struct NotifierRecord {
  LoadedPlugin* owner;
  std::string name;
  std::string type;
  bool active = true;
};

struct AnnotatorRecord {
  LoadedPlugin* owner;
  std::string name;
  bool active = true;
};

class Host {
 public:
  explicit Host(HostOptions options = {});
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  static Host& Current();
  static bool Exists();

  const HostOptions& options() const { return options_; }
  void SetMajorVersion(int32_t major) { options_.majorVersion = major; }

  // Counts a suite call and applies fault injection. Every suite operation of the
  // host starts with it.
  ai::Code Enter(const char* operation) { return faults_.OnCall(operation); }

  // --- suites
  const ai::BasicSuite* basicSuite() const;
  ai::Code AcquireSuite(const char* name, int32_t version, const void** suite);
  ai::Code ReleaseSuite(const char* name, int32_t version);
  // Suites currently held, with the number of holds, in the order first acquired.
  std::vector<std::pair<std::string, int32_t>> HeldSuites() const;
  int32_t HeldSuiteCount() const;

  // --- plug-ins
  // Loads a plug-in file: reads its property list, then its code.
  LoadedPlugin& LoadPlugin(const std::string& path);
  // Takes a plug-in whose code is linked into this program, with the property
  // list of `path` (tests use it to reach the plug-in's own objects).
  LoadedPlugin& AttachPlugin(const std::string& path, ai::PluginMainFunction entry);
  const std::vector<std::unique_ptr<LoadedPlugin>>& plugins() const { return plugins_; }
  LoadedPlugin* FindPlugin(ai::PluginRef ref);

  // Sends "AI Notifier" / "AI Notify" to every active notifier of `type`.
  ai::Code Notify(const std::string& type, void* data = nullptr);

  // --- documents: at most one is current
  Document* document() { return document_.get(); }
  // Makes `document` current (replacing any other) and tells the plug-ins.
  Document& OpenDocument(std::unique_ptr<Document> document);
  std::unique_ptr<Document> CloseDocument();

  // Undo contexts follow messages: each message is one context, except that a
  // tool drag is one context from mouse down to mouse up. Nested messages share
  // the outermost one.
  void BeginMessage(const char* caller, const char* selector);
  void EndMessage(const char* caller, const char* selector);
  // Sends "AI Notify Edits" and "AI Update" for every live object whose source
  // art or data changed, until none is left. Runs after each outermost message.
  ai::Code UpdateLiveObjects();

  // --- state the suites keep
  FaultInjector& faults() { return faults_; }
  BlockRegistry& blocks() { return blocks_; }
  HostLog& log() { return log_; }
  ScriptedUser& user() { return user_; }
  RandomGenerator& random() { return random_; }
  AppRegistry& app() { return app_; }
  // Registered actions, the recording switch and the recorded events.
  ActionManager& actions() { return actions_; }
  // Filters and live effects run for a person; live-effect objects rebuilt.
  LiveEffects& liveEffects() { return *liveEffects_; }
  // The screen, the host's main window and the keyboard; panels and preferences.
  platform::ui::Desktop& desktop() { return desktop_; }
  PanelRegistry& panels() { return panels_; }
  Preferences& preferences() { return preferences_; }
  std::vector<NotifierRecord*> notifiers() const;
  std::vector<AnnotatorRecord*> annotators() const;
  std::vector<ai::ViewRect>& invalidatedRects() { return invalidated_; }

  // Application contexts: pushes and pops must pair.
  ai::AppContext PushContext();
  bool PopContext(ai::AppContext context);
  size_t contextDepth() const { return contexts_.size(); }
  int32_t contextViolations() const { return contextViolations_; }

  // Strings and file paths handed to the plug-in; each must be disposed.
  ai::UnicodeStringRef NewString(std::u16string text);
  const std::u16string* FindString(ai::UnicodeStringRef ref) const;
  bool DisposeString(ai::UnicodeStringRef ref);
  size_t liveStrings() const { return strings_.size(); }
  ai::FilePathRef NewFilePath(std::string path);
  const std::string* FindFilePath(ai::FilePathRef ref) const;
  bool DisposeFilePath(ai::FilePathRef ref);
  size_t liveFilePaths() const { return filePaths_.size(); }
  // Drops file paths a plug-in still holds (a test cleaning up after a refused dispose).
  void ForgetFilePaths() { filePaths_.clear(); }

  // Drops everything a plug-in registered: after a failed startup and at shutdown.
  void ForgetRegistrations(LoadedPlugin* owner);

  NotifierRecord* AddNotifier(LoadedPlugin* owner, std::string name, std::string type);
  AnnotatorRecord* AddAnnotator(LoadedPlugin* owner, std::string name);

 private:
  struct PublishedSuite {
    int32_t version;
    const void* table;
    int32_t held = 0;
    int64_t firstAcquired = -1;
  };
  template <class Suite>
  void Publish(const Suite* table);
  void PublishAll();

  HostOptions options_;
  FaultInjector faults_;
  BlockRegistry blocks_;
  HostLog log_;
  ScriptedUser user_;
  RandomGenerator random_;
  AppRegistry app_;
  ActionManager actions_;
  std::unique_ptr<LiveEffects> liveEffects_;
  platform::ui::Desktop desktop_;
  PanelRegistry panels_{desktop_};
  Preferences preferences_;
  std::map<std::string, PublishedSuite> suites_;
  int64_t acquisitionCounter_ = 0;
  std::vector<std::unique_ptr<LoadedPlugin>> plugins_;
  std::unique_ptr<Document> document_;
  int32_t messageDepth_ = 0;
  bool toolDrag_ = false;
  bool updating_ = false;
  std::vector<std::unique_ptr<NotifierRecord>> notifiers_;
  std::vector<std::unique_ptr<AnnotatorRecord>> annotators_;
  std::vector<ai::ViewRect> invalidated_;
  std::vector<uintptr_t> contexts_;
  uintptr_t nextContext_ = 1;
  int32_t contextViolations_ = 0;
  std::map<uintptr_t, std::u16string> strings_;
  std::map<uintptr_t, std::string> filePaths_;
  uintptr_t nextHandle_ = 0x1000;
};

// Starts a suite operation: counts it and returns an injected failure.
#define VX_HOST_ENTER()                                                            \
  do {                                                                             \
    if (ai::Code injected_ = ::vxhost::Host::Current().Enter(__func__)) return injected_; \
  } while (0)

}  // namespace vxhost
