// Live Emboss and Live Cutout as a person uses them: the menu opens the
// palette, typed values are clamped into the record, Apply wraps the
// selection, Release and Expand undo or keep the result, and a recorded Apply
// plays back on another selection.
#include <gtest/gtest.h>

#include "effects/cutout/cutout_params.h"
#include "effects/emboss/emboss_params.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace em = vx::ctl::emboss;
namespace cu = vx::ctl::cutout;
constexpr double kPi = 3.14159265358979323846;

class EmbossPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  EmbossPaletteTest() : EffectPaletteTest("Live エンボス") {}
  vx::EmbossPGParams& Record() { return RecordAs<vx::EmbossPGParams>(); }
};

TEST_F(EmbossPaletteTest, TypedValuesAreClampedAndApplyReleaseAndExpandWorkOnTheSelection) {
  vxhost::Art* square = SelectedSquare(0);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.TypeAndLeave(Palette(), em::kSteps, "0");
  EXPECT_EQ(Record().steps, 1) << "below 1 becomes 1";
  user.TypeAndLeave(Palette(), em::kSteps, "5000");
  EXPECT_EQ(Record().steps, 1000);
  user.TypeAndLeave(Palette(), em::kContrast, "-5");
  EXPECT_EQ(Record().contrast, 0);
  user.TypeAndLeave(Palette(), em::kOffset, "9000");
  EXPECT_EQ(Record().offset, 4000);
  user.TypeAndLeave(Palette(), em::kLightAngle, "270");
  EXPECT_NEAR(Record().lightAngle, kPi, 1e-12);
  user.PickItem(Palette(), em::kStyle, 2);
  EXPECT_EQ(Record().embossStyle, 2);
  user.Click(Palette(), em::kReverse);
  EXPECT_EQ(Record().reverse, 1);
  user.TypeAndLeave(Palette(), em::kSteps, "3");
  user.TypeAndLeave(Palette(), em::kOffset, "6");
  user.TypeAndLeave(Palette(), em::kContrast, "50");

  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->firstChild, square);
  ASSERT_EQ(live[0]->resultGroup->firstChild->Children().size(), 4u) << "three shadow copies and the object";

  SelectOnly(live[0]);
  user.Click(Palette(), vx::effect_button::kExpand);
  EXPECT_TRUE(LiveObjects().empty());
  const auto top = vxtest::LayerGroup(*document)->Children();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0]->Children().size(), 4u) << "the result stands in the object's place";

  SelectAll();
  host.Notify("AI Art Selection Changed Notifier");
  user.Click(Palette(), vx::effect_button::kApply);
  ASSERT_EQ(LiveObjects().size(), 1u);
  SelectOnly(LiveObjects()[0]);
  user.Click(Palette(), vx::effect_button::kRelease);
  EXPECT_TRUE(LiveObjects().empty());
}

TEST_F(EmbossPaletteTest, ARecordedApplyCarriesItsSixKeysAndPlaysBack) {
  SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.PickItem(Palette(), em::kStyle, 1);
  user.TypeAndLeave(Palette(), em::kContrast, "40");
  user.TypeAndLeave(Palette(), em::kLightAngle, "90");
  user.TypeAndLeave(Palette(), em::kSteps, "2");
  user.Click(Palette(), vx::effect_button::kApply);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Emboss_Action");
  EXPECT_EQ(event.values.Find(ai::FourCC("emSt"))->integer, 1);
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("cntr"))->real, 40);
  EXPECT_NEAR(event.values.Find(ai::FourCC("angl"))->real, 90, 1e-9);
  EXPECT_EQ(event.values.Find(ai::FourCC("step"))->integer, 2);

  user.PickItem(Palette(), em::kStyle, 0);
  user.TypeAndLeave(Palette(), em::kLightAngle, "0");
  vxhost::Art* second = SelectedSquare(60);
  SelectOnly(second);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().embossStyle, 1);
  EXPECT_NEAR(Record().lightAngle, kPi / 2, 1e-12);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  vxhost::Art* played = live[0]->editGroup->firstChild == second ? live[0] : live[1];
  const vxhost::Art* outermost = played->resultGroup->firstChild->lastChild;
  EXPECT_NEAR(outermost->segments[0].anchor.y - second->segments[0].anchor.y, 1, 1e-4) << "lit from above";
  EXPECT_EQ(played->resultGroup->firstChild->Children().size(), 3u) << "two highlights and the object";
}

class CutoutPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  CutoutPaletteTest() : EffectPaletteTest("Live カットアウト") {}
  vx::CutoutPGParams& Record() { return RecordAs<vx::CutoutPGParams>(); }
};

TEST_F(CutoutPaletteTest, TypedValuesAreClampedAndARecordedApplyPlaysBackAndExpands) {
  SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.TypeAndLeave(Palette(), cu::kShade, "120");
  EXPECT_EQ(Record().shade, 1);
  user.TypeAndLeave(Palette(), cu::kSteps, "-4");
  EXPECT_EQ(Record().steps, 1);
  user.TypeAndLeave(Palette(), cu::kOffset, "-3");
  EXPECT_EQ(Record().distance, 0);
  user.TypeAndLeave(Palette(), cu::kOffset, "4");
  user.TypeAndLeave(Palette(), cu::kSteps, "2");
  user.TypeAndLeave(Palette(), cu::kLightAngle, "-90");
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Cutout_Action");
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("shad"))->real, 100);
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("ofst"))->real, 4);
  EXPECT_NEAR(event.values.Find(ai::FourCC("angl"))->real, -90, 1e-9);
  EXPECT_EQ(event.values.Find(ai::FourCC("step"))->integer, 2);

  user.TypeAndLeave(Palette(), cu::kSteps, "7");
  vxhost::Art* second = SelectedSquare(60);
  SelectOnly(second);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().steps, 2);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  vxhost::Art* played = live[0]->editGroup->firstChild == second ? live[0] : live[1];
  const vxhost::Art* clipGroup = played->resultGroup->firstChild->firstChild;
  ASSERT_TRUE(clipGroup->clipped);
  const vxhost::Art* series = clipGroup->lastChild;
  ASSERT_EQ(series->Children().size(), 3u) << "two edges and the face";
  EXPECT_NEAR(series->firstChild->segments[0].anchor.y - second->segments[0].anchor.y, 4, 1e-4)
      << "light from below: shifted up";

  SelectOnly(played);
  user.Click(Palette(), vx::effect_button::kExpand);
  ASSERT_EQ(LiveObjects().size(), 1u);
  bool clipped = false;
  document->ForEachArt([&](vxhost::Art* art) { clipped = clipped || art->clipped; }, true);
  EXPECT_TRUE(clipped) << "the expanded art keeps its clipping group";
}

}  // namespace
