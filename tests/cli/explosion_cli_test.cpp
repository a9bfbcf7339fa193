// vellumix4 effect explosion from a shell: the file written is the same on
// every run, and a later run rebuilds it with the stored seed
// after the source was changed in another editor.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/document.h"
#include "support/run_cli.h"
#include "support/settings_home.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;

class ExplosionCli : public ::testing::Test {
 protected:
  ExplosionCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-explosion-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    input = Out("in.svg");
    std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg' width='400' height='400'>"
                            "<path id='arrow' d='M200 190L226 190L226 182L242 198L226 214L226 206L200 206Z' "
                            "fill='#ff8c42' stroke='#3d348b' stroke-width='2'/>"
                            "<path id='line' d='M10 390H90' fill='none' stroke='#000'/></svg>";
  }
  ~ExplosionCli() override {
    unsetenv("VELLUMIX4_TICKS");
    fs::remove_all(dir);
  }
  std::string Out(const std::string& name) { return (dir / name).string(); }
  static std::string Read(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
  }
  // Runs `vellumix4 effect explosion` on the input with the clock pinned to `ticks`.
  vxtest::CommandRun Explode(const std::string& output, const std::string& ticks, const std::string& sets = "") {
    setenv("VELLUMIX4_TICKS", ticks.c_str(), 1);
    return vxtest::RunVellumix4("effect explosion " + input + " -o " + output + " --select arrow -q" + sets);
  }
  // Every anchor of every copy the file's live object shows.
  static std::vector<ai::RealPoint> CopyAnchors(const std::string& path) {
    std::vector<ai::RealPoint> anchors;
    auto document = vxhost::svg::ReadSvgFile(path);
    document->ForEachArt([&](vxhost::Art* art) {
      if (art->kind != ai::art_kind::kPluginGroup || art->resultGroup == nullptr) return;
      if (art->resultGroup->firstChild == nullptr) return;
      for (const vxhost::Art* copy : art->resultGroup->firstChild->Children())
        for (const ai::SegRecord& s : copy->segments) anchors.push_back(s.anchor);
    });
    return anchors;
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  std::string input;
};

TEST_F(ExplosionCli, TwoRunsWriteTheSameFileByteForByte) {
  // The seed is drawn from the clock, which the command pins to its events.
  ASSERT_EQ(Explode(Out("a.svg"), "4242").status, 0);
  ASSERT_EQ(Explode(Out("b.svg"), "9999").status, 0);
  const std::string a = Read(Out("a.svg"));
  EXPECT_NE(a.find("vx:live"), std::string::npos);
  EXPECT_EQ(a, Read(Out("b.svg")));
  EXPECT_EQ(CopyAnchors(Out("a.svg")).size(), 200u * 7) << "the default 200 copies of a seven-anchor arrow";
  const std::string kept = " --set reproduceRandom=1 --set copyCount=40 --set spacing=1";
  ASSERT_EQ(Explode(Out("d.svg"), "1", kept).status, 0);
  ASSERT_EQ(Explode(Out("e.svg"), "2", kept).status, 0);
  EXPECT_EQ(Read(Out("d.svg")), Read(Out("e.svg")));
}

TEST_F(ExplosionCli, ALaterRunRebuildsTheSameArrangementAfterAnOutsideEdit) {
  ASSERT_EQ(Explode(Out("live.svg"), "777", " --set copyCount=50").status, 0);
  std::string text = Read(Out("live.svg"));
  // Another editor recolours the source (and everything else of that colour).
  for (size_t at = text.find("#ff8c42"); at != std::string::npos; at = text.find("#ff8c42", at))
    text.replace(at, 7, "#00a0ff");
  std::ofstream(Out("edited.svg")) << text;

  setenv("VELLUMIX4_TICKS", "31337", 1);
  const auto run = vxtest::RunVellumix4("regenerate " + Out("edited.svg") + " -o " + Out("again.svg"));
  ASSERT_EQ(run.status, 0) << run.output;
  const auto before = CopyAnchors(Out("live.svg")), after = CopyAnchors(Out("again.svg"));
  ASSERT_EQ(before.size(), 50u * 7);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(after[i].x, before[i].x, 1e-6) << "anchor " << i;
    EXPECT_NEAR(after[i].y, before[i].y, 1e-6) << "anchor " << i;
  }
  EXPECT_NE(Read(Out("again.svg")).find("#00a0ff"), std::string::npos) << "the copies take the new colour";
}

}  // namespace
