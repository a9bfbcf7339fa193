// The fourteen actions: names, titles and parameters in recording order, with
// the labels the host's action palette shows.
#include <array>
#include <iterator>

#include "effects/border/border_params.h"
#include "effects/circle/circle_params.h"
#include "effects/cutout/cutout_params.h"
#include "effects/emboss/emboss_params.h"
#include "effects/explosion/explosion_params.h"
#include "effects/frame/frame_params.h"
#include "effects/framework/effect_actions.h"
#include "effects/galaxy/galaxy_params.h"
#include "effects/generation/generation_params.h"
#include "effects/neon/neon_params.h"
#include "effects/reflections/reflections_params.h"
#include "effects/shadow/shadow_params.h"
#include "effects/tiling/tiling_params.h"
#include "effects/trail/trail_params.h"
#include "fractalize/fractalize_params.h"

namespace vx {
namespace {

namespace type = ai::action_type;
using Kind = ActionValueKind;

constexpr ActionParam Param(const char* key, const char* field, Kind kind, ai::Code declared, const char* label) {
  return ActionParam{.key = key, .field = field, .kind = kind, .declaredType = declared, .label = label,
                     .shown = label[0] != '\0'};
}
constexpr ActionParam Int(const char* key, const char* field, const char* label) {
  return Param(key, field, Kind::kInteger, type::kInteger, label);
}
constexpr ActionParam Real(const char* key, const char* field, const char* label) {
  return Param(key, field, Kind::kReal, type::kReal, label);
}
constexpr ActionParam Bool(const char* key, const char* field, const char* label) {
  return Param(key, field, Kind::kBoolean, type::kBoolean, label);
}
template <size_t N>
constexpr ActionParam Enum(const char* key, const char* field, const char* label, const char* const (&names)[N],
                           int32_t firstValue = 0) {
  ActionParam param = Param(key, field, Kind::kEnumerated, type::kEnumerated, label);
  param.names = names;
  param.nameCount = static_cast<int32_t>(N);
  param.firstValue = firstValue;
  return param;
}
// A count whose value outside the palette's range the effect cannot run with.
constexpr ActionParam InRange(ActionParam param) {
  param.checkRange = true;
  return param;
}
// The second component of a point field.
constexpr ActionParam SecondOf(ActionParam param) {
  param.component = 1;
  return param;
}
// Read and recorded only while `field` is on.
constexpr ActionParam WhileOn(const char* field, ActionParam param) {
  param.when = {field, ActionCondition::kNonZero, 0};
  return param;
}
// Read only when `field` passes the test; always recorded.
constexpr ActionParam ReadWhen(const char* field, ActionCondition::Test test, int32_t value, ActionParam param) {
  param.when = {field, test, value};
  param.recordAlways = true;
  return param;
}

constexpr const char* kStepModeNames[] = {"自動（高密度）", "自動（中密度）", "自動（低密度）"};
constexpr const char* kStackingNames[] = {"上積み", "下積み"};
constexpr const char* kSpacingNames[] = {"減速", "等速", "加速"};

// The step style is carried as a bare enumeration; the step count as text.
constexpr ActionParam kStepStyle = Param("stSy", "stepMode", Kind::kEnumerated, type::kEnumerated, "");
constexpr ActionParam Steps() {
  ActionParam param = Param("step", "steps", Kind::kStepsText, type::kString, "ステップ数: ");
  param.names = kStepModeNames;
  param.nameCount = 3;
  return param;
}

constexpr ActionParam kNeonParams[] = {
    Int("trck", "tracks", "トラック数: "),
    Real("brgt", "gradientArc", "階調カーブ: "),
    Real("cntr", "contrast", "コントラスト: "),
    kStepStyle,
    Steps(),
    Real("ofst", "offset", "偏心量: "),
    Real("angl", "offsetAngle", "偏心方向: "),
    Bool("shdF", "shadowOn", "シャドウ: "),
    WhileOn("shadowOn", Real("shdw", "shadowTint", "- 濃度: ")),
    WhileOn("shadowOn", Bool("shRF", "shadowReverse", "- 階調の反転: ")),
    WhileOn("shadowOn", Real("shOf", "shadowOffset", "- オフセット: ")),
    WhileOn("shadowOn", Real("shAg", "lightAngle", "- 光源の方向: ")),
};

constexpr const char* kBorderSideNames[] = {"外側", "内側"};
constexpr ActionParam kBorderParams[] = {
    Enum("styl", "side", "スタイル: ", kBorderSideNames),
    Real("brgt", "gradientArc", "階調カーブ: "),
    Bool("brtR", "reverse", "階調の反転: "),
    kStepStyle,
    Steps(),
    Real("ofst", "offset", "偏心量: "),
    Real("angl", "offsetAngle", "偏心方向: "),
    Bool("shdF", "shadowOn", "シャドウ: "),
    WhileOn("shadowOn", Real("shdw", "shadowTint", "- 濃度: ")),
    WhileOn("shadowOn", Real("shOf", "shadowOffset", "- オフセット: ")),
    WhileOn("shadowOn", Real("shAg", "lightAngle", "- 光源の方向: ")),
};

constexpr const char* kEmbossStyleNames[] = {"通常", "明部のみ", "暗部のみ"};
constexpr ActionParam kEmbossParams[] = {
    Enum("emSt", "embossStyle", "スタイル: ", kEmbossStyleNames),
    Real("cntr", "contrast", "コントラスト: "),
    Real("ofst", "offset", "オフセット: "),
    Real("angl", "lightAngle", "光源の方向: "),
    Bool("rvrs", "reverse", "反転: "),
    Int("step", "steps", "ステップ数: "),
};

constexpr ActionParam kCutoutParams[] = {
    Real("shad", "shade", "シェード: "),
    Real("ofst", "distance", "オフセット: "),
    Real("angl", "lightAngle", "光源の方向: "),
    Int("step", "steps", "ステップ数: "),
};

constexpr ActionParam kShadowParams[] = {
    Real("dnst", "shade", "シェード: "),
    Real("ofst", "distance", "オフセット: "),
    Real("angl", "lightAngle", "光源の方向: "),
    Real("tpcy", "transparency", "透過率: "),
};

// The end colour kinds are described as enumerations but carried as integers.
constexpr ActionParam EndKind(const char* key, const char* field) {
  return Param(key, field, Kind::kInteger, type::kEnumerated, "");
}
constexpr ActionParam kTrailParams[] = {
    Enum("styl", "stacking", "重ね方: ", kStackingNames),
    Real("sTnt", "beginning", "開始濃度: "),
    Int("step", "steps", "ステップ数: "),
    Enum("stKd", "spacing", "間隔: ", kSpacingNames),
    EndKind("eFCK", "endFillKind"),
    EndKind("eSCK", "endStrokeKind"),
    Param("eFCo", "endFillColor", Kind::kRawColor, type::kRawData, ""),
    Param("eSCo", "endStrokeColor", Kind::kRawColor, type::kRawData, ""),
    Real("eTnt", "endTint", "収束条件 - 濃度: "),
    Real("angl", "angle", "収束条件 - 角度: "),
    Real("hSiz", "endSize", "収束条件 - 水平サイズ: "),
    SecondOf(Real("vSiz", "endSize", "収束条件 - 垂直サイズ: ")),
    Real("ctrA", "originAngle", "収束条件 - 原点の方向: "),
    Real("ctrL", "originDistance", "収束条件 - 原点の距離: "),
    Real("oftA", "dragAngle", "ドラッグ - 方向: "),
    Real("oftL", "dragLength", "ドラッグ - 距離: "),
};

constexpr const char* kDatumNames[] = {"左上", "中央上", "右上", "中央左", "中央", "中央右", "左下", "中央下", "右下"};
constexpr ActionParam kCircleParams[] = {
    Int("cpNm", "copyCount", "配置数: "),
    Bool("kpAg", "keepAngle", "角度を保つ: "),
    Enum("oInd", "datumIndex", "基準点: ", kDatumNames),
    Real("hOfs", "offsetH", "水平オフセット: "),
    Real("vOfs", "offsetV", "垂直オフセット: "),
    Bool("crsH", "showCenterMark", "中心点を表示: "),
    Real("ovlR", "heightRatio", "偏平率: "),
};

constexpr const char* kAxisNames[] = {"水平軸", "垂直軸", "水平垂直軸", "放射軸"};
constexpr ActionParam kReflectionsParams[] = {
    Enum("axSt", "axisType", "対称の中心: ", kAxisNames),
    ReadWhen("axisType", ActionCondition::kNotEquals, 0, Real("hOfs", "offsetH", "水平オフセット: ")),
    ReadWhen("axisType", ActionCondition::kNotEquals, 1, Real("vOfs", "offsetV", "垂直オフセット: ")),
    ReadWhen("axisType", ActionCondition::kEquals, 3, Int("axNm", "axisCount", "軸の数: ")),
};

// The recording shows only what the axis type uses: no offset across an axis
// that is not there, and the number of axes the type implies.
void ReflectionsBeforeRecord(void* copy) {
  auto& params = *static_cast<ReflectionsPGParams*>(copy);
  if (params.axisType == 0) params.offsetH = 0;
  if (params.axisType == 1) params.offsetV = 0;
  if (params.axisType != 3) params.axisCount = params.axisType == 2 ? 2 : 1;
}

constexpr ActionParam kTilingParams[] = {
    Int("hCpy", "columns", "水平配置数: "),
    Int("vCpy", "rows", "垂直配置数: "),
    Int("mvSt", "moveRelative", ""),
    Real("hMov", "moveH", "送り量（水平）: "),
    Real("vMov", "moveV", "送り量（垂直）: "),
    Enum("styl", "stackBelow", "重ね方: ", kStackingNames),
    Real("hLSz", "lastSizeH", "水平最終サイズ: "),
    Real("vLSz", "lastSizeV", "垂直最終サイズ: "),
    Bool("rszM", "resizeMove", "送り量もリサイズ: "),
    Real("hLRt", "lastRotationH", "水平最終回転角: "),
    Real("vLRt", "lastRotationV", "垂直最終回転角: "),
};

constexpr const char* kDirectionNames[] = {"時計回り", "反時計回り"};
constexpr ActionParam kFrameParams[] = {
    Int("hCpy", "hSideCount", "水平サイド配置数: "),
    Int("vCpy", "vSideCount", "垂直サイド配置数: "),
    Bool("kpAg", "keepAngle", "角度を保つ: "),
    Int("mvSt", "moveRelative", ""),
    Real("move", "sideMove", "送り量（サイド）: "),
    Real("cMov", "cornerMove", "送り量（コーナー）: "),
    Real("styl", "cornerOffset", "コーナーオフセット: "),
    Bool("cnAr", "placeAtCorner", "コーナーに配置: "),
    Enum("rund", "direction", "回り方: ", kDirectionNames),
};

constexpr ActionParam kGenerationParams[] = {
    Int("cpyN", "copyCount", "数量: "),
    Int("mvSt", "moveRelative", ""),
    Real("move", "feed", "送り量: "),
    Real("sizR", "scaleRate", "変化率: "),
    Real("angl", "moveAngle", "方向: "),
    Real("rotR", "angleStep", "方向変化量: "),
    Enum("styl", "stackBelow", "重ね方: ", kStackingNames),
};

constexpr ActionParam kExplosionParams[] = {
    Int("cpNm", "copyCount", "数量: "),
    Real("rAng", "angleJitter", "放射角のゆれ: "),
    Bool("kpAg", "keepAngle", "角度を保つ: "),
    Real("rdus", "coreRadius", "中心部の半径: "),
    Real("rRng", "spread", "広がり: "),
    Bool("crsH", "showCenterMark", "中心点を表示: "),
    Enum("stKd", "spacing", "間隔: ", kSpacingNames),
    Real("pers", "tipScale", "先端のサイズ: "),
    Bool("rRnd", "reproduceRandom", "ランダムを再現: "),
    Int("seed", "randomSeed", ""),
};
// Explosion's description lists the spacing before the centre mark.
constexpr const char* kExplosionRegistration[] = {"cpNm", "rAng", "kpAg", "rdus", "rRng",
                                                  "stKd", "crsH", "pers", "rRnd", "seed"};

constexpr ActionParam kGalaxyParams[] = {
    Int("cpNm", "branchCount", "枝の数: "),
    Real("rAng", "angleJitter", "方向のゆれ: "),
    Int("sgNm", "elementCount", "枝の要素数: "),
    Real("segR", "branchKink", "枝のよれ: "),
    Real("sAng", "branchTwist", "枝のひねり角: "),
    Real("sAgR", "twistJitter", "ひねり角のゆれ: "),
    Bool("kpAg", "keepAngle", "角度を保つ: "),
    Real("mnRd", "coreRadius", "中心部の半径: "),
    Real("nRdR", "coreJitter", "半径のゆれ: "),
    Bool("crsH", "showCenterMark", "中心点を表示: "),
    Real("mxRd", "spread", "広がり: "),
    Real("xRdR", "spreadJitter", "広がりのゆれ: "),
    Real("pers", "tipScale", "先端のサイズ: "),
    Real("rSiz", "sizeJitter", "サイズのゆれ: "),
    Enum("styl", "stackBelow", "重ね方: ", kStackingNames),
    Bool("rRnd", "reproduceRandom", "ランダムを再現: "),
    Int("seed", "randomSeed", ""),
};

constexpr const char* kGeneratorNames[] = {"直角二等辺三角形", "直角三角形１", "直角三角形２", "正三角形１",
                                           "正三角形２",       "正三角形３",   "台形１",       "台形２",
                                           "台形３",           "正方形１",     "正方形２",     "正方形３",
                                           "逆正三角形",       "半円"};
constexpr ActionParam kFractalizeParams[] = {
    Enum("gene", "generator", "ジェネレータ: ", kGeneratorNames, 1),
    Real("genH", "genHeight", "高さ: "),
    InRange(Int("levl", "level", "レベル: ")),
    Real("dens", "density", "セグメント: "),
    Real("unev", "uneven", "ひずみ: "),
    Int("uneU", "unevenUnit", ""),
};

// Neon's generator divides by the number of tracks; an action that carries
// fewer than one plays with one, as the palette would.
void NeonAfterPlay(void* record) {
  auto& params = *static_cast<NeonPGParams*>(record);
  if (params.tracks < 1) params.tracks = 1;
}

void TrailAfterPlay(void* record) { UpdateTrailOffsets(*static_cast<TrailPGParams*>(record)); }

const EffectAction kActions[kActionCount] = {
    {0, "VmX4_Fractalize_Action", "フラクタル化", -1, &kFractalizeParamsSpec, kFractalizeParams, {}, nullptr, nullptr},
    {1, "VmX4_Border_Action", "ライブ ボーター", 23, &kBorderPGParamsSpec, kBorderParams, {}, nullptr, nullptr},
    {2, "VmX4_Circle_Action", "ライブ サークル", 16, &kCirclePGParamsSpec, kCircleParams, {}, nullptr, nullptr},
    {3, "VmX4_Cutout_Action", "ライブ カットアウト", 14, &kCutoutPGParamsSpec, kCutoutParams, {}, nullptr, nullptr},
    {4, "VmX4_Emboss_Action", "ライブ エンボス", 13, &kEmbossPGParamsSpec, kEmbossParams, {}, nullptr, nullptr},
    {5, "VmX4_Explosion_Action", "ライブ エクスプロージョン", 12, &kExplosionPGParamsSpec, kExplosionParams,
     kExplosionRegistration, nullptr, nullptr},
    {6, "VmX4_Frame_Action", "ライブ フレーム", 22, &kFramePGParamsSpec, kFrameParams, {}, nullptr, nullptr},
    {7, "VmX4_Galaxy_Action", "ライブ ギャラクシー", 15, &kGalaxyPGParamsSpec, kGalaxyParams, {}, nullptr, nullptr},
    {8, "VmX4_Generation_Action", "ライブ ジェネレーション", 17, &kGenerationPGParamsSpec, kGenerationParams, {},
     nullptr, nullptr},
    {9, "VmX4_Neon_Action", "ライブ ネオン", 21, &kNeonPGParamsSpec, kNeonParams, {}, nullptr, NeonAfterPlay},
    {10, "VmX4_Reflections_Action", "ライブ リフレクション", 24, &kReflectionsPGParamsSpec, kReflectionsParams, {},
     ReflectionsBeforeRecord, nullptr},
    {11, "VmX4_DropShadow_Action", "ライブ シャドウ", 18, &kShadowPGParamsSpec, kShadowParams, {}, nullptr, nullptr},
    {12, "VmX4_Tiling_Action", "ライブ タイリング", 19, &kTilingPGParamsSpec, kTilingParams, {}, nullptr, nullptr},
    {13, "VmX4_Trail_Action", "ライブ トレイル", 20, &kTrailPGParamsSpec, kTrailParams, {}, nullptr, TrailAfterPlay},
};

}  // namespace

std::span<const EffectAction> EffectActions() { return kActions; }

const EffectAction* FindEffectAction(int16_t effectIndex) {
  if (effectIndex < 0) return nullptr;
  for (const EffectAction& action : kActions)
    if (action.effectIndex == effectIndex) return &action;
  return nullptr;
}

}  // namespace vx
