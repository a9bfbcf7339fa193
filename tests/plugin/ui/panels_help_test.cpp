// The panels palettes live in, the help palette, the about box and the modal
// effect dialog, driven through the menu and the host as a person would.
#include <string>

#include "palette_fixture.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"
#include "tool_driver.h"
#include "tools/warp/warp_params.h"
#include "ui/about_box.h"
#include "ui/effect_dialog_controller.h"
#include "ui/help/help_ctrlr.h"
#include "ui/help/help_topics.h"
#include "ui/panels/palette_panel.h"

namespace {

const std::vector<std::string> kHelpMenu{"VELLUMiX4", "ヘルプ"};
constexpr const char* kHelpPrefix = "__KwDL_VELLUMiX4Help_v46_PrefsPrefix__";

class PanelTest : public vxtest::PaletteTest {
 protected:
  vxhost::Panel* HelpPanel() { return host.panels().FindByIdentifier(kHelpPrefix); }
};

TEST_F(PanelTest, HelpMenuTogglesThePaletteInItsCentredPanel) {
  ASSERT_EQ(ChooseMenu(kHelpMenu), ai::kNoError);
  vxhost::Panel* panel = HelpPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->shown);
  EXPECT_EQ(panel->title, "VELLUMiX4: ヘルプ");
  EXPECT_EQ(panel->frame.x, (1920 - 240) / 2) << "first start: centred on the screen";
  EXPECT_EQ(panel->frame.y, (1080 - 320) / 2);
  EXPECT_TRUE(MenuChecked(kHelpMenu));
  ASSERT_NE(panel->flyout, nullptr);
  ASSERT_EQ(panel->flyout->items.size(), 1u) << "the help panel's flyout has the about item only";
  EXPECT_EQ(panel->flyout->items[0].text, "このプラグインについて...");

  ASSERT_EQ(ChooseMenu(kHelpMenu), ai::kNoError);
  EXPECT_FALSE(panel->shown) << "the second choice closes it";
  EXPECT_FALSE(MenuChecked(kHelpMenu));
  EXPECT_EQ(vx::MainHelpController(), nullptr);
}

TEST_F(PanelTest, AMovedPanelReopensWhereItWasLeft) {
  ASSERT_EQ(ChooseMenu(kHelpMenu), ai::kNoError);
  host.panels().UserMoves(*HelpPanel(), {100, 200});
  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  EXPECT_EQ(HelpPanel(), nullptr) << "the panel is disposed at shutdown";
  ai::ScreenPoint stored{};
  ASSERT_TRUE(host.preferences().GetPoint(kHelpPrefix, "Location", &stored));
  EXPECT_EQ(stored.x, 100);
  EXPECT_EQ(stored.y, 200);

  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  ASSERT_EQ(ChooseMenu(kHelpMenu), ai::kNoError);
  EXPECT_EQ(HelpPanel()->frame.x, 100);
  EXPECT_EQ(HelpPanel()->frame.y, 200);
}

TEST_F(PanelTest, QuestionButtonsShowTheirTopicAndNeverClose) {
  const int16_t neonRow = vx::HelpRowOfEffect(21);
  EXPECT_EQ(neonRow, 23);
  EXPECT_STREQ(vx::HelpTopicAt(neonRow).listText, "- Live ネオン");
  ASSERT_EQ(vx::ShowHelp(neonRow), ai::kNoError);
  ASSERT_EQ(vx::ShowHelp(neonRow), ai::kNoError);
  ASSERT_TRUE(vx::HelpShown());
  vx::HelpViewController* view = vx::MainHelpController()->view();
  EXPECT_EQ(view->Item(vx::help_control::kList)->Selection(), 23);
  EXPECT_EQ(view->Item(vx::help_control::kPicture)->Image(), 690 + 12);
  EXPECT_FALSE(view->Item(vx::help_control::kText)->Text().empty()) << "page 12 has its text";
  EXPECT_EQ(view->Item(vx::help_control::kList)->Items().size(), 31u);

  // Choosing a row shows its page and becomes the topic the menu reopens.
  ASSERT_EQ(user.PickItem(*view, vx::help_control::kList, 9), 0);
  EXPECT_EQ(view->Item(vx::help_control::kPicture)->Image(), 690 + 1) << "Warp's page";
  EXPECT_EQ(host.desktop().Focus(), host.desktop().HostWindow());
  ChooseMenu(kHelpMenu);
  ChooseMenu(kHelpMenu);
  EXPECT_EQ(vx::MainHelpController()->Row(), 9);
}

