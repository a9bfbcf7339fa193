// Pushes the host's application context for the lifetime of the guard and pops
// it on every path out of the scope.
#pragma once

#include "frame/suite_set.h"

namespace vx {

class ContextGuard {
 public:
  explicit ContextGuard(ai::PluginRef plugin) {
    pushed_ = suites::Context().pushAppContext(plugin, &context_) == ai::kNoError;
  }
  ~ContextGuard() {
    if (pushed_) suites::Context().popAppContext(context_);
  }
  ContextGuard(const ContextGuard&) = delete;
  ContextGuard& operator=(const ContextGuard&) = delete;

  bool pushed() const { return pushed_; }

 private:
  ai::AppContext context_ = nullptr;
  bool pushed_ = false;
};

}  // namespace vx
