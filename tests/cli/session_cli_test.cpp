// Sessions: what `effect` and `tool` did, written down event by event, done
// again by `vellumix4 run` to the same bytes; session files that cannot be
// read or events that cannot be done are reported by number.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "gallery/gallery_sessions.h"
#include "session_script.h"
#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class SessionCli : public ::testing::Test {
 protected:
  SessionCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-session-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    input = Path("in.svg");
    std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='120'>"
                            "<path id='wave' d='M10 50C30 10 60 90 90 40' fill='#ffee88' stroke='#2040ff' "
                            "stroke-width='4'/>"
                            "<path id='box' d='M110 20H190V100H110Z' fill='#cc3344' stroke='#222' stroke-width='2'/>"
                            "<path id='bar' d='M10 80H100V110H10Z' fill='#33aa66'/></svg>";
  }
  ~SessionCli() override { fs::remove_all(dir); }

  std::string Path(const std::string& name) const { return (dir / name).string(); }
  vxtest::CommandRun Run(const std::string& arguments) { return vxtest::RunVellumix4(arguments + " -q"); }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  std::string input;
};

TEST_F(SessionCli, WhatEffectAndToolDidIsDoneAgainToTheSameBytes) {
  ASSERT_EQ(Run("effect neon " + input + " -o " + Path("neon.svg") + " --select wave --set tracks=3 --set stepMode=3 "
                "--set steps=5 --record-session " + Path("neon.json")).status, 0);
  ASSERT_EQ(Run("tool warp " + input + " -o " + Path("warp.svg") + " --drag 150,60 --drag 160,50 --drag 170,40 "
                "--set shape=3 --alt --record-session " + Path("warp.json")).status, 0);
  for (const char* name : {"neon", "warp"}) {
    const std::string replayed = Path(std::string(name) + "-again.svg");
    const auto run = Run("run " + Path(std::string(name) + ".json") + " " + input + " -o " + replayed);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(FileText(replayed), FileText(Path(std::string(name) + ".svg"))) << name;
  }
  // The events say what a person did: the menu item, the typed values, the drag.
  const auto neon = vxcli::ReadSessionFile(Path("neon.json"));
  bool typed = false;
  for (const auto& event : neon) typed |= event.kind == vxcli::SessionEvent::Kind::kType && event.text == "5";
  EXPECT_TRUE(typed);
  const auto warp = vxcli::ReadSessionFile(Path("warp.json"));
  size_t drags = 0;
  for (const auto& event : warp) drags += event.kind == vxcli::SessionEvent::Kind::kMouse && event.phase == "drag";
  EXPECT_EQ(drags, 2u);
}

TEST_F(SessionCli, ASessionOfThreeEffectsAndEveryToolRepeatsExactly) {
  // Every tool over all of the art (each by the session of one of its gallery
  // pages), then three effects on three objects: sessions joined one after
  // another, each later one at later ticks. Tools go first: they work on
  // paths, not on live objects.
  std::vector<vxcli::SessionEvent> joined;
  auto join = [&](const std::vector<vxcli::SessionEvent>& events) {
    const uint32_t after = joined.empty() ? 0 : joined.back().tick;
    for (vxcli::SessionEvent event : events) {
      event.tick += after;
      joined.push_back(std::move(event));
    }
  };
  for (const char* page : {"warp-shape-03", "wave-shape-1", "lens-fish-eye", "craft-twirl", "trail-tool"})
    join(vxcli::SessionFromJson(vxcli::gallery::GallerySessionText(page)));
  const std::vector<std::pair<std::string, std::string>> effects = {
      {"effect neon " + input + " --select wave --set tracks=2", "a.json"},
      {"effect shadow " + input + " --select box --set distance=6", "b.json"},
      {"effect border " + input + " --select bar --set stepMode=3 --set steps=4", "c.json"},
  };
  for (const auto& [command, file] : effects) {
    ASSERT_EQ(Run(command + " -o " + Path("scratch.svg") + " --record-session " + Path(file)).status, 0) << command;
    join(vxcli::ReadSessionFile(Path(file)));
  }
  vxcli::WriteSessionFile(Path("all.json"), joined);
  const auto firstRun = Run("run " + Path("all.json") + " " + input + " -o " + Path("first.svg"));
  ASSERT_EQ(firstRun.status, 0) << firstRun.output;
  ASSERT_EQ(Run("run " + Path("all.json") + " " + input + " -o " + Path("second.svg")).status, 0);
  const std::string first = FileText(Path("first.svg"));
  EXPECT_EQ(first, FileText(Path("second.svg")));
  for (const char* effect : {"Neon", "DropShadow", "Border"})
    EXPECT_NE(first.find(std::string("vx:live=\"VELLUMiX4 ") + effect), std::string::npos) << effect;
}

TEST_F(SessionCli, FilesThatCannotBeReadAndEventsThatCannotBeDoneAreNamed) {
  auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(Path(name)) << text;
    return Path(name);
  };
  const std::string head = "{\"format\": \"vellumix4-session\", \"version\": 1, \"events\": [";
  struct Case {
    std::string text;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"not json", 2, "not JSON"},
      {"{\"format\": \"other\"}", 2, "not a session file"},
      {"{\"format\": \"vellumix4-session\", \"version\": 7, \"events\": []}", 2, "version 7"},
      {head + "{\"tick\": 1000, \"do\": \"dance\"}]}", 2, "event 1: \"do\""},
      {head + "{\"tick\": 1000, \"do\": \"menu\", \"path\": []}, ]}", 2, "not JSON"},
      {head + "{\"tick\": 1000, \"do\": \"click\", \"control\": 1}, {\"tick\": 900, \"do\": \"put-away\"}]}", 2,
       "event 2: \"tick\""},
      {head + "{\"tick\": 1000, \"do\": \"mouse\", \"phase\": \"down\", \"x\": 1}]}", 2, "event 1: \"y\""},
      {head + "{\"tick\": 1000, \"do\": \"menu\", \"path\": [\"VELLUMiX4\", \"nothing\"]}]}", 1,
       "event 1: no menu item nothing"},
      {head + "{\"tick\": 1000, \"do\": \"select\", \"ids\": [\"nobody\"]}]}", 1, "event 1: no element with id"},
      {head + "{\"tick\": 1000, \"do\": \"click\", \"control\": 1425}]}", 1, "event 1: no palette is open"},
      {head + "{\"tick\": 1000, \"do\": \"mouse\", \"phase\": \"down\", \"x\": 1, \"y\": 2}]}", 1, "no tool is chosen"},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string script = write("case" + std::to_string(i) + ".json", cases[i].text);
    const auto run = vxtest::RunVellumix4("run " + script + " " + input + " -o " + Path("never.svg"));
    EXPECT_EQ(run.status, cases[i].status) << cases[i].text << "\n" << run.output;
    EXPECT_NE(run.output.find(cases[i].message), std::string::npos) << cases[i].text << "\n" << run.output;
  }
  EXPECT_FALSE(fs::exists(Path("never.svg")));
}

}  // namespace