TEST_F(PanelTest, ResizingTheHelpPanelGrowsTheTextOnly) {
  ASSERT_EQ(ChooseMenu(kHelpMenu), ai::kNoError);
  vx::HelpViewController* view = vx::MainHelpController()->view();
  const platform::ui::Rect text = view->Item(vx::help_control::kText)->Bounds();
  const ai::ScreenSize size = HelpPanel()->size;
  host.panels().UserResizes(*HelpPanel(), {size.width + 50, size.height + 100});
  EXPECT_EQ(HelpPanel()->size.width, size.width) << "the width is fixed";
  EXPECT_EQ(view->Item(vx::help_control::kText)->Bounds().Height(), text.Height() + 100);
  host.panels().UserResizes(*HelpPanel(), {size.width, size.height * 5});
  EXPECT_EQ(HelpPanel()->size.height, size.height * 3) << "at most three times the dialog's height";
}

TEST_F(PanelTest, AnOverlongHelpPageShowsEmpty) {
  const std::string longest(vx::kHelpTextLimit, 'a'), tooLong(vx::kHelpTextLimit + 1, 'a');
  const platform::ui::ResourceEntry entries[] = {
      {platform::ui::ResourceType::kDialog, vx::kHelpTemplateId, platform::ui::Language::kJapanese,
       vx::PluginResources().LoadDialog(vx::kHelpTemplateId), {}},
      {platform::ui::ResourceType::kText, vx::kHelpTextBase + 0, platform::ui::Language::kJapanese, nullptr, longest},
      {platform::ui::ResourceType::kText, vx::kHelpTextBase + 2, platform::ui::Language::kJapanese, nullptr, tooLong},
  };
  const platform::ui::ResourceTable table(entries);
  vx::HelpCtrlr help(&table);
  ASSERT_EQ(help.Create(), ai::kNoError);
  vx::HelpViewController& view = *help.view();
  view.ShowPage(0);
  EXPECT_EQ(view.Item(vx::help_control::kText)->Text().size(), vx::kHelpTextLimit);
  view.ShowPage(1);  // row 1 is page 2
  EXPECT_EQ(view.Item(vx::help_control::kText)->Text(), "");
}

TEST_F(PanelTest, TheAboutItemOpensTheAboutBox) {
  ChooseMenu(kHelpMenu);
  std::string seen;
  user.WhenModal([&](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
    seen = std::string(d.Title());
    u.Click(d, platform::ui::kIdOk);
  });
  EXPECT_TRUE(host.panels().UserPicksFlyoutItem(*HelpPanel(), vx::flyout::kAbout));
  EXPECT_EQ(seen, "このプラグインについて...");
}

TEST_F(PanelTest, ChoosingAToolShowsItsBoundPaletteInTheToolPanel) {
  vxhost::ToolDriver driver{host, plugin};
  ASSERT_TRUE(driver.Choose("ワープツール"));
  vxhost::Panel* panel = host.panels().FindByIdentifier("__KwDL_VELLUMiX4Tool_v46_PrefsPrefix__");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->shown);
  EXPECT_EQ(panel->title, "VELLUMiX4: ワープツール");
  EXPECT_EQ(panel->minimum.width, panel->maximum.width) << "a tool panel keeps the dialog's size";
  ASSERT_NE(panel->flyout, nullptr);
  EXPECT_EQ(panel->flyout->items.front().text, "初期設定");

  // The palette edits the tool's record; its "?" opens the Warp page.
  auto* record = static_cast<vx::WarpToolParams*>(vx::Globals()->toolRecords[0]);
  ASSERT_NE(record, nullptr);
  platform::ui::Dialog* palette = host.desktop().DialogOwning(panel->inside);
  for (platform::ui::Dialog* d : host.desktop().Dialogs())
    if (d->Parent() == panel->inside) palette = d;
  ASSERT_NE(palette, nullptr);
  const vx::FieldSpec* margin = vx::FindField(vx::kWarpToolParamsSpec, "margin");
  ASSERT_NE(margin, nullptr);
  ASSERT_EQ(user.TypeAndLeave(*palette, margin->controls.edit, "40"), 0);
  EXPECT_DOUBLE_EQ(record->margin, 0.4);
  ASSERT_EQ(user.Click(*palette, vx::ctl::kHelpButton), 0);
  ASSERT_TRUE(vx::HelpShown());
  EXPECT_EQ(vx::MainHelpController()->Row(), 9);

  ASSERT_EQ(driver.Deselect(), ai::kNoError);
  EXPECT_FALSE(panel->shown);
}

