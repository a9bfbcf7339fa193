// The Live3D Rotate tool as a person drags it: a selected 3D object turns by
// half a degree per pixel about the axis the drag's direction picks, Alt moves
// the reference point, the object stays as it was until the release, and the
// annotator shows the mapped outline with the values.
#include <gtest/gtest.h>

#include "effects/framework/parameter_block.h"
#include "frame/context_guard.h"
#include "frame/globals.h"
#include "frame/plugin.h"
#include "frame/registration.h"
#include "plugin/tools/tool_test_fixture.h"
#include "threed/threed_effect.h"
#include "threed/threed_params.h"
#include "tools/rotate3d/rotate3d_tool_ctrlr.h"

namespace {

class Rotate3DToolTest : public vxtest::ToolTest {
 protected:
  Rotate3DToolTest() : ToolTest("ライブ3D回転ツール") { document.viewOrigin = {0, 200}; }

  // A selected cylinder object made of one 100 x 100 square.
  vxhost::Art* Cylinder(double postRotX = 0) {
    SelectedPath({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    vx::_3DTFilterParams params{};
    vx::Set3DShapeDefaults(params, 11);
    params.postRotX = postRotX;
    {
      vx::ContextGuard context(vx::GlobalPlugin()->pluginRef());
      EXPECT_EQ(vx::Apply3DShape(11, params), ai::kNoError);
    }
    EXPECT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    vx::ShowMappedCopy() = 1;
    vxhost::Art* live = vxtest::LayerGroup(document)->firstChild;
    EXPECT_EQ(live->kind, ai::art_kind::kPluginGroup);
    document.SelectOnly({live});
    return live;
  }
  static vx::_3DTFilterParams Stored(vxhost::Art* live) {
    vx::_3DTFilterParams params{};
    EXPECT_EQ(vx::ReadParameterBlock(vxtest::Handle(live), 11, &params), ai::kNoError);
    return params;
  }
  static std::vector<ai::SegRecord> Result(vxhost::Art* live) {
    return live->resultGroup->firstChild->firstChild->firstChild->segments;
  }
  // A press at (50, 50), one drag by (dx, dy) view pixels (y down), a release.
  void DragBy(int dx, int dy, int16_t modifiers = 0) {
    Stroke({{50, 50}, {50.0 + dx, 50.0 - dy}}, modifiers);
  }
};

TEST_F(Rotate3DToolTest, TheDragsDirectionPicksTheAxisAtHalfADegreePerPixel) {
  vxhost::Art* live = Cylinder();
  DragBy(20, 6);
  EXPECT_DOUBLE_EQ(Stored(live).postRotY, -45 + 10) << "along x: y grows";
  DragBy(4, 20);
  EXPECT_DOUBLE_EQ(Stored(live).postRotX, -10) << "view y down: x shrinks";
  DragBy(8, -8);
  EXPECT_DOUBLE_EQ(Stored(live).postRotX, -6) << "a tie counts as vertical";
  DragBy(10, 4, ai::modifier::kShift);
  EXPECT_DOUBLE_EQ(Stored(live).postRotZ, 5);
  EXPECT_DOUBLE_EQ(Stored(live).preRotY, 0) << "the first rotation stays";
}

// Opening the palette at the press keeps the object's own angles.
TEST_F(Rotate3DToolTest, PastAFullTurnTheAngleStartsAgainFromZero) {
  vxhost::Art* live = Cylinder(355);
  DragBy(0, -20);
  EXPECT_EQ(Stored(live).postRotX, 0);
  EXPECT_EQ(vx::TurnAngle(-355, -10), 0);
  EXPECT_EQ(vx::TurnAngle(355, 5), 360);
}

// The press opens the shape's palette, which shows the result ("変換後");
// with "変換前" chosen there the next drags turn the first rotation.
TEST_F(Rotate3DToolTest, BeforeTurnsTheFirstRotationAndLabelsItInLowerCase) {
  vxhost::Art* live = Cylinder();
  vx::ShowMappedCopy() = 0;
  ASSERT_EQ(Press({50, 50}), ai::kNoError);
  EXPECT_EQ(vx::ShowMappedCopy(), 1) << "the palette opened on the result";
  ASSERT_EQ(Release({50, 50}), ai::kNoError);
  vx::ShowMappedCopy() = 0;  // what the "変換前" radio button sets
  ASSERT_EQ(Press({50, 50}), ai::kNoError);
  ASSERT_EQ(DragTo({70, 50}), ai::kNoError);
  const auto& items = document.display.annotations;
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.back().text, "x:90.000°, y:10.000°, z:0.000°");
  ASSERT_EQ(Release({70, 50}), ai::kNoError);
  EXPECT_DOUBLE_EQ(Stored(live).preRotY, 10);
}

TEST_F(Rotate3DToolTest, TheObjectWaitsForTheReleaseWhileTheAnnotatorShowsTheOutline) {
  vxhost::Art* live = Cylinder();
  const auto before = Result(live);
  const size_t art = LayerArtCount();
  ASSERT_EQ(Press({50, 50}), ai::kNoError);
  EXPECT_EQ(LayerArtCount(), art + 1) << "the crosshair";
  ASSERT_EQ(DragTo({90, 50}), ai::kNoError);
  EXPECT_EQ(Result(live).size(), before.size());
  EXPECT_EQ(Result(live)[1].anchor.x, before[1].anchor.x) << "no regeneration during the drag";
  size_t lines = 0;
  for (const auto& item : document.display.annotations) lines += item.kind == vxhost::DisplayItem::Kind::kLine;
  EXPECT_GT(lines, 4u * 8) << "the mapped outline";
  EXPECT_EQ(document.display.annotations.back().text, "X:0.000°, Y:-25.000°, Z:0.000°");
  ASSERT_EQ(Release({90, 50}), ai::kNoError);
  EXPECT_EQ(LayerArtCount(), art) << "the crosshair and the working copy are gone";
  EXPECT_NE(Result(live)[1].anchor.x, before[1].anchor.x) << "regenerated once at the release";
  ExpectDragFreed();
}

TEST_F(Rotate3DToolTest, AltClickMakesThePointerTheReferencePoint) {
  vxhost::Art* live = Cylinder();
  // A window 400 x 200 pixels at zoom 2 showing x -100..100 and y 200..300.
  document.viewOrigin = {-100, 300};
  document.zoom = 2;
  document.viewSize = {400, 200};
  ASSERT_EQ(Press({75, 30}, ai::modifier::kAlt), ai::kNoError);
  ASSERT_EQ(DragTo({80, 30}, ai::modifier::kAlt), ai::kNoError);
  // The crosshair runs across the window through the new reference point.
  const vxhost::Art* across = document.layers()[0]->group->firstChild->firstChild;
  ASSERT_NE(across, nullptr);
  const vxhost::Art* down = across->next;
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(across->segments[0].anchor.x, -100);
  EXPECT_EQ(across->segments[1].anchor.x, 100);
  EXPECT_EQ(across->segments[0].anchor.y, 30);
  EXPECT_EQ(down->segments[0].anchor.y, 300);
  EXPECT_EQ(down->segments[1].anchor.y, 200);
  EXPECT_EQ(down->segments[0].anchor.x, 80);
  EXPECT_EQ(document.display.annotations.back().text, "H:30.000%, V:-20.000%");
  ASSERT_EQ(Release({80, 30}, ai::modifier::kAlt), ai::kNoError);
  const vx::_3DTFilterParams stored = Stored(live);
  EXPECT_DOUBLE_EQ(stored.cursor.x, 0.3);
  EXPECT_DOUBLE_EQ(stored.cursor.y, -0.2);
  EXPECT_DOUBLE_EQ(stored.postRotY, -45) << "no angle changes";
}

TEST_F(Rotate3DToolTest, WithNothingSelectedNothingChanges) {
  SelectedPath({{0, 0}, {100, 0}, {100, 100}}, false);
  const size_t art = LayerArtCount();
  ASSERT_EQ(Press({50, 50}), ai::kNoError);
  EXPECT_EQ(LayerArtCount(), art) << "no crosshair";
  ASSERT_EQ(DragTo({90, 70}), ai::kNoError);
  EXPECT_TRUE(document.display.annotations.empty());
  ASSERT_EQ(Release({90, 70}), ai::kNoError);
  EXPECT_EQ(LayerArtCount(), art);
  EXPECT_EQ(vxtest::LayerGroup(document)->firstChild->segments.size(), 3u);
}

}  // namespace
