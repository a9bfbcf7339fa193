// Live Shadow and Live Border as a person uses them: the menu opens the
// palette, typed values are clamped into the record, Apply wraps the selection
// by each effect's own walk, Release and Expand undo or keep the result, and a
// recorded Apply plays back on another selection.
#include <gtest/gtest.h>

#include <cmath>

#include "effects/border/border_params.h"
#include "effects/shadow/shadow_params.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace {

namespace sh = vx::ctl::shadow;
namespace bd = vx::ctl::border;
constexpr double kPi = 3.14159265358979323846;

class ShadowPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  ShadowPaletteTest() : EffectPaletteTest("Live シャドウ") {}
  vx::ShadowPGParams& Record() { return RecordAs<vx::ShadowPGParams>(); }
};

TEST_F(ShadowPaletteTest, TypedValuesAreClampedAndApplyReleaseAndExpandWorkOnTheSelection) {
  vxhost::Art* square = SelectedSquare(0);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);  // off: typing only changes the record
  user.TypeAndLeave(Palette(), sh::kShade, "150");
  EXPECT_DOUBLE_EQ(Record().shade, 1.0);
  EXPECT_EQ(Palette().Item(sh::kShade)->Text(), "100.000");
  user.TypeAndLeave(Palette(), sh::kTransparency, "40.4");
  EXPECT_DOUBLE_EQ(Record().transparency, 0.404);
  EXPECT_EQ(Palette().Item(sh::kTransparencySlider)->Position(), 40) << "the slider follows the rounded value";
  user.PageSlider(Palette(), sh::kTransparencySlider, 1);
  EXPECT_DOUBLE_EQ(Record().transparency, 0.45) << "pages by 5";
  user.TypeAndLeave(Palette(), sh::kLightAngle, "-200");
  EXPECT_NEAR(Record().lightAngle, -kPi, 1e-12);
  user.TypeAndLeave(Palette(), sh::kOffset, "5000");
  EXPECT_EQ(Record().distance, 4000);
  user.TypeAndLeave(Palette(), sh::kOffset, "6");

  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->firstChild, square);
  const vxhost::Art* result = live[0]->resultGroup->firstChild;
  ASSERT_NE(result, nullptr);
  ASSERT_EQ(result->Children().size(), 3u) << "shadow, object and the clipping group";
  EXPECT_TRUE(result->firstChild->clipped);
  EXPECT_EQ(host.contextDepth(), 0u);

  SelectOnly(live[0]);
  EXPECT_TRUE(Palette().Item(vx::effect_button::kExpand)->Enabled());
  user.Click(Palette(), vx::effect_button::kExpand);
  EXPECT_TRUE(LiveObjects().empty());
  const auto top = vxtest::LayerGroup(*document)->Children();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0]->Children().size(), 3u) << "the result stands in the object's place";

  // Apply again to the expanded art, then release: the art comes back.
  SelectAll();  // clicking the group selects what is inside it too
  host.Notify("AI Art Selection Changed Notifier");
  user.Click(Palette(), vx::effect_button::kApply);
  ASSERT_EQ(LiveObjects().size(), 1u);
  SelectOnly(LiveObjects()[0]);
  user.Click(Palette(), vx::effect_button::kRelease);
  EXPECT_TRUE(LiveObjects().empty());
  EXPECT_EQ(vxtest::LayerGroup(*document)->Children().size(), 1u);
}

TEST_F(ShadowPaletteTest, AfterAGroupHoldingTextNoLaterGroupIsWrappedAndTextInACompoundPathStops) {
  vxhost::Art* withText = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kGroup);
  SelectedSquare(0, 4, withText);
  vxtest::AddArt(*document, withText, ai::art_kind::kText);
  vxhost::Art* laterGroup = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kGroup);
  SelectedSquare(40, 4, laterGroup);
  vxhost::Art* path = SelectedSquare(80);
  vxhost::Art* compound = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kCompoundPath);
  vxtest::AddArt(*document, compound, ai::art_kind::kText);
  vxhost::Art* afterCompound = SelectedSquare(120);
  SelectAll();

  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kApply);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u) << "only the path between them";
  EXPECT_EQ(live[0]->editGroup->firstChild, path);
  EXPECT_EQ(laterGroup->parent, vxtest::LayerGroup(*document));
  EXPECT_EQ(afterCompound->parent, vxtest::LayerGroup(*document)) << "the walk ended at the compound path";
}

TEST_F(ShadowPaletteTest, ARecordedApplyCarriesPercentDegreesAndPointsAndPlaysBack) {
  SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.TypeAndLeave(Palette(), sh::kShade, "50");
  user.TypeAndLeave(Palette(), sh::kTransparency, "25");
  user.TypeAndLeave(Palette(), sh::kLightAngle, "90");
  user.Click(Palette(), vx::effect_button::kApply);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_DropShadow_Action");
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("dnst"))->real, 50);
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("tpcy"))->real, 25);
  EXPECT_NEAR(event.values.Find(ai::FourCC("angl"))->real, 90, 1e-9);
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("ofst"))->real, 10);

  // Other values in the palette; the played event brings the recorded ones back.
  user.TypeAndLeave(Palette(), sh::kShade, "10");
  user.TypeAndLeave(Palette(), sh::kLightAngle, "0");
  vxhost::Art* second = SelectedSquare(60);
  SelectOnly(second);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_DOUBLE_EQ(Record().shade, 0.5);
  EXPECT_NEAR(Record().lightAngle, kPi / 2, 1e-12);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  // Light from above: the shadow of the played object falls straight down by 10.
  vxhost::Art* played = live[0]->editGroup->firstChild == second ? live[0] : live[1];
  const vxhost::Art* shadow = played->resultGroup->firstChild->lastChild;
  EXPECT_NEAR(shadow->segments[0].anchor.y - second->segments[0].anchor.y, -10, 1e-4);
  EXPECT_NEAR(shadow->segments[0].anchor.x - second->segments[0].anchor.x, 0, 1e-4);
}

class BorderPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  BorderPaletteTest() : EffectPaletteTest("Live ボーダー") {}
  vx::BorderPGParams& Record() { return RecordAs<vx::BorderPGParams>(); }
  std::vector<int32_t> QuickIcons() {
    return {Palette().Item(bd::kArcMinus)->Image(), Palette().Item(bd::kArcZero)->Image(),
            Palette().Item(bd::kArcPlus)->Image()};
  }
};

TEST_F(BorderPaletteTest, ReverseSwitchesTheQuickSetIconsAndTheChoicesEnableTheirControls) {
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  EXPECT_EQ(QuickIcons(), (std::vector<int32_t>{831, 832, 833}));
  user.Click(Palette(), bd::kReverse);
  EXPECT_EQ(Record().reverse, 1);
  EXPECT_EQ(QuickIcons(), (std::vector<int32_t>{834, 835, 836}));
  user.Click(Palette(), bd::kArcPlus);
  EXPECT_DOUBLE_EQ(Record().gradientArc, 1.0) << "the buttons still set their values";
  user.Click(Palette(), bd::kReverse);
  EXPECT_EQ(QuickIcons(), (std::vector<int32_t>{831, 832, 833}));

  // A preset with Reverse on shows the reversed icons when the palette refreshes.
  Record().reverse = 1;
  Controller()->Refresh(2);
  EXPECT_EQ(QuickIcons(), (std::vector<int32_t>{834, 835, 836}));

  EXPECT_FALSE(Palette().Item(bd::kSteps)->Enabled());
  user.PickItem(Palette(), bd::kStepMode, 3);
  EXPECT_EQ(Record().stepMode, 3);
  EXPECT_TRUE(Palette().Item(bd::kSteps)->Enabled());
  user.TypeAndLeave(Palette(), bd::kSteps, "0");
  EXPECT_EQ(Record().steps, 1);
  user.TypeAndLeave(Palette(), bd::kSteps, "5000");
  EXPECT_EQ(Record().steps, 1000);

  EXPECT_FALSE(Palette().Item(bd::kTint)->Enabled());
  user.Click(Palette(), bd::kShadow);
  EXPECT_TRUE(Palette().Item(bd::kTint)->Enabled());
  EXPECT_TRUE(Palette().Item(bd::kLightDial)->Enabled());
  user.Click(Palette(), bd::kInside);
  EXPECT_EQ(Record().side, 1);
}

TEST_F(BorderPaletteTest, InsideApplyClipsTheBandAndARecordedApplyPlaysBack) {
  vxhost::Art* square = SelectedSquare(0, 6);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  user.Click(Palette(), bd::kInside);
  user.PickItem(Palette(), bd::kStepMode, 3);
  user.TypeAndLeave(Palette(), bd::kSteps, "4");
  user.Click(Palette(), vx::effect_button::kApply);
  host.actions().SetRecording(false);

  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->firstChild, square);
  const vxhost::Art* clipGroup = live[0]->resultGroup->firstChild;
  ASSERT_NE(clipGroup, nullptr);
  EXPECT_TRUE(clipGroup->clipped);
  EXPECT_EQ(clipGroup->lastChild->Children().size(), 4u);

  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Border_Action");
  EXPECT_EQ(event.values.Find(ai::FourCC("styl"))->text, "内側");
  EXPECT_EQ(event.values.Find(ai::FourCC("step"))->text, "4");
  EXPECT_EQ(event.values.Find(ai::FourCC("shdw")), nullptr) << "shadow values only with the shadow on";

  user.Click(Palette(), bd::kOutside);
  user.PickItem(Palette(), bd::kStepMode, 1);
  vxhost::Art* second = SelectedSquare(60, 6);
  SelectOnly(second);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().side, 1);
  EXPECT_EQ(Record().steps, 4);
  live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  for (const vxhost::Art* object : live) EXPECT_TRUE(object->resultGroup->firstChild->clipped);

  // Release gives the square back; Expand keeps the clipped band.
  SelectOnly(live[0]);
  user.Click(Palette(), vx::effect_button::kRelease);
  SelectOnly(LiveObjects()[0]);
  user.Click(Palette(), vx::effect_button::kExpand);
  EXPECT_TRUE(LiveObjects().empty());
  size_t clipped = 0, paths = 0;
  for (const vxhost::Art* art : vxtest::LayerGroup(*document)->Children()) {
    clipped += art->kind == ai::art_kind::kGroup && art->clipped;
    paths += art->kind == ai::art_kind::kPath;
  }
  EXPECT_EQ(clipped, 1u);
  EXPECT_EQ(paths, 1u);
}

TEST_F(BorderPaletteTest, AGroupHoldingTextIsSkippedButLaterGroupsAreStillWrapped) {
  vxhost::Art* withText = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kGroup);
  SelectedSquare(0, 4, withText);
  vxtest::AddArt(*document, withText, ai::art_kind::kText);
  vxhost::Art* laterGroup = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kGroup);
  SelectedSquare(40, 4, laterGroup);
  SelectAll();
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kApply);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->firstChild, laterGroup);
  EXPECT_EQ(withText->parent, vxtest::LayerGroup(*document));
}

}  // namespace
