// vellumix4 fractalize as a person runs it from a shell: the filter, the live
// effect and its rebuild in a later run, seeds, recorded actions and mistakes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/run_cli.h"
#include "support/settings_home.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;

constexpr char kDrawing[] =
    "<svg xmlns='http://www.w3.org/2000/svg' width='300' height='200'>"
    "<path id='line' d='M 10 100 L 100 100' stroke='black' fill='none'/>"
    "<g id='shapes'><path id='tri' d='M 150 150 L 270 150 L 210 60 Z'/><path id='bar' d='M 20 180 L 120 160'/></g>"
    "<text id='label' x='10' y='20'>hi</text></svg>";

class FractalizeCli : public ::testing::Test {
 protected:
  FractalizeCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-fractalize-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) dir = pattern;
    input = Write("in.svg", kDrawing);
  }
  ~FractalizeCli() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (dir / name).string();
    std::ofstream(path) << text;
    return path;
  }
  std::string Read(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
  }
  std::string Out(const std::string& name) { return (dir / name).string(); }
  static const vxhost::Art* ById(const vxhost::Document& document, const std::string& id) {
    const vxhost::Art* found = nullptr;
    document.ForEachArt([&](const vxhost::Art* art) {
      if (found == nullptr && art->svg.id == id) found = art;
    });
    return found;
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  std::string input;
};

TEST_F(FractalizeCli, TheFilterTurnsTheSelectedLineIntoAKochCurve) {
  const auto run = vxtest::RunVellumix4("fractalize " + input + " -o " + Out("koch.svg") +
                                        " --select line --set generator=6 --set level=2 --set density=0 -q");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "");
  const auto document = vxhost::svg::ReadSvgFile(Out("koch.svg"));
  EXPECT_EQ(ById(*document, "line")->segments.size(), 17u);
  EXPECT_EQ(ById(*document, "tri")->segments.size(), 3u) << "only the selection changes";
  // The generator by its name, in the dialog's own words.
  const auto named = vxtest::RunVellumix4("fractalize " + input + " -o " + Out("semi.svg") +
                                          " --select bar --set generator=半円 --set level=1 --set density=0 -q");
  ASSERT_EQ(named.status, 0) << named.output;
  EXPECT_EQ(ById(*vxhost::svg::ReadSvgFile(Out("semi.svg")), "bar")->segments.size(), 3u);
}

TEST_F(FractalizeCli, TheSameSeedGivesTheSameFileAndAnotherSeedAnother) {
  const std::string common = " --set generator=4 --set density=20 --set uneven=8 --set unevenUnit=pt -q";
  ASSERT_EQ(vxtest::RunVellumix4("fractalize " + input + " -o " + Out("a.svg") + " --seed 42" + common).status, 0);
  ASSERT_EQ(vxtest::RunVellumix4("fractalize " + input + " -o " + Out("b.svg") + " --seed 42" + common).status, 0);
  ASSERT_EQ(vxtest::RunVellumix4("fractalize " + input + " -o " + Out("c.svg") + " --seed 43" + common).status, 0);
  EXPECT_EQ(Read(Out("a.svg")), Read(Out("b.svg")));
  EXPECT_NE(Read(Out("a.svg")), Read(Out("c.svg")));
}

TEST_F(FractalizeCli, ALiveEffectKeepsItsSettingsAndALaterRunRebuildsItIdentically) {
  const auto run = vxtest::RunVellumix4("fractalize " + input + " -o " + Out("live.svg") +
                                        " --live --select shapes --set generator=6 --set density=12 --set uneven=10");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string live = Read(Out("live.svg"));
  EXPECT_NE(live.find("vx:effect=\"VELLUMiX4\""), std::string::npos);
  EXPECT_NE(live.find("randSeed=i:"), std::string::npos);
  const auto regenerated = vxtest::RunVellumix4("regenerate " + Out("live.svg") + " -o " + Out("again.svg"));
  ASSERT_EQ(regenerated.status, 0) << regenerated.output;
  EXPECT_NE(regenerated.output.find("1 live object rebuilt"), std::string::npos) << regenerated.output;
  EXPECT_EQ(Read(Out("again.svg")), live);
}

TEST_F(FractalizeCli, MistakesAreReportedWithTheirExitCodes) {
  const std::string base = "fractalize " + input + " -o " + Out("x.svg");
  auto unknown = vxtest::RunVellumix4(base + " --set colour=red");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.output.find("no field 'colour'"), std::string::npos) << unknown.output;
  auto unit = vxtest::RunVellumix4(base + " --set unevenUnit=mm");
  EXPECT_EQ(unit.status, 2);
  EXPECT_NE(unit.output.find("no choice 'mm'"), std::string::npos) << unit.output;
  EXPECT_EQ(vxtest::RunVellumix4(base + " --set generator=15").status, 2);
  EXPECT_EQ(vxtest::RunVellumix4(base + " --live --record " + Out("x.json")).status, 2);
  EXPECT_EQ(vxtest::RunVellumix4(base + " --seed 0").status, 2);
  auto nothing = vxtest::RunVellumix4(base + " --select label");
  EXPECT_EQ(nothing.status, 1);
  EXPECT_NE(nothing.output.find("select a path"), std::string::npos) << nothing.output;
  EXPECT_FALSE(fs::exists(Out("x.svg"))) << "nothing written for what could not be done";
}

}  // namespace
