// The preset dialog and the import dialog as a person uses them: opened from a
// palette's flyout, answered by the scripted user, working on the preset file.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "effects/framework/pg_ctrlr.h"
#include "effects/neon/neon_params.h"
#include "frame/globals.h"
#include "frame/vellumix4_plugin.h"
#include "platform/encoding.h"
#include "plugin/ui/palette_fixture.h"
#include "presets/preset_dialog.h"
#include "presets/preset_import_export.h"
#include "presets/preset_records.h"
#include "resources/control_ids.h"
#include "support/preset_files.h"
#include "support/run_cli.h"
#include "tool_driver.h"
#include "ui/panels/palette_panel.h"

namespace {

namespace id = vx::ctl::preset;
using platform::ui::Dialog;
using platform::ui::kAlt;
using platform::ui::kCtrl;
using Step = platform::ui::ModalAction;
using Names = std::vector<std::string>;
const std::vector<std::string> kNeonMenu{"VELLUMiX4", "Live ネオン"};
constexpr char kNeonFile[] = "VELLUMiX4_PST_Neon.txt";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Names Rows(Dialog& dialog, int32_t list) {
  Names rows;
  for (const auto& item : dialog.Item(list)->Items()) rows.push_back(item.text);
  return rows;
}

class PresetDialogTest : public vxtest::PaletteTest {
 protected:
  PresetDialogTest() {
    EXPECT_EQ(ChooseMenu(kNeonMenu), ai::kNoError);
    panel = host.panels().FindByIdentifier(vx::PanelPrefix(vx::PanelKind::kEffect));
  }

  std::string Folder() const { return settingsHome.settingsFolder(); }
  std::string Path() const { return Folder() + kNeonFile; }
  vx::NeonPGParams& Record() { return *static_cast<vx::NeonPGParams*>(vx::Globals()->currentRecords[vx::kEffectRecord]); }

  // The text of a Neon file whose user preset k is named names[k] with contrast k + 1.
  static std::string FileText(const Names& names, const std::string& header = "VELLUMiX4 Preset File") {
    std::string text = header + "\t" + kNeonFile + "\r\n", record;
    vx::NeonPGParams params{};
    vx::SetRecordDefaults(vx::kNeonPGParamsSpec, &params, "");
    for (const char* name : {vx::kDefaultSettingName, vx::kLastSettingName}) {
      record.clear();
      vx::WriteRecordText(vx::kNeonPGParamsSpec, &params, name, record);
      text += record;
    }
    for (size_t k = 0; k < names.size(); ++k) {
      params.contrast = static_cast<double>(k + 1);
      record.clear();
      vx::WriteRecordText(vx::kNeonPGParamsSpec, &params, names[k].c_str(), record);
      text += record;
    }
    return text;
  }
  void WritePresets(const Names& names) { std::ofstream(Path(), std::ios::binary) << FileText(names); }

  Names Listed(const std::string& path) {
    Names names;
    EXPECT_EQ(vx::ListPresetNames(path, names), ai::kNoError);
    return names;
  }
  Names Listed() { return Listed(Path()); }
  double ContrastOf(int index) {
    vx::NeonPGParams params{};
    EXPECT_EQ(vx::LoadPreset(Folder(), vx::kNeonPGParamsSpec, &params, index), ai::kNoError);
    return params.contrast;
  }
  Names FlyoutPresets() {
    Names names;
    for (const auto& item : panel->flyout->items)
      if (item.id >= vx::flyout::kFirstPreset) names.push_back(item.text);
    return names;
  }
  // Opens the dialog from the flyout; the steps run in it in order, then the user closes it.
  void EditPresets(std::initializer_list<Step> steps) {
    for (const Step& step : steps) user.WhenModal(step);
    ASSERT_TRUE(host.panels().UserPicksFlyoutItem(*panel, vx::flyout::kEditPresets));
    EXPECT_FALSE(host.desktop().HasQueuedActions());
  }
  std::vector<vxhost::Alert> AlertsOf(vxhost::Alert::Kind kind) {
    std::vector<vxhost::Alert> out;
    for (const auto& alert : host.log().alerts())
      if (alert.kind == kind) out.push_back(alert);
    return out;
  }

