// The MetaBrush tool's palette: spacing, size, angle, stacking and fade at the
// top, then the fluctuation matrix (one row per fluctuation: its value, four
// source radio buttons and three option boxes), then colour and speed.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

using namespace ctl::metabrush;

constexpr int32_t kWidth = 300;

// Columns of the fluctuation matrix.
constexpr int32_t kValueX = 96;
constexpr int32_t kSourceX = 150;
constexpr int32_t kOptionX = 230;
constexpr int32_t kCell = 18;

constexpr Caption kRowNames[kRowCount] = {
    {"ブラシ切替", "Brush"},          {"間隔 H(%):", "Space H(%):"},   {"間隔 V(%):", "Space V(%):"},
    {"サイズ(%):", "Size(%):"},       {"サイズ V(%):", "Size V(%):"},  {"シアー H(%):", "Shear H(%):"},
    {"シアー V(%):", "Shear V(%):"},  {"角度(°):", "Angle(°):"},       {"ゆがみ H(%):", "Untrue H(%):"},
    {"ゆがみ V(%):", "Untrue V(%):"}, {"カラー", "Color"},
};

template <size_t N>
constexpr void MatrixHeader(Sheet<N>& s) {
  s.Label({"ゆらぎ", "Fluctuation"}, 8, s.Line(), kValueX - 8 - layout::kGap);
  s.Label({"入力元", "Source"}, kSourceX, s.Line(), 4 * kCell);
  s.Label({"オプション", "Options"}, kOptionX, s.Line(), kWidth - 8 - kOptionX);
  s.Down(layout::kLabelHeight + 2);
  constexpr Caption kColumns[7] = {{"通", "N"}, {"圧", "P"}, {"方", "D"}, {"速", "S"},
                                   {"乱", "R"}, {"交", "A"}, {"反", "V"}};
  for (int c = 0; c < 4; ++c) s.Label(kColumns[c], kSourceX + c * kCell, s.Line(), kCell - 2);
  for (int c = 0; c < 3; ++c) s.Label(kColumns[4 + c], kOptionX + c * kCell, s.Line(), kCell - 2);
  s.Down(layout::kLabelHeight + 2);
}

template <size_t N>
constexpr void MatrixRow(Sheet<N>& s, int row) {
  const int32_t y = s.Line();
  // The size rows' label is the button that links the vertical size to the horizontal one.
  if (row == 3)
    s.Put(kSizeLink, ControlClass::kButton, kRowNames[row], 8, y, kValueX - 8 - layout::kGap, layout::kLineHeight, kTabStop);
  else
    s.Label(kRowNames[row], 8, y, kValueX - 8 - layout::kGap);
  if (kRowValue[row] != 0)
    s.Put(kRowValue[row], ControlClass::kEdit, Same(""), kValueX, y, 48, layout::kLineHeight, kTabStop | kGroup);
  for (int c = 0; c < 4; ++c)
    s.Put(kRowSource[row] + c, ControlClass::kRadioButton, Same(""), kSourceX + c * kCell, y + 1, kCell - 2,
          layout::kLabelHeight, c == 0 ? kTabStop | kGroup : 0u);
  s.Put(RowRandom(row), ControlClass::kCheckBox, Same(""), kOptionX, y + 1, kCell - 2, layout::kLabelHeight, kTabStop);
  s.Put(RowAlternate(row), ControlClass::kCheckBox, Same(""), kOptionX + kCell, y + 1, kCell - 2, layout::kLabelHeight,
        kTabStop);
  s.Put(RowReverse(row), ControlClass::kCheckBox, Same(""), kOptionX + 2 * kCell, y + 1, kCell - 2, layout::kLabelHeight,
        kTabStop);
  s.Down(layout::kLineHeight + 2);
}

