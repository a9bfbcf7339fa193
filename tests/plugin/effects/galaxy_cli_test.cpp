// vellumix4 effect galaxy and vellumix4 regenerate as a person runs them: the
// same drawing and settings give the same file, and a file whose source was
// recoloured in another editor is rebuilt with the arms it had.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Every occurrence of `from` in `text` replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class GalaxyCli : public ::testing::Test {
 protected:
  GalaxyCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-galaxy-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    std::ofstream(dir / "in.svg") << "<svg xmlns='http://www.w3.org/2000/svg' width='400' height='400'>"
                                     "<path id='arrow' d='M200 62 L226 62 L226 54 L242 70 L226 86 L226 78 L200 78 Z' "
                                     "fill='#123456' stroke='#3d348b' stroke-width='2'/></svg>";
  }
  ~GalaxyCli() override { fs::remove_all(dir); }

  vxtest::CommandRun Effect(const std::string& output, const std::string& sets) {
    return vxtest::RunVellumix4("effect galaxy " + (dir / "in.svg").string() + " -o " + (dir / output).string() +
                                " -q " + sets);
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
};

constexpr const char* kDeviations =
    "--set branchCount=5 --set elementCount=7 --set angleJitter=40 --set branchKink=30 --set twistJitter=50 "
    "--set coreJitter=10 --set spreadJitter=60 --set sizeJitter=30";

TEST_F(GalaxyCli, TheSameDrawingAndSettingsGiveTheSameFile) {
  ASSERT_EQ(Effect("one.svg", kDeviations).status, 0);
  ASSERT_EQ(Effect("two.svg", kDeviations).status, 0);
  const std::string one = FileText(dir / "one.svg");
  EXPECT_EQ(one, FileText(dir / "two.svg"));
  EXPECT_NE(one.find("vx:live"), std::string::npos) << "kept live";
  ASSERT_EQ(Effect("even.svg", "--set branchCount=5 --set elementCount=7").status, 0);
  EXPECT_NE(FileText(dir / "even.svg"), one) << "the deviations show";
}

TEST_F(GalaxyCli, RegeneratingAfterAnOutsideEditKeepsTheArms) {
  ASSERT_EQ(Effect("applied.svg", kDeviations).status, 0);
  const std::string applied = FileText(dir / "applied.svg");
  // Another editor recolours the source inside the live object, nothing else.
  const size_t edit = applied.find("vx:role=\"edit\"");
  ASSERT_NE(edit, std::string::npos) << applied.substr(0, 2000);
  std::string edited = applied;
  const size_t fill = edited.find("#123456", edit);
  ASSERT_NE(fill, std::string::npos);
  edited.replace(fill, 7, "#abcdef");
  std::ofstream(dir / "edited.svg") << edited;

  const auto run = vxtest::RunVellumix4("regenerate " + (dir / "edited.svg").string() + " -o " +
                                        (dir / "rebuilt.svg").string() + " -q");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string rebuilt = FileText(dir / "rebuilt.svg");
  EXPECT_NE(rebuilt.find("#abcdef", fill + 1), std::string::npos) << "the copies take the new colour";
  EXPECT_EQ(ReplaceAll(rebuilt, "#abcdef", "#123456"), applied) << "and lie where they lay";
}

}  // namespace
