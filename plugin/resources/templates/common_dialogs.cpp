// The dialogs every part of the plug-in shares: the about box, the preset
// dialog with its import dialog, and the help palette.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

using platform::ui::kDefaultButton;
using platform::ui::kMultiLine;
using platform::ui::kMultiSelect;
using platform::ui::kReadOnly;

constexpr auto kAboutSheet = [] {
  Sheet<3> s(220);
  s.Put(-1, ControlClass::kStatic, Same("VELLUMiX4"), 8, 14, 204, 20);
  s.Put(-1, ControlClass::kStatic, {"ベクター効果プラグイン", "Vector effects plug-in"}, 8, 38, 204, 16);
  s.Down(62).Button(Same("OK"), ctl::kOk, 74, 72);
  return s;
}();
constexpr auto kAboutJa = Localize<kAboutSheet.Count()>(kAboutSheet, Language::kJapanese);
constexpr auto kAboutEn = Localize<kAboutSheet.Count()>(kAboutSheet, Language::kEnglish);

constexpr auto kImportSheet = [] {
  Sheet<4> s(260);
  s.Put(-1, ControlClass::kStatic, {"インポートするプリセットを選択してください。", "Select the presets to import."},
        8, 8, 244, 16);
  s.Put(ctl::preset::kImportList, ControlClass::kListBox, Same(""), 8, 28, 244, 160, kTabStop | kMultiSelect);
  s.Put(ctl::kOk, ControlClass::kButton, Same("OK"), 100, 196, 72, 22, kTabStop | kDefaultButton);
  s.Put(ctl::kCancel, ControlClass::kButton, {"キャンセル", "Cancel"}, 180, 196, 72, 22, kTabStop);
  s.Down(214);
  return s;
}();
constexpr auto kImportJa = Localize<kImportSheet.Count()>(kImportSheet, Language::kJapanese);
constexpr auto kImportEn = Localize<kImportSheet.Count()>(kImportSheet, Language::kEnglish);

// The two lists share their place: the palette shows the one of the current mode.
constexpr auto kPresetSheet = [] {
  using namespace ctl::preset;
  Sheet<10> s(260);
  s.Put(kList, ControlClass::kListBox, Same(""), 8, 8, 244, 180, kTabStop | kMultiSelect);
  s.Put(kReorderList, ControlClass::kDragListBox, Same(""), 8, 8, 244, 180, kTabStop | kHidden);
  s.Put(kReorder, ControlClass::kCheckBox, {"ドラッグによる行の入れ替え", "Reorder Rows by Dragging"}, 8, 194, 244,
        16, kTabStop);
  s.Put(kHint, ControlClass::kStatic,
        {"適用: ダブルクリック\n更新: Altキー＋クリック", "Apply: Double-click\nUpdate: Alt + Click"}, 8, 214, 244,
        32);
  s.Put(kExport, ControlClass::kImageButton, {"書き出し", "Export"}, 8, 252, 26, 26, kTabStop);
  s.Put(kImport, ControlClass::kImageButton, {"読み込み", "Import"}, 38, 252, 26, 26, kTabStop);
  s.Put(kSaveNew, ControlClass::kImageButton, {"新規保存", "Save New"}, 68, 252, 26, 26, kTabStop);
  s.Put(kDelete, ControlClass::kImageButton, {"削除", "Delete"}, 98, 252, 26, 26, kTabStop);
  s.Put(kClose, ControlClass::kButton, {"閉じる", "Close"}, 180, 254, 72, 22, kTabStop);
  s.Down(274);
  return s;
}();
constexpr auto kPresetJa = Localize<kPresetSheet.Count()>(kPresetSheet, Language::kJapanese);
constexpr auto kPresetEn = Localize<kPresetSheet.Count()>(kPresetSheet, Language::kEnglish);

// The topic list is filled by the palette when it opens.
constexpr auto kHelpSheet = [] {
  using namespace ctl::help;
  Sheet<3> s(layout::kEffectPaletteWidth);
  s.Put(kTopics, ControlClass::kComboBox, Same(""), 8, 8, 224, 20, kTabStop);
  s.Put(kPicture, ControlClass::kPicture, Same(""), 8, 34, 224, 120);
  s.Put(kText, ControlClass::kEdit, Same(""), 8, 160, 224, 150, kTabStop | kReadOnly | kMultiLine);
  s.Down(306);
  return s;
}();
constexpr auto kHelpJa = Localize<kHelpSheet.Count()>(kHelpSheet, Language::kJapanese);
constexpr auto kHelpEn = Localize<kHelpSheet.Count()>(kHelpSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kAboutBoxTemplates =
    MakePair(res::kAboutBox, {"このプラグインについて...", "About This Plug-in..."}, kAboutSheet, kAboutJa, kAboutEn);
constexpr DialogPair kImportPresetTemplates =
    MakePair(res::kImportPresetDialog, {"VELLUMiX4: プリセット・インポート", "VELLUMiX4: Import Presets"},
             kImportSheet, kImportJa, kImportEn);
constexpr DialogPair kPresetDialogTemplates =
    MakePair(res::kPresetDialog, {"VELLUMiX4 プリセット", "VELLUMiX4 Presets"}, kPresetSheet, kPresetJa, kPresetEn);
constexpr DialogPair kHelpPaletteTemplates =
    MakePair(res::kHelpPalette, {"ヘルプ", "Help"}, kHelpSheet, kHelpJa, kHelpEn);

}  // namespace vx::resources
