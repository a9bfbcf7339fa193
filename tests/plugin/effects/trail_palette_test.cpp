// Live Trail as a person uses it: drag angle and length move the drag offset
// at once, the end-colour buttons and swatches set kinds and colours, "Calc"
// sets the start tint from the steps shown, the sliders keep ranges of their
// own, and Apply draws the trail on the selection. The Trail tool's palette
// shares the rows and their behaviour.
#include <gtest/gtest.h>

#include <cmath>

#include "effects/trail/trail_params.h"
#include "platform/ui/desktop.h"
#include "plugin/ui/palette_fixture.h"
#include "tools/trail/trail_params.h"
#include "ui/palettes/trail_tool_palette.h"
#include "ui/color_picker.h"
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

TEST_F(TrailPaletteTest, ASwatchTakesTheSelectionsColourAndAltClickAsksThePicker) {
  vxhost::Art* square = SelectedSquare(0);
  square->style.fillPaint = 1;
  square->style.fillColor.kind = ai::color_kind::kFour;
  square->style.fillColor.c.four = {0.1, 0.2, 0.3, 0.4};
  auto& spots = document->customColors();
  spots.push_back(std::make_unique<vxhost::CustomColor>(vxhost::CustomColor{"Ink", true, 0, {0, 1, 1, 0}}));
  square->style.strokeColor.kind = ai::color_kind::kCustom;
  square->style.strokeColor.c.custom = {reinterpret_cast<ai::CustomColorHandle>(spots[0].get()), 0.25};
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), tr::kFillOwn);
  user.Click(Palette(), tr::kFillSwatch);
  EXPECT_EQ(Record().endFillKind, 2);
  EXPECT_EQ(Record().endFillColor.kind, ai::color_kind::kFour);
  EXPECT_DOUBLE_EQ(Record().endFillColor.c.four.black, 0.4);
  user.Click(Palette(), tr::kStrokeSwatch);
  ASSERT_EQ(Record().endStrokeColor.kind, ai::color_kind::kFour) << "a custom colour as its process equivalent";
  EXPECT_DOUBLE_EQ(Record().endStrokeColor.c.four.magenta, 0.75) << "at its tint, applied once";

  square->style.strokePaint = 0;
  user.Click(Palette(), tr::kStrokeSwatch);
  EXPECT_EQ(Record().endStrokeKind, 2);
  EXPECT_EQ(Record().endStrokeColor.kind, -1) << "an unpainted side gives no colour";
  host.faults().FailNthCallOf("GetCurrentPathStyle", 1, ai::FourCC("flt!"));
  user.Click(Palette(), tr::kStrokeSwatch);
  EXPECT_EQ(Record().endStrokeColor.kind, ai::color_kind::kFour) << "no current style: four-colour 0, 0, 0, 0";
  EXPECT_EQ(Record().endStrokeColor.c.four.black, 0);

  // Alt-click: the host's picker starts from the colour; OK takes what it shows.
  namespace cp = vxhost::color_picker;
  user.WhenModal([](platform::ui::ScriptedUser& u, platform::ui::Dialog& picker) {
    EXPECT_EQ(picker.Item(cp::kModel)->Selection(), cp::kModelCmyk);
    EXPECT_EQ(picker.Item(cp::kComponent + 3)->Text(), "40.0");
    u.PickItem(picker, cp::kModel, cp::kModelRgb);
    EXPECT_FALSE(picker.Item(cp::kComponent + 3)->Visible()) << "three components for RGB";
    u.TypeAndLeave(picker, cp::kComponent + 0, "100");
    u.TypeAndLeave(picker, cp::kComponent + 1, "50");
    u.TypeAndLeave(picker, cp::kComponent + 2, "250");
    u.Click(picker, platform::ui::kIdOk);
  });
  user.Click(Palette(), tr::kFillSwatch, platform::ui::kAlt);
  ASSERT_EQ(Record().endFillColor.kind, ai::color_kind::kThree);
  EXPECT_DOUBLE_EQ(Record().endFillColor.c.three.green, 0.5);
  EXPECT_DOUBLE_EQ(Record().endFillColor.c.three.blue, 1) << "clamped to 100 %";
  // Cancelled, or from a side that is not a colour: nothing changes until OK.
  user.Click(Palette(), tr::kStrokeNone);
  user.WhenModal([](platform::ui::ScriptedUser& u, platform::ui::Dialog& picker) {
    EXPECT_EQ(picker.Item(cp::kComponent + 0)->Text(), "0.0") << "the picker starts from no colour";
    u.Click(picker, platform::ui::kIdCancel);
  });
  user.Click(Palette(), tr::kStrokeSwatch, platform::ui::kAlt);
  EXPECT_EQ(Record().endStrokeKind, 3);
  EXPECT_EQ(Record().endStrokeColor.kind, 6);
}

