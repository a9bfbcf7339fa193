// Palettes of the effects that arrange copies of an object: Live Circle, Live
// Reflections, Live Tiling, Live Frame, Live Generation, Live Explosion and
// Live Galaxy.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

constexpr Caption kFeedModes{"相対送り量(%):\n絶対送り量:", "Relative Space(%):\nAbsolute Space:"};
constexpr Caption kKeepAngleText{"角度を保つ", "Keep Angle"};
constexpr Caption kShowCenterMarkText{"中心点を表示", "Show Center Mark"};
constexpr Caption kSameSequenceText{"ランダムを再現", "Same Sequence"};
constexpr Caption kStacking{"重ね方:", "Stacking:"};
constexpr Caption kAbove{"上積み", "Above"};
constexpr Caption kBelow{"下積み", "Below"};
constexpr Caption kSpace{"間隔:", "Space:"};
constexpr Caption kDec{"減速", "Dec"};
constexpr Caption kUni{"等速", "Uni"};
constexpr Caption kAcc{"加速", "Acc"};

// The feed fields of the relative mode; those of the absolute mode lie at the
// same place and start hidden.
constexpr RowOptions kRelativeFeed{.x = 20, .labelWidth = 88};
constexpr RowOptions kAbsoluteFeed{.x = 20, .labelWidth = 88, .style = kHidden};

constexpr auto kCircleSheet = [] {
  using namespace ctl::circle;
  Sheet<36> s(layout::kEffectPaletteWidth);
  s.Field({"配置数:", "Total:"}, kCount, kCountSpin);
  s.Check(kKeepAngleText, kKeepAngle);
  s.BeginGroup({"中心の位置", "Center"});
  s.Label({"基準点:", "Datum:"}, s.Left(), s.Line(), 100);
  s.Down(20);
  s.Radios(Same(""),
           {{kFirstDatum + 0, {"左上", "Upper Left"}},
            {kFirstDatum + 1, {"中央上", "Top Center"}},
            {kFirstDatum + 2, {"右上", "Upper Right"}},
            {kFirstDatum + 3, {"中央左", "Center Left"}},
            {kFirstDatum + 4, {"中央", "Center"}},
            {kFirstDatum + 5, {"中央右", "Center Right"}},
            {kFirstDatum + 6, {"左下", "Lower Left"}},
            {kFirstDatum + 7, {"中央下", "Bottom Center"}},
            {kFirstDatum + 8, {"右下", "Lower Right"}}},
           70, {.labelWidth = 0}, 3);
  s.Field({"水平オフセット:", "Offset H:"}, kOffsetH, kOffsetHSpin, {.labelWidth = 94});
  s.Field({"垂直オフセット:", "Offset V:"}, kOffsetV, kOffsetVSpin, {.labelWidth = 94});
  s.EndGroup();
  s.Check(kShowCenterMarkText, kShowCenterMark);
  s.Field({"扁平率(%):", "Height(%):"}, kHeightRatio, kHeightRatioSpin);
  s.EffectButtons();
  return s;
}();
constexpr auto kCircleJa = Localize<kCircleSheet.Count()>(kCircleSheet, Language::kJapanese);
constexpr auto kCircleEn = Localize<kCircleSheet.Count()>(kCircleSheet, Language::kEnglish);

constexpr auto kReflectionsSheet = [] {
  using namespace ctl::reflections;
  Sheet<20> s(layout::kEffectPaletteWidth);
  s.Combo({"対称の中心:", "Reflector:"}, kAxisType,
          {"水平軸\n垂直軸\n水平垂直軸\n放射軸", "Horizontal\nVertical\nBoth H and V\nRadial"}, {.fieldWidth = 124});
  s.Field({"水平オフセット:", "Offset H:"}, kOffsetH, kOffsetHSpin);
  s.Field({"垂直オフセット:", "Offset V:"}, kOffsetV, kOffsetVSpin);
  s.Field({"軸の数:", "Total:"}, kAxisCount, kAxisCountSpin);
  s.EffectButtons();
  return s;
}();
constexpr auto kReflectionsJa = Localize<kReflectionsSheet.Count()>(kReflectionsSheet, Language::kJapanese);
constexpr auto kReflectionsEn = Localize<kReflectionsSheet.Count()>(kReflectionsSheet, Language::kEnglish);