  vxhost::Panel* panel = nullptr;
};

TEST_F(PresetDialogTest, SaveNewProposesTheNextNumberAndStoresTheCurrentSettings) {
  WritePresets({"p0", "p1", "p2"});
  Record().contrast = 2.5;
  host.user().QueuePromptAnswer("夕焼け");
  std::string longName(100, 'x');
  for (int i = 0; i < 100; ++i) longName += "あ";
  host.user().QueuePromptAnswer(longName);
  Names shown;
  std::string title;
  EditPresets({[&](auto& u, Dialog& d) {
    title = std::string(d.Title());
    EXPECT_EQ(u.Click(d, id::kSaveNew), 0);
    shown = Rows(d, id::kList);
    EXPECT_EQ(u.Click(d, id::kSaveNew), 0);
  }});
  EXPECT_EQ(title, "VELLUMiX4: Live ネオン プリセット");
  const auto prompts = AlertsOf(vxhost::Alert::Kind::kPrompt);
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[0].initial, "Preset #4");
  EXPECT_EQ(prompts[0].text, vx::kSavePresetPrompt);
  EXPECT_EQ(prompts[0].title, "VELLUMiX4");
  EXPECT_EQ(prompts[0].label, "名前：");
  EXPECT_EQ(prompts[1].initial, "Preset #5");

  EXPECT_EQ(shown, (Names{"p0", "p1", "p2", "夕焼け"})) << "the list is filled again from the file";
  const Names listed = Listed();
  ASSERT_EQ(listed.size(), 5u);
  // 100 + 3 x 51 bytes fit 255; the character that would pass it is left out whole.
  EXPECT_EQ(listed[4].size(), 253u);
  EXPECT_EQ(FlyoutPresets(), listed) << "the palette's flyout follows the file";
  EXPECT_DOUBLE_EQ(ContrastOf(3), 2.5);
  EXPECT_EQ(std::string(Record().head.presetName), listed[4]);
}

TEST_F(PresetDialogTest, CancelledQuestionsLeaveTheFileByteIdentical) {
  WritePresets({"p0", "p1", "p2"});
  const std::string before = Slurp(Path());
  host.user().QueuePromptCancel();
  host.user().QueuePromptCancel();
  host.user().QueueConfirmation(false);
  EditPresets({[&](auto& u, Dialog& d) {
    EXPECT_EQ(u.Click(d, id::kSaveNew), 0);
    EXPECT_EQ(u.ClickListItem(d, id::kList, 1, kAlt), 0);
    EXPECT_EQ(u.ClickListItem(d, id::kList, 0), 0);
    EXPECT_EQ(u.Click(d, id::kDelete), 0);
  }});
  EXPECT_EQ(Slurp(Path()), before);
  EXPECT_EQ(AlertsOf(vxhost::Alert::Kind::kPrompt).size(), 2u);
  EXPECT_EQ(AlertsOf(vxhost::Alert::Kind::kConfirm).size(), 1u);
  EXPECT_TRUE(AlertsOf(vxhost::Alert::Kind::kError).empty()) << "a cancel is not reported";
  EXPECT_TRUE(AlertsOf(vxhost::Alert::Kind::kMessage).empty());
}

