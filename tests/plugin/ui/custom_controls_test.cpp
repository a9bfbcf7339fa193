// The palettes' own controls: the dial and the colour swatch, painted into a
// display list and driven with the mouse through the dialog toolkit.
#include <gtest/gtest.h>

#include "platform/ui/ui_driver.h"
#include "support/ui_test_dialog.h"
#include "ui/controls/circular_slider.h"
#include "ui/controls/color_image_view.h"
#include "ui/controls/drag_list_box.h"

namespace {

using namespace ui_test;

constexpr ControlTemplate kDials[] = {
    {30, ControlClass::kSlider, "", 10, 10, 60, 40, 0},
    {31, ControlClass::kSlider, "", 10, 60, 24, 24, 0},
    {32, ControlClass::kPicture, "", 10, 90, 40, 30, 0},
};
constexpr DialogTemplate kDialDialog{902, Language::kJapanese, "ダイヤル", 200, 200, kDials};

class CustomControls : public ::testing::Test {
 protected:
  CustomControls() {
    EXPECT_EQ(dialog.Create(kDialDialog, desktop.HostWindow()), kUiOk);
    dialog.Show(true);
    auto dial = std::make_unique<vx::KDLCircularSliderCtrl>(*dialog.Item(30));
    slider = dial.get();
    dialog.Item(30)->SetBehavior(std::move(dial));
  }

  int32_t Click(Point at) {
    const Point points[] = {at};
    EXPECT_EQ(user.MouseDrag(dialog, 30, points), kUiOk);
    return dialog.Item(30)->Position();
  }

  Desktop desktop;
  RecordingDialog dialog;
  ScriptedUser user{desktop};
  vx::KDLCircularSliderCtrl* slider = nullptr;
};

TEST_F(CustomControls, DialSizesFollowTheSmallerSide) {
  EXPECT_EQ(slider->radius(), 20) << "a 60 x 40 dial is a circle of diameter 40";
  EXPECT_EQ(slider->GetKnobRadius(), 3);
  vx::KDLCircularSliderCtrl small(*dialog.Item(31));
  EXPECT_EQ(small.GetKnobRadius(), 2);
  EXPECT_EQ(dialog.Item(30)->Maximum(), 359);
  EXPECT_EQ(dialog.Item(30)->PageSize(), 10);
}

TEST_F(CustomControls, ClicksAroundTheCentreGiveCompassAngles) {
  EXPECT_EQ(Click({20, 5}), 0) << "above";
  EXPECT_EQ(Click({35, 20}), 90) << "right";
  EXPECT_EQ(Click({20, 35}), 180) << "below";
  slider->SetReversed(true);
  EXPECT_EQ(Click({35, 20}), 270) << "right, reversed";
}

TEST_F(CustomControls, ADragReportsTrackingThenTheFinalPosition) {
  dialog.Clear();
  const Point drag[] = {{35, 20}, {20, 35}, {20, 35}};
  ASSERT_EQ(user.MouseDrag(dialog, 30, drag), kUiOk);
  ASSERT_GE(dialog.log.size(), 3u);
  EXPECT_EQ(dialog.log.front(), "hscroll 30 thumb-track 90");
  EXPECT_EQ(dialog.log.back(), "hscroll 30 thumb-position 180");

  dialog.Clear();
  const Point still[] = {{20, 35}};
  ASSERT_EQ(user.MouseDrag(dialog, 30, still), kUiOk);
  EXPECT_TRUE(dialog.log.empty()) << "no change, no notification";
}

TEST_F(CustomControls, TheDialPaintsItsFaceAndKnob) {
  dialog.Item(30)->SetPosition(90);
  const DisplayList painted = dialog.Item(30)->Paint();
  ASSERT_EQ(painted.ops.size(), 3u);
  EXPECT_EQ(painted.ops[0].box, (Rect{0, 0, 40, 40}));
  EXPECT_EQ(painted.ops[0].fill, 0xF0F0F0u);
  EXPECT_EQ(painted.ops[1].pen, 0x404040u);
  // Knob at 90 degrees: to the right of the centre by r - k - 3 = 14.
  EXPECT_EQ(painted.ops[2].box, (Rect{34 - 3 + 1, 20 - 3 + 1, 34 + 3 + 1, 20 + 3 + 1}));
  slider->EnableControl(*dialog.Item(30), false);
  EXPECT_EQ(dialog.Item(30)->Paint().ops[1].pen, 0xC0C0C0u);
}

TEST_F(CustomControls, ADisabledBlackSwatchPaintsGrey) {
  vx::KDLColorImageView swatch;
  swatch.SetColor(0x000000);
  swatch.EnableControl(*dialog.Item(32), false);
  DisplayList painted;
  swatch.Paint(*dialog.Item(32), painted);
  ASSERT_EQ(painted.ops.size(), 2u);
  EXPECT_EQ(painted.ops[0].fill, 0xAAAAAAu);
  EXPECT_EQ(painted.ops[1].pen, 0xAAAAAAu);
  EXPECT_EQ(vx::KDLColorImageView::Lightened(0xFF8000), 0xFFD4AAu) << "each channel two thirds to white";
  swatch.SetInnerBox(true);
  swatch.EnableControl(*dialog.Item(32), true);
  painted.ops.clear();
  swatch.Paint(*dialog.Item(32), painted);
  ASSERT_EQ(painted.ops.size(), 4u);
  EXPECT_EQ(painted.ops[2].box, (Rect{9, 9, 31, 21}));
  EXPECT_EQ(painted.ops[2].fill, 0xFFFFFFu);
}

}  // namespace

namespace {

// A dialog that hands drag list notifications to the list's own behaviour and
// records what the list tells it after a drop.
class ReorderDialog : public ui_test::Dialog {
 public:
  vx::CKDLDragListBox rows;
  std::vector<std::pair<int32_t, int32_t>> moves;

 protected:
  bool OnNotify(const ui_test::Notification& n) override {
    ui_test::Control* list = Item(ui_test::kDragList);
    return list != nullptr && rows.OnNotify(*this, *list, n);
  }
  void OnUserMessage(uint32_t message, intptr_t, intptr_t lparam) override {
    if (message != vx::kDragListMoved) return;
    const auto* moved = reinterpret_cast<const vx::DragRows*>(lparam);
    moves.emplace_back(moved->start, moved->end);
  }
};

TEST(DragListBox, ADropTellsTheDialogTheStartAndEndRows) {
  ui_test::Desktop desktop;
  ReorderDialog dialog;
  ASSERT_EQ(dialog.Create(ui_test::kAllControlsDialog, desktop.HostWindow()), ui_test::kUiOk);
  dialog.Show(true);
  ui_test::ScriptedUser user(desktop);
  ASSERT_EQ(user.DragListItem(dialog, ui_test::kDragList, 0, 2), ui_test::kUiOk);
  ASSERT_EQ(dialog.moves.size(), 1u);
  EXPECT_EQ(dialog.moves[0], std::make_pair(0, 2));
  EXPECT_EQ(dialog.Item(ui_test::kDragList)->Items()[2].text, "one");
  EXPECT_EQ(vx::kDragListMoved, 1124u);
}

}  // namespace
