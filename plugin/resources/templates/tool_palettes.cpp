// Palettes of the distortion tools: Warp, Wave, Lens, Craft, Roughening and
// Broom. Each ends with the trace controls (a check box with its mode list,
// the space and steps fields) and the "?" button.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

constexpr Caption kTraceModes{
    "ドラッグに沿って\n等速（片道）\n加速（片道）\n減速（片道）\n等速（往復）\n加速（往復）\n減速（往復）",
    "Drag Along\nUniform (One Way)\nAccelerate (One Way)\nDecelerate (One Way)\nUniform (Round Trip)\n"
    "Accelerate (Round Trip)\nDecelerate (Round Trip)"};
constexpr Caption kWaveTraceModes{
    "ドラッグに沿って\n1 周期\n等速（片道）\n加速（片道）\n減速（片道）\n等速（往復）\n加速（往復）\n減速（往復）",
    "Drag Along\nFull Cycle\nUniform (One Way)\nAccelerate (One Way)\nDecelerate (One Way)\nUniform (Round Trip)\n"
    "Accelerate (Round Trip)\nDecelerate (Round Trip)"};
constexpr Caption kRoughTraceModes{
    "等速（片道）\n加速（片道）\n減速（片道）\n等速（往復）\n加速（往復）\n減速（往復）",
    "Uniform (One Way)\nAccelerate (One Way)\nDecelerate (One Way)\nUniform (Round Trip)\n"
    "Accelerate (Round Trip)\nDecelerate (Round Trip)"};
constexpr Caption kSpaceText{"間隔:", "Space:"};
constexpr Caption kStepsText{"ステップ数:", "Steps:"};
constexpr Caption kAreaRadiusText{"範囲の半径:", "Area Radius:"};
constexpr Caption kGroupAsOneUnitText{"グループ単位", "Group as One Unit"};
constexpr Caption kResistances = Same("1\n2\n3\n4\n5");

// "Trace" and its mode list on one line.
template <size_t N>
constexpr void TraceRow(Sheet<N>& s, int32_t check, int32_t modes, Caption items) {
  s.Check({"トレース", "Trace"}, check, {.width = 80, .advance = false});
  s.Combo(Same(""), modes, items, {.x = 92, .labelWidth = 0, .fieldWidth = 140});
}

// The four modes shared by the Craft and Broom tools.
constexpr Caption kFree{"自由変形", "Free"};
constexpr Caption kDynamic{"ダイナミック変形", "Dynamic"};
constexpr Caption kPinch{"ピンチ", "Pinch"};
constexpr Caption kTwirl{"旋回", "Twirl"};