TEST_F(PresetDialogTest, AltClickUpdatesThatPresetInPlace) {
  WritePresets({"p0", "p1", "p2"});
  Record().contrast = 7.5;
  host.user().QueuePromptAnswer("新しい名前");
  EditPresets({[&](auto& u, Dialog& d) {
    EXPECT_EQ(u.ClickListItem(d, id::kList, 2), 0) << "a plain click only selects";
    EXPECT_EQ(u.ClickListItem(d, id::kList, 1, kAlt), 0);
    EXPECT_EQ(Rows(d, id::kList), (Names{"p0", "新しい名前", "p2"}));
  }});
  const auto prompts = AlertsOf(vxhost::Alert::Kind::kPrompt);
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].initial, "p1");
  EXPECT_EQ(prompts[0].text, vx::kUpdatePresetPrompt);
  EXPECT_EQ(Listed(), (Names{"p0", "新しい名前", "p2"}));
  EXPECT_DOUBLE_EQ(ContrastOf(0), 1.0);
  EXPECT_DOUBLE_EQ(ContrastOf(1), 7.5);
  EXPECT_DOUBLE_EQ(ContrastOf(2), 3.0);
}

TEST_F(PresetDialogTest, DeleteAsksAndIsOffWhenNothingIsSelected) {
  WritePresets({"p0", "p1", "p2", "p3", "p4"});
  host.user().QueueConfirmation(true);
  EditPresets({[&](auto& u, Dialog& d) {
    EXPECT_FALSE(d.Item(id::kDelete)->Enabled());
    EXPECT_FALSE(d.Item(id::kExport)->Enabled());
    EXPECT_EQ(u.Click(d, id::kDelete), platform::ui::kUiDisabled);
    u.ClickListItem(d, id::kList, 0);
    u.ClickListItem(d, id::kList, 2, kCtrl);
    EXPECT_TRUE(d.Item(id::kDelete)->Enabled());
    EXPECT_EQ(u.Click(d, id::kDelete), 0);
    EXPECT_FALSE(d.Item(id::kDelete)->Enabled()) << "off again after the list was filled";
  }});
  EXPECT_EQ(AlertsOf(vxhost::Alert::Kind::kConfirm).at(0).text, vx::kDeletePresetsQuestion);
  EXPECT_EQ(Listed(), (Names{"p1", "p3", "p4"}));
  EXPECT_EQ(FlyoutPresets(), Listed());
}

TEST_F(PresetDialogTest, DraggingInReorderModeMovesExactlyThatPreset) {
  WritePresets({"p0", "p1", "p2", "p3", "p4"});
  const std::string before = Slurp(Path());
  bool untouchedBySelfDrop = false;
  EditPresets({[&](auto& u, Dialog& d) {
    EXPECT_EQ(u.Click(d, id::kReorder), 0);
    EXPECT_FALSE(d.Item(id::kList)->Visible());
    ASSERT_TRUE(d.Item(id::kReorderList)->Visible());
    EXPECT_EQ(Rows(d, id::kReorderList), Listed());
    EXPECT_EQ(u.DragListItem(d, id::kReorderList, 2, 2), 0);
    untouchedBySelfDrop = Slurp(Path()) == before;
    EXPECT_EQ(u.DragListItem(d, id::kReorderList, 1, 3), 0);
    EXPECT_EQ(Rows(d, id::kReorderList), (Names{"p0", "p2", "p3", "p1", "p4"}));
    EXPECT_EQ(d.Item(id::kReorderList)->Selection(), -1);
  }});
  EXPECT_TRUE(untouchedBySelfDrop);
  EXPECT_EQ(Listed(), (Names{"p0", "p2", "p3", "p1", "p4"}));
  EXPECT_DOUBLE_EQ(ContrastOf(3), 2.0) << "the record moved whole";
}

TEST_F(PresetDialogTest, DoubleClickAppliesThePresetToThePalette) {
  WritePresets({"p0", "p1"});
  EditPresets({[&](auto& u, Dialog& d) { EXPECT_EQ(u.DoubleClickListItem(d, id::kList, 1), 0); }});
  EXPECT_DOUBLE_EQ(Record().contrast, 2.0);
  auto* main = dynamic_cast<vx::VELLUMiX4Plugin*>(vx::GlobalPlugin());
  auto* controller = dynamic_cast<vx::PGCtrlr*>(main->mainFields().effectController);
  EXPECT_EQ(controller->view()->Item(vx::ctl::neon::kContrast)->Text(), "200.000") << "the palette shows it";
  EXPECT_TRUE(host.log().alerts().empty());
}

