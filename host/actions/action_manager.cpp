#include "actions/action_manager.h"

#include <algorithm>

#include "plugin_loader.h"

namespace vxhost {

const ActionValue* ActionValues::Find(ai::Code key) const {
  for (const auto& [entryKey, value] : entries)
    if (entryKey == key) return &value;
  return nullptr;
}

void ActionValues::Put(ai::Code key, ActionValue value) {
  for (auto& [entryKey, existing] : entries) {
    if (entryKey == key) {
      existing = std::move(value);
      return;
    }
  }
  entries.emplace_back(key, std::move(value));
}

ai::Code ActionManager::Register(RegisteredAction action) {
  if (Find(action.name) != nullptr) return ai::kBadParameter;
  actions_.push_back(std::make_unique<RegisteredAction>(std::move(action)));
  return ai::kNoError;
}

const RegisteredAction* ActionManager::Find(const std::string& name) const {
  for (const auto& action : actions_)
    if (action->name == name) return action.get();
  return nullptr;
}

void ActionManager::Forget(LoadedPlugin* owner) {
  actions_.erase(std::remove_if(actions_.begin(), actions_.end(),
                                [owner](const auto& action) { return action->owner == owner; }),
                 actions_.end());
}

ai::ActionDescriptionRef ActionManager::NewDescription() {
  const uintptr_t handle = nextHandle_++;
  descriptions_[handle] = {};
  return reinterpret_cast<ai::ActionDescriptionRef>(handle);
}

std::vector<ActionDescriptionEntry>* ActionManager::FindDescription(ai::ActionDescriptionRef ref) {
  auto found = descriptions_.find(reinterpret_cast<uintptr_t>(ref));
  return found == descriptions_.end() ? nullptr : &found->second;
}

bool ActionManager::DisposeDescription(ai::ActionDescriptionRef ref) {
  return descriptions_.erase(reinterpret_cast<uintptr_t>(ref)) == 1;
}

ai::ActionParamsRef ActionManager::NewValues(ActionValues values) {
  const uintptr_t handle = nextHandle_++;
  valueBlocks_[handle] = std::move(values);
  return reinterpret_cast<ai::ActionParamsRef>(handle);
}

ActionValues* ActionManager::FindValues(ai::ActionParamsRef ref) {
  auto found = valueBlocks_.find(reinterpret_cast<uintptr_t>(ref));
  return found == valueBlocks_.end() ? nullptr : &found->second;
}

bool ActionManager::DisposeValues(ai::ActionParamsRef ref) {
  return valueBlocks_.erase(reinterpret_cast<uintptr_t>(ref)) == 1;
}

ai::Code ActionManager::Play(const RecordedEvent& event, bool showDialog) {
  const RegisteredAction* action = Find(event.action);
  if (action == nullptr || action->owner == nullptr || !action->owner->started()) return ai::kNoSuchAction;
  ai::ActionMessage message{};
  message.showDialog = showDialog ? 1 : 0;
  message.userData = action->userData;
  message.parameters = NewValues(event.values);
  // Events recorded during a replay would be the replay's own.
  const bool wasRecording = recording_;
  recording_ = false;
  const ai::Code code = action->owner->Send(ai::callers::kActionManager, ai::selectors::kDoAction, message);
  recording_ = wasRecording;
  DisposeValues(message.parameters);
  return code;
}

ai::Code ActionManager::PlayAll(const std::vector<RecordedEvent>& events, size_t* failedIndex) {
  for (size_t i = 0; i < events.size(); ++i) {
    if (ai::Code code = Play(events[i])) {
      if (failedIndex != nullptr) *failedIndex = i;
      return code;
    }
  }
  return ai::kNoError;
}

}  // namespace vxhost
