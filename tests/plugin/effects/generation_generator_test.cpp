// Live Generation objects rebuilt by the host's update: the shrinking spiral of
// the defaults, the two-step half turn, straight runs, stacking, mirroring
// negative rates, runaway values and failing host calls; then the palette and
// the command line.
#include "effects/generation/generation_generator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "effects/generation/generation_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"
#include "support/fault_sweep.h"
#include "svg/svg_io.h"

namespace {

using vxtest::AddPath;
using vxtest::Box;
using vxtest::BoxOf;

constexpr double kDegree = std::numbers::pi / 180;

// The direction of a copy's first edge, in degrees.
double TurnOf(const vxhost::Art& copy) {
  const ai::RealPoint a = copy.segments[0].anchor, b = copy.segments[1].anchor;
  return std::atan2(b.y - a.y, b.x - a.x) / kDegree;
}
// The length of a copy's first edge.
double EdgeOf(const vxhost::Art& copy) {
  const ai::RealPoint a = copy.segments[0].anchor, b = copy.segments[1].anchor;
  return std::hypot(b.x - a.x, b.y - a.y);
}
// The mean of a copy's anchors: its centre for a square, whatever its turn.
ai::RealPoint CentreOf(const vxhost::Art& copy) {
  ai::RealPoint sum{0, 0};
  for (const ai::SegRecord& s : copy.segments) sum = {sum.x + s.anchor.x, sum.y + s.anchor.y};
  const double n = static_cast<double>(copy.segments.size());
  return {sum.x / n, sum.y / n};
}

class GenerationGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  GenerationGeneratorTest() : LiveEffectTest(vx::kGenerationEffect) {}

  static vx::GenerationPGParams Defaults() {
    vx::GenerationPGParams params{};
    vx::SetRecordDefaults(vx::kGenerationPGParamsSpec, &params, "");
    return params;
  }
  // The copies of a 10 x 10 square at the origin in the order they were made.
  std::vector<vxhost::Art*> Chain(const vx::GenerationPGParams& params) {
    vxhost::Art* live = MakeLive(params);
    AddPath(document, live->editGroup, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    EXPECT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    std::vector<vxhost::Art*> copies = live->resultGroup->firstChild->Children();
    // Copies on top are made last: the stacking order reversed is the order made.
    if (params.stackBelow == 0) std::reverse(copies.begin(), copies.end());
    return copies;
  }
  // The transformations the host was asked for while rebuilding `params`.
  size_t TransformCalls(const vx::GenerationPGParams& params) {
    vxhost::Art* live = MakeLive(params);
    AddPath(document, live->editGroup, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    const auto calls = vxtest::RecordHostCalls(host, [&] { return RebuildAfresh(live); });
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), "TransformArt"));
  }
};

TEST_F(GenerationGeneratorTest, DefaultsGrowAShrinkingSpiralWithTouchingSteps) {
  const auto copies = Chain(Defaults());
  ASSERT_EQ(copies.size(), 20u);
  // Copy 0 is the source, unchanged.
  EXPECT_NEAR(TurnOf(*copies[0]), 0, 1e-9);
  EXPECT_NEAR(CentreOf(*copies[0]).x, 5, 1e-9);
  EXPECT_NEAR(CentreOf(*copies[0]).y, 5, 1e-9);
  // Copy 1: 0.9 of the size, turned 15 degrees, moved by the mean of scales 1
  // and 0.9 times the width in the already advanced direction.
  EXPECT_NEAR(EdgeOf(*copies[1]), 9, 1e-9);
  EXPECT_NEAR(TurnOf(*copies[1]), 15, 1e-3);  // the host's sine and cosine
  EXPECT_NEAR(CentreOf(*copies[1]).x - 5, 9.176, 5e-4);
  EXPECT_NEAR(CentreOf(*copies[1]).y - 5, 2.459, 5e-4);
  EXPECT_NEAR(EdgeOf(*copies[2]), 8.1, 1e-9);
  EXPECT_NEAR(TurnOf(*copies[2]), 30, 1e-3);
  EXPECT_NEAR(CentreOf(*copies[2]).x - 5, 16.581, 5e-4);
  EXPECT_NEAR(CentreOf(*copies[2]).y - 5, 6.734, 5e-4);
  EXPECT_NEAR(EdgeOf(*copies[19]), 10 * std::pow(0.9, 19), 1e-9);
}

TEST_F(GenerationGeneratorTest, WholeTurnsOfPiAreMadeInTwoSteps) {
  vx::GenerationPGParams params = Defaults();
  params.copyCount = 13;
  const auto copies = Chain(params);
  ASSERT_EQ(copies.size(), 13u);
  EXPECT_NEAR(std::abs(TurnOf(*copies[12])), 180, 1e-3) << "12 steps of 15 degrees";
  EXPECT_NEAR(EdgeOf(*copies[12]), 10 * std::pow(0.9, 12), 1e-9);
  // Copy 0 and copy 12 each take an extra 0.1 rad turn first.
  EXPECT_EQ(TransformCalls(params), 15u);
  params.copyCount = 12;
  EXPECT_EQ(TransformCalls(params), 13u);
}

