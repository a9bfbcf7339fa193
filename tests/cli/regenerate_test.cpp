// vellumix4 regenerate as a person runs it: live objects whose source changed
// outside VELLUMiX4, files rebuilt twice, and live objects nothing can rebuild.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "effects/neon/neon_params.h"
#include "frame/effect_table.h"
#include "frame/registration.h"
#include "gallery/sample_art.h"
#include "support/run_cli.h"
#include "support/settings_home.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;

std::string GroupName(int16_t effect) {
  return std::string(vx::EffectTable()[static_cast<size_t>(effect)].groupStem) + vx::VersionSuffix(16);
}

std::string NeonText(int32_t tracks) {
  vx::NeonPGParams params{};
  vx::SetRecordDefaults(vx::kNeonPGParamsSpec, &params, "");
  params.tracks = tracks;
  std::string text;
  vx::WriteRecordText(vx::kNeonPGParamsSpec, &params, "", text);
  return text;
}

// A live object as a file holds it: source art in the hidden edit group, what
// was drawn last in the result group.
std::string LiveObject(const std::string& id, const std::string& group, const std::string& data,
                       const std::string& source, const std::string& result = "") {
  return "<g id='" + id + "' vx:live='" + vxcli::gallery::XmlEscape(group) +
         "' vx:dataType='1' vx:dataSubtype='0' vx:data='" + vxcli::gallery::XmlEscape(data) + "'>" +
         "<g vx:role='edit' display='none'>" + source + "</g><g vx:role='result'>" + result + "</g></g>";
}

std::string Svg(const std::string& body) {
  return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:vx='urn:vellumix4:svg'>" + body + "</svg>";
}

const vxhost::Art* ById(const vxhost::Document& document, const std::string& id) {
  const vxhost::Art* found = nullptr;
  document.ForEachArt([&](const vxhost::Art* art) {
    if (found == nullptr && art->svg.id == id) found = art;
  });
  return found;
}

// The copies Live Neon drew, as the result group holds them.
std::vector<const vxhost::Art*> Copies(const vxhost::Art* live) {
  std::vector<const vxhost::Art*> copies;
  if (live->resultGroup->firstChild == nullptr) return copies;
  for (const vxhost::Art* copy = live->resultGroup->firstChild->firstChild; copy != nullptr; copy = copy->next)
    copies.push_back(copy);
  return copies;
}

class RegenerateCli : public ::testing::Test {
 protected:
  RegenerateCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-regenerate-XXXXXX").string();
    dir = mkdtemp(pattern.data());
  }
  ~RegenerateCli() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (dir / name).string();
    std::ofstream(path) << text;
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Runs the command; stderr is kept apart from what it writes to stdout.
  vxtest::CommandRun Regenerate(const std::string& arguments, std::string* err = nullptr) {
    const std::string errFile = (dir / "stderr.txt").string();
    vxtest::CommandRun run = vxtest::RunVellumix4("regenerate " + arguments + " 2>" + errFile, false);
    if (err != nullptr) *err = Read(errFile);
    return run;
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  const std::string neon = GroupName(vx::kNeonEffect);
};

TEST_F(RegenerateCli, ASourceEditedOutsideIsRebuiltToMatch) {
  const std::string stroke = "fill='#ffffff' stroke='#0000ff' stroke-width='10'";
  const std::string drawn = Write("drawn.svg", Svg(LiveObject("glow", neon, NeonText(1),
                                                              "<path id='src' d='M0 0L100 0' " + stroke + "/>")));
  const std::string before = (dir / "before.svg").string();
  ASSERT_EQ(Regenerate(drawn + " -o " + before + " -q").status, 0);
  const auto first = vxhost::svg::ReadSvgFile(before);
  ASSERT_EQ(Copies(ById(*first, "glow")).size(), 11u) << "auto mid, one track, width 10";

  // Someone moves the source's first point in another editor; the stale result
  // stays in the file.
  std::string text = Read(before);
  const size_t at = text.find("d=\"M 0 0 ", text.find("vx:role=\"edit\""));
  ASSERT_NE(at, std::string::npos) << text;
  ASSERT_LT(at, text.find("vx:role=\"result\"")) << text;
  text.replace(at, 9, "d=\"M 0 50 ");
  const std::string edited = Write("edited.svg", text);
  const std::string after = (dir / "after.svg").string();
  std::string err;
  ASSERT_EQ(Regenerate(edited + " -o " + after, &err).status, 0) << err;
  EXPECT_NE(err.find("1 live object rebuilt, 0 kept"), std::string::npos) << err;

  const auto rebuilt = vxhost::svg::ReadSvgFile(after);
  const std::vector<const vxhost::Art*> copies = Copies(ById(*rebuilt, "glow"));
  ASSERT_EQ(copies.size(), 11u);
  for (const vxhost::Art* copy : copies) {
    ASSERT_EQ(copy->segments.size(), 2u);
    EXPECT_EQ(copy->segments[0].anchor.y, -50) << "every copy follows the moved source";
  }

  // The same as drawing the moved source afresh.
  const std::string fresh = Write("fresh.svg", Svg(LiveObject("glow", neon, NeonText(1),
                                                              "<path id='src' d='M0 50L100 0' " + stroke + "/>")));
  const std::string freshOut = (dir / "fresh-out.svg").string();
  ASSERT_EQ(Regenerate(fresh + " -o " + freshOut + " -q").status, 0);
  EXPECT_EQ(Read(after), Read(freshOut));
}

