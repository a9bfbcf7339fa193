// The entry point as the host sees it: startup, shutdown, unload, reload and the
// decoding of callers and selectors, all through PluginMain.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "document/document.h"
#include "frame/host/codes.h"
#include "support/plugin_host.h"

namespace {

using vxtest::PluginHostTest;

std::string CodeName(ai::Code code) { return vxhost::FourCharText(code); }

constexpr char kWarning[] = "Warning: Unhandled plugin message";

std::string RunCommand(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr) output += buffer;
  return output;
}

TEST(PluginFile, ExportsPluginMainAndNothingElse) {
  const std::string symbols = RunCommand("nm -D --defined-only " + std::string(VX_PLUGIN_PATH));
  ASSERT_FALSE(symbols.empty());
  EXPECT_NE(symbols.find(" T PluginMain\n"), std::string::npos) << symbols;
  int lines = 0;
  for (char c : symbols) lines += c == '\n';
  EXPECT_EQ(lines, 1) << symbols;
}

TEST(PluginFile, PropertyListIsReadBeforeTheCode) {
  std::string error;
  auto list = vxhost::ReadPropertyList(VX_PLUGIN_PATH, error);
  ASSERT_TRUE(list) << error;
  EXPECT_EQ(list->resourceId, 16000);
  EXPECT_EQ(list->language, 1033);
  EXPECT_EQ(list->version, 1);
  EXPECT_EQ(list->kind, "SPEA");
  EXPECT_EQ(list->interfaceVersion, 2);
  EXPECT_EQ(list->entryPoint, "PluginMain");
  EXPECT_EQ(list->name, "VELLUMiX4");
  ASSERT_EQ(list->properties.size(), 4u);
  EXPECT_EQ(list->properties[2].value.size(), 12u);
  EXPECT_EQ(list->properties[3].value.size(), 16u);
  for (const auto& property : list->properties) EXPECT_EQ(property.vendor, "ADBE");
}

TEST(PluginFile, FilesWithoutAPropertyListAreRefused) {
  std::string error;
  EXPECT_FALSE(vxhost::ReadPropertyList("/bin/sh", error));
  EXPECT_NE(error.find("no section .pipl"), std::string::npos) << error;
  EXPECT_FALSE(vxhost::ReadPropertyList(VX_SOURCE_DIR "/README.md", error));
  EXPECT_NE(error.find("not a 64-bit ELF"), std::string::npos) << error;
  EXPECT_FALSE(vxhost::ReadPropertyList("/nonexistent/libX.so", error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
}

TEST_F(PluginHostTest, StartsRegistersItsNameAndShutsDownLeavingNothing) {
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  EXPECT_TRUE(plugin.started());
  EXPECT_EQ(plugin.registeredName(), "VELLUMiX4");
  EXPECT_EQ(plugin.accessCount(), 1) << "the plug-in locks itself in memory";
  EXPECT_EQ(host.HeldSuites().size(), 48u);
  ASSERT_EQ(host.notifiers().size(), 9u);
  EXPECT_EQ(host.notifiers()[0]->name, "VELLUMiX4 App Started Notifier");
  EXPECT_EQ(host.notifiers()[0]->type, "AI Application Started Notifier");
  EXPECT_EQ(host.blocks().LiveNames(),
            (std::vector<std::string>{"BorderPGParams", "Buffer", "CirclePGParams", "CutoutPGParams",
                                      "EmbossPGParams", "ExplosionPGParams", "FramePGParams", "GalaxyPGParams",
                                      "GenerationPGParams", "NeonPGParams", "ReflectionsPGParams", "ShadowPGParams",
                                      "TilingPGParams", "TrailPGParams", "VELLUMiX4Globals", "VELLUMiX4Plugin",
                                      "_3DTFilterParams"}));
  EXPECT_TRUE(std::filesystem::exists(settingsHome.settingsFolder() + "VELLUMiX4_PST_Neon.txt"))
      << "the settings folder is seeded at startup";

  EXPECT_EQ(host.Notify("AI Application Started Notifier"), ai::kNoError);
  EXPECT_EQ(host.contextDepth(), 0u) << "the notifier's context push is popped";

  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  EXPECT_FALSE(plugin.started());
  ExpectNothingHeld();
}

TEST_F(PluginHostTest, CallersAndSelectorsMatchOnlyExactly) {
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  ai::MenuMessage message{};
  for (const char* caller : {"AI Menu ", "AI Men", "ai menu"}) {
    host.log().Clear();
    EXPECT_EQ(plugin.Send(caller, ai::selectors::kGo, message), ai::kNoError) << caller;
    ASSERT_EQ(host.log().debugOutput().size(), 1u) << caller;
    EXPECT_EQ(host.log().debugOutput()[0],
              "Warning: Unhandled plugin message: caller \"" + std::string(caller) + "\" selector \"AI Go\"\n");
  }
  host.log().Clear();
  EXPECT_EQ(plugin.Send(ai::callers::kTool, "AI Mouse Dra", message), ai::kNoError);
  EXPECT_EQ(host.log().CountDebug(kWarning), 1u);

  host.log().Clear();
  ai::InterfaceMessage about{};
  EXPECT_EQ(plugin.Send(ai::callers::kInterface, ai::selectors::kAbout, about), ai::kNoError);
  EXPECT_EQ(host.log().CountDebug(kWarning), 0u);

  // Reselect and the diameter keys are answered by the base class itself.
  ai::ToolMessage tool{};
  EXPECT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kReselect, tool), ai::kNoError);
  EXPECT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kIncreaseDiameter, tool), ai::kNoError);
  EXPECT_EQ(host.log().CountDebug(kWarning), 0u);
  EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
}

