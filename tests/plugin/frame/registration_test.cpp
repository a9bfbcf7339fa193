// What startup registers with the host, in order, and how menu commands and
// notifications reach the controllers.
#include <algorithm>

#include "document/document.h"
#include "frame/controllers.h"
#include "frame/globals.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "support/suite_access.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

using vxtest::PluginHostTest;

std::vector<std::string> Entries(const std::vector<std::string>& log, const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& line : log)
    if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
  return found;
}

TEST_F(PluginHostTest, StartupRegistersEverythingInOrder) {
  ASSERT_EQ(plugin.Startup(), ai::kNoError);
  const auto& log = host.app().log;

  const auto groups = Entries(log, "plugin group ");
  ASSERT_EQ(groups.size(), 25u);
  EXPECT_EQ(groups[0], "VELLUMiX4 3D_SmpleRot  ver4.5 for Win AICS6");
  EXPECT_EQ(groups[11], "VELLUMiX4 3D_Cylinder  ver4.5 for Win AICS6");
  EXPECT_EQ(groups[12], "VELLUMiX4 Border  ver4.5 for Win AICS6");
  EXPECT_EQ(groups[20], "VELLUMiX4 Neon  ver4.5 for Win AICS6");
  EXPECT_EQ(groups[24], "VELLUMiX4 Trail  ver4.5 for Win AICS6");
  const auto& records = host.app().pluginGroups();
  EXPECT_EQ(records[20]->description, "VELLUMiX4 ライブ ネオン ver4.5 for Win AICS6");
  EXPECT_EQ(records[8]->description, "VELLUMiX4 ライブ 3D変換 球面");
  EXPECT_EQ(records[8]->major, 1);

  // Plugin groups, then menus, then Fractalize, options, tools.
  auto position = [&](const std::string& line) { return std::find(log.begin(), log.end(), line) - log.begin(); };
  EXPECT_LT(position("plugin group VELLUMiX4 Trail  ver4.5 for Win AICS6"), position("menu item VELLUMiX4_Top_Separator"));
  EXPECT_LT(position("menu item VELLUMiX4_Bottom_Separator"), position("filter KwDL Fractalize Filter"));
  EXPECT_LT(position("filter KwDL Fractalize Filter"), position("live effect VELLUMiX4"));
  EXPECT_LT(position("live effect VELLUMiX4"), position("plugin options 0"));
  EXPECT_LT(position("plugin options 0"), position("tool ワープツール"));

  const auto items = Entries(log, "menu item ");
  ASSERT_GE(items.size(), 33u);
  EXPECT_EQ(items[0], "VELLUMiX4_Top_Separator");
  EXPECT_EQ(items[1], "VELLUMiX4_Gr");
  EXPECT_EQ(items[2], "VELLUMiX4_3DGr");
  EXPECT_EQ(items[3], "VELLUMiX4_00");
  EXPECT_EQ(items[30], "VELLUMiX4_27");
  EXPECT_EQ(items[31], "VELLUMiX4_Bottom_Separator");
  ASSERT_NE(host.app().FindItemByPath({"VELLUMiX4", "Live 3D変換", "円筒／円錐面"}), nullptr);
  const vxhost::MenuItem* neon = host.app().FindItemByPath({"VELLUMiX4", "Live ネオン"});
  ASSERT_NE(neon, nullptr);
  EXPECT_EQ(neon->name, "VELLUMiX4_21");
  EXPECT_EQ(neon->options, 1);
  ASSERT_NE(host.app().FindItemByPath({"VELLUMiX4", "そのパレットを表示"}), nullptr);
  ASSERT_NE(host.app().FindItemByPath({"VELLUMiX4", "ヘルプ"}), nullptr);

  ASSERT_EQ(host.app().filters().size(), 1u);
  EXPECT_EQ(host.app().filters()[0]->title, "フラクタル化...");
  EXPECT_EQ(host.app().filters()[0]->category, "VELLUMiX4");
  EXPECT_EQ(host.app().filters()[0]->item->autoAction, 1);
  EXPECT_EQ(host.app().filters()[0]->item->autoSelected, 2);
  ASSERT_EQ(host.app().liveEffects().size(), 1u);
  EXPECT_EQ(host.app().liveEffects()[0]->data.inputPreference, 7);
  EXPECT_EQ(host.app().pluginOptions & 2, 0) << "the option flag 2 is cleared";

  const auto& tools = host.app().tools();
  ASSERT_EQ(tools.size(), 9u);
  for (const auto& tool : tools) EXPECT_EQ(tool->group, tools[0]->group) << tool->title;
  std::vector<int32_t> toolsets;
  for (const auto& tool : tools) toolsets.push_back(tool->toolset);
  EXPECT_EQ(toolsets, (std::vector<int32_t>{0, 1, 2, 3, 3, 3, 6, 6, 8})) << "six toolsets";
  EXPECT_EQ(tools[5]->title, "ほうきツール");
  EXPECT_EQ(tools[8]->iconId, 20008);

  ASSERT_EQ(host.annotators().size(), 1u);
  EXPECT_EQ(host.annotators()[0]->name, "VELLUMiX4 Annotator");
  EXPECT_FALSE(host.annotators()[0]->active);
  const auto notifiers = host.notifiers();
  ASSERT_EQ(notifiers.size(), 9u);
  EXPECT_EQ(notifiers[1]->name, "KwDL_VELLUMiX4_Plugin");
  EXPECT_EQ(notifiers[1]->type, "AI Application Started Notifier");
  EXPECT_EQ(notifiers[6]->type, "KwDL VELLUMiX4 Internal Notifier");
  EXPECT_EQ(notifiers[8]->type, "AI Document Changed Notifier");

  ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  ExpectNothingHeld();
}

