// A substitute host with the built plug-in loaded through dlopen, as the CLI
// loads it. Tests drive the plug-in only through PluginMain.
#pragma once

#include <gtest/gtest.h>

#include "host.h"
#include "plugin_loader.h"
#include "support/settings_home.h"

namespace vxtest {

inline vxhost::HostOptions QuietHost() {
  vxhost::HostOptions options;
  options.echoAlerts = false;
  return options;
}

class PluginHostTest : public ::testing::Test {
 protected:
  ScopedSettingsHome settingsHome;
  vxhost::Host host{QuietHost()};
  vxhost::LoadedPlugin& plugin = host.LoadPlugin(VX_PLUGIN_PATH);

  // Everything a plug-in might leave behind after it shut down.
  void ExpectNothingHeld() {
    EXPECT_EQ(host.blocks().LiveNames(), std::vector<std::string>{});
    EXPECT_EQ(host.HeldSuiteCount(), 0);
    EXPECT_EQ(host.contextDepth(), 0u);
    EXPECT_EQ(host.contextViolations(), 0);
    EXPECT_EQ(host.liveStrings(), 0u);
    EXPECT_EQ(host.liveFilePaths(), 0u);
    EXPECT_EQ(plugin.accessCount(), 0);
  }

  // A message the plug-in does not handle: the frame answers it with the
  // debugger warning, which shows that the decoder ran.
  ai::Code SendUnhandled() {
    ai::MessageHeader message{};
    return plugin.Send(ai::callers::kFileFormat, ai::selectors::kGo, message);
  }
};

}  // namespace vxtest
