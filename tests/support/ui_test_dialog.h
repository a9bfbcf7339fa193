// A dialog for the toolkit's tests: built from a template holding one control of
// every class, it records each notification it receives as a line of text, and can
// route Enter and Escape the way the palettes do.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/desktop.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"

namespace ui_test {

using namespace platform::ui;

enum Ids : int32_t {
  kField = 10, kSpin = 11, kSlider = 12, kCheck = 13, kOutside = 14, kInside = 15, kCombo = 16,
  kImageCombo = 17, kList = 18, kDragList = 19, kApply = 20, kImageButton = 21, kPicture = 22,
  kLocked = 23, kLevel = 24, kSecret = 25,
};

inline constexpr ControlTemplate kAllControls[] = {
    {kField, ControlClass::kEdit, "0", 80, 8, 60, 18, kTabStop | kGroup},
    {kSpin, ControlClass::kUpDown, "", 140, 8, 12, 18, 0},
    {kSlider, ControlClass::kSlider, "", 8, 30, 150, 20, kTabStop},
    {kCheck, ControlClass::kCheckBox, "影", 8, 54, 80, 16, kTabStop},
    {kOutside, ControlClass::kRadioButton, "外側", 8, 74, 60, 16, kTabStop | kGroup},
    {kInside, ControlClass::kRadioButton, "内側", 72, 74, 60, 16, 0},
    {kCombo, ControlClass::kComboBox, "高\n中\n低\n手動", 8, 94, 120, 100, kTabStop | kGroup},
    {kImageCombo, ControlClass::kImageComboBox, "", 8, 118, 120, 100, kTabStop},
    {kList, ControlClass::kListBox, "p\nq\nr\ns\nt", 8, 142, 120, 80, kTabStop | kMultiSelect},
    {kDragList, ControlClass::kDragListBox, "one\ntwo\nthree", 130, 142, 100, 80, kTabStop},
    {kApply, ControlClass::kButton, "適用", 8, 230, 60, 22, kTabStop},
    {kImageButton, ControlClass::kImageButton, "", 72, 230, 32, 32, 0},
    {-1, ControlClass::kStatic, "ステップ:", 8, 262, 60, 16, 0},
    {-1, ControlClass::kGroupBox, "影", 4, 50, 230, 60, 0},
    {kPicture, ControlClass::kPicture, "", 110, 230, 40, 40, 0},
    {kLocked, ControlClass::kEdit, "", 8, 280, 60, 18, kTabStop | kDisabled},
    {kLevel, ControlClass::kSlider, "", 200, 8, 20, 120, kTabStop | kVertical},
    {kSecret, ControlClass::kEdit, "", 8, 300, 60, 18, kTabStop | kHidden},
};

inline constexpr DialogTemplate kAllControlsDialog{900, Language::kJapanese, "テスト", 240, 320, kAllControls};

inline constexpr ControlTemplate kOkCancel[] = {
    {kField, ControlClass::kEdit, "", 8, 8, 60, 18, kTabStop},
    {kIdOk, ControlClass::kButton, "OK", 8, 40, 60, 22, kTabStop | kDefaultButton},
    {kIdCancel, ControlClass::kButton, "キャンセル", 72, 40, 60, 22, kTabStop},
};
inline constexpr DialogTemplate kModalDialog{901, Language::kJapanese, "モーダル", 300, 200, kOkCancel};

class RecordingDialog : public Dialog {
 public:
  std::vector<std::string> log;
  bool paletteKeys = false;  // Enter gives the focus to the host, Escape is swallowed
  int keysOffered = 0;

  void Clear() { log.clear(); }

 protected:
  void OnCommand(int32_t id, Notify code) override {
    static const char* const kNames[] = {"clicked", "focus-gained", "focus-lost", "changed", "selection", "double-click"};
    log.push_back(std::string(kNames[static_cast<int>(code)]) + " " + std::to_string(id));
    Dialog::OnCommand(id, code);
  }
  bool OnNotify(const Notification& n) override {
    if (n.code == Notify::kSpinDelta)
      log.push_back("spin " + std::to_string(n.id) + " " + std::to_string(n.delta) + " at " + std::to_string(n.position));
    else if (n.code == Notify::kDragBegin)
      log.push_back("drag " + std::to_string(n.item));
    else
      log.push_back("drop " + std::to_string(n.item) + "->" + std::to_string(n.item2));
    return true;
  }
  void OnHScroll(int32_t id, ScrollCode code, int32_t position) override { Scroll("h", id, code, position); }
  void OnVScroll(int32_t id, ScrollCode code, int32_t position) override { Scroll("v", id, code, position); }
  bool PreTranslateKey(const KeyEvent& key) override {
    ++keysOffered;
    if (paletteKeys && key.key == Key::kEnter) {
      GetDesktop().SetFocus(GetDesktop().HostWindow());
      return true;
    }
    if (paletteKeys && key.key == Key::kEscape) return true;
    return Dialog::PreTranslateKey(key);
  }

 private:
  void Scroll(const char* axis, int32_t id, ScrollCode code, int32_t position) {
    static const char* const kCodes[] = {"line-up", "line-down", "page-up", "page-down", "thumb-position",
                                         "thumb-track", "top", "bottom", "end"};
    log.push_back(std::string(axis) + "scroll " + std::to_string(id) + " " + kCodes[static_cast<int>(code)] + " " +
                  std::to_string(position));
  }
};

}  // namespace ui_test