TEST_F(PluginHostTest, VersionSuffixFollowsTheHostsMajorVersion) {
  for (auto [major, suffix] : {std::pair{14, " ver4.5 "}, std::pair{15, " ver4.5 for Win AICS5"},
                               std::pair{17, " ver4.5 for Win AICS6"}}) {
    host.SetMajorVersion(major);
    ASSERT_EQ(plugin.Startup(), ai::kNoError);
    EXPECT_EQ(host.app().pluginGroups()[20]->name, std::string("VELLUMiX4 Neon ") + suffix);
    EXPECT_EQ(host.app().pluginGroups()[0]->description, "VELLUMiX4 ライブ 3D変換 回転") << "no suffix for 3D";
    ASSERT_EQ(plugin.Shutdown(), ai::kNoError);
  }
}

// A stand-in effect controller: it counts what the main object asks of it.
struct FakeEffectController : vx::EffectPaletteCtrlr {
  static inline int created = 0;
  static inline int loads = 0;
  bool shown = false;
  FakeEffectController() { ++created; }
  bool PaletteShown() const override { return shown; }
  void HidePalette() override { shown = false; }
  ai::Code LoadFromSelection(bool) override {
    ++loads;
    shown = true;
    return ai::kNoError;
  }
  void Refresh(int32_t) override {}
};

class RoutingTest : public ::testing::Test {
 protected:
  RoutingTest() {
    FakeEffectController::created = FakeEffectController::loads = 0;
    vx::SetEffectFactory(21, [](int16_t, void*) -> vx::EffectPaletteCtrlr* { return new FakeEffectController; });
    EXPECT_EQ(plugin.Startup(), ai::kNoError);
  }
  ~RoutingTest() override {
    EXPECT_EQ(plugin.Shutdown(), ai::kNoError);
    vx::SetEffectFactory(21, nullptr);
    EXPECT_TRUE(host.blocks().LiveNames().empty());
  }

  ai::Code Choose(const std::vector<std::string>& path) {
    ai::MenuMessage message{};
    message.item = reinterpret_cast<ai::MenuItemHandle>(host.app().FindItemByPath(path));
    return plugin.Send(ai::callers::kMenu, ai::selectors::kGo, message);
  }
  bool Checked(const std::vector<std::string>& path) {
    ai::MenuMessage message{};
    EXPECT_EQ(plugin.Send(ai::callers::kMenu, ai::selectors::kUpdate, message), ai::kNoError);
    return host.app().FindItemByPath(path)->checked;
  }

  vxtest::ScopedSettingsHome settingsHome;
  vxhost::Host host{vxtest::QuietHost()};
  vxhost::LoadedPlugin& plugin = host.AttachPlugin(VX_PLUGIN_PATH, &PluginMain);
};

TEST_F(RoutingTest, ChoosingTheOpenEffectClosesItsPaletteAndAgainReopensIt) {
  host.OpenDocument(std::make_unique<vxhost::Document>());
  const std::vector<std::string> neon{"VELLUMiX4", "Live ネオン"};
  ASSERT_EQ(Choose(neon), ai::kNoError);
  EXPECT_EQ(FakeEffectController::created, 1);
  EXPECT_EQ(vx::Globals()->currentEffect, 21);
  EXPECT_TRUE(Checked(neon));
  ASSERT_EQ(Choose(neon), ai::kNoError);
  EXPECT_EQ(vx::Globals()->currentEffect, -1) << "closed";
  EXPECT_FALSE(Checked(neon));
  ASSERT_EQ(Choose(neon), ai::kNoError);
  EXPECT_EQ(FakeEffectController::created, 2) << "reopened";
  EXPECT_TRUE(Checked(neon));
}

TEST_F(RoutingTest, WithoutADocumentThePaletteStaysClosedAndTheUserIsTold) {
  ASSERT_EQ(Choose({"VELLUMiX4", "Live ネオン"}), ai::kNoError);
  EXPECT_EQ(FakeEffectController::created, 0);
  ASSERT_EQ(host.log().alerts().size(), 1u);
  EXPECT_EQ(host.log().alerts()[0].text, "書類がありません。\nDOC?");
}

