// Live Galaxy as a person uses it: values typed into the palette, a new seed
// on every Apply unless the same sequence is asked for, and the
// recorded action played back with its seed.
#include "effects/galaxy/galaxy_params.h"
#include "platform/clock.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace cg = vx::ctl::galaxy;

class GalaxyPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  GalaxyPaletteTest() : EffectPaletteTest("Live ギャラクシー") {}
  ~GalaxyPaletteTest() override { platform::SetTickCount(std::nullopt); }
  vx::GalaxyPGParams& Record() { return RecordAs<vx::GalaxyPGParams>(); }
  // The seed the parameter block of `live` holds, read back through its text.
  static int32_t StoredSeed(const vxhost::Art* live) {
    const std::string& data = live->live->data;
    const size_t at = data.find("\nQ\t");
    return at == std::string::npos ? 0 : std::stoi(data.substr(at + 3));
  }
};

TEST_F(GalaxyPaletteTest, EachApplyDrawsANewSeedUnlessTheSequenceIsKeptAndThePlayedActionToo) {
  vxhost::Art* square = SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  user.TypeAndLeave(Palette(), cg::kBranches, "5000");
  EXPECT_EQ(Record().branchCount, 4000);
  user.TypeAndLeave(Palette(), cg::kBranches, "3");
  user.TypeAndLeave(Palette(), cg::kElements, "4");
  user.TypeAndLeave(Palette(), cg::kAngleJitter, "30");
  user.TypeAndLeave(Palette(), cg::kSizeJitter, "25");
  EXPECT_DOUBLE_EQ(Record().sizeJitter, 0.25);
  user.TypeAndLeave(Palette(), cg::kTipScale, "50");
  user.Click(Palette(), cg::kStackBelow);
  EXPECT_EQ(Record().stackBelow, 1);

  platform::SetTickCount(5000);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  host.actions().SetRecording(false);
  auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->firstChild, square);
  EXPECT_EQ(Record().randomSeed, 6000) << "the tick count plus 1000";
  EXPECT_EQ(StoredSeed(live[0]), 6000) << "kept with the object";
  ASSERT_EQ(live[0]->resultGroup->firstChild->Children().size(), 5u) << "three arms and the mark";
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Galaxy_Action");
  EXPECT_EQ(event.values.Find(ai::FourCC("cpNm"))->integer, 3);
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("rAng"))->real, 30) << "recorded in degrees";
  EXPECT_DOUBLE_EQ(event.values.Find(ai::FourCC("pers"))->real, 50) << "recorded in percent";
  EXPECT_EQ(event.values.Find(ai::FourCC("styl"))->text, "下積み");
  EXPECT_EQ(event.values.Find(ai::FourCC("seed"))->integer, 6000);

  // A second application: a new seed, so new arms.
  vxhost::Art* second = SelectedSquare(60);
  SelectOnly(second);
  platform::SetTickCount(7000);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  EXPECT_EQ(StoredSeed(live[0]) == 8000 || StoredSeed(live[1]) == 8000, true);

  // Keeping the sequence keeps the seed, and playing the action applies its own.
  user.Click(Palette(), cg::kSameSequence);
  EXPECT_EQ(Record().reproduceRandom, 1);
  vxhost::Art* third = SelectedSquare(120);
  SelectOnly(third);
  platform::SetTickCount(9000);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
  EXPECT_EQ(Record().randomSeed, 8000);
  vxhost::Art* fourth = SelectedSquare(180);
  SelectOnly(fourth);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(Record().branchCount, 3);
  EXPECT_EQ(Record().reproduceRandom, 0) << "as recorded";
  EXPECT_EQ(Record().randomSeed, 10000) << "reproduce off: the played Apply draws a new seed";
}

}  // namespace