TEST_F(PresetDialogTest, ResizingBelowTheFirstSizeIsRefusedAndLargerSizesStretchTheLists) {
  EditPresets({[&](auto& u, Dialog& d) {
    const platform::ui::Rect first = d.WindowRect();
    const platform::ui::Rect list = d.Item(id::kList)->Bounds(), reorder = d.Item(id::kReorderList)->Bounds();
    const platform::ui::Rect close = d.Item(id::kClose)->Bounds(), box = d.Item(id::kReorder)->Bounds();
    ASSERT_EQ(u.ResizeDialog(d, first.Width() - 50, first.Height() - 40), 0);
    EXPECT_EQ(d.WindowRect(), first);
    EXPECT_EQ(d.Item(id::kList)->Bounds(), list);

    ASSERT_EQ(u.ResizeDialog(d, first.Width() + 60, first.Height() + 30), 0);
    EXPECT_EQ(d.Item(id::kList)->Bounds(), (platform::ui::Rect{list.left, list.top, list.right + 60, list.bottom + 30}));
    EXPECT_EQ(d.Item(id::kReorderList)->Bounds().right, reorder.right + 60);
    EXPECT_EQ(d.Item(id::kClose)->Bounds(), (platform::ui::Rect{close.left, close.top + 30, close.right, close.bottom + 30}));
    EXPECT_EQ(d.Item(id::kReorder)->Bounds().top, box.top + 30);

    ASSERT_EQ(u.ResizeDialog(d, first.Width() + 10, first.Height() - 10), 0);
    EXPECT_EQ(d.WindowRect().Width(), first.Width() + 10);
    EXPECT_EQ(d.WindowRect().Height(), first.Height()) << "each side keeps its minimum";
    EXPECT_EQ(d.Item(id::kClose)->Bounds(), close);
  }});
}

// A second settings folder, as another installation or a backup holds it.
class PresetExchangeDialogTest : public PresetDialogTest {
 protected:
  PresetExchangeDialogTest() { std::filesystem::create_directories(other); }
  std::string other = settingsHome.path() + "/other/";
};

TEST_F(PresetExchangeDialogTest, ImportTakesTheSelectedPresetsOfAnOlderFileInListOrder) {
  WritePresets({"mine"});
  std::string older;
  ASSERT_TRUE(platform::Utf8ToCp932(FileText({"旧形式A", "旧形式B", "c"}, "VELLUMiX4 Preset"), older));
  std::ofstream(other + kNeonFile, std::ios::binary) << older;
  host.user().QueueFolderChoice(other);
  EditPresets({[&](auto& u, Dialog& d) { EXPECT_EQ(u.Click(d, id::kImport), 0); },
               [&](auto& u, Dialog& d) {  // the import dialog
                 EXPECT_EQ(d.Title(), "VELLUMiX4: プリセット・インポート");
                 EXPECT_FALSE(u.GetDesktop().KeyHookActive()) << "the palettes' hook stands still";
                 EXPECT_EQ(Rows(d, id::kImportList), (Names{"旧形式A", "旧形式B", "c"}));
                 EXPECT_EQ(u.Click(d, vx::ctl::kOk), platform::ui::kUiDisabled);
                 u.ClickListItem(d, id::kImportList, 2);
                 u.ClickListItem(d, id::kImportList, 0, kCtrl);
                 EXPECT_EQ(u.Click(d, vx::ctl::kOk), 0);
               },
               [&](auto& u, Dialog& d) {
                 EXPECT_TRUE(u.GetDesktop().KeyHookActive());
                 EXPECT_EQ(Rows(d, id::kList), (Names{"mine", "旧形式A", "c"}));
               }});
  const auto folders = AlertsOf(vxhost::Alert::Kind::kFolder);
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_EQ(folders[0].text, vx::kImportFolderPrompt);
  EXPECT_EQ(folders[0].initial, Folder());
  EXPECT_EQ(Listed(), (Names{"mine", "旧形式A", "c"}));
  EXPECT_DOUBLE_EQ(ContrastOf(2), 3.0);
  EXPECT_EQ(Slurp(Path()).find("VELLUMiX4 Preset File"), 0u) << "the own file keeps its header";
}

