// Live Tiling objects rebuilt by the host's update: the touching grid, copies
// shrinking with feeds that follow them, turning steps with the two-step half
// turn, stacking, downward rows, runaway values; then the palette.
#include "effects/tiling/tiling_generator.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "effects/tiling/tiling_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"
#include "svg/svg_io.h"

namespace {

using vxtest::AddPath;
using vxtest::Box;
using vxtest::BoxOf;
using vxtest::Gray;

double TurnOf(const vxhost::Art& copy) {
  const ai::RealPoint a = copy.segments[0].anchor, b = copy.segments[1].anchor;
  return std::atan2(b.y - a.y, b.x - a.x) * 180 / std::numbers::pi;
}

class TilingGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  TilingGeneratorTest() : LiveEffectTest(vx::kTilingEffect) {}

  static vx::TilingPGParams Defaults() {
    vx::TilingPGParams params{};
    vx::SetRecordDefaults(vx::kTilingPGParamsSpec, &params, "");
    return params;
  }
  std::vector<vxhost::Art*> Copies(const vx::TilingPGParams& params) {
    vxhost::Art* live = MakeLive(params);
    AddPath(document, live->editGroup, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    EXPECT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    return live->resultGroup->firstChild->Children();
  }
};

TEST_F(TilingGeneratorTest, DefaultsTileAnEightByEightTouchingGridRightAndUp) {
  const auto copies = Copies(Defaults());
  ASSERT_EQ(copies.size(), 64u);
  // Each copy goes on top: the last made is first in the stacking order.
  for (int i = 0; i < 8; ++i)
    for (int j = 0; j < 8; ++j) {
      const Box box = BoxOf(*copies[63 - (i * 8 + j)]);
      EXPECT_NEAR(box.left, 10.0 * j, 1e-9) << i << "," << j;
      EXPECT_NEAR(box.bottom, 10.0 * i, 1e-9) << i << "," << j;
      EXPECT_NEAR(box.width(), 10, 1e-9);
    }
}

TEST_F(TilingGeneratorTest, ShrinkingCopiesKeepTouchingWithFeedsThatFollowTheScale) {
  vx::TilingPGParams params = Defaults();
  params.columns = 3;
  params.rows = 1;
  params.lastSizeH = 0.5;
  const auto copies = Copies(params);
  ASSERT_EQ(copies.size(), 3u);
  const Box a = BoxOf(*copies[2]), b = BoxOf(*copies[1]), c = BoxOf(*copies[0]);
  EXPECT_NEAR(a.width(), 10, 1e-9);
  EXPECT_NEAR(b.width(), 7.5, 1e-9);
  EXPECT_NEAR(c.width(), 5, 1e-9);
  EXPECT_NEAR(b.cx() - a.cx(), 8.75, 1e-9) << "0.875 of the feed";
  EXPECT_NEAR(c.cx() - b.cx(), 6.25, 1e-9) << "0.625 of the feed";
  EXPECT_NEAR(a.right, b.left, 1e-9) << "touching";

  params.resizeMove = 0;
  const auto plain = Copies(params);
  EXPECT_NEAR(BoxOf(*plain[0]).cx() - BoxOf(*plain[1]).cx(), 10, 1e-9);
}

TEST_F(TilingGeneratorTest, TurningStepsStackingBelowAndDownwardRows) {
  vx::TilingPGParams params = Defaults();
  params.columns = 4;
  params.rows = 2;
  params.lastRotationH = std::numbers::pi / 2;
  params.lastRotationV = std::numbers::pi;  // the second row starts at a half turn
  params.stackBelow = 1;
  params.moveV = -1;
  const auto copies = Copies(params);
  ASSERT_EQ(copies.size(), 8u);
  // Below: the first copy made stays on top.
  for (int j = 0; j < 4; ++j) {
    EXPECT_NEAR(TurnOf(*copies[j]), 30.0 * j, 1e-4) << j;  // the host's sine and cosine
    EXPECT_NEAR(BoxOf(*copies[j]).cx(), 5 + 10.0 * j, 1e-9);
  }
  EXPECT_NEAR(std::abs(TurnOf(*copies[4])), 180, 1e-4) << "a half turn made in two steps";
  EXPECT_NEAR(BoxOf(*copies[4]).cy(), -5, 1e-9) << "rows go downward";
  EXPECT_NEAR(BoxOf(*copies[4]).cx(), 5, 1e-9);
}

TEST_F(TilingGeneratorTest, SingleColumnsDegenerateSourcesAndRunawayCounts) {
  vx::TilingPGParams single = Defaults();
  single.columns = 1;
  single.rows = 1;
  single.lastSizeH = 0.5;  // a step over no columns is never applied
  single.lastSizeV = 0.5;
  const auto one = Copies(single);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_NEAR(BoxOf(*one[0]).width(), 10, 1e-9);

  vx::TilingPGParams runaway = Defaults();
  runaway.columns = 99999;
  runaway.rows = 1;
  const auto many = Copies(runaway);
  EXPECT_EQ(many.size(), static_cast<size_t>(vx::kMaxTilingCount));
  vxhost::Art* point = MakeLive(Defaults());
  AddPath(document, point->editGroup, {{3, 3}, {3, 3}}, false);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_TRUE(point->resultGroup->firstChild->Children().empty());
  EXPECT_EQ(vxhost::svg::WriteSvg(document).find("nan"), std::string::npos);
}

TEST_F(TilingGeneratorTest, EveryFailingHostCallEndsTheRebuildCleanly) {
  vx::TilingPGParams params = Defaults();
  params.columns = 2;
  params.rows = 2;
  params.lastRotationH = std::numbers::pi;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Square(group, 0, 0, 10, 1, Gray(0), std::nullopt);
  SweepRebuild(live);
}

}  // namespace

