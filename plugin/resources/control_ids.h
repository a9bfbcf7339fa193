// Control ids of the plug-in's dialog templates, by palette. A palette class
// and a record's control column use these to reach the controls its template
// creates. Labels that code never addresses have no id (-1) and are not here.
//
// Palettes that edit the same fields the same way use the same ids: Neon uses
// Border's ids for the fields they share, Cutout uses Shadow's, and the Trail
// tool uses Live Trail's, so one binding serves both palettes of each pair.
#pragma once

#include <cstdint>

namespace vx::ctl {

// --- Shared by every palette and dialog -----------------------------------
constexpr int32_t kOk = 1;
constexpr int32_t kCancel = 2;
constexpr int32_t kHelpButton = 1055;  // "?"
// Effect palettes.
constexpr int32_t kLiveUpdate = 1422;
constexpr int32_t kExpand = 1423;
constexpr int32_t kRelease = 1424;
constexpr int32_t kApply = 1425;
// Modal effect dialog.
constexpr int32_t kPreview = 1436;
constexpr int32_t kPresetButton = 1438;

// --- Preset dialog (647) and import dialog (646) --------------------------
namespace preset {
constexpr int32_t kClose = 1264;
constexpr int32_t kExport = 1265;
constexpr int32_t kImport = 1266;
constexpr int32_t kSaveNew = 1267;
constexpr int32_t kDelete = 1268;
constexpr int32_t kReorder = 1269;      // check box: reorder rows by dragging
constexpr int32_t kReorderList = 1270;  // drag list, shown in reorder mode
constexpr int32_t kList = 1271;         // multiple selection, shown otherwise
constexpr int32_t kHint = 1272;
constexpr int32_t kImportList = 1059;   // import dialog
}  // namespace preset

// --- Help palette (648) ---------------------------------------------------
namespace help {
constexpr int32_t kTopics = 1056;
constexpr int32_t kText = 1057;
constexpr int32_t kPicture = 1058;
}  // namespace help

// --- Live Border (650) ----------------------------------------------------
namespace border {
constexpr int32_t kOutside = 1577;
constexpr int32_t kInside = 1578;
constexpr int32_t kGradientArc = 1579;
constexpr int32_t kGradientArcSpin = 1580;
constexpr int32_t kArcMinus = 1581;  // quick-set -100
constexpr int32_t kArcZero = 1582;   // quick-set 0
constexpr int32_t kArcPlus = 1583;   // quick-set 100
constexpr int32_t kGradientArcSlider = 1584;
constexpr int32_t kReverse = 1585;
constexpr int32_t kStepMode = 1586;
constexpr int32_t kStepsLabel = 1587;  // disabled with the steps field
constexpr int32_t kSteps = 1588;
constexpr int32_t kStepsSpin = 1589;
constexpr int32_t kOffset = 1590;
constexpr int32_t kOffsetSpin = 1591;
constexpr int32_t kAngle = 1592;
constexpr int32_t kAngleSpin = 1593;
constexpr int32_t kAngleDial = 1594;
constexpr int32_t kShadow = 1595;
// The shadow group: three labels, three fields with their spins, and the dial.
constexpr int32_t kTintLabel = 1596;
constexpr int32_t kTint = 1597;
constexpr int32_t kTintSpin = 1598;
constexpr int32_t kShadowOffsetLabel = 1599;
constexpr int32_t kShadowOffset = 1600;
constexpr int32_t kShadowOffsetSpin = 1601;
constexpr int32_t kLightDial = 1602;
constexpr int32_t kLightAngle = 1603;
constexpr int32_t kLightAngleSpin = 1604;
constexpr int32_t kLightAngleLabel = 1605;
}  // namespace border

// --- Live Neon (649): Border's ids for the shared fields, and its own -----
namespace neon {
using namespace border;
constexpr int32_t kTracks = 1570;
constexpr int32_t kTracksSpin = 1571;
constexpr int32_t kContrast = 1572;
constexpr int32_t kContrastSpin = 1573;
constexpr int32_t kShadowReverse = 1574;
}  // namespace neon

// --- Live Emboss (651) ----------------------------------------------------
namespace emboss {
constexpr int32_t kStyle = 1610;
constexpr int32_t kContrast = 1611;
constexpr int32_t kContrastSpin = 1612;
constexpr int32_t kOffset = 1613;
constexpr int32_t kOffsetSpin = 1614;
constexpr int32_t kLightAngle = 1615;
constexpr int32_t kLightAngleSpin = 1616;
constexpr int32_t kLightDial = 1617;
constexpr int32_t kReverse = 1618;
constexpr int32_t kSteps = 1619;
constexpr int32_t kStepsSpin = 1620;
}  // namespace emboss

// --- Live Shadow (653) and Live Cutout (652) ------------------------------
namespace shadow {
constexpr int32_t kShade = 1630;
constexpr int32_t kShadeSpin = 1631;
constexpr int32_t kOffset = 1632;
constexpr int32_t kOffsetSpin = 1633;
constexpr int32_t kLightAngle = 1634;
constexpr int32_t kLightAngleSpin = 1635;
constexpr int32_t kLightDial = 1636;
constexpr int32_t kTransparency = 1637;
constexpr int32_t kTransparencySpin = 1638;
constexpr int32_t kTransparencySlider = 1639;
}  // namespace shadow

namespace cutout {
using shadow::kShade, shadow::kShadeSpin, shadow::kOffset, shadow::kOffsetSpin, shadow::kLightAngle,
    shadow::kLightAngleSpin, shadow::kLightDial;
constexpr int32_t kSteps = 1640;
constexpr int32_t kStepsSpin = 1641;
}  // namespace cutout

// --- Live Trail (654) and the Trail tool (670) ----------------------------
namespace trail {
constexpr int32_t kStackOnTop = 1650;
constexpr int32_t kStackBelow = 1651;
constexpr int32_t kBeginning = 1652;
constexpr int32_t kBeginningSpin = 1653;
constexpr int32_t kCalc = 1654;
constexpr int32_t kSteps = 1655;
constexpr int32_t kStepsSpin = 1656;
constexpr int32_t kSpaceDec = 1657;
constexpr int32_t kSpaceUni = 1658;
constexpr int32_t kSpaceAcc = 1659;
constexpr int32_t kFillSwatch = 1660;
constexpr int32_t kStrokeSwatch = 1661;
constexpr int32_t kFillOwn = 1662;
constexpr int32_t kFillWhite = 1663;
constexpr int32_t kFillBlack = 1664;
constexpr int32_t kFillNone = 1665;
constexpr int32_t kStrokeOwn = 1666;
constexpr int32_t kStrokeWhite = 1667;
constexpr int32_t kStrokeBlack = 1668;
constexpr int32_t kStrokeNone = 1669;
constexpr int32_t kSwap = 1670;
constexpr int32_t kColorModel = 1671;  // label naming the document's colour model
constexpr int32_t kTint = 1672;
constexpr int32_t kTintSpin = 1673;
constexpr int32_t kOpacity = 1674;
constexpr int32_t kOpacitySpin = 1675;
constexpr int32_t kAngle = 1676;
constexpr int32_t kAngleSpin = 1677;
constexpr int32_t kAngleSlider = 1678;
constexpr int32_t kSizeH = 1679;
constexpr int32_t kSizeHSpin = 1680;
constexpr int32_t kSizeHSlider = 1681;
constexpr int32_t kSizeV = 1682;
constexpr int32_t kSizeVSpin = 1683;
constexpr int32_t kSizeVSlider = 1684;
// Live Trail only.
constexpr int32_t kOriginAngle = 1685;
constexpr int32_t kOriginAngleSpin = 1686;
constexpr int32_t kOriginDial = 1687;
constexpr int32_t kOriginDistance = 1688;
constexpr int32_t kOriginDistanceSpin = 1689;
constexpr int32_t kOriginDistanceSlider = 1690;
constexpr int32_t kDragAngle = 1691;
constexpr int32_t kDragAngleSpin = 1692;
constexpr int32_t kDragDial = 1693;
constexpr int32_t kDragLength = 1694;
constexpr int32_t kDragLengthSpin = 1695;
constexpr int32_t kDragLengthSlider = 1696;
}  // namespace trail

// --- Live Circle (655) ----------------------------------------------------
namespace circle {
constexpr int32_t kCount = 1700;
constexpr int32_t kCountSpin = 1701;
constexpr int32_t kKeepAngle = 1702;
constexpr int32_t kFirstDatum = 1703;  // 1703-1711, datum index 0-8 row by row
constexpr int32_t kOffsetH = 1712;
constexpr int32_t kOffsetHSpin = 1713;
constexpr int32_t kOffsetV = 1714;
constexpr int32_t kOffsetVSpin = 1715;
constexpr int32_t kShowCenterMark = 1716;
constexpr int32_t kHeightRatio = 1717;
constexpr int32_t kHeightRatioSpin = 1718;
}  // namespace circle

// --- Live Reflections (668) -----------------------------------------------
namespace reflections {
constexpr int32_t kAxisType = 1720;
constexpr int32_t kOffsetH = 1721;
constexpr int32_t kOffsetHSpin = 1722;
constexpr int32_t kOffsetV = 1723;
constexpr int32_t kOffsetVSpin = 1724;
constexpr int32_t kAxisCount = 1725;
constexpr int32_t kAxisCountSpin = 1726;
}  // namespace reflections

// --- Live Tiling (661) ----------------------------------------------------
// The feed pair exists twice at the same place, relative and absolute; the
// palette shows the pair of the current mode.
namespace tiling {
constexpr int32_t kColumns = 1730;
constexpr int32_t kColumnsSpin = 1731;
constexpr int32_t kRows = 1732;
constexpr int32_t kRowsSpin = 1733;
constexpr int32_t kFeedMode = 1734;
constexpr int32_t kMoveHRelative = 1735;
constexpr int32_t kMoveHRelativeSpin = 1736;
constexpr int32_t kMoveVRelative = 1737;
constexpr int32_t kMoveVRelativeSpin = 1738;
constexpr int32_t kMoveHAbsolute = 1739;
constexpr int32_t kMoveHAbsoluteSpin = 1740;
constexpr int32_t kMoveVAbsolute = 1741;
constexpr int32_t kMoveVAbsoluteSpin = 1742;
constexpr int32_t kStackAbove = 1743;
constexpr int32_t kStackBelow = 1744;
constexpr int32_t kLastSizeH = 1745;
constexpr int32_t kLastSizeHSpin = 1746;
constexpr int32_t kLastSizeV = 1747;
constexpr int32_t kLastSizeVSpin = 1748;
constexpr int32_t kResizeMove = 1749;
constexpr int32_t kLastRotationH = 1750;
constexpr int32_t kLastRotationHSpin = 1751;
constexpr int32_t kLastRotationV = 1752;
constexpr int32_t kLastRotationVSpin = 1753;
}  // namespace tiling

// --- Live Frame (662) -----------------------------------------------------
namespace frame {
constexpr int32_t kSideH = 1760;
constexpr int32_t kSideHSpin = 1761;
constexpr int32_t kSideV = 1762;
constexpr int32_t kSideVSpin = 1763;
constexpr int32_t kKeepAngle = 1764;
constexpr int32_t kFeedMode = 1765;
constexpr int32_t kSideMoveRelative = 1766;
constexpr int32_t kSideMoveRelativeSpin = 1767;
constexpr int32_t kCornerMoveRelative = 1768;
constexpr int32_t kCornerMoveRelativeSpin = 1769;
constexpr int32_t kSideMoveAbsolute = 1770;
constexpr int32_t kSideMoveAbsoluteSpin = 1771;
constexpr int32_t kCornerMoveAbsolute = 1772;
constexpr int32_t kCornerMoveAbsoluteSpin = 1773;
constexpr int32_t kCornerOffset = 1774;
constexpr int32_t kCornerOffsetSpin = 1775;
constexpr int32_t kCornerMinus = 1776;  // quick-set -100
constexpr int32_t kCornerZero = 1777;   // quick-set 0
constexpr int32_t kCornerPlus = 1778;   // quick-set 100
constexpr int32_t kCornerOffsetSlider = 1779;
constexpr int32_t kPlaceAtCorner = 1780;
constexpr int32_t kClockwise = 1781;
constexpr int32_t kCounterClockwise = 1782;
}  // namespace frame

// --- Live Generation (669) ------------------------------------------------
namespace generation {
constexpr int32_t kCount = 1790;
constexpr int32_t kCountSpin = 1791;
constexpr int32_t kFeedMode = 1792;
constexpr int32_t kFeedRelative = 1793;
constexpr int32_t kFeedRelativeSpin = 1794;
constexpr int32_t kFeedAbsolute = 1795;
constexpr int32_t kFeedAbsoluteSpin = 1796;
constexpr int32_t kScaleRate = 1797;
constexpr int32_t kScaleRateSpin = 1798;
constexpr int32_t kAngle = 1799;
constexpr int32_t kAngleSpin = 1800;
constexpr int32_t kAngleDial = 1801;
constexpr int32_t kAngleStep = 1802;
constexpr int32_t kAngleStepSpin = 1803;
constexpr int32_t kStackAbove = 1804;
constexpr int32_t kStackBelow = 1805;
}  // namespace generation

// --- Live Explosion (659) -------------------------------------------------
namespace explosion {
constexpr int32_t kCount = 1810;
constexpr int32_t kCountSpin = 1811;
constexpr int32_t kAngleJitter = 1812;
constexpr int32_t kAngleJitterSpin = 1813;
constexpr int32_t kKeepAngle = 1814;
constexpr int32_t kCoreRadius = 1815;
constexpr int32_t kCoreRadiusSpin = 1816;
constexpr int32_t kSpread = 1817;
constexpr int32_t kSpreadSpin = 1818;
constexpr int32_t kShowCenterMark = 1819;
constexpr int32_t kSpaceDec = 1820;
constexpr int32_t kSpaceUni = 1821;
constexpr int32_t kSpaceAcc = 1822;
constexpr int32_t kTipScale = 1823;
constexpr int32_t kTipScaleSpin = 1824;
constexpr int32_t kSameSequence = 1825;
}  // namespace explosion

// --- Live Galaxy (660) ----------------------------------------------------
namespace galaxy {
constexpr int32_t kBranches = 1830;
constexpr int32_t kBranchesSpin = 1831;
constexpr int32_t kAngleJitter = 1832;
constexpr int32_t kAngleJitterSpin = 1833;
constexpr int32_t kElements = 1834;
constexpr int32_t kElementsSpin = 1835;
constexpr int32_t kKink = 1836;
constexpr int32_t kKinkSpin = 1837;
constexpr int32_t kTwist = 1838;
constexpr int32_t kTwistSpin = 1839;
constexpr int32_t kTwistJitter = 1840;
constexpr int32_t kTwistJitterSpin = 1841;
constexpr int32_t kKeepAngle = 1842;
constexpr int32_t kCoreRadius = 1843;
constexpr int32_t kCoreRadiusSpin = 1844;
constexpr int32_t kCoreJitter = 1845;
constexpr int32_t kCoreJitterSpin = 1846;
constexpr int32_t kShowCenterMark = 1847;
constexpr int32_t kSpread = 1848;
constexpr int32_t kSpreadSpin = 1849;
constexpr int32_t kSpreadJitter = 1850;
constexpr int32_t kSpreadJitterSpin = 1851;
constexpr int32_t kTipScale = 1852;
constexpr int32_t kTipScaleSpin = 1853;
constexpr int32_t kSizeJitter = 1854;
constexpr int32_t kSizeJitterSpin = 1855;
constexpr int32_t kStackAbove = 1856;
constexpr int32_t kStackBelow = 1857;
constexpr int32_t kSameSequence = 1858;
}  // namespace galaxy

// --- Live 3D Transform (658) ----------------------------------------------
namespace threed {
// Shape parameter rows 0-3: label (its text follows the shape), edit, spin, slider.
constexpr int32_t ParamLabel(int row) { return 1860 + 4 * row; }
constexpr int32_t ParamEdit(int row) { return 1861 + 4 * row; }
constexpr int32_t ParamSpin(int row) { return 1862 + 4 * row; }
constexpr int32_t ParamSlider(int row) { return 1863 + 4 * row; }
constexpr int32_t kPerspective = 1876;
constexpr int32_t kPerspectiveSpin = 1877;
constexpr int32_t kPerspectiveSlider = 1878;
constexpr int32_t kBefore = 1879;  // radio: showMapped 0
constexpr int32_t kAfter = 1880;   // radio: showMapped 1
constexpr int32_t kPreRotX = 1881;
constexpr int32_t kPreRotXSpin = 1882;
constexpr int32_t kPreRotY = 1883;
constexpr int32_t kPreRotYSpin = 1884;
constexpr int32_t kPreRotZ = 1885;
constexpr int32_t kPreRotZSpin = 1886;
constexpr int32_t kPostRotX = 1887;
constexpr int32_t kPostRotXSpin = 1888;
constexpr int32_t kPostRotY = 1889;
constexpr int32_t kPostRotYSpin = 1890;
constexpr int32_t kPostRotZ = 1891;
constexpr int32_t kPostRotZSpin = 1892;
constexpr int32_t kCursorH = 1893;
constexpr int32_t kCursorHSpin = 1894;
constexpr int32_t kCursorV = 1895;
constexpr int32_t kCursorVSpin = 1896;
constexpr int32_t kControlPointsOnly = 1897;
}  // namespace threed

// --- Fractalize dialog (657) ----------------------------------------------
// Besides OK, Cancel, "?", Preview and the preset button above.
namespace fractalize {
constexpr int32_t kGenerator = 1440;
constexpr int32_t kHeight = 1441;
constexpr int32_t kHeightSpin = 1442;
constexpr int32_t kLevel = 1443;
constexpr int32_t kDensity = 1444;
constexpr int32_t kDensitySpin = 1445;
constexpr int32_t kUneven = 1446;
constexpr int32_t kUnevenSpin = 1447;
constexpr int32_t kUnevenUnit = 1448;  // button showing "%" or "pt"
constexpr int32_t kNewSequence = 1449;
}  // namespace fractalize

// --- Warp tool (101) ------------------------------------------------------
namespace warp {
// Shape buttons by shape 0-21.
inline constexpr int32_t kShapes[22] = {1286, 1297, 1301, 1302, 1303, 1304, 1305, 1306, 1307, 1287, 1288,
                                        1289, 1290, 1291, 1292, 1293, 1294, 1295, 1296, 1298, 1299, 1300};
constexpr int32_t kPerspective = 1308;
constexpr int32_t kTrace = 1309;
constexpr int32_t kTraceMode = 1310;
constexpr int32_t kMargin = 1311;
constexpr int32_t kTraceSpace = 1312;
constexpr int32_t kTraceSteps = 1313;
constexpr int32_t kMarginSpin = 1314;
constexpr int32_t kTraceSpaceSpin = 1315;
constexpr int32_t kTraceStepsSpin = 1316;
}  // namespace warp

// --- Wave tool (656) ------------------------------------------------------
namespace wave {
constexpr int32_t kFirstShape = 1319;  // 1319-1323, shape 0-4
constexpr int32_t kTrace = 1324;
constexpr int32_t kTraceMode = 1325;
constexpr int32_t kCycle = 1326;
constexpr int32_t kTraceSpace = 1327;
constexpr int32_t kTraceSteps = 1328;
constexpr int32_t kCycleSpin = 1329;
constexpr int32_t kTraceSpaceSpin = 1330;
constexpr int32_t kTraceStepsSpin = 1331;
}  // namespace wave

// --- Lens tool (663) ------------------------------------------------------
// The rows of one lens type share their place with those of the others; the
// palette shows the rows of the current type.
namespace lens {
constexpr int32_t kFirstType = 1062;  // 1062-1065, type 0-3
constexpr int32_t kGroupAsOneUnit = 1066;
constexpr int32_t kTrace = 1067;
constexpr int32_t kTraceMode = 1068;
constexpr int32_t kAreaWidth = 1069;
constexpr int32_t kAreaHeight = 1070;
constexpr int32_t kThickness = 1071;
constexpr int32_t kMagnification = 1072;
constexpr int32_t kMinimumH = 1073;
constexpr int32_t kMinimumV = 1074;
constexpr int32_t kTraceSpace = 1075;
constexpr int32_t kTraceSteps = 1076;
constexpr int32_t kTwirlAngle = 1077;
constexpr int32_t kCycle = 1078;
constexpr int32_t kAreaWidthSpin = 1079;
constexpr int32_t kAreaHeightSpin = 1080;
constexpr int32_t kThicknessSpin = 1081;
constexpr int32_t kMagnificationSpin = 1082;
constexpr int32_t kMinimumHSpin = 1083;
constexpr int32_t kMinimumVSpin = 1084;
constexpr int32_t kTraceSpaceSpin = 1085;
constexpr int32_t kTraceStepsSpin = 1086;
constexpr int32_t kTwirlAngleSpin = 1087;
constexpr int32_t kCycleSpin = 1088;
constexpr int32_t kTypeName = 1089;  // label naming the current lens type
}  // namespace lens

// --- Craft tool (664) -----------------------------------------------------
namespace craft {
constexpr int32_t kFirstMode = 1040;  // 1040-1043, mode 0-3
constexpr int32_t kTrace = 1044;
constexpr int32_t kResistance = 1045;
constexpr int32_t kTraceMode = 1046;
constexpr int32_t kAreaRadius = 1047;
constexpr int32_t kTraceSpace = 1048;
constexpr int32_t kTraceSteps = 1049;
constexpr int32_t kAreaRadiusSpin = 1050;
constexpr int32_t kTraceSpaceSpin = 1051;
constexpr int32_t kTraceStepsSpin = 1052;
}  // namespace craft

// --- Roughening tool (665) ------------------------------------------------
namespace rough {
constexpr int32_t kTrace = 1273;
constexpr int32_t kNewSequence = 1274;
constexpr int32_t kTraceMode = 1275;
constexpr int32_t kAreaRadius = 1276;
constexpr int32_t kTraceSteps = 1277;
constexpr int32_t kCorner = 1278;
constexpr int32_t kSmooth = 1279;
constexpr int32_t kAreaRadiusSpin = 1280;
constexpr int32_t kTraceStepsSpin = 1281;
}  // namespace rough

// --- Broom tool (666) -----------------------------------------------------
namespace broom {
constexpr int32_t kFirstMode = 1023;  // 1023-1026, mode 0-3
constexpr int32_t kGroupAsOneUnit = 1027;
constexpr int32_t kTrace = 1028;
constexpr int32_t kResistance = 1029;
constexpr int32_t kTraceMode = 1030;
constexpr int32_t kAreaRadius = 1031;
constexpr int32_t kTraceSpace = 1032;
constexpr int32_t kTraceSteps = 1033;
constexpr int32_t kAreaRadiusSpin = 1034;
constexpr int32_t kTraceSpaceSpin = 1035;
constexpr int32_t kTraceStepsSpin = 1036;
}  // namespace broom

// --- MetaBrush tool (667) -------------------------------------------------
namespace metabrush {
constexpr int32_t kFirstOrientation = 1098;  // 1098-1100, orientation 0-2
constexpr int32_t kSizeLink = 1101;          // "Size(%):" button: vertical size follows the horizontal
constexpr int32_t kFirstStacking = 1102;     // 1102-1105, stacking 0-3
constexpr int32_t kSpeedMode = 1106;         // button cycling the speed mode
constexpr int32_t kFill = 1107;
constexpr int32_t kStroke = 1108;
constexpr int32_t kFadeToSwatch = 1109;
constexpr int32_t kFade = 1110;
constexpr int32_t kTransparent = 1111;
constexpr int32_t kBelowAll = 1145;
constexpr int32_t kMinimum = 1146;
constexpr int32_t kLine = 1147;
constexpr int32_t kColorModel = 1148;
constexpr int32_t kSpaceMode = 1149;
constexpr int32_t kAngle = 1151;
constexpr int32_t kCycleStamps = 1152;
constexpr int32_t kCycleSeconds = 1153;
constexpr int32_t kPixelsPerTick = 1154;
constexpr int32_t kFadeSteps = 1157;
constexpr int32_t kRandomSmoothing = 1160;
constexpr int32_t kSize = 1162;
constexpr int32_t kDirectionOrigin = 1165;
constexpr int32_t kRelativeSpace = 1168;
constexpr int32_t kAbsoluteSpace = 1169;
constexpr int32_t kSwatch = 1170;
constexpr int32_t kFirstColorShift = 1171;  // 1171-1178

// The eleven fluctuation rows, in row order: change brush, space H, space V,
// size H, size V, shear H, shear V, angle, untrue H, untrue V, colour.
constexpr int kRowCount = 11;
// The row's value edit; 0 for the change-brush and colour rows, which have none.
inline constexpr int32_t kRowValue[kRowCount] = {0, 1158, 1159, 1166, 1167, 1163, 1164, 1161, 1155, 1156, 0};
// The first of the row's four source radio buttons (normal, pressure, direction, speed).
inline constexpr int32_t kRowSource[kRowCount] = {1240, 1228, 1252, 1236, 1260, 1232,
                                                  1256, 1244, 1224, 1248, 1220};
constexpr int32_t RowRandom(int row) { return 1112 + row; }
constexpr int32_t RowAlternate(int row) { return 1123 + row; }
constexpr int32_t RowReverse(int row) { return 1134 + row; }
}  // namespace metabrush

}  // namespace vx::ctl
