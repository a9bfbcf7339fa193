// Fault injection: makes the n-th suite call (or the n-th call of one operation)
// fail with a chosen code, so a test can sweep every host call of an operation and
// check that the failure comes back unchanged and nothing leaks.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "frame/host/codes.h"

namespace vxhost {

class FaultInjector {
 public:
  // Fails the n-th suite call counted from now (1 is the next call).
  void FailNthCall(int64_t n, ai::Code code);
  // Fails the n-th call of `operation` counted from now.
  void FailNthCallOf(const std::string& operation, int64_t n, ai::Code code);
  void Disarm();

  // Counts one call; answers the injected code when this call is the one.
  ai::Code OnCall(const char* operation);

  // Calls counted since the last Reset.
  int64_t calls() const { return calls_; }
  int64_t callsOf(const std::string& operation) const;
  const std::vector<std::string>& recorded() const { return recorded_; }
  // Restarts the counts; with `record` every operation name is kept in order.
  void Reset(bool record = false);
  bool fired() const { return fired_; }

 private:
  struct Plan {
    std::string operation;  // empty: any operation
    int64_t target;         // absolute call number to fail
    ai::Code code;
  };
  int64_t calls_ = 0;
  std::map<std::string, int64_t> perOperation_;
  std::optional<Plan> plan_;
  bool record_ = false;
  bool fired_ = false;
  std::vector<std::string> recorded_;
};

}  // namespace vxhost
