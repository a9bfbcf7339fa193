// Acquires a suite of the in-process host by its type, for tests that call the
// host's services as the plug-in does.
#pragma once

#include <gtest/gtest.h>

#include "frame/host/suite_list.h"
#include "host.h"

namespace vxtest {

template <class Suite>
const Suite& AcquireSuite(vxhost::Host& host) {
  const void* suite = nullptr;
  EXPECT_EQ(host.basicSuite()->acquireSuite(ai::SuiteName<Suite>::name, ai::SuiteName<Suite>::version, &suite),
            ai::kNoError);
  return *static_cast<const Suite*>(suite);
}

}  // namespace vxtest
