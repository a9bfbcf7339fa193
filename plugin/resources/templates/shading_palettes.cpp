// Palettes of the effects that shade an object with stepped copies: Live Neon,
// Live Border, Live Emboss, Live Cutout and Live Shadow.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

constexpr Caption kStepModes{"自動（高密度）\n自動（中密度）\n自動（低密度）\n手動",
                             "Auto Steps (High)\nAuto Steps (Mid)\nAuto Steps (Low)\nManual Steps"};

// Controls of a shadow group, indented under its check box.
constexpr RowOptions kIndented{.x = 20, .labelWidth = 88};

constexpr auto kNeonSheet = [] {
  using namespace ctl::neon;
  Sheet<48> s(layout::kEffectPaletteWidth);
  s.Field({"トラック数:", "Tracks:"}, kTracks, kTracksSpin);
  s.FieldOverSlider({"階調カーブ(%):", "Gradient Arc(%):"}, kGradientArc, kGradientArcSpin, kGradientArcSlider);
  s.ImageButtons(Same(""), {{kArcMinus, Same("-100")}, {kArcZero, Same("0")}, {kArcPlus, Same("100")}}, 32,
                 {.x = 108, .labelWidth = 0});
  s.Field({"コントラスト(%):", "Contrast(%):"}, kContrast, kContrastSpin);
  s.Combo({"ステップの種類:", "Step Style:"}, kStepMode, kStepModes, {.fieldWidth = 124});
  s.Field({"ステップ数:", "Steps:"}, kSteps, kStepsSpin, {.labelId = kStepsLabel});
  s.Field({"偏心量(%):", "Offset(%):"}, kOffset, kOffsetSpin);
  s.AngleField({"偏心方向(°):", "Angle(°):"}, kAngle, kAngleSpin, kAngleDial);
  s.Check({"シャドウ", "Shadow"}, kShadow);
  RowOptions o = kIndented;
  o.labelId = kTintLabel;
  s.Field({"濃度(%):", "Tint(%):"}, kTint, kTintSpin, o);
  s.Check({"階調の反転", "Reverse"}, kShadowReverse, kIndented);
  o.labelId = kShadowOffsetLabel;
  s.Field({"オフセット:", "Offset:"}, kShadowOffset, kShadowOffsetSpin, o);
  o.labelId = kLightAngleLabel;
  s.AngleField({"光源の方向(°):", "Light Angle(°):"}, kLightAngle, kLightAngleSpin, kLightDial, o);
  s.EffectButtons();
  return s;
}();
constexpr auto kNeonJa = Localize<kNeonSheet.Count()>(kNeonSheet, Language::kJapanese);
constexpr auto kNeonEn = Localize<kNeonSheet.Count()>(kNeonSheet, Language::kEnglish);

constexpr auto kBorderSheet = [] {
  using namespace ctl::border;
  Sheet<48> s(layout::kEffectPaletteWidth);
  s.Radios(Same(""), {{kOutside, {"外側", "Outside"}}, {kInside, {"内側", "Inside"}}}, 80, {.labelWidth = 0});
  s.FieldOverSlider({"階調カーブ(%):", "Gradient Arc(%):"}, kGradientArc, kGradientArcSpin, kGradientArcSlider);
  s.ImageButtons(Same(""), {{kArcMinus, Same("-100")}, {kArcZero, Same("0")}, {kArcPlus, Same("100")}}, 32,
                 {.x = 108, .labelWidth = 0});
  s.Check({"階調の反転", "Reverse"}, kReverse);
  s.Combo({"ステップの種類:", "Step Style:"}, kStepMode, kStepModes, {.fieldWidth = 124});
  s.Field({"ステップ数:", "Steps:"}, kSteps, kStepsSpin, {.labelId = kStepsLabel});
  s.Field({"偏心量(%):", "Offset(%):"}, kOffset, kOffsetSpin);
  s.AngleField({"偏心方向(°):", "Angle(°):"}, kAngle, kAngleSpin, kAngleDial);
  s.Check({"シャドウ", "Shadow"}, kShadow);
  RowOptions o = kIndented;
  o.labelId = kTintLabel;
  s.Field({"濃度(%):", "Tint(%):"}, kTint, kTintSpin, o);
  o.labelId = kShadowOffsetLabel;
  s.Field({"オフセット:", "Offset:"}, kShadowOffset, kShadowOffsetSpin, o);
  o.labelId = kLightAngleLabel;
  s.AngleField({"光源の方向(°):", "Light Angle(°):"}, kLightAngle, kLightAngleSpin, kLightDial, o);
  s.EffectButtons();
  return s;
}();
constexpr auto kBorderJa = Localize<kBorderSheet.Count()>(kBorderSheet, Language::kJapanese);
constexpr auto kBorderEn = Localize<kBorderSheet.Count()>(kBorderSheet, Language::kEnglish);