TEST_F(PluginHostTest, MainObjectThatCannotBeAllocatedFailsStartupWithMem) {
  host.faults().FailNthCallOf("AllocateBlock", 1, ai::kOutOfMemory);
  EXPECT_EQ(plugin.Startup(), ai::kCantAllocate);
  EXPECT_EQ(plugin.globals(), nullptr);
  ExpectNothingHeld();
  // A later startup works.
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
  ExpectNothingHeld();
}

TEST_F(PluginHostTest, ShutdownWithEmptyGlobalsSlotAnswersZero) {
  EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
  EXPECT_EQ(SendUnhandled(), ai::kNoError) << "messages before startup are ignored";
  EXPECT_EQ(host.log().CountDebug(kWarning), 0u);
}

TEST_F(PluginHostTest, UnloadSilencesMessagesUntilReload) {
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  ASSERT_EQ(plugin.Unload(), ai::kNoError);
  EXPECT_EQ(host.HeldSuiteCount(), 0) << "unload releases every suite";
  EXPECT_TRUE(plugin.codeLoaded()) << "the plug-in is locked, so the host keeps its code";

  host.log().Clear();
  EXPECT_EQ(SendUnhandled(), ai::kNoError);
  EXPECT_EQ(host.log().CountDebug(kWarning), 0u) << "no handler is reached after unload";

  ASSERT_EQ(plugin.Reload(), ai::kNoError);
  EXPECT_EQ(host.HeldSuites().size(), 48u);
  EXPECT_EQ(SendUnhandled(), ai::kNoError);
  EXPECT_EQ(host.log().CountDebug(kWarning), 1u) << "after reload the decoder runs again";

  EXPECT_EQ(plugin.accessCount(), 1) << "reload does not lock again";
  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  ExpectNothingHeld();
}

