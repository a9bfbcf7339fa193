// The host's action manager: the actions plug-ins registered, the switch that
// records, the events recorded while it is on, and playing events back to the
// plug-ins that own them ("Action Manager" / "Do Action").
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/host/suites.h"

namespace vxhost {

class LoadedPlugin;

// One typed value of an event.
struct ActionValue {
  enum class Type { kInteger, kReal, kUnitReal, kBoolean, kString, kEnumerated, kRawData };
  Type type = Type::kInteger;
  int32_t integer = 0;     // integer, boolean, enumeration value
  double real = 0;         // real and unit real
  ai::Code unit = 0;       // unit real
  std::string text;        // string, enumeration name
  std::vector<uint8_t> data;  // raw data

  bool operator==(const ActionValue&) const = default;
};

// Values by four-character key, in the order they were put (a key put again
// replaces its value in place).
struct ActionValues {
  std::vector<std::pair<ai::Code, ActionValue>> entries;

  const ActionValue* Find(ai::Code key) const;
  void Put(ai::Code key, ActionValue value);
  bool operator==(const ActionValues&) const = default;
};

struct ActionDescriptionEntry {
  ai::Code key = 0;
  std::string label;  // UTF-8
  ai::Code type = 0;
  bool shown = false;
  bool operator==(const ActionDescriptionEntry&) const = default;
};

struct RegisteredAction {
  LoadedPlugin* owner = nullptr;
  std::string name;
  std::string title;  // UTF-8
  int32_t version = 0;
  int32_t flags = 0;
  intptr_t userData = 0;
  std::vector<ActionDescriptionEntry> parameters;
};

struct RecordedEvent {
  std::string action;
  ActionValues values;
  bool operator==(const RecordedEvent&) const = default;
};

class ActionManager {
 public:
  // --- registration
  ai::Code Register(RegisteredAction action);
  const RegisteredAction* Find(const std::string& name) const;
  const std::vector<std::unique_ptr<RegisteredAction>>& actions() const { return actions_; }
  void Forget(LoadedPlugin* owner);

  // --- descriptions and value blocks handed to plug-ins; each must be disposed
  ai::ActionDescriptionRef NewDescription();
  std::vector<ActionDescriptionEntry>* FindDescription(ai::ActionDescriptionRef ref);
  bool DisposeDescription(ai::ActionDescriptionRef ref);
  ai::ActionParamsRef NewValues(ActionValues values = {});
  ActionValues* FindValues(ai::ActionParamsRef ref);
  bool DisposeValues(ai::ActionParamsRef ref);
  size_t liveDescriptions() const { return descriptions_.size(); }
  size_t liveValueBlocks() const { return valueBlocks_.size(); }

  // --- recording
  void SetRecording(bool on) { recording_ = on; }
  bool recording() const { return recording_; }
  void Record(RecordedEvent event) { events_.push_back(std::move(event)); }
  std::vector<RecordedEvent>& events() { return events_; }

  // --- playing: sends the owner of the event's action "Do Action" with the
  // event's values; kNoSuchAction when no started plug-in registered it.
  ai::Code Play(const RecordedEvent& event, bool showDialog = false);
  // Plays events in order; stops at the first failure and reports its index.
  ai::Code PlayAll(const std::vector<RecordedEvent>& events, size_t* failedIndex = nullptr);

 private:
  std::vector<std::unique_ptr<RegisteredAction>> actions_;
  std::map<uintptr_t, std::vector<ActionDescriptionEntry>> descriptions_;
  std::map<uintptr_t, ActionValues> valueBlocks_;
  uintptr_t nextHandle_ = 0xAC000;
  bool recording_ = false;
  std::vector<RecordedEvent> events_;
};

}  // namespace vxhost
