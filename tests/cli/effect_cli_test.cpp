// vellumix4 effect as a person runs it: values typed into the palette, Apply
// pressed, the live objects kept live (or expanded), and the mistakes people make.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/document.h"
#include "support/run_cli.h"
#include "support/settings_home.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;

class EffectCli : public ::testing::Test {
 protected:
  EffectCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-effect-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    input = (dir / "in.svg").string();
    output = (dir / "out.svg").string();
    std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
                            "<path id='wave' d='M10 50C30 10 60 90 90 40' fill='#ffffff' stroke='#2040ff' "
                            "stroke-width='4'/>"
                            "<path id='line' d='M10 90H90' fill='none' stroke='#000' stroke-width='2'/></svg>";
  }
  ~EffectCli() override { fs::remove_all(dir); }

  vxtest::CommandRun Run(const std::string& arguments) { return vxtest::RunVellumix4("effect " + arguments + " -q"); }

  // The live objects of the output and the number of copies each shows.
  std::vector<size_t> LiveCopies(const std::string& path) {
    std::vector<size_t> copies;
    auto document = vxhost::svg::ReadSvgFile(path);
    document->ForEachArt([&](vxhost::Art* art) {
      if (art->kind == ai::art_kind::kPluginGroup && art->resultGroup != nullptr && art->resultGroup->firstChild)
        copies.push_back(art->resultGroup->firstChild->Children().size());
    });
    return copies;
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  std::string input, output;
};

TEST_F(EffectCli, ListsTheEffectsAndAnEffectsFields) {
  const auto list = Run("--list");
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.output.find("neon\tLive ネオン"), std::string::npos);
  const auto fields = Run("neon --help");
  EXPECT_EQ(fields.status, 0);
  EXPECT_NE(fields.output.find("tracks  number 1..1000  default 1"), std::string::npos) << fields.output;
  EXPECT_NE(fields.output.find("offsetAngle  degrees -180..180  default 135.000"), std::string::npos);
}

TEST_F(EffectCli, AppliesThroughThePaletteAndKeepsTheObjectsLive) {
  const auto run = Run("neon " + input + " -o " + output + " --select wave --set tracks=2 --set contrast=150");
  ASSERT_EQ(run.status, 0) << run.output;
  // Width 4, two tracks, auto mid: 5 copies; only the selected path is wrapped.
  EXPECT_EQ(LiveCopies(output), std::vector<size_t>{5});

  ASSERT_EQ(Run("neon " + input + " -o " + output + " --expand").status, 0);
  EXPECT_TRUE(LiveCopies(output).empty()) << "expanded: plain art only";
  std::ifstream written(output);
  std::stringstream text;
  text << written.rdbuf();
  EXPECT_EQ(text.str().find("vx:live"), std::string::npos);
}

TEST_F(EffectCli, ARecordedApplyPlaysBackOnAnotherFile) {
  const std::string actions = (dir / "neon.json").string();
  ASSERT_EQ(Run("neon " + input + " -o " + output + " --select wave --set tracks=3 --record " + actions).status, 0);
  const std::string played = (dir / "played.svg").string();
  const auto play = vxtest::RunVellumix4("actions play " + actions + " " + input + " -o " + played + " --select wave -q");
  ASSERT_EQ(play.status, 0) << play.output;
  EXPECT_EQ(LiveCopies(played), LiveCopies(output));
}

TEST_F(EffectCli, MistakesAreReportedWithTheirExitCodes) {
  EXPECT_EQ(Run("glow " + input + " -o " + output).status, 2);
  const auto field = Run("neon " + input + " -o " + output + " --set sparkle=3");
  EXPECT_EQ(field.status, 2);
  EXPECT_NE(field.output.find("no field 'sparkle'"), std::string::npos);
  const auto disabled = Run("neon " + input + " -o " + output + " --set steps=5");
  EXPECT_EQ(disabled.status, 2) << "steps only work in the manual mode";
  EXPECT_NE(disabled.output.find("disabled"), std::string::npos);
  EXPECT_EQ(Run("neon " + input + " -o " + output + " --set stepMode=3 --set steps=5").status, 0);
  EXPECT_EQ(Run("neon " + (dir / "missing.svg").string() + " -o " + (dir / "never.svg").string()).status, 1);
  EXPECT_FALSE(fs::exists(dir / "never.svg"));
}

