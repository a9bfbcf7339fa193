// The vellumix4 program as a person runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>

#include "support/settings_home.h"

namespace {

struct CommandRun {
  int status;
  std::string output;  // stdout and stderr together
};

CommandRun Vellumix4(const std::string& arguments) {
  CommandRun run{-1, {}};
  static vxtest::ScopedSettingsHome settingsHome;  // the CLI's preset files go here
  const std::string command = std::string(VX_CLI_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) run.output += buffer;
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
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
  EXPECT_NE(info.output.find("suites acquired (47)"), std::string::npos);
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
