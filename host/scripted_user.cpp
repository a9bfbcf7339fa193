#include "scripted_user.h"

namespace vxhost {

namespace {

std::optional<std::string> TakeFront(std::deque<std::optional<std::string>>& queue) {
  if (queue.empty()) return std::nullopt;
  auto answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

std::optional<std::string> ScriptedUser::AnswerPrompt() { return TakeFront(prompts_); }

std::optional<std::string> ScriptedUser::AnswerFolderChoice() { return TakeFront(folders_); }

void ScriptedUser::Clear() {
  prompts_.clear();
  confirmations_.clear();
  folders_.clear();
}

bool ScriptedUser::AnswerConfirmation() {
  if (confirmations_.empty()) return false;
  bool yes = confirmations_.front();
  confirmations_.pop_front();
  return yes;
}

}  // namespace vxhost