TEST_F(PresetExchangeDialogTest, ExportAppendsTheSelectionAndRefusalsAreReported) {
  WritePresets({"p0", "p1", "p2"});
  std::ofstream(other + kNeonFile, std::ios::binary) << FileText({"theirs"});
  host.user().QueueFolderChoice(other);
  host.user().QueueFolderChoice(Folder());     // export into the own file
  host.user().QueueFolderCancel();             // import: cancelled, quiet
  host.user().QueueFolderChoice(Folder());     // import from the own file
  EditPresets({[&](auto& u, Dialog& d) {
    u.ClickListItem(d, id::kList, 2);
    u.ClickListItem(d, id::kList, 0, kCtrl);
    EXPECT_EQ(u.Click(d, id::kExport), 0);
    EXPECT_EQ(u.Click(d, id::kExport), 0);
    EXPECT_EQ(u.Click(d, id::kImport), 0);
    EXPECT_EQ(u.Click(d, id::kImport), 0);
  }});
  EXPECT_EQ(Listed(other + kNeonFile), (Names{"theirs", "p0", "p2"}));
  EXPECT_EQ(Listed(), (Names{"p0", "p1", "p2"}));
  const auto errors = AlertsOf(vxhost::Alert::Kind::kError);
  ASSERT_EQ(errors.size(), 2u) << "the same file twice; the cancelled choice says nothing";
  for (const auto& error : errors) EXPECT_EQ(error.text.rfind("同一ファイル間では", 0), 0u) << error.text;
}

TEST_F(PresetDialogTest, TheDialogTheToolPalettesAndTheCommandLineShareTheFile) {
  ASSERT_EQ(vxtest::RunVellumix4("presets save neon 'from the shell' --set contrast=300").status, 0);
  host.user().QueuePromptAnswer("from the dialog");
  EditPresets({[&](auto& u, Dialog& d) {
    EXPECT_EQ(Rows(d, id::kList), (Names{"from the shell"}));
    u.Click(d, id::kSaveNew);
  }});
  const vxtest::CommandRun list = vxtest::RunVellumix4("presets list neon");
  EXPECT_EQ(list.output, "Default Setting\nLast Setting\n#0\tfrom the shell\n#1\tfrom the dialog\n");

  vxhost::ToolDriver driver{host, plugin};
  ASSERT_TRUE(driver.Choose("ワープツール"));
  vxhost::Panel* tools = host.panels().FindByIdentifier(vx::PanelPrefix(vx::PanelKind::kTool));
  host.user().QueuePromptAnswer("warp one");
  std::string title;
  user.WhenModal([&](auto& u, Dialog& d) {
    title = std::string(d.Title());
    u.Click(d, id::kSaveNew);
  });
  ASSERT_TRUE(host.panels().UserPicksFlyoutItem(*tools, vx::flyout::kEditPresets));
  EXPECT_EQ(title, "VELLUMiX4: ワープツール プリセット");
  EXPECT_EQ(vxtest::RunVellumix4("presets list warp").output, "Default Setting\nLast Setting\n#0\twarp one\n");
  EXPECT_EQ(tools->flyout->items.back().text, "warp one");
}