std::string FileText(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(EffectCli, EveryRunStartsFromTheDefaultSettingUnlessTheLastIsAskedFor) {
  const std::string second = (dir / "second.svg").string(), third = (dir / "third.svg").string();
  ASSERT_EQ(Run("neon " + input + " -o " + output + " --set tracks=2").status, 0);
  ASSERT_EQ(Run("neon " + input + " -o " + second + " --set tracks=5 --set contrast=150").status, 0);
  const std::string last = (dir / "last.svg").string();
  ASSERT_EQ(Run("neon " + input + " -o " + last + " --last").status, 0);
  EXPECT_EQ(FileText(last), FileText(second)) << "--last continues from the values the previous run typed";
  ASSERT_EQ(Run("neon " + input + " -o " + third).status, 0);
  EXPECT_NE(FileText(third), FileText(second));
  {
    vxtest::ScopedSettingsHome fresh;
    const std::string clean = (dir / "clean.svg").string();
    ASSERT_EQ(Run("neon " + input + " -o " + clean).status, 0);
    EXPECT_EQ(FileText(third), FileText(clean)) << "the earlier runs' values carried over";
  }
}

TEST_F(EffectCli, ValuesThePaletteCannotReadAreRefusedAndClampedOnesReported) {
  for (const char* bad : {"tracks=abc", "shadowOffset=3furlongs", "offsetAngle=12x", "stepMode=9"}) {
    const auto run = Run("neon " + input + " -o " + output + " --set " + bad);
    EXPECT_EQ(run.status, 2) << bad;
    const std::string field = std::string(bad).substr(0, std::string(bad).find('='));
    EXPECT_NE(run.output.find(field), std::string::npos) << run.output;
  }
  EXPECT_NE(Run("neon " + input + " -o " + output + " --set shadowOffset=x").output.find("a length"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(output)) << "nothing is written for a value that was refused";

  const auto clamped = vxtest::RunVellumix4("effect neon " + input + " -o " + output + " --set tracks=5000");
  EXPECT_EQ(clamped.status, 0);
  EXPECT_NE(clamped.output.find("tracks=5000 is outside 1..1000; the palette takes 1000"), std::string::npos)
      << clamped.output;
  EXPECT_EQ(Run("neon " + input + " -o " + output + " --set tracks=5000").output.find("outside"), std::string::npos)
      << "-q keeps the note back";
  const auto inRange = vxtest::RunVellumix4("effect neon " + input + " -o " + output + " --set tracks=3 --set shadowOffset=2mm");
  EXPECT_EQ(inRange.output.find("note"), std::string::npos) << inRange.output;
}

TEST_F(EffectCli, FeedsInPointsAreTypedIntoTheEditsTheModeShows) {
  const auto run = Run("tiling " + input + " -o " + output +
                       " --select line --set moveRelative=1 --set moveH=30 --set moveV=12pt --set columns=2 --set rows=1");
  ASSERT_EQ(run.status, 0) << run.output;
  auto document = vxhost::svg::ReadSvgFile(output);
  std::vector<double> lefts;
  document->ForEachArt([&](vxhost::Art* art) {
    if (art->kind == ai::art_kind::kPluginGroup && art->resultGroup != nullptr && art->resultGroup->firstChild)
      for (vxhost::Art* copy : art->resultGroup->firstChild->Children()) if (!copy->segments.empty()) lefts.push_back(copy->segments[0].anchor.x);
  });
  ASSERT_EQ(lefts.size(), 2u);
  EXPECT_NEAR(std::abs(lefts[1] - lefts[0]), 30, 1e-9) << "the second copy one 30 pt feed along";
}

}  // namespace
