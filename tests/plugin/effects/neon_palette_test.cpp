// Live Neon as a person uses it: the menu opens its palette, values typed into
// it land in the record, the palette's buttons wrap, release and expand the
// selection, the host rebuilds live objects, and actions replay an Apply.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/document.h"
#include "effects/framework/live_objects.h"
#include "effects/framework/pg_ctrlr.h"
#include "effects/neon/neon_params.h"
#include "frame/effect_table.h"
#include "frame/globals.h"
#include "frame/vellumix4_plugin.h"
#include "host.h"
#include "plugin/ui/palette_fixture.h"
#include "resources/control_ids.h"
#include "support/art_builder.h"
#include "support/suite_access.h"

namespace {

namespace n = vx::ctl::neon;
const std::vector<std::string> kNeonMenu{"VELLUMiX4", "Live ネオン"};

class NeonPaletteTest : public vxtest::PaletteTest {
 protected:
  // A selected stroked path.
  vxhost::Art* StrokedPath(double y) {
    vxhost::Art* path = vxtest::AddPath(*document, vxtest::LayerGroup(*document), {{0, y}, {50, y}});
    path->style.strokePaint = 1;
    path->style.strokeWidth = 4;
    path->style.strokeColor.kind = ai::color_kind::kGray;
    path->style.fillPaint = 0;
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }
  std::vector<vxhost::Art*> LiveObjects() {
    std::vector<vxhost::Art*> out;
    for (vxhost::Art* art : vxtest::LayerGroup(*document)->Children())
      if (art->kind == ai::art_kind::kPluginGroup) out.push_back(art);
    return out;
  }
  vx::PGCtrlr* Controller() {
    auto* main = dynamic_cast<vx::VELLUMiX4Plugin*>(vx::GlobalPlugin());
    return main != nullptr ? dynamic_cast<vx::PGCtrlr*>(main->mainFields().effectController) : nullptr;
  }
  platform::ui::Dialog& Palette() { return *Controller()->view(); }
  vx::NeonPGParams& Record() { return *static_cast<vx::NeonPGParams*>(Controller()->record()); }
  // The user selects one object; the host tells the plug-in.
  void SelectOnly(vxhost::Art* art) {
    document->SelectOnly({art});
    host.Notify("AI Art Selection Changed Notifier");
  }
};

TEST_F(NeonPaletteTest, TypingAndApplyWrapTheSelectionAndTheHostRebuildsIt) {
  vxhost::Art* path = StrokedPath(0);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  EXPECT_TRUE(MenuChecked(kNeonMenu));
  vxhost::Panel* panel = host.panels().FindByIdentifier("__KwDL_VELLUMiX4PG_v46_PrefsPrefix__");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->shown);
  EXPECT_EQ(panel->title.rfind("VELLUMiX4: ", 0), 0u);
  EXPECT_TRUE(Palette().Item(vx::effect_button::kApply)->Enabled()) << "a stroked path is a target";
  EXPECT_FALSE(Palette().Item(vx::effect_button::kRelease)->Enabled());

  ASSERT_EQ(user.TypeAndLeave(Palette(), n::kTracks, "2"), 0);
  EXPECT_EQ(Record().tracks, 2);
  ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);

  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0]->editGroup->Children(), std::vector<vxhost::Art*>{path}) << "the path is the source";
  ASSERT_NE(live[0]->resultGroup->firstChild, nullptr) << "the host asked for an update and got the stack";
  // Width 4, two tracks, auto mid: 2 x max(1, floor(4 / 2)) + 1 = 5 copies.
  EXPECT_EQ(live[0]->resultGroup->firstChild->Children().size(), 5u);
  EXPECT_EQ(host.contextDepth(), 0u);
}