TEST_F(GenerationGeneratorTest, RateOneWithoutTurnIsAStraightRunInTheDirection) {
  vx::GenerationPGParams params = Defaults();
  params.copyCount = 5;
  params.scaleRate = 1;
  params.angleStep = 0;
  params.moveAngle = -90 * kDegree;  // downward
  params.moveRelative = 1;
  params.feed = 12;
  const auto copies = Chain(params);
  ASSERT_EQ(copies.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const Box box = BoxOf(*copies[i]);
    EXPECT_NEAR(box.width(), 10, 1e-9) << i;
    EXPECT_NEAR(box.cx(), 5, 1e-4) << i;  // the host's cosine of a quarter turn
    EXPECT_NEAR(box.cy(), 5 - 12.0 * i, 1e-4) << i;
  }
}

TEST_F(GenerationGeneratorTest, StackingBelowPutsTheSmallestCopyAtTheBottom) {
  vx::GenerationPGParams params = Defaults();
  params.copyCount = 4;
  params.stackBelow = 1;
  const auto copies = Chain(params);  // top of the stacking order first
  ASSERT_EQ(copies.size(), 4u);
  EXPECT_NEAR(EdgeOf(*copies.front()), 10, 1e-9) << "the source on top";
  EXPECT_NEAR(EdgeOf(*copies.back()), 10 * std::pow(0.9, 3), 1e-9) << "the last and smallest at the bottom";
}

TEST_F(GenerationGeneratorTest, ANegativeRateMirrorsEveryOtherCopyAndStepsBack) {
  vx::GenerationPGParams params = Defaults();
  params.copyCount = 4;
  params.scaleRate = -0.5;
  params.angleStep = 0;
  const auto copies = Chain(params);
  ASSERT_EQ(copies.size(), 4u);
  // Point-mirrored copies: the first edge runs the other way.
  EXPECT_NEAR(std::abs(TurnOf(*copies[1])), 180, 1e-9);
  EXPECT_NEAR(TurnOf(*copies[2]), 0, 1e-9);
  EXPECT_NEAR(std::abs(TurnOf(*copies[3])), 180, 1e-9);
  // Steps e s (1 + r) / 2 with e = 10: 2.5, -1.25, 0.625.
  const double x[] = {5, 7.5, 6.25, 6.875};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(CentreOf(*copies[i]).x, x[i], 1e-9) << i;
}

TEST_F(GenerationGeneratorTest, CountsOutOfRangeAndOverflowingRatesStaySound) {
  vx::GenerationPGParams none = Defaults();
  none.copyCount = 0;
  EXPECT_TRUE(Chain(none).empty());
  vx::GenerationPGParams runaway = Defaults();
  runaway.copyCount = 99999;
  runaway.scaleRate = 1;
  EXPECT_EQ(Chain(runaway).size(), static_cast<size_t>(vx::kMaxGenerationCopies));
  // 1000 ^ 999 is no number: the chain ends before its coordinates would.
  vx::GenerationPGParams growing = Defaults();
  growing.copyCount = 1000;
  growing.scaleRate = 1000;
  const auto grown = Chain(growing);
  EXPECT_GT(grown.size(), 50u);
  EXPECT_LT(grown.size(), 1000u);
  const std::string svg = vxhost::svg::WriteSvg(document);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST_F(GenerationGeneratorTest, EveryFailingHostCallEndsTheRebuildCleanly) {
  vx::GenerationPGParams params = Defaults();
  params.copyCount = 3;
  params.angleStep = 180 * kDegree;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Square(group, 0, 0, 10, 1, vxtest::Gray(0), std::nullopt);
  SweepRebuild(live);
}

}  // namespace

// ---- Live Generation as a person uses it --------------------------------------

#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace gc = vx::ctl::generation;

class GenerationPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  GenerationPaletteTest() : EffectPaletteTest("Live ジェネレーション") {}
  vx::GenerationPGParams& Record() { return RecordAs<vx::GenerationPGParams>(); }
  int32_t ClickDial(platform::ui::Point at) {
    const platform::ui::Point points[] = {at};
    EXPECT_EQ(user.MouseDrag(Palette(), gc::kAngleDial, points), platform::ui::kUiOk);
    return Palette().Item(gc::kAngleDial)->Position();
  }
};

