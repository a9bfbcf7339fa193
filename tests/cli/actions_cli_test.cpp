// vellumix4 actions: listing what the plug-in registered, and refusing action
// files it cannot play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

class ActionsCliTest : public ::testing::Test {
 protected:
  ActionsCliTest() { std::filesystem::create_directories(folder); }
  ~ActionsCliTest() override { std::filesystem::remove_all(folder); }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (folder / name).string();
    std::ofstream(path) << text;
    return path;
  }
  vxtest::ScopedSettingsHome settingsHome;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vx_actions_cli_" + std::to_string(::getpid()));
};

TEST_F(ActionsCliTest, ListShowsEveryActionWithItsParameters) {
  const auto run = vxtest::RunVellumix4("actions list", false);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("VmX4_Neon_Action\tライブ ネオン\n  trck\tinteger\tトラック数: \n"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("  stSy\tenumeration\t(not shown)\n"), std::string::npos);
  EXPECT_NE(run.output.find("VmX4_Fractalize_Action"), std::string::npos);
}

TEST_F(ActionsCliTest, PlayRefusesFilesItCannotPlayAndWritesNothing) {
  const std::string svg = Write("in.svg", R"(<svg xmlns="http://www.w3.org/2000/svg"><path d="M0 0 L10 0"/></svg>)");
  const std::string out = (folder / "out.svg").string();
  const std::string damaged = Write("damaged.json", "{\"format\":\"vellumix4-actions\"");
  auto run = vxtest::RunVellumix4("actions play " + damaged + " " + svg + " -o " + out);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("not JSON"), std::string::npos) << run.output;

  const std::string unknown = Write(
      "unknown.json",
      R"({"format":"vellumix4-actions","version":1,"events":[{"action":"Someone_Elses_Action","values":[]}]})");
  run = vxtest::RunVellumix4("actions play " + unknown + " " + svg + " -o " + out);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("event 1: the plug-in has no action 'Someone_Elses_Action'"), std::string::npos)
      << run.output;

  const std::string missing = Write(
      "missing.json",
      R"({"format":"vellumix4-actions","version":1,"events":[{"action":"VmX4_DropShadow_Action","values":[]}]})");
  run = vxtest::RunVellumix4("actions play " + missing + " " + svg + " -o " + out);
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("event 1 (VmX4_DropShadow_Action)"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("a value the action needs is missing ('KEY?')"), std::string::npos) << "the host's code for the missing value";
  EXPECT_FALSE(std::filesystem::exists(out));

  EXPECT_EQ(vxtest::RunVellumix4("actions play " + missing).status, 2) << "usage";
}

}  // namespace
