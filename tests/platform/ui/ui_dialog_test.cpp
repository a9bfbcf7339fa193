#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/ui_driver.h"
#include "support/ui_test_dialog.h"

namespace {

using namespace ui_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class UiDialog : public ::testing::Test {
 protected:
  UiDialog() {
    EXPECT_EQ(dialog.Create(kAllControlsDialog, desktop.HostWindow()), kUiOk);
    dialog.Show(true);
    dialog.Item(kSlider)->SetRange(0, 100);
    dialog.Item(kSlider)->SetPageSize(30);
    desktop.SetHostKeyHandler([this](const KeyEvent& key) { hostKeys.push_back(key.key); });
  }

  Desktop desktop;
  RecordingDialog dialog;
  ScriptedUser user{desktop};
  std::vector<Key> hostKeys;
};

// --- templates and resources -------------------------------------------------------

constexpr ControlTemplate kTwice[] = {
    {5, ControlClass::kButton, "a", 0, 0, 10, 10, 0},
    {5, ControlClass::kButton, "b", 0, 0, 10, 10, 0},
};
constexpr DialogTemplate kDuplicateIds{1, Language::kJapanese, "", 100, 100, kTwice};
constexpr DialogTemplate kEnglishDialog{671, Language::kEnglish, "English", 240, 320, kOkCancel};
constexpr DialogTemplate kJapaneseDialog{645, Language::kJapanese, "このプラグインについて...", 240, 320, kOkCancel};
constexpr ResourceEntry kEntries[] = {
    {ResourceType::kDialog, 645, Language::kJapanese, &kJapaneseDialog, {}},
    {ResourceType::kDialog, 671, Language::kEnglish, &kEnglishDialog, {}},
    {ResourceType::kText, 654, Language::kJapanese, nullptr, "ヘルプ"},
    {ResourceType::kText, 654, Language::kEnglish, nullptr, "help"},
};
constexpr ResourceTable kResources{kEntries};

TEST(UiTemplate, ResourcesAreFoundByTypeIdAndLanguage) {
  EXPECT_EQ(kResources.FindDialog(645, Language::kJapanese), &kJapaneseDialog);
  EXPECT_EQ(kResources.FindDialog(671, Language::kEnglish), &kEnglishDialog);
  EXPECT_EQ(kResources.LoadDialog(645), &kJapaneseDialog);
  EXPECT_EQ(kResources.LoadDialog(671), nullptr) << "English templates are carried, never loaded";
  EXPECT_EQ(kResources.FindData(ResourceType::kText, 654, Language::kJapanese), "ヘルプ");
  EXPECT_EQ(kResources.FindData(ResourceType::kText, 654, Language::kEnglish), "help");
  EXPECT_FALSE(kResources.FindData(ResourceType::kBitmap, 654, Language::kJapanese));
}

TEST(UiTemplate, BadTemplatesAreRefusedAndBuildNothing) {
  Desktop desktop;
  Dialog dialog;
  EXPECT_EQ(dialog.Create(kDuplicateIds, desktop.HostWindow()), kUiBadTemplate);
  EXPECT_FALSE(dialog.IsCreated());
  constexpr DialogTemplate kEmpty{2, Language::kJapanese, "", 0, 100, {}};
  EXPECT_EQ(dialog.RunModal(kEmpty, desktop.HostWindow()), -1);
}

TEST_F(UiDialog, ControlsStartAsTheTemplateSays) {
  EXPECT_EQ(dialog.Item(kField)->Text(), "0");
  EXPECT_EQ(dialog.Item(kCheck)->Text(), "影");
  ASSERT_EQ(dialog.Item(kCombo)->Items().size(), 4u);
  EXPECT_EQ(dialog.Item(kCombo)->Items()[3].text, "手動");
  EXPECT_EQ(dialog.Item(kCombo)->Selection(), -1);
  EXPECT_FALSE(dialog.Item(kLocked)->Enabled());
  EXPECT_FALSE(dialog.Item(kSecret)->Visible());
  EXPECT_EQ(dialog.Item(-1), nullptr) << "labels are not addressable";
  EXPECT_EQ(dialog.Item(kField)->Bounds(), (Rect{80, 8, 140, 26}));
  EXPECT_THAT(dialog.log, IsEmpty());
}

// --- notifications -----------------------------------------------------------------

TEST_F(UiDialog, TypingThenLeavingReportsFocusLostOnce) {
  ASSERT_EQ(user.Type(dialog, kField, "15"), kUiOk);
  ASSERT_EQ(user.Type(dialog, kField, "150"), kUiOk);
  user.ClickHost();
  user.ClickHost();
  EXPECT_THAT(dialog.log, ElementsAre("focus-gained 10", "changed 10", "changed 10", "focus-lost 10"));
  EXPECT_EQ(dialog.Item(kField)->Text(), "150");
  EXPECT_TRUE(desktop.FocusIsInHost());
}

TEST_F(UiDialog, PressingAButtonTakesTheFocusFromTheFieldFirst) {
  ASSERT_EQ(user.Type(dialog, kField, "7"), kUiOk);
  dialog.Clear();
  ASSERT_EQ(user.Click(dialog, kApply), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("focus-lost 10", "clicked 20"));
}

TEST_F(UiDialog, CheckBoxesToggleAndRadioButtonsKeepOneOfTheirGroup) {
  user.Click(dialog, kCheck);
  EXPECT_EQ(dialog.Item(kCheck)->Check(), 1);
  user.Click(dialog, kCheck);
  EXPECT_EQ(dialog.Item(kCheck)->Check(), 0);

  user.Click(dialog, kOutside);
  user.Click(dialog, kInside);
  EXPECT_EQ(dialog.Item(kOutside)->Check(), 0);
  EXPECT_EQ(dialog.Item(kInside)->Check(), 1);
  EXPECT_EQ(dialog.Item(kCheck)->Check(), 0) << "the check box is outside the radio group";
  EXPECT_THAT(dialog.log, ElementsAre("clicked 13", "clicked 13", "clicked 14", "clicked 15"));
}

TEST_F(UiDialog, SpinSendsOneDeltaPerStepAndKeepsTheRange) {
  dialog.Item(kSpin)->SetRange(0, 2);
  dialog.Item(kSpin)->SetPosition(1);
  ASSERT_EQ(user.Spin(dialog, kSpin, 3), kUiOk);
  ASSERT_EQ(user.Spin(dialog, kSpin, -1), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("spin 11 1 at 1", "spin 11 1 at 2", "spin 11 1 at 2", "spin 11 -1 at 2"));
  EXPECT_EQ(dialog.Item(kSpin)->Position(), 1);
  EXPECT_TRUE(desktop.FocusIsInHost()) << "spin arrows do not take the focus";
}

TEST_F(UiDialog, SliderPagesStopAtTheRangeEnds) {
  dialog.Item(kSlider)->SetPosition(80);
  ASSERT_EQ(user.PageSlider(dialog, kSlider, 2), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("hscroll 12 page-down 100", "hscroll 12 end 100", "hscroll 12 page-down 100",
                                      "hscroll 12 end 100"));
  dialog.Clear();
  dialog.Item(kSlider)->SetPosition(10);
  ASSERT_EQ(user.PageSlider(dialog, kSlider, -1), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("hscroll 12 page-up 0", "hscroll 12 end 0"));
}

TEST_F(UiDialog, SliderDragsTrackEachPositionThenReleaseAtTheLast) {
  ASSERT_EQ(user.DragSlider(dialog, kSlider, {30, 500}), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("hscroll 12 thumb-track 30", "hscroll 12 thumb-track 100",
                                      "hscroll 12 thumb-position 100", "hscroll 12 end 100"));
  dialog.Clear();
  dialog.Item(kLevel)->SetRange(0, 10);
  ASSERT_EQ(user.DragSlider(dialog, kLevel, 4), kUiOk);
  EXPECT_EQ(dialog.log.front(), "vscroll 24 thumb-track 4") << "vertical sliders report to the vertical handler";
}

TEST_F(UiDialog, ComboPicksByIndexOrTextAndRefusesMissingItems) {
  ASSERT_EQ(user.PickItem(dialog, kCombo, std::string_view("手動")), kUiOk);
  EXPECT_EQ(dialog.Item(kCombo)->Selection(), 3);
  EXPECT_EQ(dialog.Item(kCombo)->Text(), "手動");
  EXPECT_EQ(user.PickItem(dialog, kCombo, 4), kUiBadItem);
  EXPECT_EQ(user.PickItem(dialog, kCombo, std::string_view("なし")), kUiBadItem);
  dialog.Item(kImageCombo)->AddItem("円", 821);
  ASSERT_EQ(user.PickItem(dialog, kImageCombo, 0), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("selection 16", "selection 17"));
}

TEST_F(UiDialog, MultipleSelectionListsFollowCtrlAndShift) {
  Control& list = *dialog.Item(kList);
  user.ClickListItem(dialog, kList, 1);
  user.ClickListItem(dialog, kList, 3, kCtrl);
  EXPECT_EQ(list.SelectedItems(), (std::vector<int32_t>{1, 3}));
  user.ClickListItem(dialog, kList, 1, kCtrl);
  EXPECT_EQ(list.SelectedItems(), (std::vector<int32_t>{3}));
  user.ClickListItem(dialog, kList, 0, kShift);
  EXPECT_EQ(list.SelectedItems(), (std::vector<int32_t>{0, 1}))
      << "Shift extends from the anchor (the last Ctrl-clicked row, 1)";
  user.ClickListItem(dialog, kList, 4);
  EXPECT_EQ(list.SelectedItems(), (std::vector<int32_t>{4}));
  EXPECT_EQ(dialog.log.size(), 5u);
}

TEST_F(UiDialog, DoubleClickSelectsThenReportsTheDoubleClick) {
  ASSERT_EQ(user.DoubleClickListItem(dialog, kDragList, 2), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("selection 19", "double-click 19"));
  EXPECT_EQ(dialog.Item(kDragList)->Selection(), 2);
}

TEST_F(UiDialog, DraggingARowMovesItBeforeTheDropIsReported) {
  ASSERT_EQ(user.DragListItem(dialog, kDragList, 0, 2), kUiOk);
  EXPECT_THAT(dialog.log, ElementsAre("drag 0", "drop 0->2"));
  const auto& items = dialog.Item(kDragList)->Items();
  EXPECT_EQ(items[0].text, "two");
  EXPECT_EQ(items[2].text, "one");
  EXPECT_EQ(dialog.Item(kDragList)->Selection(), 2);
  EXPECT_EQ(user.DragListItem(dialog, kList, 0, 1), kUiWrongClass) << "only drag list boxes drag rows";
}

TEST_F(UiDialog, UnreachableControlsRefuseTheUserAndStayQuiet) {
  EXPECT_EQ(user.Type(dialog, kLocked, "1"), kUiDisabled);
  EXPECT_EQ(user.Type(dialog, kSecret, "1"), kUiHidden);
  EXPECT_EQ(user.Click(dialog, 999), kUiNoSuchControl);
  EXPECT_EQ(user.Click(dialog, kField), kUiWrongClass);
  EXPECT_EQ(user.Spin(dialog, kSlider, 1), kUiWrongClass);
  dialog.Show(false);
  EXPECT_EQ(user.Click(dialog, kApply), kUiHidden);
  dialog.Show(true);
  dialog.Enable(false);
  EXPECT_EQ(user.Click(dialog, kApply), kUiDisabled);
  EXPECT_THAT(dialog.log, IsEmpty());
  EXPECT_TRUE(desktop.FocusIsInHost());
}

TEST_F(UiDialog, ModifiersAreDownOnlyDuringTheirAction) {
  struct AltWatcher : RecordingDialog {
    bool altSeen = false;
    void OnCommand(int32_t id, Notify code) override { altSeen = GetDesktop().IsDown(kAlt); }
  } watcher;
  ASSERT_EQ(watcher.Create(kAllControlsDialog, desktop.HostWindow()), kUiOk);
  watcher.Show(true);
  user.ClickListItem(watcher, kDragList, 1, kAlt);
  EXPECT_TRUE(watcher.altSeen);
  EXPECT_FALSE(desktop.IsDown(kAlt));
  user.ClickListItem(watcher, kDragList, 0);
  EXPECT_FALSE(watcher.altSeen);
}

TEST_F(UiDialog, DestroyingTheDialogReturnsTheFocusToTheHost) {
  user.Type(dialog, kField, "3");
  dialog.Destroy();
  EXPECT_TRUE(desktop.FocusIsInHost());
  EXPECT_EQ(desktop.DialogOwning(desktop.Focus()), nullptr);
  EXPECT_EQ(user.Click(dialog, kApply), kUiNotCreated);
}

// --- keyboard routing --------------------------------------------------------------

TEST_F(UiDialog, EnterThroughTheHookCommitsTheFieldAndReturnsFocusToTheHost) {
  dialog.paletteKeys = true;
  desktop.InstallKeyHook();
  user.Type(dialog, kField, "42");
  dialog.Clear();
  EXPECT_EQ(user.PressKey(Key::kEnter), KeyOutcome::kConsumedByHook);
  EXPECT_THAT(dialog.log, ElementsAre("focus-lost 10"));
  EXPECT_TRUE(desktop.FocusIsInHost());
  EXPECT_THAT(hostKeys, IsEmpty()) << "a consumed key is blanked for the host";
}

TEST_F(UiDialog, EscapeThroughTheHookDoesNothing) {
  dialog.paletteKeys = true;
  desktop.InstallKeyHook();
  user.Type(dialog, kField, "42");
  dialog.Clear();
  EXPECT_EQ(user.PressKey(Key::kEscape), KeyOutcome::kConsumedByHook);
  EXPECT_THAT(dialog.log, IsEmpty());
  EXPECT_EQ(dialog.FocusedItem(), kField);
  EXPECT_TRUE(dialog.IsCreated());
  EXPECT_THAT(hostKeys, IsEmpty());
}

TEST_F(UiDialog, WithoutTheHookOrOutsideDialogsKeysReachTheHost) {
  dialog.paletteKeys = true;
  user.Type(dialog, kField, "42");
  EXPECT_EQ(user.PressKey(Key::kEnter), KeyOutcome::kPassedToHost);
  EXPECT_EQ(dialog.keysOffered, 0);
  desktop.InstallKeyHook();
  user.ClickHost();
  EXPECT_EQ(user.PressKey(Key::kEnter), KeyOutcome::kPassedToHost);
  EXPECT_EQ(dialog.keysOffered, 0) << "the focus is in the host's window, not in the dialog";
  EXPECT_THAT(hostKeys, ElementsAre(Key::kEnter, Key::kEnter));
}

TEST_F(UiDialog, TabWalksTheEnabledVisibleTabStops) {
  desktop.InstallKeyHook();
  dialog.FocusItem(kDragList);
  user.PressKey(Key::kTab);
  EXPECT_EQ(dialog.FocusedItem(), kApply);
  user.PressKey(Key::kTab);
  EXPECT_EQ(dialog.FocusedItem(), kLevel) << "the disabled field is skipped";
  user.PressKey(Key::kTab);
  EXPECT_EQ(dialog.FocusedItem(), kField) << "the hidden field is skipped and the walk wraps";
  user.PressKey(Key::kTab, kShift);
  EXPECT_EQ(dialog.FocusedItem(), kLevel);
}

TEST_F(UiDialog, KeysMoveAFocusedSliderWithTheirScrollCodes) {
  desktop.InstallKeyHook();
  dialog.Item(kSlider)->SetPosition(50);
  dialog.FocusItem(kSlider);
  user.PressKey(Key::kRight);
  user.PressKey(Key::kPageUp);
  user.PressKey(Key::kEnd);
  EXPECT_THAT(dialog.log, ElementsAre("hscroll 12 line-down 51", "hscroll 12 end 51", "hscroll 12 page-up 21",
                                      "hscroll 12 end 21", "hscroll 12 bottom 100", "hscroll 12 end 100"));
}

// --- modal dialogs -----------------------------------------------------------------

TEST_F(UiDialog, AModalDialogWithNothingQueuedIsCancelled) {
  RecordingDialog modal;
  EXPECT_EQ(modal.RunModal(kModalDialog, desktop.HostWindow()), kIdCancel);
  EXPECT_THAT(modal.log, ElementsAre("focus-gained 10", "clicked 2"));
  EXPECT_FALSE(modal.IsCreated());
  EXPECT_TRUE(desktop.ModalStack().empty());
}

TEST_F(UiDialog, QueuedActionsDriveTheModalDialogAndBlockThePalette) {
  std::string seen;
  int32_t paletteClick = kUiOk;
  user.WhenModal([&](ScriptedUser& u, Dialog& d) {
    EXPECT_EQ(d.FocusedItem(), kField) << "the first tab stop has the focus";
    u.Type(d, kField, "名前");
    paletteClick = u.Click(dialog, kApply);
  });
  user.WhenModal([&](ScriptedUser& u, Dialog& d) {
    seen = d.Item(kField)->Text();
    u.Click(d, kIdOk);
  });
  RecordingDialog modal;
  EXPECT_EQ(modal.RunModal(kModalDialog, desktop.HostWindow()), kIdOk);
  EXPECT_EQ(seen, "名前");
  EXPECT_EQ(paletteClick, kUiBlockedByModal);
  EXPECT_THAT(modal.log, ElementsAre("focus-gained 10", "changed 10", "focus-lost 10", "clicked 1"));
  EXPECT_TRUE(desktop.FocusIsInHost());
  EXPECT_FALSE(desktop.HasQueuedActions());
}

TEST_F(UiDialog, ANestedModalDialogTakesTheActionsQueuedAfterIt) {
  int32_t inner = 0;
  user.WhenModal([&](ScriptedUser&, Dialog&) {
    RecordingDialog nested;
    inner = nested.RunModal(kModalDialog, desktop.HostWindow());
  });
  user.WhenModal([](ScriptedUser& u, Dialog& d) { u.Click(d, kIdOk); });  // taken by the nested dialog
  RecordingDialog outer;
  EXPECT_EQ(outer.RunModal(kModalDialog, desktop.HostWindow()), kIdCancel);
  EXPECT_EQ(inner, kIdOk);
}

TEST_F(UiDialog, EnterAndEscapeInAModalDialogPressItsButtons) {
  user.WhenModal([](ScriptedUser& u, Dialog& d) { u.PressKey(Key::kEnter); });
  RecordingDialog modal;
  EXPECT_EQ(modal.RunModal(kModalDialog, desktop.HostWindow()), kIdOk);

  struct OkDisabled : RecordingDialog {
    bool OnInitDialog() override {
      Item(kIdOk)->Enable(false);
      return true;
    }
  } guarded;
  KeyOutcome enter{}, escape{};
  user.WhenModal([&](ScriptedUser& u, Dialog&) { enter = u.PressKey(Key::kEnter); });
  user.WhenModal([&](ScriptedUser& u, Dialog&) { escape = u.PressKey(Key::kEscape); });
  EXPECT_EQ(guarded.RunModal(kModalDialog, desktop.HostWindow()), kIdCancel);
  EXPECT_EQ(enter, KeyOutcome::kConsumedByModal);
  EXPECT_EQ(escape, KeyOutcome::kConsumedByModal);
  EXPECT_THAT(guarded.log, ElementsAre("focus-gained 10", "clicked 2")) << "Enter does not press a disabled OK";
  EXPECT_THAT(hostKeys, IsEmpty());
}

TEST_F(UiDialog, TheHookStandsStillWhileSuspendedForAModalDialog) {
  desktop.InstallKeyHook();
  RecordingDialog modal;
  KeyOutcome withHook{}, suspended{};
  user.WhenModal([&](ScriptedUser& u, Dialog&) { withHook = u.PressKey(Key::kTab); });
  modal.RunModal(kModalDialog, desktop.HostWindow());
  EXPECT_EQ(withHook, KeyOutcome::kConsumedByHook);

  user.WhenModal([&](ScriptedUser& u, Dialog&) {
    EXPECT_FALSE(u.GetDesktop().KeyHookActive());
    suspended = u.PressKey(Key::kTab);
  });
  {
    KeyHookSuspension quiet(desktop);
    modal.RunModal(kModalDialog, desktop.HostWindow());
  }
  EXPECT_EQ(suspended, KeyOutcome::kConsumedByModal);
  EXPECT_TRUE(desktop.KeyHookActive());
}

struct PlacedDialog : Dialog {
  Point saved;
  Rect placed;
  bool OnInitDialog() override {
    PlaceOrCentre(saved);
    placed = WindowRect();
    return true;
  }
};

TEST_F(UiDialog, AModalDialogOffTheScreenOpensCentred) {
  PlacedDialog d;
  d.saved = {100, 120};
  d.RunModal(kModalDialog, desktop.HostWindow());
  EXPECT_EQ(d.placed, (Rect{100, 120, 400, 320}));
  d.saved = {1800, 100};  // would reach past the right edge
  d.RunModal(kModalDialog, desktop.HostWindow());
  EXPECT_EQ(d.placed, (Rect{810, 440, 1110, 640}));
  d.saved = {-1, -1};  // nothing saved
  d.RunModal(kModalDialog, desktop.HostWindow());
  EXPECT_EQ(d.placed, (Rect{810, 440, 1110, 640}));
}

}  // namespace
