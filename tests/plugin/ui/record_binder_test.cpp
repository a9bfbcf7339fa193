// The control bindings, on Live Border's palette and record: what a person types,
// spins, drags and clicks ends up clamped in the record in its own units, and the
// palette shows it back in canonical form.
#include <algorithm>
#include <cmath>

#include "effects/border/border_params.h"
#include "palette_fixture.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "ui/palettes/border_palette.h"
#include "ui/view_controller.h"

namespace {

namespace b = vx::ctl::border;
using platform::ui::Key;
using platform::ui::KeyOutcome;

class TestBorderPalette : public vx::VELLUMiX4ViewController {
 public:
  bool live = false;
  int liveUpdates = 0;
  bool LiveUpdateOn() const override { return live; }
  void LiveUpdate() override { ++liveUpdates; }
};

class BorderBindingTest : public vxtest::PaletteTest {
 protected:
  BorderBindingTest() {
    vx::SetRecordDefaults(vx::kBorderPGParamsSpec, &record, "");
    palette.Bind(vx::kBorderPGParamsSpec, &record, vx::kBorderPalette);
    EXPECT_EQ(palette.CreateFromTemplate(vx::res::kBorderPalette, host.desktop().HostWindow()), ai::kNoError);
    palette.Show(true);
    palette.Refresh(1);
  }
  ~BorderBindingTest() override { palette.Destroy(); }

  std::string Text(int32_t id) { return palette.Item(id)->Text(); }
  int32_t Position(int32_t id) { return palette.Item(id)->Position(); }

