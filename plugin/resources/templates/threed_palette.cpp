// The Live 3D Transform palette, one template for the twelve shapes. The four
// shape rows are labelled, enabled and given their slider ranges by the
// palette for the shape it opens with, so their labels carry ids and start
// empty.
#include "resources/templates/template_sheet.h"

namespace vx::resources {
namespace {

using namespace ctl::threed;

// One line of the rotation group: the flat art's angle, the mapped shape's
// angle, and the hint naming the tool drag that changes both.
template <size_t N>
constexpr void RotationRow(Sheet<N>& s, Caption pre, int32_t preEdit, int32_t preSpin, Caption post,
                           int32_t postEdit, int32_t postSpin, Caption hint) {
  const RowOptions column{.labelWidth = 14, .fieldWidth = 44, .advance = false};
  RowOptions second = column;
  second.x = s.Left() + 74;
  s.Field(pre, preEdit, preSpin, column);
  s.Field(post, postEdit, postSpin, second);
  s.Label(hint, s.Left() + 148, s.Line(), s.Right() - s.Left() - 148);
  s.Down(layout::kLineHeight + layout::kGap);
}

constexpr auto k3DSheet = [] {
  Sheet<64> s(layout::kEffectPaletteWidth);
  const RowOptions shapeRow{.labelWidth = 100, .fieldWidth = 48};
  for (int row = 0; row < 4; ++row) {
    RowOptions o = shapeRow;
    o.labelId = ParamLabel(row);
    s.FieldWithSlider(Same(""), ParamEdit(row), ParamSpin(row), ParamSlider(row), o);
  }
  s.FieldWithSlider({"遠近感(%):", "Perspective(%):"}, kPerspective, kPerspectiveSpin, kPerspectiveSlider,
                    shapeRow);
  s.BeginGroup({"軸周り回転(°)", "Rotation(°)"});
  s.Radios(Same(""), {{kBefore, {"変換前(xyz)", "Before (xyz)"}}, {kAfter, {"変換後(XYZ)", "After (XYZ)"}}}, 106,
           {.labelWidth = 0});
  RotationRow(s, Same("x:"), kPreRotX, kPreRotXSpin, Same("X:"), kPostRotX, kPostRotXSpin, {"垂直ドラッグ", "Vertical drag"});
  RotationRow(s, Same("y:"), kPreRotY, kPreRotYSpin, Same("Y:"), kPostRotY, kPostRotYSpin, {"水平ドラッグ", "Horizontal drag"});
  RotationRow(s, Same("z:"), kPreRotZ, kPreRotZSpin, Same("Z:"), kPostRotZ, kPostRotZSpin, {"Shift ドラッグ", "Shift drag"});
  s.EndGroup();
  s.BeginGroup({"カーソル(%)", "Cursor(%)"});
  RotationRow(s, Same("H:"), kCursorH, kCursorHSpin, Same("V:"), kCursorV, kCursorVSpin, {"Alt ドラッグ", "Alt drag"});
  s.EndGroup();
  s.Check({"制御点だけを移動", "Move Control Points Only"}, kControlPointsOnly);
  s.EffectButtons();
  return s;
}();
constexpr auto k3DJa = Localize<k3DSheet.Count()>(k3DSheet, Language::kJapanese);
constexpr auto k3DEn = Localize<k3DSheet.Count()>(k3DSheet, Language::kEnglish);

}  // namespace

constexpr DialogPair k3DPaletteTemplates =
    MakePair(res::k3DPalette, {"Live 3D変換", "Live 3D Transform"}, k3DSheet, k3DJa, k3DEn);

}  // namespace vx::resources