TEST_F(TrailPaletteTest, SlidersHaveRangesOfTheirOwnAndShiftLinksTheSizes) {
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  platform::ui::Control* angle = Palette().Item(tr::kAngleSlider);
  EXPECT_EQ(angle->Behavior(), nullptr) << "a straight slider, not a dial";
  EXPECT_EQ(angle->Maximum(), 360);
  user.TypeAndLeave(Palette(), tr::kAngle, "1000");
  EXPECT_NEAR(Record().angle, 1000 * M_PI / 180, 1e-9) << "the edit keeps the field's range";
  EXPECT_EQ(angle->Position(), 360);
  user.DragSlider(Palette(), tr::kSizeHSlider, -150);
  EXPECT_DOUBLE_EQ(Record().endSize.x, -1.5);
  EXPECT_DOUBLE_EQ(Record().endSize.y, 1) << "without Shift the other size stays";
  EXPECT_EQ(Palette().Item(tr::kDragLengthSlider)->Maximum(), 800);

  host.desktop().SetModifiers(platform::ui::kShift);
  user.TypeAndLeave(Palette(), tr::kSizeV, "40");
  host.desktop().SetModifiers(platform::ui::kNoModifier);
  EXPECT_DOUBLE_EQ(Record().endSize.x, 0.4);
  EXPECT_DOUBLE_EQ(Record().endSize.y, 0.4);
  EXPECT_EQ(Palette().Item(tr::kSizeH)->Text(), "40.000");
}

// The Trail tool's palette, built as the tool panel builds it.
class TrailToolPaletteTest : public vxtest::PaletteTest {
 protected:
  class View : public vx::VELLUMiX4ViewController {};
  TrailToolPaletteTest() {
    vx::SetRecordDefaults(vx::kTrailToolParamsSpec, &record, "");
    view.Bind(vx::kTrailToolParamsSpec, &record, vx::kTrailToolPalette);
    EXPECT_EQ(view.CreateFromTemplate(vx::kTrailToolPalette.templateId, host.desktop().HostWindow()), ai::kNoError);
    view.Show(true);
    view.Refresh(1);
  }
  ~TrailToolPaletteTest() override { view.Destroy(); }

  vx::TrailToolParams record{};
  View view;
};

TEST_F(TrailToolPaletteTest, SharesTheButtonsSwatchesAndSizeLinking) {
  user.Click(view, tr::kFillNone);
  EXPECT_EQ(record.endFillKind, 3);
  user.Click(view, tr::kSwap);
  EXPECT_EQ(record.endStrokeKind, 3);
  user.Click(view, tr::kStrokeSwatch);
  EXPECT_EQ(record.endStrokeKind, 2) << "nothing selected: the style new art gets";
  host.desktop().SetModifiers(platform::ui::kShift);
  user.DragSlider(view, tr::kSizeHSlider, 30);
  host.desktop().SetModifiers(platform::ui::kNoModifier);
  EXPECT_DOUBLE_EQ(record.endSize.y, 0.3);
}

}  // namespace
