#include "scripted_user.h"

namespace vxhost {

std::optional<std::string> ScriptedUser::AnswerPrompt() {
  if (prompts_.empty()) return std::nullopt;
  auto answer = std::move(prompts_.front());
  prompts_.pop_front();
  return answer;
}

bool ScriptedUser::AnswerConfirmation() {
  if (confirmations_.empty()) return false;
  bool yes = confirmations_.front();
  confirmations_.pop_front();
  return yes;
}

}  // namespace vxhost