constexpr auto kTilingSheet = [] {
  using namespace ctl::tiling;
  constexpr RowOptions kWide{.labelWidth = 124};
  Sheet<48> s(layout::kEffectPaletteWidth);
  s.Field({"水平配置数:", "Columns:"}, kColumns, kColumnsSpin, kWide);
  s.Field({"垂直配置数:", "Rows:"}, kRows, kRowsSpin, kWide);
  s.Combo(Same(""), kFeedMode, kFeedModes, {.labelWidth = 0, .fieldWidth = 140});
  const int32_t feeds = s.Line();
  s.Field({"水平:", "Horizontal:"}, kMoveHRelative, kMoveHRelativeSpin, kRelativeFeed);
  s.Field({"垂直:", "Vertical:"}, kMoveVRelative, kMoveVRelativeSpin, kRelativeFeed);
  s.BackTo(feeds);
  s.Field({"水平:", "Horizontal:"}, kMoveHAbsolute, kMoveHAbsoluteSpin, kAbsoluteFeed);
  s.Field({"垂直:", "Vertical:"}, kMoveVAbsolute, kMoveVAbsoluteSpin, kAbsoluteFeed);
  s.Radios(kStacking, {{kStackAbove, kAbove}, {kStackBelow, kBelow}}, 60);
  s.Field({"水平最終サイズ(%):", "Shrink/Grow H(%):"}, kLastSizeH, kLastSizeHSpin, kWide);
  s.Field({"垂直最終サイズ(%):", "Shrink/Grow V(%):"}, kLastSizeV, kLastSizeVSpin, kWide);
  s.Check({"送り量もリサイズ", "Resize Spaces"}, kResizeMove);
  s.Field({"水平最終回転角(°):", "Rotation H(°):"}, kLastRotationH, kLastRotationHSpin, kWide);
  s.Field({"垂直最終回転角(°):", "Rotation V(°):"}, kLastRotationV, kLastRotationVSpin, kWide);
  s.EffectButtons();
  return s;
}();
constexpr auto kTilingJa = Localize<kTilingSheet.Count()>(kTilingSheet, Language::kJapanese);
constexpr auto kTilingEn = Localize<kTilingSheet.Count()>(kTilingSheet, Language::kEnglish);

constexpr auto kFrameSheet = [] {
  using namespace ctl::frame;
  constexpr RowOptions kWide{.labelWidth = 124};
  Sheet<48> s(layout::kEffectPaletteWidth);
  s.Field({"水平サイド配置数:", "Side H:"}, kSideH, kSideHSpin, kWide);
  s.Field({"垂直サイド配置数:", "Side V:"}, kSideV, kSideVSpin, kWide);
  s.Check(kKeepAngleText, kKeepAngle);
  s.Combo(Same(""), kFeedMode, kFeedModes, {.labelWidth = 0, .fieldWidth = 140});
  const int32_t feeds = s.Line();
  s.Field({"サイド:", "Sides:"}, kSideMoveRelative, kSideMoveRelativeSpin, kRelativeFeed);
  s.Field({"コーナー:", "Corner:"}, kCornerMoveRelative, kCornerMoveRelativeSpin, kRelativeFeed);
  s.BackTo(feeds);
  s.Field({"サイド:", "Sides:"}, kSideMoveAbsolute, kSideMoveAbsoluteSpin, kAbsoluteFeed);
  s.Field({"コーナー:", "Corner:"}, kCornerMoveAbsolute, kCornerMoveAbsoluteSpin, kAbsoluteFeed);
  s.FieldOverSlider({"コーナーオフセット(%):", "Corner Offset(%):"}, kCornerOffset, kCornerOffsetSpin,
                    kCornerOffsetSlider, kWide);
  s.ImageButtons(Same(""), {{kCornerMinus, Same("-100")}, {kCornerZero, Same("0")}, {kCornerPlus, Same("100")}},
                 32, {.x = 132, .labelWidth = 0});
  s.Check({"コーナーに配置", "Draw at Corner"}, kPlaceAtCorner);
  s.ImageButtons({"周り方:", "Cycling:"},
                 {{kClockwise, {"時計回り", "Clockwise"}}, {kCounterClockwise, {"反時計回り", "Counter-clockwise"}}},
                 32);
  s.EffectButtons();
  return s;
}();
constexpr auto kFrameJa = Localize<kFrameSheet.Count()>(kFrameSheet, Language::kJapanese);
constexpr auto kFrameEn = Localize<kFrameSheet.Count()>(kFrameSheet, Language::kEnglish);

