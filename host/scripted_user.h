// The user at the keyboard, scripted: answers prompts, confirmations and pickers
// from queues that a test or a session script fills. With nothing queued the user
// cancels, as a careful person would when asked something unexpected.
#pragma once

#include <deque>
#include <optional>
#include <string>

namespace vxhost {

class ScriptedUser {
 public:
  void QueuePromptAnswer(std::string text) { prompts_.push_back(std::move(text)); }
  void QueuePromptCancel() { prompts_.push_back(std::nullopt); }
  void QueueConfirmation(bool yes) { confirmations_.push_back(yes); }
  // The folder the next folder chooser is answered with (a path as the user picks
  // it), or a cancel.
  void QueueFolderChoice(std::string folder) { folders_.push_back(std::move(folder)); }
  void QueueFolderCancel() { folders_.push_back(std::nullopt); }

  // The next prompt answer; nullopt means cancel.
  std::optional<std::string> AnswerPrompt();
  // The next confirmation; false when nothing is queued.
  bool AnswerConfirmation();
  // The next folder choice; nullopt means cancel.
  std::optional<std::string> AnswerFolderChoice();

  // Answers not used yet.
  size_t pendingAnswers() const { return prompts_.size() + confirmations_.size() + folders_.size(); }
  void Clear();

 private:
  std::deque<std::optional<std::string>> prompts_;
  std::deque<bool> confirmations_;
  std::deque<std::optional<std::string>> folders_;
};

}  // namespace vxhost
