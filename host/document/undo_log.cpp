#include "document/undo_log.h"

namespace vxhost {

void UndoLog::Begin() {
  reverts_.clear();
  touched_.clear();
  active_ = true;
}

void UndoLog::End() {
  reverts_.clear();
  touched_.clear();
  active_ = false;
}

void UndoLog::Record(std::function<void()> revert) {
  if (active_ && !reverting_) reverts_.push_back(std::move(revert));
}

void UndoLog::Revert() {
  reverting_ = true;
  while (!reverts_.empty()) {
    std::function<void()> revert = std::move(reverts_.back());
    reverts_.pop_back();
    revert();
  }
  touched_.clear();
  reverting_ = false;
}

}  // namespace vxhost
