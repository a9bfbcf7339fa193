#include "host.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "document/document.h"
#include "live_effects.h"
#include "platform/debug_output.h"
#include "plugin_loader.h"
#include "suites/suite_tables.h"

namespace vxhost {
namespace {

Host* gCurrent = nullptr;

void ReceiveDebugOutput(void* context, const char* text) {
  static_cast<Host*>(context)->log().AddDebugOutput(text);
}

}  // namespace

Host::Host(HostOptions options) : options_(options), liveEffects_(std::make_unique<LiveEffects>(*this)) {
  if (gCurrent != nullptr) throw std::logic_error("only one host may exist at a time");
  gCurrent = this;
  log_.echoAlerts = options_.echoAlerts;
  log_.echoDebug = options_.echoDebug;
  platform::SetDebugSink(ReceiveDebugOutput, this);
  PublishAll();
}

Host::~Host() {
  // Quitting the application: every started plug-in is shut down.
  for (auto& plugin : plugins_)
    if (plugin->codeLoaded() && plugin->started()) plugin->Shutdown();
  plugins_.clear();
  document_.reset();
  platform::SetDebugSink(nullptr, nullptr);
  gCurrent = nullptr;
}

Host& Host::Current() {
  if (gCurrent == nullptr) throw std::logic_error("no host");
  return *gCurrent;
}

bool Host::Exists() { return gCurrent != nullptr; }

template <class Suite>
void Host::Publish(const Suite* table) {
  suites_[ai::SuiteName<Suite>::name] = PublishedSuite{ai::SuiteName<Suite>::version, table};
}

void Host::PublishAll() {
  Publish(BasicSuiteTable());
#define VX_PUBLISH(Var, Struct, Name, Version) Publish(Struct##Table());
  VX_BOOTSTRAP_SUITES(VX_PUBLISH)
  VX_IMPORT_SUITES(VX_PUBLISH)
#undef VX_PUBLISH
}

const ai::BasicSuite* Host::basicSuite() const { return BasicSuiteTable(); }

ai::Code Host::AcquireSuite(const char* name, int32_t version, const void** suite) {
  if (suite == nullptr) return ai::kBadParameter;
  *suite = nullptr;
  if (name == nullptr) return ai::kSuiteNotFound;
  auto found = suites_.find(name);
  if (found == suites_.end() || found->second.version != version) return ai::kSuiteNotFound;
  PublishedSuite& published = found->second;
  if (published.held == 0 && published.firstAcquired < 0) published.firstAcquired = acquisitionCounter_++;
  ++published.held;
  *suite = published.table;
  return ai::kNoError;
}

ai::Code Host::ReleaseSuite(const char* name, int32_t version) {
  if (name == nullptr) return ai::kSuiteNotFound;
  auto found = suites_.find(name);
  if (found == suites_.end() || found->second.version != version) return ai::kSuiteNotFound;
  if (found->second.held == 0) return ai::kSuiteNotAcquired;
  --found->second.held;
  return ai::kNoError;
}

std::vector<std::pair<std::string, int32_t>> Host::HeldSuites() const {
  std::vector<std::pair<int64_t, std::pair<std::string, int32_t>>> ordered;
  for (const auto& [name, suite] : suites_)
    if (suite.held > 0) ordered.push_back({suite.firstAcquired, {name, suite.held}});
  std::sort(ordered.begin(), ordered.end());
  std::vector<std::pair<std::string, int32_t>> held;
  for (auto& entry : ordered) held.push_back(std::move(entry.second));
  return held;
}

int32_t Host::HeldSuiteCount() const {
  int32_t count = 0;
  for (const auto& [name, suite] : suites_) count += suite.held;
  return count;
}

Document& Host::OpenDocument(std::unique_ptr<Document> document) {
  document_ = std::move(document);
  return *document_;
}

std::unique_ptr<Document> Host::CloseDocument() {
  toolDrag_ = false;
  return std::move(document_);
}

namespace {
bool Is(const char* text, const char* expected) { return text != nullptr && std::strcmp(text, expected) == 0; }
}  // namespace

void Host::BeginMessage(const char* caller, const char* selector) {
  if (messageDepth_++ > 0 || document_ == nullptr) return;
  if (Is(caller, ai::callers::kTool) && Is(selector, ai::selectors::kMouseDown)) {
    toolDrag_ = true;
    document_->undo().Begin();
    return;
  }
  if (toolDrag_) return;
  document_->undo().Begin();
}

void Host::EndMessage(const char* caller, const char* selector) {
  if (--messageDepth_ > 0 || document_ == nullptr) return;
  if (toolDrag_ && !(Is(caller, ai::callers::kTool) && Is(selector, ai::selectors::kMouseUp))) return;
  toolDrag_ = false;
  document_->undo().End();
  UpdateLiveObjects();
  document_->CollectGarbage();
}

ai::Code Host::UpdateLiveObjects() {
  if (document_ == nullptr || updating_) return ai::kNoError;
  updating_ = true;
  ai::Code first = ai::kNoError;
  // Regenerations may change other live objects' sources; a few rounds settle it.
  for (int round = 0; round < 8; ++round) {
    const std::vector<Art*> changed = document_->TakeChangedLive();
    if (changed.empty()) break;
    for (Art* live : changed) {
      if (live->live != nullptr && live->live->IsLiveEffect()) {
        const ai::Code code = liveEffects_->GoLive(live);
        if (first == ai::kNoError) first = code;
        continue;
      }
      PluginGroupRecord* group = nullptr;
      for (const auto& record : app_.pluginGroups())
        if (record->name == live->live->groupName) group = record.get();
      if (group == nullptr || group->owner == nullptr || !group->owner->codeLoaded()) continue;
      ai::PluginGroupMessage message{};
      message.group = reinterpret_cast<ai::PluginGroupHandle>(group);
      message.art = reinterpret_cast<ai::ArtHandle>(live);
      group->owner->Send(ai::callers::kPluginGroup, ai::selectors::kNotifyEdits, message);
      const ai::Code code = group->owner->Send(ai::callers::kPluginGroup, ai::selectors::kUpdate, message);
      if (first == ai::kNoError) first = code;
    }
  }
  updating_ = false;
  return first;
}

LoadedPlugin& Host::LoadPlugin(const std::string& path) {
  std::string error;
  std::optional<PropertyList> properties = ReadPropertyList(path, error);
  if (!properties) throw std::runtime_error(error);
  auto plugin = std::make_unique<LoadedPlugin>(*this, path, std::move(*properties));
  if (!plugin->LoadCode(error)) throw std::runtime_error(error);
  plugins_.push_back(std::move(plugin));
  return *plugins_.back();
}

LoadedPlugin& Host::AttachPlugin(const std::string& path, ai::PluginMainFunction entry) {
  std::string error;
  std::optional<PropertyList> properties = ReadPropertyList(path, error);
  if (!properties) throw std::runtime_error(error);
  plugins_.push_back(std::make_unique<LoadedPlugin>(*this, path, std::move(*properties), entry));
  return *plugins_.back();
}

LoadedPlugin* Host::FindPlugin(ai::PluginRef ref) {
  for (auto& plugin : plugins_)
    if (plugin->ref() == ref) return plugin.get();
  return nullptr;
}

ai::Code Host::Notify(const std::string& type, void* data) {
  ai::Code first = ai::kNoError;
  for (NotifierRecord* notifier : notifiers()) {
    if (!notifier->active || notifier->type != type || !notifier->owner->codeLoaded()) continue;
    ai::NotifierMessage message{};
    message.notifier = reinterpret_cast<ai::NotifierHandle>(notifier);
    message.type = notifier->type.c_str();
    message.data = data;
    const ai::Code code = notifier->owner->Send(ai::callers::kNotifier, ai::selectors::kNotify, message);
    if (first == ai::kNoError) first = code;
  }
  return first;
}

std::vector<NotifierRecord*> Host::notifiers() const {
  std::vector<NotifierRecord*> all;
  for (const auto& notifier : notifiers_) all.push_back(notifier.get());
  return all;
}

std::vector<AnnotatorRecord*> Host::annotators() const {
  std::vector<AnnotatorRecord*> all;
  for (const auto& annotator : annotators_) all.push_back(annotator.get());
  return all;
}

NotifierRecord* Host::AddNotifier(LoadedPlugin* owner, std::string name, std::string type) {
  notifiers_.push_back(std::make_unique<NotifierRecord>(NotifierRecord{owner, std::move(name), std::move(type)}));
  return notifiers_.back().get();
}

AnnotatorRecord* Host::AddAnnotator(LoadedPlugin* owner, std::string name) {
  annotators_.push_back(std::make_unique<AnnotatorRecord>(AnnotatorRecord{owner, std::move(name)}));
  return annotators_.back().get();
}

void Host::ForgetRegistrations(LoadedPlugin* owner) {
  app_.Forget(owner);
  actions_.Forget(owner);
  auto drop = [owner](auto& list) {
    list.erase(std::remove_if(list.begin(), list.end(), [owner](const auto& entry) { return entry->owner == owner; }),
               list.end());
  };
  drop(notifiers_);
  drop(annotators_);
  panels_.Forget(owner);
}

ai::AppContext Host::PushContext() {
  // Work a palette starts outside any message is one undo step of its own, and
  // live objects it changed are rebuilt when its outermost context ends.
  if (contexts_.empty() && messageDepth_ == 0 && document_ != nullptr && !toolDrag_) document_->undo().Begin();
  contexts_.push_back(nextContext_++);
  return reinterpret_cast<ai::AppContext>(contexts_.back());
}

bool Host::PopContext(ai::AppContext context) {
  if (contexts_.empty() || reinterpret_cast<ai::AppContext>(contexts_.back()) != context) {
    ++contextViolations_;
    return false;
  }
  contexts_.pop_back();
  if (contexts_.empty() && messageDepth_ == 0 && document_ != nullptr && !toolDrag_) {
    document_->undo().End();
    UpdateLiveObjects();
    document_->CollectGarbage();
  }
  return true;
}

ai::UnicodeStringRef Host::NewString(std::u16string text) {
  const uintptr_t handle = nextHandle_++;
  strings_[handle] = std::move(text);
  return reinterpret_cast<ai::UnicodeStringRef>(handle);
}

const std::u16string* Host::FindString(ai::UnicodeStringRef ref) const {
  auto found = strings_.find(reinterpret_cast<uintptr_t>(ref));
  return found == strings_.end() ? nullptr : &found->second;
}

bool Host::DisposeString(ai::UnicodeStringRef ref) { return strings_.erase(reinterpret_cast<uintptr_t>(ref)) == 1; }

ai::FilePathRef Host::NewFilePath(std::string path) {
  const uintptr_t handle = nextHandle_++;
  filePaths_[handle] = std::move(path);
  return reinterpret_cast<ai::FilePathRef>(handle);
}

const std::string* Host::FindFilePath(ai::FilePathRef ref) const {
  auto found = filePaths_.find(reinterpret_cast<uintptr_t>(ref));
  return found == filePaths_.end() ? nullptr : &found->second;
}

bool Host::DisposeFilePath(ai::FilePathRef ref) { return filePaths_.erase(reinterpret_cast<uintptr_t>(ref)) == 1; }

}  // namespace vxhost
