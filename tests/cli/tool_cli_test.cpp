// vellumix4 tool as a person runs it: a drag on an SVG file, with settings
// typed as into the palette, and the errors people make.
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

class ToolCli : public ::testing::Test {
 protected:
  ToolCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-tool-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    input = (dir / "in.svg").string();
    output = (dir / "out.svg").string();
    std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg'>"
                            "<path id='box' d='M0 0H100V40H0Z' fill='#888'/>"
                            "<path id='other' d='M0 100H100' stroke='black'/></svg>";
  }
  ~ToolCli() override { fs::remove_all(dir); }

  vxtest::CommandRun Run(const std::string& arguments) {
    return vxtest::RunVellumix4("tool " + arguments + " -q");
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  std::string input, output;
};

const vxhost::Art* ById(const vxhost::Document& document, const std::string& id) {
  const vxhost::Art* found = nullptr;
  document.ForEachArt([&](const vxhost::Art* art) {
    if (art->svg.id == id) found = art;
  });
  return found;
}

TEST_F(ToolCli, ADragWarpsTheSelectedArtInTheFilesCoordinates) {
  // SVG y grows downward: dragging from y 40 to y 30 raises the box's top edge by 10.
  const vxtest::CommandRun run =
      Run("warp " + input + " -o " + output + " --select box --set shape=21 --set margin=0 --drag 0,40 0,35 0,30");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto document = vxhost::svg::ReadSvgFile(output);
  const vxhost::Art* box = ById(*document, "box");
  ASSERT_NE(box, nullptr);
  EXPECT_DOUBLE_EQ(box->segments[0].anchor.y, 10) << "(0, 0) in SVG is (0, 0) in the document; raised by 10";
  EXPECT_DOUBLE_EQ(box->segments[3].anchor.y, -30) << "SVG (0, 40) went up to y 30";
  const vxhost::Art* other = ById(*document, "other");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->segments.size(), 2u) << "not selected, not warped";
  EXPECT_EQ(other->segments[0].anchor.y, -100);
}

TEST_F(ToolCli, TraceCopiesAndCtrlLayers) {
  const vxtest::CommandRun run = Run("warp " + input + " -o " + output +
                                     " --select box --set shape=21 --set trace=1 --set traceMode=1 --set traceSteps=3"
                                     " --ctrl --drag 0,40 0,10");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto document = vxhost::svg::ReadSvgFile(output);
  EXPECT_EQ(document->layers().size(), 3u) << "the first copy with the art, the others on layers of their own";
}

TEST_F(ToolCli, MistakesAreReportedWithTheirExitCodes) {
  EXPECT_EQ(Run("warp " + input + " -o " + output + " --drag '1;2'").status, 2);
  EXPECT_EQ(Run("hammer " + input + " -o " + output + " --drag 1,2").status, 2);
  EXPECT_EQ(Run("warp " + input + " -o " + output + " --set nothing=3 --drag 1,2").status, 2);
  vxtest::CommandRun missing = Run("warp " + (dir / "none.svg").string() + " -o " + output + " --drag 1,2");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("none.svg"), std::string::npos) << missing.output;
  EXPECT_EQ(Run("warp " + input + " -o " + output + " --select nope --drag 1,2").status, 1);
  EXPECT_FALSE(fs::exists(output)) << "nothing is written when the input cannot be processed";
}

TEST_F(ToolCli, EveryDragStartsFromTheDefaultSettingAndValuesAreChecked) {
  const std::string drag = " --drag 50,20 --drag 60,30";
  const std::string first = (dir / "first.svg").string(), second = (dir / "second.svg").string();
  ASSERT_EQ(Run("warp " + input + " -o " + first + drag + " --set shape=5 --set margin=40").status, 0);
  const std::string last = (dir / "last.svg").string();
  ASSERT_EQ(Run("warp " + input + " -o " + last + drag + " --last").status, 0);
  ASSERT_EQ(Run("warp " + input + " -o " + second + drag).status, 0);
  auto text = [](const std::string& path) {
    std::ifstream file(path);
    std::stringstream read;
    read << file.rdbuf();
    return read.str();
  };
  EXPECT_EQ(text(last), text(first)) << "--last keeps the previous values";
  EXPECT_NE(text(second), text(first));
  {
    vxtest::ScopedSettingsHome fresh;
    const std::string clean = (dir / "clean.svg").string();
    ASSERT_EQ(Run("warp " + input + " -o " + clean + drag).status, 0);
    EXPECT_EQ(text(second), text(clean)) << "the first run's shape carried over";
  }

  for (const char* bad : {"margin=zz", "traceSpace=3furlongs", "shape=abc", "perspective=maybe"}) {
    const auto run = Run("warp " + input + " -o " + output + drag + " --set " + bad);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.output.find(std::string(bad).substr(0, std::string(bad).find('='))), std::string::npos)
        << run.output;
  }
  const auto clamped = vxtest::RunVellumix4("tool warp " + input + " -o " + output + drag + " --set margin=99999");
  EXPECT_EQ(clamped.status, 0);
  EXPECT_NE(clamped.output.find("margin=99999 is outside 0..4000"), std::string::npos) << clamped.output;
}

}  // namespace