constexpr auto kGenerationSheet = [] {
  using namespace ctl::generation;
  Sheet<28> s(layout::kEffectPaletteWidth);
  s.Field({"数量:", "Total:"}, kCount, kCountSpin);
  // The mode's combo box is the feed field's label.
  s.Combo(Same(""), kFeedMode, kFeedModes, {.labelWidth = 0, .fieldWidth = 124, .advance = false});
  s.Field(Same(""), kFeedRelative, kFeedRelativeSpin, {.x = 136, .labelWidth = 0, .advance = false});
  s.Field(Same(""), kFeedAbsolute, kFeedAbsoluteSpin, {.x = 136, .labelWidth = 0, .style = kHidden});
  s.Down(2);
  s.Field({"変化率(%):", "Recurrent Rate(%):"}, kScaleRate, kScaleRateSpin, {.labelWidth = 124});
  s.AngleField({"方向(°):", "Angle(°):"}, kAngle, kAngleSpin, kAngleDial);
  s.Field({"方向変化量(°):", "Angle Increase(°):"}, kAngleStep, kAngleStepSpin, {.labelWidth = 124});
  s.Radios(kStacking, {{kStackAbove, kAbove}, {kStackBelow, kBelow}}, 60);
  s.EffectButtons();
  return s;
}();
constexpr auto kGenerationJa = Localize<kGenerationSheet.Count()>(kGenerationSheet, Language::kJapanese);
constexpr auto kGenerationEn = Localize<kGenerationSheet.Count()>(kGenerationSheet, Language::kEnglish);

constexpr auto kExplosionSheet = [] {
  using namespace ctl::explosion;
  constexpr RowOptions kWide{.labelWidth = 124};
  Sheet<32> s(layout::kEffectPaletteWidth);
  s.Field({"数量:", "Total:"}, kCount, kCountSpin, kWide);
  s.Field({"放射角のゆれ(°):", "Radial Deviation(°):"}, kAngleJitter, kAngleJitterSpin, kWide);
  s.Check(kKeepAngleText, kKeepAngle);
  s.Field({"中心部の半径:", "Core Radius:"}, kCoreRadius, kCoreRadiusSpin, kWide);
  s.Field({"広がり:", "Spread:"}, kSpread, kSpreadSpin, kWide);
  s.Check(kShowCenterMarkText, kShowCenterMark);
  s.Radios(kSpace, {{kSpaceDec, kDec}, {kSpaceUni, kUni}, {kSpaceAcc, kAcc}}, 52, {.labelWidth = 64});
  s.Field({"先端のサイズ(%):", "Shrink/Grow(%):"}, kTipScale, kTipScaleSpin, kWide);
  s.Check(kSameSequenceText, kSameSequence);
  s.EffectButtons();
  return s;
}();
constexpr auto kExplosionJa = Localize<kExplosionSheet.Count()>(kExplosionSheet, Language::kJapanese);
constexpr auto kExplosionEn = Localize<kExplosionSheet.Count()>(kExplosionSheet, Language::kEnglish);