TEST_F(GenerationPaletteTest, ClampsTheDialAndModeConversionThenARecordedApplyPlaysBack) {
  SelectedSquare(0);  // 30 x 30
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.TypeAndLeave(Palette(), gc::kCount, "1");
  EXPECT_EQ(Record().copyCount, 2);
  user.TypeAndLeave(Palette(), gc::kCount, "5000");
  EXPECT_EQ(Record().copyCount, 1000);
  user.TypeAndLeave(Palette(), gc::kCount, "6");
  user.TypeAndLeave(Palette(), gc::kScaleRate, "80");
  EXPECT_DOUBLE_EQ(Record().scaleRate, 0.8);
  user.TypeAndLeave(Palette(), gc::kAngleStep, "-4000");
  EXPECT_NEAR(Record().angleStep, -3600 * kDegree, 1e-9);
  user.TypeAndLeave(Palette(), gc::kAngleStep, "30");

  // The dial's zero points right and its angles grow counter-clockwise; its
  // position goes into the direction field.
  EXPECT_EQ(ClickDial({39, 20}), 0);
  EXPECT_NEAR(Record().moveAngle, 0, 1e-9);
  EXPECT_EQ(ClickDial({20, 1}), 90) << "up";
  EXPECT_NEAR(Record().moveAngle, 90 * kDegree, 1e-9);
  user.TypeAndLeave(Palette(), gc::kAngle, "-44.6");
  EXPECT_EQ(Palette().Item(gc::kAngleDial)->Position(), -45) << "rounded half away from zero";

  user.TypeAndLeave(Palette(), gc::kFeedRelative, "50");
  EXPECT_DOUBLE_EQ(Record().feed, 0.5);
  user.PickItem(Palette(), gc::kFeedMode, 1);
  EXPECT_EQ(Record().moveRelative, 1);
  EXPECT_DOUBLE_EQ(Record().feed, 15) << "half the 30 pt width";
  user.PickItem(Palette(), gc::kFeedMode, 0);
  EXPECT_DOUBLE_EQ(Record().feed, 0.5);
  user.Click(Palette(), gc::kStackBelow);
  EXPECT_EQ(Record().stackBelow, 1);

  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Generation_Action");
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("move"))->real, 50) << "percent";
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("sizR"))->real, 80);
  EXPECT_NEAR(event.values.Find(ai::FourCC("angl"))->real, -44.6, 1e-9) << "degrees";
  EXPECT_NEAR(event.values.Find(ai::FourCC("rotR"))->real, 30, 1e-9);

  user.TypeAndLeave(Palette(), gc::kCount, "9");
  SelectOnly(SelectedSquare(60));
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().copyCount, 6);
  EXPECT_DOUBLE_EQ(Record().feed, 0.5);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  for (vxhost::Art* object : live) EXPECT_EQ(object->resultGroup->firstChild->Children().size(), 6u);
}

TEST_F(GenerationPaletteTest, WithoutASelectionTheModeChangesAndTheNumberStays) {
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.TypeAndLeave(Palette(), gc::kFeedRelative, "250");
  user.PickItem(Palette(), gc::kFeedMode, 1);
  EXPECT_EQ(Record().moveRelative, 1);
  EXPECT_DOUBLE_EQ(Record().feed, 2.5);
  EXPECT_FALSE(Palette().Item(gc::kFeedRelative)->Visible()) << "the edit of lengths shows instead";
  ASSERT_TRUE(Palette().Item(gc::kFeedAbsolute)->Visible());
  ASSERT_EQ(user.TypeAndLeave(Palette(), gc::kFeedAbsolute, "12"), 0);
  EXPECT_DOUBLE_EQ(Record().feed, 12);
}

}  // namespace

// ---- Live Generation from the command line -----------------------------------

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/adwaita_icons.h"
#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(GenerationCli, TwoRunsOnARealIconWriteTheSameBytes) {
  const auto icons = vxtest::SpreadAdwaitaIcons(1);
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed; scripts/setup installs it";
  vxtest::ScopedSettingsHome settingsHome;
  std::string pattern = (std::filesystem::temp_directory_path() / "vx-generation-XXXXXX").string();
  const std::filesystem::path dir = mkdtemp(pattern.data());
  const std::string sets = " --set copyCount=30 --set scaleRate=93 --set angleStep=25 --set moveRelative=1"
                           " --set feed=3 -q";
  const auto first = vxtest::RunVellumix4("effect generation " + icons[0].string() + " -o " + (dir / "a.svg").string() + sets);
  const auto second = vxtest::RunVellumix4("effect generation " + icons[0].string() + " -o " + (dir / "b.svg").string() + sets);
  ASSERT_EQ(first.status, 0) << first.output;
  ASSERT_EQ(second.status, 0) << second.output;
  const std::string a = FileText(dir / "a.svg");
  EXPECT_NE(a.find("vx:live"), std::string::npos) << "the objects stay live";
  EXPECT_EQ(a, FileText(dir / "b.svg"));
  std::filesystem::remove_all(dir);
}

}  // namespace
