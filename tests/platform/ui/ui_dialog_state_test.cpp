#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/ui/dialog_state.h"
#include "platform/ui/ui_driver.h"
#include "support/ui_test_dialog.h"

namespace {

using namespace ui_test;
using nlohmann::json;

// Paints a disc with a knob at the position and reports mouse drags as thumb tracking,
// as the palettes' own controls do.
class KnobBehavior : public ControlBehavior {
 public:
  void Paint(const Control& c, DisplayList& out) const override {
    out.Ellipse({0, 0, 40, 40}, 0xCBCBCB, 2, 0xF0F0F0);
    out.Ellipse({c.Position(), 0, c.Position() + 4, 4}, 0, 0, 0xCBCBCB);
  }
  void OnMouseMove(Dialog& dialog, Control& c, Point at) override {
    c.SetPosition(at.x);
    dialog.Dispatch({.id = c.Id(), .code = Notify::kScroll, .scroll = ScrollCode::kThumbTrack, .position = at.x});
  }
};

class UiDialogState : public ::testing::Test {
 protected:
  UiDialogState() {
    EXPECT_EQ(source.Create(kAllControlsDialog, desktop.HostWindow()), kUiOk);
    EXPECT_EQ(copy.Create(kAllControlsDialog, desktop.HostWindow()), kUiOk);
    source.Show(true);
  }

  // Puts every control class into a state different from the template's.
  void Drive() {
    user.TypeAndLeave(source, kField, "12.500");
    source.Item(kSpin)->SetRange(-10, 10);
    user.Spin(source, kSpin, -3);
    source.Item(kSlider)->SetRange(-100, 100);
    source.Item(kSlider)->SetPageSize(5);
    user.DragSlider(source, kSlider, -37);
    user.Click(source, kCheck);
    user.Click(source, kInside);
    user.PickItem(source, kCombo, 2);
    source.Item(kImageCombo)->AddItem("円", 821);
    source.Item(kImageCombo)->AddItem("四角", 822);
    user.PickItem(source, kImageCombo, 1);
    user.ClickListItem(source, kList, 1);
    user.ClickListItem(source, kList, 3, kCtrl);
    user.DragListItem(source, kDragList, 2, 0);
    source.Item(kApply)->SetPressed(true);
    source.Item(kImageButton)->SetImage(831);
    source.Item(kPicture)->SetImage(690);
    source.Item(kLocked)->Enable(true);
    source.Item(kSecret)->Show(true);
    source.Item(kLevel)->SetLineSize(2);
    source.SetTitle("VELLUMiX4: Live ボーダー");
    source.MoveTo({300, 200});
    user.ClickHost();
  }