TEST_F(NeonPaletteTest, ClosingSavesTheLastSettingAndReopeningLoadsIt) {
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  user.TypeAndLeave(Palette(), n::kContrast, "250");
  EXPECT_DOUBLE_EQ(Record().contrast, 2.5);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  EXPECT_EQ(Controller(), nullptr) << "choosing the open effect closes its palette";
  vx::SetRecordDefaults(vx::kNeonPGParamsSpec, vx::Globals()->records[9], "");
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  EXPECT_DOUBLE_EQ(Record().contrast, 2.5);
  EXPECT_EQ(Palette().Item(n::kContrast)->Text(), "250.000");
}

TEST_F(NeonPaletteTest, ApplyOnAnAppliedObjectReleasesAndWrapsItOnce) {
  StrokedPath(0);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kApply);
  ASSERT_EQ(LiveObjects().size(), 1u);
  SelectOnly(LiveObjects()[0]);
  EXPECT_TRUE(Palette().Item(vx::effect_button::kRelease)->Enabled());
  user.TypeAndLeave(Palette(), n::kTracks, "3");
  user.Click(Palette(), vx::effect_button::kApply);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 1u) << "released, then wrapped once";
  ASSERT_EQ(live[0]->editGroup->Children().size(), 1u);
  EXPECT_EQ(live[0]->editGroup->Children()[0]->kind, ai::art_kind::kPath);
}

TEST_F(NeonPaletteTest, ReleaseGivesBackBothPathsAndExpandKeepsTheResultOnly) {
  // Two paths side by side, each wrapped on its own.
  StrokedPath(0);
  StrokedPath(20);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kApply);
  ASSERT_EQ(LiveObjects().size(), 2u);

  SelectOnly(LiveObjects()[0]);
  user.Click(Palette(), vx::effect_button::kRelease);
  EXPECT_EQ(LiveObjects().size(), 1u);
  size_t paths = 0;
  for (vxhost::Art* art : vxtest::LayerGroup(*document)->Children()) paths += art->kind == ai::art_kind::kPath;
  EXPECT_EQ(paths, 1u) << "the released source is back in the layer";

  vxhost::Art* last = LiveObjects()[0];
  const size_t copies = last->resultGroup->firstChild->Children().size();
  SelectOnly(last);
  user.Click(Palette(), vx::effect_button::kExpand);
  EXPECT_TRUE(LiveObjects().empty());
  size_t groups = 0;
  for (vxhost::Art* art : vxtest::LayerGroup(*document)->Children())
    if (art->kind == ai::art_kind::kGroup && art->Children().size() == copies) ++groups;
  EXPECT_EQ(groups, 1u) << "the result's group of copies stands in the object's place";
}

TEST_F(NeonPaletteTest, AnotherEffectsObjectInTheSelectionIsRefused) {
  vxhost::Art* other = document->NewArt(ai::art_kind::kPluginGroup);
  document->Insert(other, ai::placement::kInsideOnTop, vxtest::LayerGroup(*document));
  const auto& groups = vxtest::AcquireSuite<ai::PluginGroupSuite>(host);
  ASSERT_EQ(groups.useArtPluginGroup(vxtest::Handle(other), vx::Globals()->pluginGroups[vx::kTrailEffect]),
            ai::kNoError);
  other->userAttributes |= ai::art_attr::kSelected;
  StrokedPath(0);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  // Siblings count once when the palette looks at the selection, so the button
  // may be off here; the command itself refuses.
  ASSERT_EQ(Controller()->Apply(), ai::kNoError);
  ASSERT_EQ(host.log().alerts().size(), 1u);
  EXPECT_EQ(host.log().alerts()[0].text, vx::kOtherLiveObjectAlert);
  EXPECT_EQ(LiveObjects().size(), 1u) << "nothing wrapped";
}