  vx::BorderPGParams record{};
  TestBorderPalette palette;
};

TEST_F(BorderBindingTest, PercentFieldClampsStoresAFractionAndMovesItsSlider) {
  ASSERT_EQ(user.TypeAndLeave(palette, b::kGradientArc, "150"), 0);
  EXPECT_DOUBLE_EQ(record.gradientArc, 1.0);
  EXPECT_EQ(Text(b::kGradientArc), "100.000");
  EXPECT_EQ(Position(b::kGradientArcSlider), 100);

  user.TypeAndLeave(palette, b::kGradientArc, "-0.5");
  EXPECT_DOUBLE_EQ(record.gradientArc, -0.005);
  EXPECT_EQ(Position(b::kGradientArcSlider), -1) << "rounded half away from zero";
  user.TypeAndLeave(palette, b::kGradientArc, "0.4");
  EXPECT_EQ(Position(b::kGradientArcSlider), 0);

  user.TypeAndLeave(palette, b::kGradientArc, "abc");
  EXPECT_DOUBLE_EQ(record.gradientArc, 0.0) << "text that is no number reads as 0";
  EXPECT_EQ(Text(b::kGradientArc), "0.000");
}

TEST_F(BorderBindingTest, SliderAndQuickSetButtonsGoThroughTheField) {
  user.TypeAndLeave(palette, b::kGradientArc, "85");
  ASSERT_EQ(user.PageSlider(palette, b::kGradientArcSlider, 3), 0);
  EXPECT_EQ(Position(b::kGradientArcSlider), 100) << "a page step stops at the range's end";
  EXPECT_DOUBLE_EQ(record.gradientArc, 1.0);
  EXPECT_EQ(Text(b::kGradientArc), "100.000");

  ASSERT_EQ(user.DragSlider(palette, b::kGradientArcSlider, {10, -20}), 0);
  EXPECT_DOUBLE_EQ(record.gradientArc, -0.2);
  EXPECT_EQ(host.desktop().Focus(), host.desktop().HostWindow()) << "the slider gives the focus back";

  user.Click(palette, b::kArcMinus);
  EXPECT_DOUBLE_EQ(record.gradientArc, -1.0);
  user.Click(palette, b::kArcZero);
  EXPECT_DOUBLE_EQ(record.gradientArc, 0.0);
  user.Click(palette, b::kArcPlus);
  EXPECT_DOUBLE_EQ(record.gradientArc, 1.0);
  EXPECT_EQ(Position(b::kGradientArcSlider), 100);
}

TEST_F(BorderBindingTest, AngleFieldsStoreRadiansAndSpinStopsAtTheEnd) {
  user.TypeAndLeave(palette, b::kAngle, "135");
  EXPECT_NEAR(record.offsetAngle, 2.356194490192345, 1e-12);
  EXPECT_EQ(Text(b::kAngle), "135.000");

  user.TypeAndLeave(palette, b::kAngle, "179.5");
  ASSERT_EQ(user.Spin(palette, b::kAngleSpin, 1), 0);
  EXPECT_EQ(Text(b::kAngle), "180.000");
  EXPECT_NEAR(record.offsetAngle, M_PI, 1e-12);

  // The dial runs over the field's range; a click straight above its centre is
  // 90 degrees, to the right 0.
  user.TypeAndLeave(palette, b::kAngle, "-45");
  EXPECT_EQ(Position(b::kAngleDial), -45);
  const platform::ui::Rect dial = palette.Item(b::kAngleDial)->Bounds();
  const int32_t side = std::min(dial.Width(), dial.Height());
  const platform::ui::Point above[] = {{side / 2, 1}};
  ASSERT_EQ(user.MouseDrag(palette, b::kAngleDial, above), 0);
  EXPECT_EQ(Text(b::kAngle), "90.000");
  const platform::ui::Point right[] = {{side - 1, side / 2}};
  user.MouseDrag(palette, b::kAngleDial, right);
  EXPECT_EQ(Text(b::kAngle), "0.000");
}

TEST_F(BorderBindingTest, IntegerFieldAndChoicesAndDependentControls) {
  EXPECT_FALSE(palette.Item(b::kSteps)->Enabled()) << "steps work only in the manual mode";
  ASSERT_EQ(user.PickItem(palette, b::kStepMode, 3), 0);
  EXPECT_EQ(record.stepMode, 3);
  EXPECT_TRUE(palette.Item(b::kSteps)->Enabled());
  EXPECT_TRUE(palette.Item(b::kStepsSpin)->Enabled());

  user.TypeAndLeave(palette, b::kSteps, "2000");
  EXPECT_EQ(record.steps, 1000);
  EXPECT_EQ(Text(b::kSteps), "1000");
  user.TypeAndLeave(palette, b::kSteps, "12.7");
  EXPECT_EQ(record.steps, 12) << "integers read with the integer conversion";

  user.Click(palette, b::kInside);
  EXPECT_EQ(record.side, 1);
  EXPECT_EQ(palette.Item(b::kOutside)->Check(), 0);

  EXPECT_FALSE(palette.Item(b::kTint)->Enabled());
  EXPECT_FALSE(palette.Item(b::kLightDial)->Enabled());
  user.Click(palette, b::kShadow);
  EXPECT_EQ(record.shadowOn, 1);
  for (int32_t id : {b::kTintLabel, b::kTint, b::kTintSpin, b::kShadowOffset, b::kLightAngle, b::kLightDial})
    EXPECT_TRUE(palette.Item(id)->Enabled()) << id;
}

TEST_F(BorderBindingTest, DistancesFollowTheRulerUnit) {
  record.shadowOn = 1;
  record.shadowOffset = 72.0;
  const std::pair<int16_t, const char*> units[] = {
      {1, "1.0000 in"}, {2, "2.5400 cm"}, {5, "25.4000 mm"}, {7, "101.6000 Q"}, {3, "72.0000 pt"}};
  for (const auto& [code, shown] : units) {
    vx::Globals()->rulerUnit = code;
    palette.Refresh(16);
    EXPECT_EQ(Text(b::kShadowOffset), shown) << code;
  }
  vx::Globals()->rulerUnit = 9;
  palette.Refresh(16);
  EXPECT_EQ(Text(b::kShadowOffset), "72.0000 pt") << "an unknown code shows points";
  EXPECT_EQ(vx::Globals()->rulerUnit, 3) << "and is reset to 3";

  vx::Globals()->rulerUnit = 5;
  user.TypeAndLeave(palette, b::kShadowOffset, "1 in");
  EXPECT_DOUBLE_EQ(record.shadowOffset, 72.0) << "a number with its own unit";
  EXPECT_EQ(Text(b::kShadowOffset), "25.4000 mm");
  user.TypeAndLeave(palette, b::kShadowOffset, "10");
  EXPECT_NEAR(record.shadowOffset, 10 * 72 / 25.4, 1e-9) << "a plain number is in the ruler unit";
  user.Spin(palette, b::kShadowOffsetSpin, 1);
  EXPECT_EQ(Text(b::kShadowOffset), "10.1000 mm") << "a spin steps a tenth of the unit";
  user.TypeAndLeave(palette, b::kShadowOffset, "5 m");
  EXPECT_EQ(Text(b::kShadowOffset), "10.1000 mm") << "text that is no length keeps the value";
  user.TypeAndLeave(palette, b::kShadowOffset, "-3");
  EXPECT_DOUBLE_EQ(record.shadowOffset, 0.0);
}

TEST_F(BorderBindingTest, LiveUpdateRunsAfterEachChangeOnlyWhenOn) {
  user.TypeAndLeave(palette, b::kOffset, "50");
  EXPECT_DOUBLE_EQ(record.offset, 0.5);
  EXPECT_EQ(palette.liveUpdates, 0);
  palette.live = true;
  user.TypeAndLeave(palette, b::kOffset, "60");
  user.Click(palette, b::kReverse);
  user.Spin(palette, b::kOffsetSpin, 2);
  EXPECT_EQ(palette.liveUpdates, 4) << "one per change: typed value, check box, two spin steps";
  EXPECT_DOUBLE_EQ(record.offset, 0.62);
}

TEST_F(BorderBindingTest, EnterCommitsAndGivesTheFocusBackEscapeDoesNothing) {
  record.shadowOn = 1;
  palette.Refresh(1);
  host.desktop().InstallKeyHook();
  ASSERT_EQ(user.Type(palette, b::kTint, "40"), 0);
  EXPECT_EQ(user.PressKey(Key::kEscape), KeyOutcome::kConsumedByHook);
  EXPECT_EQ(palette.FocusedItem(), b::kTint) << "Escape does nothing";
  EXPECT_DOUBLE_EQ(record.shadowTint, 1.0);
  EXPECT_EQ(user.PressKey(Key::kEnter), KeyOutcome::kConsumedByHook);
  EXPECT_EQ(host.desktop().Focus(), host.desktop().HostWindow());
  EXPECT_DOUBLE_EQ(record.shadowTint, 0.4) << "the field committed as it lost the focus";

  // While a modal dialog keeps the hook idle, the palette never sees the key.
  user.Type(palette, b::kTint, "30");
  {
    platform::ui::KeyHookSuspension idle(host.desktop());
    EXPECT_EQ(user.PressKey(Key::kEnter), KeyOutcome::kPassedToHost);
  }
  EXPECT_EQ(palette.FocusedItem(), b::kTint);
}

}  // namespace