constexpr auto kEmbossSheet = [] {
  using namespace ctl::emboss;
  Sheet<24> s(layout::kEffectPaletteWidth);
  s.Combo({"スタイル:", "Style:"}, kStyle, {"通常\n明部のみ\n暗部のみ", "Normal\nHighlight Only\nShadow Only"},
          {.fieldWidth = 124});
  s.Field({"コントラスト(%):", "Contrast(%):"}, kContrast, kContrastSpin);
  s.Field({"オフセット:", "Offset:"}, kOffset, kOffsetSpin);
  s.AngleField({"光源の方向(°):", "Light Angle(°):"}, kLightAngle, kLightAngleSpin, kLightDial);
  s.Check({"反転", "Reverse"}, kReverse);
  s.Field({"ステップ数:", "Steps:"}, kSteps, kStepsSpin);
  s.EffectButtons();
  return s;
}();
constexpr auto kEmbossJa = Localize<kEmbossSheet.Count()>(kEmbossSheet, Language::kJapanese);
constexpr auto kEmbossEn = Localize<kEmbossSheet.Count()>(kEmbossSheet, Language::kEnglish);

constexpr auto kCutoutSheet = [] {
  using namespace ctl::cutout;
  Sheet<20> s(layout::kEffectPaletteWidth);
  s.Field({"シェード(%):", "Shade(%):"}, kShade, kShadeSpin);
  s.Field({"オフセット:", "Offset:"}, kOffset, kOffsetSpin);
  s.AngleField({"光源の方向(°):", "Light Angle(°):"}, kLightAngle, kLightAngleSpin, kLightDial);
  s.Field({"ステップ数:", "Steps:"}, kSteps, kStepsSpin);
  s.EffectButtons();
  return s;
}();
constexpr auto kCutoutJa = Localize<kCutoutSheet.Count()>(kCutoutSheet, Language::kJapanese);
constexpr auto kCutoutEn = Localize<kCutoutSheet.Count()>(kCutoutSheet, Language::kEnglish);

constexpr auto kShadowSheet = [] {
  using namespace ctl::shadow;
  Sheet<20> s(layout::kEffectPaletteWidth);
  s.Field({"シェード(%):", "Shade(%):"}, kShade, kShadeSpin);
  s.Field({"オフセット:", "Offset:"}, kOffset, kOffsetSpin);
  s.AngleField({"光源の方向(°):", "Light Angle(°):"}, kLightAngle, kLightAngleSpin, kLightDial);
  s.FieldOverSlider({"透過率(%):", "Transparency(%):"}, kTransparency, kTransparencySpin, kTransparencySlider);
  s.EffectButtons();
  return s;
}();
constexpr auto kShadowJa = Localize<kShadowSheet.Count()>(kShadowSheet, Language::kJapanese);
constexpr auto kShadowEn = Localize<kShadowSheet.Count()>(kShadowSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kNeonPaletteTemplates =
    MakePair(res::kNeonPalette, {"Live ネオン", "Live Neon"}, kNeonSheet, kNeonJa, kNeonEn);
constexpr DialogPair kBorderPaletteTemplates =
    MakePair(res::kBorderPalette, {"Live ボーダー", "Live Border"}, kBorderSheet, kBorderJa, kBorderEn);
constexpr DialogPair kEmbossPaletteTemplates =
    MakePair(res::kEmbossPalette, {"Live エンボス", "Live Emboss"}, kEmbossSheet, kEmbossJa, kEmbossEn);
constexpr DialogPair kCutoutPaletteTemplates =
    MakePair(res::kCutoutPalette, {"Live カットアウト", "Live Cutout"}, kCutoutSheet, kCutoutJa, kCutoutEn);
constexpr DialogPair kShadowPaletteTemplates =
    MakePair(res::kShadowPalette, {"Live シャドウ", "Live Shadow"}, kShadowSheet, kShadowJa, kShadowEn);

}  // namespace vx::resources