// ---- Live Tiling as a person uses it -----------------------------------------

#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace tc = vx::ctl::tiling;

class TilingPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  TilingPaletteTest() : EffectPaletteTest("Live タイリング") {}
  vx::TilingPGParams& Record() { return RecordAs<vx::TilingPGParams>(); }
};

TEST_F(TilingPaletteTest, ClampsModeConversionAndARecordedApplyPlaysBack) {
  SelectedSquare(0);  // 30 x 30
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.TypeAndLeave(Palette(), tc::kColumns, "0");
  EXPECT_EQ(Record().columns, 1);
  user.TypeAndLeave(Palette(), tc::kColumns, "3");
  user.TypeAndLeave(Palette(), tc::kRows, "2");
  user.TypeAndLeave(Palette(), tc::kLastRotationH, "5000");
  EXPECT_NEAR(Record().lastRotationH, 3600 * std::numbers::pi / 180, 1e-9);
  user.TypeAndLeave(Palette(), tc::kLastRotationH, "90");
  user.TypeAndLeave(Palette(), tc::kMoveHRelative, "50");
  user.Click(Palette(), tc::kStackBelow);
  EXPECT_EQ(Record().stackBelow, 1);

  user.PickItem(Palette(), tc::kFeedMode, 1);
  EXPECT_DOUBLE_EQ(Record().moveH, 15) << "half the 30 pt width";
  EXPECT_DOUBLE_EQ(Record().moveV, 30);
  user.PickItem(Palette(), tc::kFeedMode, 0);
  EXPECT_DOUBLE_EQ(Record().moveH, 0.5);

  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Tiling_Action");
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("hMov"))->real, 50);
  EXPECT_NEAR(event.values.Find(ai::FourCC("hLRt"))->real, 90, 1e-9) << "degrees";

  user.TypeAndLeave(Palette(), tc::kColumns, "7");
  SelectOnly(SelectedSquare(60));
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().columns, 3);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  for (vxhost::Art* object : live) EXPECT_EQ(object->resultGroup->firstChild->Children().size(), 6u);
  SelectOnly(live[0]);
  user.Click(Palette(), vx::effect_button::kRelease);
  EXPECT_EQ(LiveObjects().size(), 1u);
}

}  // namespace
