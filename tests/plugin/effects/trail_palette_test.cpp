// Live Trail as a person uses it: drag angle and length move the drag offset
// at once, the end-colour buttons set kinds and colours, "Calc" sets the start
// tint from the steps shown, and Apply draws the trail on the selection.
#include <gtest/gtest.h>

#include <cmath>

#include "effects/trail/trail_params.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace tr = vx::ctl::trail;

class TrailPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  TrailPaletteTest() : EffectPaletteTest("Live トレイル") {}
  vx::TrailPGParams& Record() { return RecordAs<vx::TrailPGParams>(); }
};

TEST_F(TrailPaletteTest, OffsetsFollowTheirAnglesAndApplyDrawsTheTrail) {
  vxhost::Art* square = SelectedSquare(0);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.TypeAndLeave(Palette(), tr::kDragAngle, "90");
  user.TypeAndLeave(Palette(), tr::kDragLength, "50");
  EXPECT_NEAR(Record().dragOffset.x, 0, 1e-6);
  EXPECT_NEAR(Record().dragOffset.y, 50, 1e-6);
  user.TypeAndLeave(Palette(), tr::kOriginDistance, "10");
  EXPECT_NEAR(Record().originOffset.x, 10, 1e-6);
  user.TypeAndLeave(Palette(), tr::kSteps, "4");

  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  ASSERT_NE(live[0]->resultGroup->firstChild, nullptr) << "the wrapped selection is drawn at once";
  EXPECT_EQ(live[0]->resultGroup->firstChild->Children().size(), 5u);
  (void)square;
}

TEST_F(TrailPaletteTest, EndColourButtonsAndCalc) {
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.Click(Palette(), tr::kFillBlack);
  EXPECT_EQ(Record().endFillKind, 2);
  const ai::ColorRecord black = Record().endFillColor;
  user.Click(Palette(), tr::kStrokeNone);
  EXPECT_EQ(Record().endStrokeKind, 3);
  EXPECT_EQ(Record().endStrokeColor.kind, 6);
  user.Click(Palette(), tr::kSwap);
  EXPECT_EQ(Record().endFillKind, 3);
  EXPECT_EQ(Record().endStrokeKind, 2);
  EXPECT_EQ(Record().endStrokeColor.kind, black.kind);
  user.Click(Palette(), tr::kStrokeOwn);
  EXPECT_EQ(Record().endStrokeKind, 1);
  EXPECT_EQ(Record().endStrokeColor.kind, -1);

  user.TypeAndLeave(Palette(), tr::kSteps, "10");
  user.Click(Palette(), tr::kCalc);
  EXPECT_NEAR(Record().beginning, 0.9, 1e-12);
  EXPECT_EQ(Palette().Item(tr::kBeginning)->Text(), "90.000");
}

}  // namespace
