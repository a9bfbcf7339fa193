// vellumix4 convert and inspect as a person runs them.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/run_cli.h"

namespace {

namespace fs = std::filesystem;

struct CommandRun {
  int status;
  std::string out;  // stdout
  std::string err;  // stderr
};

class ConvertInspect : public ::testing::Test {
 protected:
  ConvertInspect() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-svg-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    input = (dir / "in.svg").string();
    std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg'><g id='g' opacity='0.5'>"
                            "<path id='p' d='M0 0h10v10z' fill='#ff0000' stroke='blue' stroke-width='2'/>"
                            "<circle cx='5' cy='5' r='2'/></g></svg>";
  }
  ~ConvertInspect() override { fs::remove_all(dir); }

  CommandRun Vellumix4(const std::string& arguments) {
    const std::string errFile = (dir / "stderr.txt").string();
    const vxtest::CommandRun shell = vxtest::RunVellumix4(arguments + " 2>" + errFile, /*withStderr=*/false);
    CommandRun run{shell.status, shell.output, {}};
    std::ifstream in(errFile);
    run.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
  }

  fs::path dir;
  std::string input;
};

TEST_F(ConvertInspect, ConvertWritesAFileThatConvertsToItself) {
  const std::string once = (dir / "once.svg").string(), twice = (dir / "twice.svg").string();
  CommandRun run = Vellumix4("convert " + input + " -o " + once);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(Vellumix4("convert " + once + " -o " + twice).status, 0);
  std::ifstream a(once), b(twice);
  const std::string textA((std::istreambuf_iterator<char>(a)), {}), textB((std::istreambuf_iterator<char>(b)), {});
  EXPECT_EQ(textA, textB);
  EXPECT_NE(textA.find("xmlns:vx=\"urn:vellumix4:svg\""), std::string::npos);

  // Standard input to standard output.
  CommandRun piped = Vellumix4("convert - -o - < " + input);
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, textA);
}

TEST_F(ConvertInspect, InspectPrintsTheTree) {
  CommandRun run = Vellumix4("inspect " + input);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("    1 group #g; opacity 0.5\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("      2 path #p: 3 segments, closed; fill three 1 0 0; stroke three 0 0 1, width 2\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("colour model rgb\nruler unit 3 (points)\n"), std::string::npos);
}

TEST_F(ConvertInspect, BadInputExitsOneAndWritesNothing) {
  const std::string bad = (dir / "bad.svg").string(), out = (dir / "out.svg").string();
  std::ofstream(bad) << "<svg xmlns='http://www.w3.org/2000/svg'>\n  <path d='M0 0'";
  CommandRun run = Vellumix4("convert " + bad + " -o " + out);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("vellumix4: " + bad + ":2:", 0), 0u) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
  EXPECT_FALSE(fs::exists(out));

  run = Vellumix4("inspect " + (dir / "missing.svg").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("missing.svg: cannot open"), std::string::npos);

  run = Vellumix4("convert " + input + " -o " + (dir / "no" / "out.svg").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("out.svg: cannot write"), std::string::npos);
}

TEST_F(ConvertInspect, UsageErrorsExitTwo) {
  EXPECT_EQ(Vellumix4("convert " + input).status, 2);  // no -o
  EXPECT_EQ(Vellumix4("convert " + input + " --check --check-size 2").status, 2);
  EXPECT_EQ(Vellumix4("inspect").status, 2);
}

TEST_F(ConvertInspect, CheckReportsTheShareOfPixelsThatDiffer) {
  if (std::system("rsvg-convert --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is not installed";
  CommandRun run = Vellumix4("convert --check " + input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "check: 0.00 % of the pixels differ (0 of 16384 at 128 x 128, by more than 24/255; largest difference "
            "0/255): renders as before\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "nothing but in.svg and stderr";

  // A stroke under a transform that stretches it one way only is drawn with
  // its mean width: visibly different, so the check says so and fails.
  const std::string stretched = (dir / "stretched.svg").string(), out = (dir / "out.svg").string();
  std::ofstream(stretched) << "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='40'>"
                              "<g transform='scale(8 1)'><path d='M1 5V35' stroke='black' stroke-width='2'/></g></svg>";
  run = Vellumix4("convert --check " + stretched + " -o - --check-size 40 < /dev/null");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("<svg"), std::string::npos);  // the SVG on standard output, the report beside it
  EXPECT_NE(run.err.find("check: "), std::string::npos);
  EXPECT_NE(run.err.find("renders differently"), std::string::npos) << run.err;

  // Standard input is checked too.
  run = Vellumix4("convert --check - < " + input);
  EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