constexpr auto kMetaBrushSheet = [] {
  Sheet<180> s(kWidth);
  const int32_t right = kWidth - 8;

  // Spacing: the mode's list is the label of the field of that mode.
  s.Combo(Same(""), kSpaceMode, {"相対間隔(%):\n絶対間隔:", "Relative Space(%):\nAbsolute Space:"},
          {.labelWidth = 0, .fieldWidth = 130, .advance = false});
  s.Field(Same(""), kRelativeSpace, 0, {.x = 142, .labelWidth = 0, .advance = false});
  s.Field(Same(""), kAbsoluteSpace, 0, {.x = 142, .labelWidth = 0, .style = kHidden, .advance = false});
  s.Check({"最小", "Min"}, kMinimum, {.x = 206, .width = right - 206});
  s.Down(2);

  s.Field({"サイズ(%):", "Size(%):"}, kSize, 0, {.labelWidth = 88, .advance = false});
  s.Check({"線幅", "Line"}, kLine, {.x = 160, .width = right - 160});
  s.Field({"角度(°):", "Angle(°):"}, kAngle, 0, {.labelWidth = 88, .advance = false});
  s.ImageButtons(Same(""),
                 {{kFirstOrientation + 0, {"ドラッグの方向に沿う", "Follow Drag"}},
                  {kFirstOrientation + 1, {"固定", "Fixed"}},
                  {kFirstOrientation + 2, {"最初の向きを保つ", "Keep First"}}},
                 24, {.x = 160, .labelWidth = 0});
  s.ImageButtons({"重ね方:", "Stacking:"},
                 {{kFirstStacking + 0, {"上に重ねる", "Above"}},
                  {kFirstStacking + 1, {"下に重ねる", "Below"}},
                  {kFirstStacking + 2, {"回転方向で切り替え", "Switch by Turn"}},
                  {kFirstStacking + 3, {"回転方向で切り替え（逆）", "Switch by Turn (Reversed)"}}},
                 24, {.labelWidth = 88, .advance = false});
  s.Down(4);
  s.Check({"最背面", "Below All"}, kBelowAll, {.x = 200, .width = right - 200});
  s.Down(8);

  s.Check({"フェード", "Fade"}, kFade, {.width = 70, .advance = false});
  s.Field({"ステップ数:", "Steps:"}, kFadeSteps, 0, {.x = 82, .labelWidth = 70, .fieldWidth = 48, .advance = false});
  s.Check({"透明", "Transparent"}, kTransparent, {.x = 206, .width = right - 206});
  s.Check({"スウォッチへ", "To Swatch"}, kFadeToSwatch, {.x = 20, .width = 120, .advance = false});
  s.Put(kSwatch, ControlClass::kPicture, {"スウォッチ", "Swatch"}, 150, s.Line(), 40, layout::kLineHeight, kTabStop);
  s.Down(layout::kLineHeight + layout::kGap);
  s.Field({"ランダム(%):", "Random(%):"}, kRandomSmoothing, 0, {.labelWidth = 88});

  s.Down(layout::kGap);
  MatrixHeader(s);
  for (int row = 0; row < kRowCount; ++row) MatrixRow(s, row);
  s.Down(layout::kGap + 4);

  s.Check({"塗り", "Fill"}, kFill, {.width = 60, .advance = false});
  s.Check({"線", "Stroke"}, kStroke, {.x = 72, .width = 60, .advance = false});
  s.Combo(Same(""), kColorModel, {"グレー(%)\nRGB(%)\nCMYK(%)", "Gray(%)\nRGB(%)\nCMYK(%)"},
          {.x = 140, .labelWidth = 0, .fieldWidth = 100});
  for (int i = 0; i < 8; ++i) {
    const int32_t w = (right - 8) / 4;
    s.Put(kFirstColorShift + i, ControlClass::kSlider, Same(""), 8 + (i % 4) * w, s.Line() + (i / 4) * 24, w - layout::kGap,
          20, kTabStop);
  }
  s.Down(48);

  s.Field({"シフト(°):", "Shift(°):"}, kDirectionOrigin, 0, {.labelWidth = 88});
  s.Button({"速度", "Speed"}, kSpeedMode, 8, 80, {.advance = false});
  const RowOptions speed{.x = 96, .labelWidth = 110};
  s.Down(2).Field({"ピクセル/ティック:", "Pixel/Tick:"}, kPixelsPerTick, 0, speed);
  s.Field({"周期(秒):", "Cycle(sec):"}, kCycleSeconds, 0, speed);
  s.Field({"周期:", "Cycle:"}, kCycleStamps, 0, speed);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kMetaBrushJa = Localize<kMetaBrushSheet.Count()>(kMetaBrushSheet, Language::kJapanese);
constexpr auto kMetaBrushEn = Localize<kMetaBrushSheet.Count()>(kMetaBrushSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kMetaBrushPaletteTemplates =
    MakePair(res::kMetaBrushPalette, {"メタブラシツール", "MetaBrush Tool"}, kMetaBrushSheet, kMetaBrushJa,
             kMetaBrushEn);

}  // namespace vx::resources