class FakeFilter : public vx::EffectDialogOwner {
 public:
  platform::ui::Point saved{-1, -1};
  bool preview = true;
  int previews = 0, edits = 0;
  std::vector<int32_t> loaded;
  platform::ui::Point SavedPosition() const override { return saved; }
  void SavePosition(platform::ui::Point p) override { saved = p; }
  bool PreviewOn() const override { return preview; }
  void SetPreviewOn(bool on) override { preview = on; }
  ai::Code Preview() override { return ++previews, ai::kNoError; }
  std::vector<std::string> PresetNames() override { return {"柔らかい", "Sharp"}; }
  ai::Code LoadPreset(int32_t index) override { return loaded.push_back(index), ai::kNoError; }
  ai::Code EditPresets(std::function<ai::Code(int32_t)>) override { return ++edits, ai::kNoError; }
};

TEST_F(PanelTest, EffectDialogOpensCentredWhenItsPlaceIsOffScreen) {
  FakeFilter owner;
  owner.saved = {5000, 5000};
  platform::ui::Rect where{};
  user.WhenModal([&](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
    where = d.WindowRect();
    u.Click(d, platform::ui::kIdOk);
  });
  vx::EffectDialogController dialog(owner);
  ASSERT_EQ(dialog.Run(vx::res::kFractalizeDialog), platform::ui::kIdOk);
  EXPECT_EQ(where.left, (1920 - where.Width()) / 2);
  EXPECT_EQ(where.top, (1080 - where.Height()) / 2);
  EXPECT_FALSE(owner.preview) << "the dialog opens with the preview off";
  EXPECT_EQ(owner.saved.x, where.left) << "OK keeps the place for next time";

  owner.saved = {10, 20};
  user.WhenModal([&](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
    where = d.WindowRect();
    u.Click(d, platform::ui::kIdCancel);
  });
  vx::EffectDialogController again(owner);
  EXPECT_EQ(again.Run(vx::res::kFractalizeDialog), platform::ui::kIdCancel);
  EXPECT_EQ(where.left, 10);
  EXPECT_EQ(where.top, 20);
}

TEST_F(PanelTest, EffectDialogPresetPopupLoadsAndPreviewsAgain) {
  FakeFilter owner;
  std::vector<std::string> items;
  user.WhenModal([&](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
    u.Click(d, vx::effect_dialog::kPreview);
    u.ChoosePopupItem(vx::effect_dialog::kFirstPreset + 1);
    u.Click(d, vx::effect_dialog::kPresetButton);
    u.ChoosePopupItem(vx::effect_dialog::kDefaultSetting);
    u.Click(d, vx::effect_dialog::kPresetButton);
    for (const auto& item : static_cast<vx::EffectDialogController&>(d).popup().items)
      items.push_back(item.separator ? "-" : item.text);
    u.Click(d, platform::ui::kIdOk);
  });
  vx::EffectDialogController dialog(owner);
  ASSERT_EQ(dialog.Run(vx::res::kFractalizeDialog), platform::ui::kIdOk);
  EXPECT_EQ(owner.loaded, (std::vector<int32_t>{1, -2}));
  EXPECT_EQ(owner.previews, 3) << "on checking Preview, then after each load";
  EXPECT_EQ(items, (std::vector<std::string>{"初期設定", "-", "プリセットを編集...", "-", "柔らかい", "Sharp", "-",
                                             "このプラグインについて..."}));
}

}  // namespace
