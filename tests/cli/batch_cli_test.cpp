// Many files in one call: every good file written into the folder under its own
// name, a bad one named in the summary, nothing half written, inputs never
// overwritten.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/adwaita_icons.h"
#include "support/run_cli.h"
#include "support/sanitized.h"
#include "support/settings_home.h"

namespace {

namespace fs = std::filesystem;

class BatchCli : public ::testing::Test {
 protected:
  BatchCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-batch-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    fs::create_directories(dir / "in");
  }
  ~BatchCli() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = dir / "in" / name;
    std::ofstream(path) << text;
    return path.string();
  }

  static size_t FilesIn(const fs::path& folder) {
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) count += entry.is_regular_file() ? 1 : 0;
    return count;
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
};

TEST_F(BatchCli, TwoHundredIconsAndABrokenFileGiveTwoHundredOutputsAndOneNamedFailure) {
  // Two hundred in the plain build; a sample of forty under the sanitizers.
  const size_t count = vxtest::kSanitized ? 40 : 200;
  const auto icons = vxtest::SpreadAdwaitaIcons(count);
  if (icons.size() < count) GTEST_SKIP() << "adwaita-icon-theme is not installed";
  std::string inputs;
  for (const fs::path& icon : icons) inputs += " " + Write(icon.filename().string(), [&] {
    std::ifstream file(icon);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }());
  const std::string broken = Write("broken.svg", "<svg><path d='M0 0");
  const fs::path out = dir / "out";

  const auto run = vxtest::RunVellumix4("effect neon" + inputs + " " + broken + " -O " + out.string() +
                                        " --set tracks=2 -q");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_EQ(FilesIn(out), count);
  EXPECT_FALSE(fs::exists(out / "broken.svg"));
  for (const auto& entry : fs::directory_iterator(out))
    EXPECT_EQ(entry.path().extension(), ".svg") << "left behind: " << entry.path();
  EXPECT_NE(run.output.find(std::to_string(count) + " of " + std::to_string(count + 1) + " files written"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("failed: " + broken), std::string::npos) << run.output;

  // The same batch through the other commands that take -O.
  const std::string some = " " + (dir / "in" / icons[0].filename()).string() + " " +
                           (dir / "in" / icons[1].filename()).string();
  EXPECT_EQ(vxtest::RunVellumix4("regenerate" + some + " -O " + (dir / "regen").string() + " -q").status, 0);
  EXPECT_EQ(vxtest::RunVellumix4("convert" + some + " -O " + (dir / "convert").string() + " -q").status, 0);
  EXPECT_EQ(vxtest::RunVellumix4("tool warp" + some + " -O " + (dir / "warp").string() + " --drag 8,8 --drag 9,12 -q")
                .status,
            0);
  EXPECT_EQ(vxtest::RunVellumix4("fractalize" + some + " -O " + (dir / "fractal").string() + " -q").status, 0);
  for (const char* folder : {"regen", "convert", "warp", "fractal"}) EXPECT_EQ(FilesIn(dir / folder), 2u) << folder;
}

TEST_F(BatchCli, MistakesStopBeforeAnyFileIsWritten) {
  const std::string a = Write("a.svg", "<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0H9' stroke='#000'/></svg>");
  const std::string b = Write("b.svg", "<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0V9' stroke='#000'/></svg>");
  fs::create_directories(dir / "other");
  fs::copy_file(a, dir / "other" / "a.svg");
  const std::string before = [&] {
    std::ifstream file(a);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }();

  const auto overwrite = vxtest::RunVellumix4("effect neon " + a + " " + b + " -O " + (dir / "in").string());
  EXPECT_EQ(overwrite.status, 2);
  EXPECT_NE(overwrite.output.find("would overwrite the input"), std::string::npos) << overwrite.output;
  std::ifstream reread(a);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reread), {}), before);

  const auto clash = vxtest::RunVellumix4("convert " + a + " " + (dir / "other" / "a.svg").string() + " -O " +
                                          (dir / "out").string());
  EXPECT_EQ(clash.status, 2);
  EXPECT_NE(clash.output.find("would both be written"), std::string::npos) << clash.output;

  const auto bad = vxtest::RunVellumix4("effect neon " + a + " " + b + " -O " + (dir / "out").string() +
                                        " --set tracks=abc");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("stopped"), std::string::npos) << bad.output;

  EXPECT_EQ(vxtest::RunVellumix4("effect neon " + a + " " + b + " -o " + (dir / "one.svg").string()).status, 2);
  EXPECT_EQ(vxtest::RunVellumix4("effect neon " + a + " " + b + " -O " + (dir / "out").string() + " --png x.png").status,
            2);
  EXPECT_FALSE(fs::exists(dir / "out" / "a.svg"));
  EXPECT_FALSE(fs::exists(dir / "one.svg"));
}

}  // namespace