  Desktop desktop;
  RecordingDialog source, copy;
  ScriptedUser user{desktop};
};

TEST_F(UiDialogState, EveryControlClassRoundTrips) {
  Drive();
  const std::string dumped = DialogStateJson(source);
  ASSERT_NE(dumped, DialogStateJson(copy));
  ASSERT_EQ(RestoreDialogState(copy, dumped), kUiOk);
  EXPECT_EQ(DialogStateJson(copy), dumped);
  EXPECT_TRUE(copy.log.empty()) << "restoring state does not notify";
  EXPECT_EQ(copy.Item(kList)->SelectedItems(), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(copy.Item(kDragList)->Items()[0].text, "three");
  EXPECT_EQ(copy.Item(kSlider)->Position(), -37);
}

TEST_F(UiDialogState, TheDumpNamesEachControlsOwnState) {
  Drive();
  user.Type(source, kField, "1");
  const json state = json::parse(DialogStateJson(source));
  EXPECT_EQ(state["title"], "VELLUMiX4: Live ボーダー");
  EXPECT_EQ(state["rect"], json::array({300, 200, 240, 320}));
  const json& controls = state["controls"];
  ASSERT_EQ(controls.size(), std::size(kAllControls));
  EXPECT_EQ(controls[0]["class"], "edit");
  EXPECT_EQ(controls[0]["text"], "1");
  EXPECT_EQ(controls[0]["focused"], true);
  EXPECT_EQ(controls[1]["position"], -3);
  EXPECT_EQ(controls[2]["range"], json::array({-100, 100}));
  EXPECT_EQ(controls[2]["page"], 5);
  EXPECT_EQ(controls[5]["check"], 1);
  EXPECT_EQ(controls[7]["items"][1], json({{"text", "四角"}, {"image", 822}}));
  EXPECT_EQ(controls[8]["selected"], json::array({1, 3}));
  EXPECT_EQ(controls[12]["text"], "ステップ:");
  EXPECT_FALSE(controls[0].contains("items"));
  EXPECT_FALSE(controls[2].contains("text"));
}

TEST_F(UiDialogState, StatesThatDoNotFitAreRefusedWithoutThrowing) {
  const std::string good = DialogStateJson(source);
  EXPECT_EQ(RestoreDialogState(copy, "{not json"), kUiBadState);
  EXPECT_EQ(RestoreDialogState(copy, "[]"), kUiBadState);
  json other = json::parse(good);
  other["controls"][0]["class"] = "slider";
  EXPECT_EQ(RestoreDialogState(copy, other.dump()), kUiBadState);
  other = json::parse(good);
  other["controls"].erase(0);
  EXPECT_EQ(RestoreDialogState(copy, other.dump()), kUiBadState);
  other = json::parse(good);
  other["controls"][6]["selection"] = 9;
  EXPECT_EQ(RestoreDialogState(copy, other.dump()), kUiBadState);
  other = json::parse(good);
  other["controls"][2]["position"] = "high";
  EXPECT_EQ(RestoreDialogState(copy, other.dump()), kUiBadState);
  Dialog never;
  EXPECT_EQ(RestoreDialogState(never, good), kUiNotCreated);
}

TEST_F(UiDialogState, CustomControlsPaintIntoTheDumpAndReportMouseDrags) {
  source.Item(kSlider)->SetBehavior(std::make_unique<KnobBehavior>());
  const Point path[] = {{5, 5}, {12, 5}, {20, 5}};
  ASSERT_EQ(user.MouseDrag(source, kSlider, path), kUiOk);
  EXPECT_EQ(source.log, (std::vector<std::string>{"hscroll 12 thumb-track 12", "hscroll 12 thumb-track 20"}));
  const DisplayList painted = source.Item(kSlider)->Paint();
  ASSERT_EQ(painted.ops.size(), 2u);
  EXPECT_EQ(painted.ops[1].box, (Rect{20, 0, 24, 4}));
  const json display = json::parse(DialogStateJson(source))["controls"][2]["display"];
  EXPECT_EQ(display[0], json({{"op", "ellipse"}, {"box", {0, 0, 40, 40}}, {"pen", {{"colour", 0xCBCBCB}, {"width", 2}}},
                              {"fill", 0xF0F0F0}}));
  EXPECT_EQ(user.MouseDrag(source, kField, path), kUiWrongClass) << "plain controls have no mouse behaviour";
}

TEST_F(UiDialogState, TheDesktopDumpListsDialogsHookAndModalStack) {
  desktop.InstallKeyHook();
  std::string during;
  user.WhenModal([&](ScriptedUser& u, Dialog&) { during = DesktopStateJson(u.GetDesktop()); });
  RecordingDialog modal;
  modal.RunModal(kModalDialog, desktop.HostWindow());
  const json state = json::parse(during);
  EXPECT_EQ(state["modal"], json::array({901}));
  EXPECT_EQ(state["dialogs"].size(), 3u);
  EXPECT_EQ(state["keyHook"]["uses"], 1);
  EXPECT_EQ(state["screen"], json::array({0, 0, 1920, 1080}));
  EXPECT_EQ(json::parse(DesktopStateJson(desktop))["dialogs"].size(), 2u);
}

}  // namespace
