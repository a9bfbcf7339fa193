// The modal Fractalize dialog, shared by the filter and the live effect (the
// dialog's title names which one it edits).
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

using platform::ui::kDefaultButton;
using namespace ctl::fractalize;

constexpr int32_t kWidth = 296;

constexpr auto kFractalizeSheet = [] {
  Sheet<24> s(kWidth);
  const RowOptions o{.labelWidth = 90};
  s.Combo({"ジェネレータ:", "Generator:"}, kGenerator,
          {"直角二等辺三角形\n直角三角形１\n直角三角形２\n正三角形１\n正三角形２\n正三角形３\n台形１\n台形２\n台形３\n"
           "正方形１\n正方形２\n正方形３\n逆正三角形\n半円",
           "Right Isosceles Triangle\nRight Triangle 1\nRight Triangle 2\nEquilateral Triangle 1\n"
           "Equilateral Triangle 2\nEquilateral Triangle 3\nTrapezoid 1\nTrapezoid 2\nTrapezoid 3\nSquare 1\n"
           "Square 2\nSquare 3\nInverted Equilateral Triangle\nSemicircle"},
          {.labelWidth = 90, .fieldWidth = kWidth - 16 - 90}, ControlClass::kImageComboBox);
  s.Field({"高さ(%):", "Height(%):"}, kHeight, kHeightSpin, o);
  s.Combo({"レベル:", "Level:"}, kLevel, Same("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14"), o);
  s.Field({"セグメント:", "Segments:"}, kDensity, kDensitySpin, {.labelWidth = 90, .advance = false});
  s.Label(Same("/ in"), 8 + 90 + 56 + layout::kSpinWidth + layout::kGap, s.Line(), 40);
  s.Down(layout::kLineHeight + layout::kGap);
  s.Field({"ひずみ:", "Distortion:"}, kUneven, kUnevenSpin, {.labelWidth = 90, .advance = false});
  s.Button(Same("%"), kUnevenUnit, 8 + 90 + 56 + layout::kSpinWidth + layout::kGap, 32);
  s.Button({"乱数列変更", "New Sequence"}, kNewSequence, 98, 110);
  s.Check({"プレビュー", "Preview"}, ctl::kPreview, {.x = 98});
  s.Down(layout::kGap);
  const int32_t y = s.Line();
  s.Put(ctl::kPresetButton, ControlClass::kImageButton, {"プリセット", "Presets"}, 8, y, 24, 24, kTabStop);
  s.Put(ctl::kHelpButton, ControlClass::kButton, Same("?"), 36, y + 1, 22, 22, kTabStop);
  s.Put(ctl::kOk, ControlClass::kButton, Same("OK"), kWidth - 8 - 72 - layout::kGap - 72, y + 1, 72, 22,
        kTabStop | kDefaultButton);
  s.Put(ctl::kCancel, ControlClass::kButton, {"キャンセル", "Cancel"}, kWidth - 8 - 72, y + 1, 72, 22, kTabStop);
  s.Down(24 + layout::kGap);
  return s;
}();
constexpr auto kFractalizeJa = Localize<kFractalizeSheet.Count()>(kFractalizeSheet, Language::kJapanese);
constexpr auto kFractalizeEn = Localize<kFractalizeSheet.Count()>(kFractalizeSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kFractalizeDialogTemplates =
    MakePair(res::kFractalizeDialog, {"VELLUMiX4: フラクタル化", "VELLUMiX4: Fractalize"}, kFractalizeSheet,
             kFractalizeJa, kFractalizeEn);

}  // namespace vx::resources