constexpr auto kGalaxySheet = [] {
  using namespace ctl::galaxy;
  constexpr RowOptions kWide{.labelWidth = 124};
  Sheet<48> s(layout::kEffectPaletteWidth);
  s.Field({"枝の数:", "Total Branches:"}, kBranches, kBranchesSpin, kWide);
  s.Field({"方向のゆれ(°):", "Radial Deviation(°):"}, kAngleJitter, kAngleJitterSpin, kWide);
  s.Field({"枝の要素数:", "Total per Branch:"}, kElements, kElementsSpin, kWide);
  s.Field({"枝のよれ(°):", "Kink(°):"}, kKink, kKinkSpin, kWide);
  s.Field({"枝のひねり角(°):", "Branch Twist(°):"}, kTwist, kTwistSpin, kWide);
  s.Field({"ひねり角のゆれ(°):", "Twist Deviation(°):"}, kTwistJitter, kTwistJitterSpin, kWide);
  s.Check(kKeepAngleText, kKeepAngle);
  s.Field({"中心部の半径:", "Core Radius:"}, kCoreRadius, kCoreRadiusSpin, kWide);
  s.Field({"半径のゆれ:", "Core Deviation:"}, kCoreJitter, kCoreJitterSpin, kWide);
  s.Check(kShowCenterMarkText, kShowCenterMark);
  s.Field({"広がり:", "Spread:"}, kSpread, kSpreadSpin, kWide);
  s.Field({"広がりのゆれ:", "Spread Deviation:"}, kSpreadJitter, kSpreadJitterSpin, kWide);
  s.Field({"先端のサイズ(%):", "Shrink/Grow(%):"}, kTipScale, kTipScaleSpin, kWide);
  s.Field({"サイズのゆれ(%):", "Size Deviation(%):"}, kSizeJitter, kSizeJitterSpin, kWide);
  s.Radios(kStacking, {{kStackAbove, kAbove}, {kStackBelow, kBelow}}, 60);
  s.Check(kSameSequenceText, kSameSequence);
  s.EffectButtons();
  return s;
}();
constexpr auto kGalaxyJa = Localize<kGalaxySheet.Count()>(kGalaxySheet, Language::kJapanese);
constexpr auto kGalaxyEn = Localize<kGalaxySheet.Count()>(kGalaxySheet, Language::kEnglish);

}  // namespace

constexpr DialogPair kCirclePaletteTemplates =
    MakePair(res::kCirclePalette, {"Live サークル", "Live Circle"}, kCircleSheet, kCircleJa, kCircleEn);
constexpr DialogPair kReflectionsPaletteTemplates =
    MakePair(res::kReflectionsPalette, {"Live リフレクション", "Live Reflections"}, kReflectionsSheet,
             kReflectionsJa, kReflectionsEn);
constexpr DialogPair kTilingPaletteTemplates =
    MakePair(res::kTilingPalette, {"Live タイリング", "Live Tiling"}, kTilingSheet, kTilingJa, kTilingEn);
constexpr DialogPair kFramePaletteTemplates =
    MakePair(res::kFramePalette, {"Live フレーム", "Live Frame"}, kFrameSheet, kFrameJa, kFrameEn);
constexpr DialogPair kGenerationPaletteTemplates =
    MakePair(res::kGenerationPalette, {"Live ジェネレーション", "Live Generation"}, kGenerationSheet,
             kGenerationJa, kGenerationEn);
constexpr DialogPair kExplosionPaletteTemplates =
    MakePair(res::kExplosionPalette, {"Live エクスプロージョン", "Live Explosion"}, kExplosionSheet, kExplosionJa,
             kExplosionEn);
constexpr DialogPair kGalaxyPaletteTemplates =
    MakePair(res::kGalaxyPalette, {"Live ギャラクシー", "Live Galaxy"}, kGalaxySheet, kGalaxyJa, kGalaxyEn);

}  // namespace vx::resources
