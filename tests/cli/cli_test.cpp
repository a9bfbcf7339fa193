// The vellumix4 program as a person runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>

#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

using vxtest::CommandRun;

CommandRun Vellumix4(const std::string& arguments) {
  static vxtest::ScopedSettingsHome settingsHome;  // the CLI's preset files go here
  return vxtest::RunVellumix4(arguments);
}

TEST(Cli, VersionAndHelp) {
  CommandRun version = Vellumix4("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.output.find("vellumix4 "), std::string::npos);

  CommandRun help = Vellumix4("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("info"), std::string::npos) << help.output;
}

TEST(Cli, InfoStartsAndStopsThePluginCleanly) {
  CommandRun info = Vellumix4("info");
  ASSERT_EQ(info.status, 0) << info.output;
  EXPECT_NE(info.output.find("ADBE kind  \"SPEA\""), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("ADBE pinm  \"VELLUMiX4\""), std::string::npos);
  EXPECT_NE(info.output.find("suites acquired (48)"), std::string::npos);
  EXPECT_NE(info.output.find("  AI User Suite\n"), std::string::npos);
  EXPECT_NE(info.output.find("shut down    cleanly; 0 blocks alive, 0 suites held, contexts balanced"),
            std::string::npos);
}

TEST(Cli, UsageErrorsExitTwoAndMissingPluginExitsOne) {
  EXPECT_EQ(Vellumix4("").status, 2);
  EXPECT_EQ(Vellumix4("info --no-such-flag").status, 2);
  CommandRun missing = Vellumix4("info --plugin /nonexistent/libVELLUMiX4.so");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("/nonexistent/libVELLUMiX4.so: cannot open"), std::string::npos) << missing.output;
}

}  // namespace