TEST_F(PluginHostTest, ReloadIntoFreshlyMappedCodeReestablishesDispatch) {
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  void* object = plugin.globals();
  ASSERT_EQ(plugin.Unload(/*forceUnmap=*/true), ai::kNoError);
  EXPECT_FALSE(plugin.codeLoaded());

  std::string error;
  ASSERT_EQ(plugin.Reload(&error), ai::kNoError) << error;
  EXPECT_EQ(plugin.globals(), object) << "the object is kept, not constructed again";
  host.log().Clear();
  EXPECT_EQ(SendUnhandled(), ai::kNoError);
  EXPECT_EQ(host.log().CountDebug(kWarning), 1u);

  // The fresh code has its controller factories too: an effect palette opens.
  host.OpenDocument(std::make_unique<vxhost::Document>());
  ai::MenuMessage message{};
  message.item = reinterpret_cast<ai::MenuItemHandle>(host.app().FindItemByPath({"VELLUMiX4", "Live ネオン"}));
  ASSERT_EQ(plugin.Send(ai::callers::kMenu, ai::selectors::kGo, message), ai::kNoError);
  const vxhost::Panel* panel = host.panels().FindByIdentifier("__KwDL_VELLUMiX4PG_v46_PrefsPrefix__");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->shown);
  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  ExpectNothingHeld();
}

TEST_F(PluginHostTest, SuiteThatCannotBeAcquiredFailsStartupAndReleasesTheRest) {
  // One sweep over every suite acquisition of startup.
  host.faults().Reset(/*record=*/true);
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  const int64_t acquisitions = host.faults().callsOf("AcquireSuite");
  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  ASSERT_GE(acquisitions, 48);

  const ai::Code failure = ai::FourCC("nope");
  for (int64_t k = 1; k <= acquisitions; ++k) {
    host.faults().Reset();
    host.faults().FailNthCallOf("AcquireSuite", k, failure);
    const ai::Code code = plugin.Startup();
    if (k == 1) {
      EXPECT_EQ(code, ai::kCantAllocate) << "without the blocks suite the main object cannot be made";
    } else {
      EXPECT_EQ(code, failure) << "acquisition " << k;
    }
    EXPECT_EQ(plugin.globals(), nullptr) << k;
    ExpectNothingHeld();
  }
}

TEST_F(PluginHostTest, EveryFailingStartupCallLeavesNothingBehind) {
  // The first startup seeds the settings folder; the sweep runs over the
  // startups after it.
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  host.faults().Reset(/*record=*/true);
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  const std::vector<std::string> operations = host.faults().recorded();
  const auto calls = static_cast<int64_t>(operations.size());
  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);

  const ai::Code failure = ai::FourCC("flt!");
  for (int64_t k = 1; k <= calls; ++k) {
    SCOPED_TRACE("call " + std::to_string(k) + ": " + operations[k - 1]);
    host.faults().Reset();
    host.faults().FailNthCall(k, failure);
    const ai::Code code = plugin.Startup();
    if (code == ai::kNoError) {
      // The lock and the temporary blocks-suite hold may fail without failing startup.
      EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    } else {
      // A host failure raised as an exception during registration ends startup with 'EPN '.
      EXPECT_TRUE(code == failure || code == ai::kCantAllocate || code == ai::kRegistrationFailed) << CodeName(code);
    }
    if (operations[k - 1] == "ReleaseSuite") {
      // A release the host refused leaves that one suite held, and nothing else.
      EXPECT_LE(host.HeldSuiteCount(), 1);
      host.faults().Reset();
      // Only the blocks suite is released on its own, around the main object.
      if (host.HeldSuiteCount() == 1) {
        EXPECT_EQ(host.basicSuite()->releaseSuite("SP Blocks Suite", 2), ai::kNoError);
      }
      EXPECT_EQ(host.HeldSuiteCount(), 0);
      continue;
    }
    if (operations[k - 1] == "DisposeFilePath") {
      // A path the host refused to dispose stays; nothing else may.
      EXPECT_EQ(host.liveFilePaths(), 1u);
      host.ForgetFilePaths();
    }
    ExpectNothingHeld();
  }
}

}  // namespace
