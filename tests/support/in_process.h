// The plug-in's code linked into the test itself, with its suite variables filled
// from an in-process substitute host: for testing the frame's pieces one by one.
#pragma once

#include <gtest/gtest.h>

#include "frame/suite_set.h"
#include "host.h"
#include "support/plugin_host.h"

namespace vxtest {

class InProcessTest : public ::testing::Test {
 protected:
  InProcessTest() {
    vx::suites::gBasic = host.basicSuite();
    vx::SuiteSet::Nesting() = 0;
    suites = std::make_unique<vx::SuiteSet>(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
    vx::SuiteSet::Nesting() = 1;
  }
  ~InProcessTest() override {
    suites->Release();
    vx::SuiteSet::Nesting() = 0;
  }

  vxhost::Host host{QuietHost()};
  std::unique_ptr<vx::SuiteSet> suites;
};

}  // namespace vxtest
