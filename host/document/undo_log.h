// The undo log of the current undo context: every change to a document records
// how to take itself back. Reverting runs those in reverse order. A context is
// one host message, or for a tool drag everything since the mouse went down.
#pragma once

#include <functional>
#include <unordered_set>
#include <vector>

namespace vxhost {

class Art;

class UndoLog {
 public:
  // Starts a context; changes are recorded until End.
  void Begin();
  // Ends the context: the changes stay, their records are dropped.
  void End();
  bool active() const { return active_; }

  // Records how to take back one change (only while a context is active).
  void Record(std::function<void()> revert);
  // True the first time an art's own state is saved in this context.
  bool FirstTouch(const Art* art) { return active_ && touched_.insert(art).second; }
  // An art made in this context: taking the context back unmakes it, so its
  // own state never needs saving.
  void Born(const Art* art) {
    if (active_) touched_.insert(art);
  }

  // Takes back every change of the context, newest first; the context stays open.
  void Revert();
  size_t size() const { return reverts_.size(); }

 private:
  bool active_ = false;
  bool reverting_ = false;
  std::vector<std::function<void()>> reverts_;
  std::unordered_set<const Art*> touched_;
};

}  // namespace vxhost