TEST_F(RegenerateCli, RegeneratingAFreshResultChangesNothing) {
  const std::string source =
      "<path id='wave' d='M0 0C20 -30 40 30 60 0' fill='#ffeeee' stroke='#cc0000' stroke-width='6'/>"
      "<circle id='ring' cx='100' cy='0' r='20' fill='#eeeeee' vx:fill='gray 0.05' stroke='#333333' "
      "vx:stroke='gray 0.8' stroke-width='4'/>";
  const std::string input = Write("in.svg", Svg(LiveObject("a", neon, NeonText(3), source)));
  const std::string once = (dir / "once.svg").string(), twice = (dir / "twice.svg").string();
  ASSERT_EQ(Regenerate(input + " -o " + once + " -q").status, 0);
  ASSERT_EQ(Regenerate(once + " -o " + twice + " -q").status, 0);
  EXPECT_EQ(Read(once), Read(twice));
  const auto document = vxhost::svg::ReadSvgFile(once);
  EXPECT_EQ(Copies(ById(*document, "a")).size(), 7u + 4u) << "3 tracks, auto mid: 7 copies of the wave, 4 of the ring";

  // Standard input to standard output gives the same file.
  const vxtest::CommandRun piped = vxtest::RunVellumix4("regenerate - -o - -q < " + once, false);
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.output, Read(once));
}

TEST_F(RegenerateCli, ObjectsNothingCanRebuildAreKeptWithAWarning) {
  const std::string kept = "<path d='M0 0H10V10H0Z' fill='#00ff00'/>";
  const std::string source = "<path d='M0 0H10' stroke='#ff0000' stroke-width='4'/>";
  const std::string input =
      Write("in.svg", Svg(LiveObject("foreign", "Another Effect", "", source, kept) +
                          LiveObject("neon", neon, NeonText(1), source)));
  const std::string output = (dir / "out.svg").string();
  std::string err;
  ASSERT_EQ(Regenerate(input + " -o " + output, &err).status, 0) << err;
  EXPECT_NE(err.find("warning: live object #foreign ('Another Effect'): no plug-in loaded"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("1 live object rebuilt, 1 kept"), std::string::npos) << err;

  const auto document = vxhost::svg::ReadSvgFile(output);
  for (const char* id : {"foreign"}) {
    SCOPED_TRACE(id);
    const vxhost::Art* live = ById(*document, id);
    ASSERT_NE(live, nullptr);
    ASSERT_NE(live->resultGroup->firstChild, nullptr);
    EXPECT_EQ(live->resultGroup->firstChild->kind, ai::art_kind::kPath) << "the result as it was";
    EXPECT_EQ(live->resultGroup->firstChild->segments.size(), 4u);
    EXPECT_EQ(live->editGroup->firstChild->segments.size(), 2u) << "the source as it was";
  }
  EXPECT_EQ(Copies(ById(*document, "neon")).size(), 5u) << "auto mid, width 4";

  // -q silences progress, not warnings.
  ASSERT_EQ(Regenerate(input + " -o " + output + " -q", &err).status, 0);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST_F(RegenerateCli, MistakesAreReportedWithTheirExitCodes) {
  const std::string output = (dir / "out.svg").string();
  std::string err;
  EXPECT_EQ(Regenerate((dir / "missing.svg").string() + " -o " + output, &err).status, 1);
  EXPECT_NE(err.find("missing.svg"), std::string::npos) << err;
  EXPECT_EQ(Regenerate(Write("bad.svg", "<svg xmlns='http://www.w3.org/2000/svg'><g>") + " -o " + output).status, 1);
  EXPECT_FALSE(fs::exists(output)) << "nothing is written for input that cannot be read";
  EXPECT_EQ(Regenerate(Write("ok.svg", Svg("")) + " --no-such-option -o " + output).status, 2);
  EXPECT_EQ(Regenerate(Write("ok.svg", Svg(""))).status, 2) << "no -o";
}

}  // namespace
