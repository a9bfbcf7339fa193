// The plug-in started in-process against a substitute host with a document, so
// palettes can be built and driven by the scripted user as a person would.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "frame/globals.h"
#include "document/document.h"
#include "host.h"
#include "plugin_loader.h"
#include "platform/ui/ui_driver.h"
#include "support/plugin_host.h"
#include "support/settings_home.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace vxtest {

class PaletteTest : public ::testing::Test {
 protected:
  PaletteTest() {
    EXPECT_EQ(plugin.Startup(), ai::kNoError);
    document = &host.OpenDocument(std::make_unique<vxhost::Document>());
  }
  ~PaletteTest() override {
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    EXPECT_EQ(host.blocks().LiveNames(), std::vector<std::string>{});
  }

  ai::Code ChooseMenu(const std::vector<std::string>& path) {
    ai::MenuMessage message{};
    message.item = reinterpret_cast<ai::MenuItemHandle>(host.app().FindItemByPath(path));
    return plugin.Send(ai::callers::kMenu, ai::selectors::kGo, message);
  }
  bool MenuChecked(const std::vector<std::string>& path) {
    ai::MenuMessage message{};
    EXPECT_EQ(plugin.Send(ai::callers::kMenu, ai::selectors::kUpdate, message), ai::kNoError);
    return host.app().FindItemByPath(path)->checked;
  }

  ScopedSettingsHome settingsHome;
  vxhost::Host host{QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
  vxhost::Document* document = nullptr;
  platform::ui::ScriptedUser user{host.desktop()};
};

}  // namespace vxtest
