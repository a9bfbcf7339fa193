// The Live Trail palette and the Trail tool's palette. The tool's palette has
// the effect's controls for the fields the two records share, with the same
// ids, and no origin or drag rows: the tool's drag gives direction and length.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

using namespace ctl::trail;

constexpr RowOptions kSliderRow{.labelWidth = 96, .fieldWidth = 48};

// Stacking, beginning, steps, spacing, the end colours, angle and size.
template <size_t N>
constexpr void AddSharedRows(Sheet<N>& s) {
  s.ImageButtons({"重ね方:", "Stacking:"}, {{kStackOnTop, {"上積み", "Above"}}, {kStackBelow, {"下積み", "Below"}}},
                 32);
  s.Field({"開始濃度(%):", "Beginning(%):"}, kBeginning, kBeginningSpin, {.advance = false});
  s.Button({"計算", "Calc"}, kCalc, 180, 52);
  s.Field({"ステップ数:", "Steps:"}, kSteps, kStepsSpin);
  s.Radios({"間隔:", "Space:"},
           {{kSpaceDec, {"減速", "Dec"}}, {kSpaceUni, {"等速", "Uni"}}, {kSpaceAcc, {"加速", "Acc"}}}, 40);

  s.BeginGroup({"収束条件", "To..."});
  const int32_t top = s.Line();
  const int32_t x = s.Left();
  // Each side: its label, its swatch (a button showing the end colour: a click
  // takes the selection's colour, Alt+click opens the colour picker), and its
  // four buttons in two rows.
  s.Label({"塗り:", "Fill:"}, x, top + 8, 30);
  s.Put(kFillSwatch, ControlClass::kImageButton, {"塗り", "Fill"}, x + 30, top, 32, 32, kTabStop);
  s.Put(kFillOwn, ControlClass::kImageButton, {"元の色", "Own Colour"}, x + 66, top, 16, 16, kTabStop);
  s.Put(kFillWhite, ControlClass::kImageButton, {"白", "White"}, x + 84, top, 16, 16, kTabStop);
  s.Put(kFillBlack, ControlClass::kImageButton, {"黒", "Black"}, x + 66, top + 16, 16, 16, kTabStop);
  s.Put(kFillNone, ControlClass::kImageButton, {"なし", "None"}, x + 84, top + 16, 16, 16, kTabStop);
  s.Label({"線:", "Stroke:"}, x + 106, top + 8, 36);
  s.Put(kStrokeSwatch, ControlClass::kImageButton, {"線", "Stroke"}, x + 142, top, 32, 32, kTabStop);
  s.Put(kStrokeOwn, ControlClass::kImageButton, {"元の色", "Own Colour"}, x + 178, top, 16, 16, kTabStop);
  s.Put(kStrokeWhite, ControlClass::kImageButton, {"白", "White"}, x + 196, top, 16, 16, kTabStop);
  s.Put(kStrokeBlack, ControlClass::kImageButton, {"黒", "Black"}, x + 178, top + 16, 16, 16, kTabStop);
  s.Put(kStrokeNone, ControlClass::kImageButton, {"なし", "None"}, x + 196, top + 16, 16, 16, kTabStop);
  s.Down(36);
  s.Put(kSwap, ControlClass::kImageButton, {"塗りと線を入れ替え", "Swap Fill and Stroke"}, x + 30, s.Line(), 16, 16,
        kTabStop);
  s.Label(Same("CMYK"), x + 142, s.Line() - 2, 70, kColorModel);
  s.Down(20);
  s.Label({"色見本を Alt＋クリックするとカラーピッカーを開きます。",
           "Alt clicking on the swatches to show the Color Picker."},
          x, s.Line(), s.Right() - x);
  s.Down(22);
  s.Field({"濃度(%):", "Tint(%):"}, kTint, kTintSpin, {.labelWidth = 94});
  s.Field({"不透明度(%):", "Opacity(%):"}, kOpacity, kOpacitySpin, {.labelWidth = 94});
  s.EndGroup();

  s.FieldWithSlider({"角度(°):", "Angle(°):"}, kAngle, kAngleSpin, kAngleSlider, kSliderRow);
  s.FieldWithSlider({"サイズ 水平(%):", "Size H(%):"}, kSizeH, kSizeHSpin, kSizeHSlider, kSliderRow);
  s.FieldWithSlider({"サイズ 垂直(%):", "Size V(%):"}, kSizeV, kSizeVSpin, kSizeVSlider, kSliderRow);
}

constexpr auto kTrailSheet = [] {
  Sheet<72> s(layout::kEffectPaletteWidth);
  AddSharedRows(s);
  s.BeginGroup({"原点", "Origin"});
  s.AngleField({"方向(°):", "Direction(°):"}, kOriginAngle, kOriginAngleSpin, kOriginDial, {.labelWidth = 90});
  s.FieldWithSlider({"距離:", "Distance:"}, kOriginDistance, kOriginDistanceSpin, kOriginDistanceSlider,
                    {.labelWidth = 90, .fieldWidth = 48});
  s.EndGroup();
  s.BeginGroup({"ドラッグ", "Drag"});
  s.AngleField({"方向(°):", "Direction(°):"}, kDragAngle, kDragAngleSpin, kDragDial, {.labelWidth = 90});
  s.FieldWithSlider({"長さ:", "Length:"}, kDragLength, kDragLengthSpin, kDragLengthSlider,
                    {.labelWidth = 90, .fieldWidth = 48});
  s.EndGroup();
  s.EffectButtons();
  return s;
}();
constexpr auto kTrailJa = Localize<kTrailSheet.Count()>(kTrailSheet, Language::kJapanese);
constexpr auto kTrailEn = Localize<kTrailSheet.Count()>(kTrailSheet, Language::kEnglish);

constexpr auto kTrailToolSheet = [] {
  Sheet<56> s(layout::kEffectPaletteWidth);
  AddSharedRows(s);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kTrailToolJa = Localize<kTrailToolSheet.Count()>(kTrailToolSheet, Language::kJapanese);
constexpr auto kTrailToolEn = Localize<kTrailToolSheet.Count()>(kTrailToolSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kTrailPaletteTemplates =
    MakePair(res::kTrailPalette, {"Live トレイル", "Live Trail"}, kTrailSheet, kTrailJa, kTrailEn);
constexpr DialogPair kTrailToolPaletteTemplates = MakePair(res::kTrailToolPalette, {"トレイルツール", "Trail Tool"},
                                                           kTrailToolSheet, kTrailToolJa, kTrailToolEn);

}  // namespace vx::resources