TEST_F(RoutingTest, ShowThatPaletteWithNoLiveObjectSelectedDoesNothing) {
  host.OpenDocument(std::make_unique<vxhost::Document>());
  ASSERT_EQ(Choose({"VELLUMiX4", "そのパレットを表示"}), ai::kNoError);
  EXPECT_EQ(FakeEffectController::created, 0);
  EXPECT_EQ(vx::Globals()->currentEffect, -1);
  EXPECT_TRUE(host.log().alerts().empty());
}

TEST_F(RoutingTest, SelectionChangeDuringAToolDragDoesNotReloadThePalette) {
  host.OpenDocument(std::make_unique<vxhost::Document>());
  ASSERT_EQ(Choose({"VELLUMiX4", "Live ネオン"}), ai::kNoError);
  ASSERT_EQ(FakeEffectController::loads, 1);
  host.Notify("AI Art Selection Changed Notifier");
  EXPECT_EQ(FakeEffectController::loads, 2) << "a selection change reloads the palette";
  vx::Globals()->dragging = 1;
  host.Notify("AI Art Selection Changed Notifier");
  EXPECT_EQ(FakeEffectController::loads, 2) << "but not during a drag";
  vx::Globals()->dragging = 0;
}

TEST_F(RoutingTest, RulerUnitIsReadWhenTheDocumentChanges) {
  auto& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  document.rulerUnit = ai::ruler_unit::kMillimeters;
  host.Notify("AI Document Ruler Unit Changed Notifier");
  EXPECT_EQ(vx::Globals()->rulerUnit, ai::ruler_unit::kMillimeters);
}

TEST_F(RoutingTest, ChangedLiveObjectsAreUpdatedByTheirEffectAfterTheMessage) {
  auto& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::Art* live = document.NewArt(ai::art_kind::kPluginGroup);
  document.Insert(live, ai::placement::kInsideOnTop, document.currentLayer()->group);
  const auto& groups = vxtest::AcquireSuite<ai::PluginGroupSuite>(host);
  const auto* neon = host.app().pluginGroups()[20].get();
  ASSERT_EQ(neon->name.rfind("VELLUMiX4 Neon", 0), 0u);
  ASSERT_EQ(groups.useArtPluginGroup(reinterpret_cast<ai::ArtHandle>(live),
                                     reinterpret_cast<ai::PluginGroupHandle>(const_cast<vxhost::PluginGroupRecord*>(neon))),
            ai::kNoError);
  EXPECT_EQ(vx::Globals()->effectInProcess, -1);
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(vx::Globals()->effectInProcess, 21) << "the update after the message named the Neon object";

  // Changing the result group is the regeneration itself and asks for nothing.
  vx::Globals()->effectInProcess = -1;
  vxtest::AddPath(document, live->resultGroup, {{0, 0}, {1, 1}});
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(vx::Globals()->effectInProcess, -1);
  // Changing the source does.
  vxtest::AddPath(document, live->editGroup, {{0, 0}, {1, 1}});
  host.Notify("AI Document Changed Notifier");
  EXPECT_EQ(vx::Globals()->effectInProcess, 21);
}

struct FakeToolController : vx::ToolPaletteCtrlr {
  static inline int alive = 0;
  FakeToolController() { ++alive; }
  ~FakeToolController() override { --alive; }
  bool PaletteShown() const override { return true; }
  void HidePalette() override {}
  void Refresh(int32_t) override {}
};

TEST_F(RoutingTest, SelectingAToolOpensItsPaletteAndDeselectingClosesIt) {
  vx::SetToolFactory(4, [](int16_t) -> vx::ToolPaletteCtrlr* { return new FakeToolController; });
  ai::ToolMessage message{};
  message.tool = reinterpret_cast<ai::ToolHandle>(host.app().FindToolByTitle("レンズツール"));
  ASSERT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kSelect, message), ai::kNoError);
  EXPECT_EQ(vx::Globals()->currentTool, 4);
  EXPECT_EQ(FakeToolController::alive, 1);
  ASSERT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kEditOptions, message), ai::kNoError);
  EXPECT_EQ(FakeToolController::alive, 1) << "edit options reopens the palette";
  ASSERT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kDeselect, message), ai::kNoError);
  EXPECT_EQ(vx::Globals()->currentTool, -1);
  EXPECT_EQ(FakeToolController::alive, 0);

  message.tool = reinterpret_cast<ai::ToolHandle>(host.app().FindToolByTitle("ワープツール"));
  ASSERT_EQ(plugin.Send(ai::callers::kTool, ai::selectors::kSelect, message), ai::kNoError);
  EXPECT_EQ(vx::Globals()->currentTool, 0) << "the Warp tool's controller";
  vx::SetToolFactory(4, nullptr);
}

}  // namespace