TEST_F(NeonPaletteTest, PresetsApplyOnlyWithLiveUpdateOn) {
  StrokedPath(0);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  vxhost::Panel* panel = host.panels().FindByIdentifier("__KwDL_VELLUMiX4PG_v46_PrefsPrefix__");
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  EXPECT_FALSE(Controller()->LiveUpdateOn());
  ASSERT_TRUE(host.panels().UserPicksFlyoutItem(*panel, vx::flyout::kDefaultSetting));
  EXPECT_TRUE(LiveObjects().empty()) << "live update off: only the palette changes";
  user.Click(Palette(), vx::effect_button::kLiveUpdate);
  ASSERT_TRUE(host.panels().UserPicksFlyoutItem(*panel, vx::flyout::kDefaultSetting));
  EXPECT_EQ(LiveObjects().size(), 1u) << "live update on: the selection is wrapped";
}

TEST_F(NeonPaletteTest, ARecordedApplyPlaysBackOnAnotherSelection) {
  vxhost::Art* first = StrokedPath(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  user.TypeAndLeave(Palette(), n::kTracks, "2");
  user.Click(Palette(), vx::effect_button::kApply);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const size_t copies = LiveObjects()[0]->resultGroup->firstChild->Children().size();

  vxhost::Art* second = StrokedPath(40);
  SelectOnly(second);
  (void)first;
  ASSERT_EQ(host.actions().Play(host.actions().events()[0]), ai::kNoError);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u);
  for (vxhost::Art* object : live) EXPECT_EQ(object->resultGroup->firstChild->Children().size(), copies);
}

// Live Neon's own walk: text inside a group does not keep the group from being
// one object, and a compound path is one object, unless it is a clipping path.
TEST_F(NeonPaletteTest, AGroupHoldingTextAndACompoundPathEachBecomeOneObject) {
  vxhost::Art* group = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kGroup);
  vxtest::AddPath(*document, group, {{0, 0}, {50, 0}});
  vxtest::AddPath(*document, group, {{0, 10}, {50, 10}});
  vxtest::AddArt(*document, group, ai::art_kind::kText);
  vxhost::Art* compound = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kCompoundPath);
  vxtest::AddPath(*document, compound, {{0, 40}, {50, 40}});
  vxtest::AddPath(*document, compound, {{0, 50}, {50, 50}});
  vxhost::Art* clip = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kCompoundPath);
  vxtest::AddPath(*document, clip, {{0, 80}, {50, 80}})->style.clip = 1;
  document->ForEachArt([](vxhost::Art* art) { art->userAttributes |= ai::art_attr::kSelected; });

  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kApply);
  const auto live = LiveObjects();
  ASSERT_EQ(live.size(), 2u) << "the group and the compound path; the clipping compound path stays";
  std::vector<vxhost::Art*> wrapped;
  for (vxhost::Art* object : live) wrapped.push_back(object->editGroup->firstChild);
  EXPECT_NE(std::find(wrapped.begin(), wrapped.end(), group), wrapped.end()) << "the group with its text";
  EXPECT_EQ(group->Children().size(), 3u);
  EXPECT_NE(std::find(wrapped.begin(), wrapped.end(), compound), wrapped.end());
  EXPECT_EQ(clip->parent, vxtest::LayerGroup(*document));
}

// A preset chosen from the flyout with Live Update on applies it exactly as the
// Apply button does, the recorded action included.
TEST_F(NeonPaletteTest, AChosenPresetIsRecordedLikeApply) {
  StrokedPath(0);
  ASSERT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
  vxhost::Panel* panel = host.panels().FindByIdentifier("__KwDL_VELLUMiX4PG_v46_PrefsPrefix__");
  host.actions().SetRecording(true);
  ASSERT_TRUE(host.panels().UserPicksFlyoutItem(*panel, vx::flyout::kDefaultSetting));
  ASSERT_EQ(Controller()->ChoosePreset(-2), ai::kNoError);
  host.actions().SetRecording(false);
  EXPECT_EQ(LiveObjects().size(), 1u) << "the second choice rewraps the same art";
  ASSERT_EQ(host.actions().events().size(), 2u);
  EXPECT_EQ(host.actions().events()[0].action, "VmX4_Neon_Action");
}

}  // namespace