// Every host call and every file operation of each command failed in turn: the
// file is as it was or completely changed, and a failure the file kept from
// changing is reported.
TEST_F(PresetExchangeDialogTest, FailuresNeverDamageTheFile) {
  std::ofstream(other + kNeonFile, std::ios::binary) << FileText({"a", "b"});
  struct Command {
    const char* name;
    std::function<void()> queueAnswers;
    Step step;
  };
  const auto clickRows = [](auto& u, Dialog& d, int32_t list) {
    u.ClickListItem(d, list, 0);
    u.ClickListItem(d, list, 1, kCtrl);
  };
  const std::vector<Command> commands = {
      {"save", [&] { host.user().QueuePromptAnswer("new"); }, [](auto& u, Dialog& d) { u.Click(d, id::kSaveNew); }},
      {"update", [&] { host.user().QueuePromptAnswer("renamed"); },
       [](auto& u, Dialog& d) { u.ClickListItem(d, id::kList, 1, kAlt); }},
      {"delete", [&] { host.user().QueueConfirmation(true); },
       [&](auto& u, Dialog& d) {
         clickRows(u, d, id::kList);
         u.Click(d, id::kDelete);
       }},
      {"move", [] {},
       [](auto& u, Dialog& d) {
         u.Click(d, id::kReorder);
         u.DragListItem(d, id::kReorderList, 0, 2);
       }},
      {"import", [&] { host.user().QueueFolderChoice(other); }, [](auto& u, Dialog& d) { u.Click(d, id::kImport); }},
  };
  const std::string original = FileText({"p0", "p1", "p2"});
  // Each run starts from the same file and flyout; `arm` sets up the failure.
  const auto run = [&](const Command& command, const std::function<void()>& arm) {
    std::ofstream(Path(), std::ios::binary) << original;
    EXPECT_EQ(vx::FillFlyoutPresetsFromFile(vx::PanelKind::kEffect, Path()), ai::kNoError);
    arm();
    host.user().Clear();
    host.desktop().ClearQueuedActions();
    host.log().Clear();
    command.queueAnswers();
    user.WhenModal(command.step);
    // Import's own dialog takes a second step; elsewhere the step does nothing more.
    user.WhenModal([&](auto& u, Dialog& d) {
      if (d.Item(id::kImportList) == nullptr) return;
      clickRows(u, d, id::kImportList);
      u.Click(d, vx::ctl::kOk);
    });
    host.panels().UserPicksFlyoutItem(*panel, vx::flyout::kEditPresets);
    host.desktop().ClearQueuedActions();
    return Slurp(Path());
  };
  const auto reported = [&] {
    return !host.log().alerts().empty() && host.log().alerts().back().kind != vxhost::Alert::Kind::kPrompt;
  };
  const size_t blocks = host.blocks().LiveCount();
  for (const Command& command : commands) {
    const std::string changed = run(command, [&] { host.faults().Reset(true); });
    ASSERT_NE(changed, original) << command.name;
    const std::vector<std::string> calls = host.faults().recorded();
    for (int64_t k = 1; k <= static_cast<int64_t>(calls.size()); ++k) {
      const std::string& failed = calls[static_cast<size_t>(k - 1)];
      if (failed == "FreeBlock") continue;  // a block the host refuses to free stays counted
      const std::string after = run(command, [&] {
        host.faults().Reset(true);
        host.faults().FailNthCall(k, ai::FourCC("FALT"));
      });
      ASSERT_TRUE(host.faults().fired()) << command.name << ": host call " << k;
      ASSERT_TRUE(after == original || after == changed) << command.name << ": host call " << k;
      EXPECT_EQ(host.blocks().LiveCount(), blocks) << command.name << ": host call " << k << " " << failed;
      if (after == original && failed.find("Alert") == std::string::npos && failed != "DisposeString") {
        EXPECT_TRUE(reported()) << command.name << ": host call " << k << " " << failed;
      }
    }
    host.faults().Reset();
    vxtest::FileFaults files;
    for (int64_t k = 1;; ++k) {
      const std::string after = run(command, [&] {
        files.Reset();
        files.FailNth(k);
      });
      if (!files.fired()) break;
      ASSERT_TRUE(after == original || after == changed) << command.name << ": file operation " << k;
      if (after == original) {
        EXPECT_EQ(host.log().alerts().back().text, vx::kPresetFileErrorMessage) << command.name << ": " << k;
      }
      EXPECT_FALSE(std::filesystem::exists(Path() + "Tm"));
    }
  }
}

}  // namespace
