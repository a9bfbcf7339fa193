// Sweeps injected failures over every host call an operation makes: the calls
// of one clean run are recorded, then the operation runs again once per call
// with that call failing.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "host.h"

namespace vxtest {

// The operation names `run` calls, in order, when nothing fails.
template <class Run>
std::vector<std::string> RecordHostCalls(vxhost::Host& host, Run run) {
  host.faults().Reset(/*record=*/true);
  EXPECT_EQ(run(), ai::kNoError);
  std::vector<std::string> calls = host.faults().recorded();
  host.faults().Reset();
  return calls;
}

// Runs `run` once for each of `calls` with that call failing with `failure`
// (calls named in `skip` are left alone), then `check(code, callName)`.
// Expects the sweep to pass the last call.
template <class Run, class Check>
void SweepHostCalls(vxhost::Host& host, const std::vector<std::string>& calls, ai::Code failure,
                    std::initializer_list<std::string> skip, Run run, Check check) {
  for (size_t n = 1;; ++n) {
    if (n <= calls.size() && std::find(skip.begin(), skip.end(), calls[n - 1]) != skip.end()) continue;
    host.faults().Reset();
    host.faults().FailNthCall(static_cast<int64_t>(n), failure);
    const ai::Code code = run();
    const bool fired = host.faults().fired();
    host.faults().Disarm();
    if (!fired) {
      EXPECT_EQ(n, calls.size() + 1) << "the sweep reached every call";
      return;
    }
    SCOPED_TRACE("call " + std::to_string(n) + ": " + calls[n - 1]);
    check(code, calls[n - 1]);
  }
}

}  // namespace vxtest