constexpr auto kWarpSheet = [] {
  using namespace ctl::warp;
  Sheet<40> s(layout::kEffectPaletteWidth);
  s.ImageButtons(Same(""),
                 {{kShapes[0], {"円弧・端", "Arc Edge"}},
                  {kShapes[1], {"円弧・端（下端基準）", "Arc Edge (Bottom)"}},
                  {kShapes[2], {"円弧・端（上端基準）", "Arc Edge (Top)"}},
                  {kShapes[3], {"円弧・中心", "Arc Centre"}},
                  {kShapes[4], {"円弧・中心（下端基準）", "Arc Centre (Bottom)"}},
                  {kShapes[5], {"円弧・中心（上端基準）", "Arc Centre (Top)"}},
                  {kShapes[6], {"ドーム", "Dome"}},
                  {kShapes[7], {"正弦・端", "Sine Edge"}},
                  {kShapes[8], {"正弦・端（下端基準）", "Sine Edge (Bottom)"}},
                  {kShapes[9], {"正弦・端（上端基準）", "Sine Edge (Top)"}},
                  {kShapes[10], {"余弦・中心", "Cosine Centre"}},
                  {kShapes[11], {"余弦・中心（下端基準）", "Cosine Centre (Bottom)"}},
                  {kShapes[12], {"余弦・中心（上端基準）", "Cosine Centre (Top)"}},
                  {kShapes[13], {"ベル", "Bell"}},
                  {kShapes[14], {"S字", "S-Curve"}},
                  {kShapes[15], {"直線・端", "Linear Edge"}},
                  {kShapes[16], {"直線・端（下端基準）", "Linear Edge (Bottom)"}},
                  {kShapes[17], {"直線・端（上端基準）", "Linear Edge (Top)"}},
                  {kShapes[18], {"直線・中心", "Linear Centre"}},
                  {kShapes[19], {"直線・中心（下端基準）", "Linear Centre (Bottom)"}},
                  {kShapes[20], {"直線・中心（上端基準）", "Linear Centre (Top)"}},
                  {kShapes[21], {"山形", "Tent"}}},
                 32, {.labelWidth = 0}, 6);
  s.Field({"マージン(%):", "Margin(%):"}, kMargin, kMarginSpin);
  s.Check({"遠近", "Perspective"}, kPerspective);
  TraceRow(s, kTrace, kTraceMode, kTraceModes);
  s.Field(kSpaceText, kTraceSpace, kTraceSpaceSpin);
  s.Field(kStepsText, kTraceSteps, kTraceStepsSpin);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kWarpJa = Localize<kWarpSheet.Count()>(kWarpSheet, Language::kJapanese);
constexpr auto kWarpEn = Localize<kWarpSheet.Count()>(kWarpSheet, Language::kEnglish);

constexpr auto kWaveSheet = [] {
  using namespace ctl::wave;
  Sheet<20> s(layout::kEffectPaletteWidth);
  s.ImageButtons(Same(""),
                 {{kFirstShape + 0, {"中央基準の波", "Wave (Centre)"}},
                  {kFirstShape + 1, {"下端基準の波", "Wave (Bottom)"}},
                  {kFirstShape + 2, {"上端基準の波", "Wave (Top)"}},
                  {kFirstShape + 3, {"平行移動の波", "Shifting Wave"}},
                  {kFirstShape + 4, {"らせん", "Spiral"}}},
                 32, {.labelWidth = 0});
  s.Field({"サイクル:", "Cycle:"}, kCycle, kCycleSpin);
  TraceRow(s, kTrace, kTraceMode, kWaveTraceModes);
  s.Field(kSpaceText, kTraceSpace, kTraceSpaceSpin);
  s.Field(kStepsText, kTraceSteps, kTraceStepsSpin);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kWaveJa = Localize<kWaveSheet.Count()>(kWaveSheet, Language::kJapanese);
constexpr auto kWaveEn = Localize<kWaveSheet.Count()>(kWaveSheet, Language::kEnglish);

// The rows of the four lens types share three lines; the fish-eye lens's row
// is shown first (its type is the default one).
constexpr auto kLensSheet = [] {
  using namespace ctl::lens;
  Sheet<48> s(layout::kEffectPaletteWidth);
  constexpr RowOptions kWide{.labelWidth = 124};
  constexpr RowOptions kHiddenRow{.labelWidth = 124, .style = kHidden};
  s.ImageButtons(Same(""),
                 {{kFirstType + 0, {"魚眼レンズ", "Fish-eye Lens"}},
                  {kFirstType + 1, {"拡大レンズ", "Magnifying Lens"}},
                  {kFirstType + 2, {"旋回レンズ", "Twirl Lens"}},
                  {kFirstType + 3, {"トーンレンズ", "Tone Lens"}}},
                 32, {.labelWidth = 0});
  s.Label({"魚眼レンズ", "Fish-eye Lens"}, s.Left(), s.Line(), s.Right() - s.Left(), kTypeName);
  s.Down(layout::kLabelHeight + layout::kGap + 2);
  const int32_t typeRows = s.Line();
  s.Field({"厚み(%):", "Thickness(%):"}, kThickness, kThicknessSpin, kWide);
  s.BackTo(typeRows);
  s.Field({"倍率(%):", "Magnification(%):"}, kMagnification, kMagnificationSpin, kHiddenRow);
  s.BackTo(typeRows);
  s.Field({"角度(°):", "Angle(°):"}, kTwirlAngle, kTwirlAngleSpin, kHiddenRow);
  s.Field({"サイクル:", "Cycle:"}, kCycle, kCycleSpin, kHiddenRow);
  s.BackTo(typeRows);
  s.Field({"最小サイズ 水平(%):", "Size Minimum H(%):"}, kMinimumH, kMinimumHSpin, kHiddenRow);
  s.Field({"最小サイズ 垂直(%):", "Size Minimum V(%):"}, kMinimumV, kMinimumVSpin, kHiddenRow);
  s.Check(kGroupAsOneUnitText, kGroupAsOneUnit, {.style = kHidden});
  s.Field({"範囲の幅:", "Area Width:"}, kAreaWidth, kAreaWidthSpin, kWide);
  s.Field({"範囲の高さ:", "Area Height:"}, kAreaHeight, kAreaHeightSpin, kWide);
  TraceRow(s, kTrace, kTraceMode, kTraceModes);
  s.Field(kSpaceText, kTraceSpace, kTraceSpaceSpin, kWide);
  s.Field(kStepsText, kTraceSteps, kTraceStepsSpin, kWide);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kLensJa = Localize<kLensSheet.Count()>(kLensSheet, Language::kJapanese);
constexpr auto kLensEn = Localize<kLensSheet.Count()>(kLensSheet, Language::kEnglish);

constexpr auto kCraftSheet = [] {
  using namespace ctl::craft;
  Sheet<24> s(layout::kEffectPaletteWidth);
  s.ImageButtons(Same(""),
                 {{kFirstMode + 0, kFree}, {kFirstMode + 1, kDynamic}, {kFirstMode + 2, kPinch},
                  {kFirstMode + 3, kTwirl}},
                 32, {.labelWidth = 0});
  s.Combo({"抵抗:", "Resistance:"}, kResistance, kResistances);
  s.Field(kAreaRadiusText, kAreaRadius, kAreaRadiusSpin);
  TraceRow(s, kTrace, kTraceMode, kTraceModes);
  s.Field(kSpaceText, kTraceSpace, kTraceSpaceSpin);
  s.Field(kStepsText, kTraceSteps, kTraceStepsSpin);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kCraftJa = Localize<kCraftSheet.Count()>(kCraftSheet, Language::kJapanese);
constexpr auto kCraftEn = Localize<kCraftSheet.Count()>(kCraftSheet, Language::kEnglish);

constexpr auto kRoughSheet = [] {
  using namespace ctl::rough;
  Sheet<20> s(layout::kEffectPaletteWidth);
  s.Radios(Same(""), {{kCorner, {"コーナー", "Corner"}}, {kSmooth, {"スムーズ", "Smooth"}}}, 90, {.labelWidth = 0});
  s.Field(kAreaRadiusText, kAreaRadius, kAreaRadiusSpin);
  TraceRow(s, kTrace, kTraceMode, kRoughTraceModes);
  s.Field(kStepsText, kTraceSteps, kTraceStepsSpin);
  s.Check({"新しい乱数列", "New Sequence"}, kNewSequence);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kRoughJa = Localize<kRoughSheet.Count()>(kRoughSheet, Language::kJapanese);
constexpr auto kRoughEn = Localize<kRoughSheet.Count()>(kRoughSheet, Language::kEnglish);

constexpr auto kBroomSheet = [] {
  using namespace ctl::broom;
  Sheet<24> s(layout::kEffectPaletteWidth);
  s.ImageButtons(Same(""),
                 {{kFirstMode + 0, kFree}, {kFirstMode + 1, kDynamic}, {kFirstMode + 2, kPinch},
                  {kFirstMode + 3, kTwirl}},
                 32, {.labelWidth = 0});
  s.Combo({"抵抗:", "Resistance:"}, kResistance, kResistances);
  s.Field(kAreaRadiusText, kAreaRadius, kAreaRadiusSpin);
  s.Check(kGroupAsOneUnitText, kGroupAsOneUnit);
  TraceRow(s, kTrace, kTraceMode, kTraceModes);
  s.Field(kSpaceText, kTraceSpace, kTraceSpaceSpin);
  s.Field(kStepsText, kTraceSteps, kTraceStepsSpin);
  s.ToolHelpButton();
  return s;
}();
constexpr auto kBroomJa = Localize<kBroomSheet.Count()>(kBroomSheet, Language::kJapanese);
constexpr auto kBroomEn = Localize<kBroomSheet.Count()>(kBroomSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kWarpPaletteTemplates =
    MakePair(res::kWarpPalette, {"ワープツール", "Warp Tool"}, kWarpSheet, kWarpJa, kWarpEn);
constexpr DialogPair kWavePaletteTemplates =
    MakePair(res::kWavePalette, {"ウェーブツール", "Wave Tool"}, kWaveSheet, kWaveJa, kWaveEn);
constexpr DialogPair kLensPaletteTemplates =
    MakePair(res::kLensPalette, {"レンズツール", "Lens Tool"}, kLensSheet, kLensJa, kLensEn);
constexpr DialogPair kCraftPaletteTemplates =
    MakePair(res::kCraftPalette, {"クラフトツール", "Craft Tool"}, kCraftSheet, kCraftJa, kCraftEn);
constexpr DialogPair kRoughPaletteTemplates =
    MakePair(res::kRoughPalette, {"ラフツール", "Rough Tool"}, kRoughSheet, kRoughJa, kRoughEn);
constexpr DialogPair kBroomPaletteTemplates =
    MakePair(res::kBroomPalette, {"ほうきツール", "Broom Tool"}, kBroomSheet, kBroomJa, kBroomEn);

}  // namespace vx::resources
