// Live Reflections objects rebuilt by the host's update: where each image lands
// for each axis type, the radial images with their two-step half turn, and
// failures on the way; the palette's enable rules and the recorded action.
#include "effects/reflections/reflections_generator.h"

#include <cmath>
#include <limits>

#include "effects/reflections/reflections_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "plugin/effects/live_effect_fixture.h"
#include "resources/control_ids.h"

namespace {

using vxtest::Box;
using vxtest::BoxOf;
using vxtest::Gray;

void ExpectBox(const vxhost::Art& art, double left, double bottom, double right, double top) {
  const Box box = BoxOf(art);
  EXPECT_NEAR(box.left, left, 1e-9);
  EXPECT_NEAR(box.bottom, bottom, 1e-9);
  EXPECT_NEAR(box.right, right, 1e-9);
  EXPECT_NEAR(box.top, top, 1e-9);
}

class ReflectionsGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  ReflectionsGeneratorTest() : LiveEffectTest(vx::kReflectionsEffect) {}

  static vx::ReflectionsPGParams With(int32_t type, double offsetH = 0, double offsetV = 0, int32_t count = 3) {
    vx::ReflectionsPGParams params{};
    vx::SetRecordDefaults(vx::kReflectionsPGParamsSpec, &params, "");
    params.axisType = type;
    params.offsetH = offsetH;
    params.offsetV = offsetV;
    params.axisCount = count;
    return params;
  }
  // A 100 x 50 rectangle at left 0, bottom 0, its first anchor at the lower left.
  vxhost::Art* Rectangle(vxhost::Art* parent) {
    vxhost::Art* path = vxtest::AddPath(document, parent, {{0, 0}, {100, 0}, {100, 50}, {0, 50}}, true);
    path->style.fillPaint = 1;
    path->style.fillColor = Gray(0.5);
    return path;
  }
  static std::vector<vxhost::Art*> Images(const vxhost::Art* live) {
    EXPECT_EQ(live->resultGroup->Children().size(), 1u) << "one group holds every image";
    return live->resultGroup->firstChild->Children();
  }
};

TEST_F(ReflectionsGeneratorTest, EachAxisTypeMirrorsAboutTheOffsetLowerLeftCorner) {
  struct Case {
    int32_t type;
    double offsetH, offsetV;
    std::vector<Box> images;  // after the unchanged copy, in stacking order
  };
  const std::vector<Case> cases = {
      {1, 0, 0, {{-100, 0, 0, 50}}},               // touching the source at x = 0
      {1, 10, 0, {{-120, 0, -20, 50}}},            // the axis 10 pt further left
      {0, 0, 0, {{0, -50, 100, 0}}},               // below the bottom edge
      {0, 0, 5, {{0, -60, 100, -10}}},
      {2, 0, 0, {{-100, 0, 0, 50}, {0, -50, 100, 0}, {-100, -50, 0, 0}}},  // the half turn in the lower left
      {3, 0, 0, {{-100, 0, 0, 50}}},               // one radial axis: the mirror image only
  };
  for (const Case& c : cases) {
    vxhost::Art* live = MakeLive(With(c.type, c.offsetH, c.offsetV, 1));
    Rectangle(live->editGroup);
    ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    const auto images = Images(live);
    ASSERT_EQ(images.size(), c.images.size() + 1) << "type " << c.type;
    ExpectBox(*images[0], 0, 0, 100, 50);  // the unchanged copy first
    for (size_t i = 0; i < c.images.size(); ++i) {
      SCOPED_TRACE("type " + std::to_string(c.type) + ", image " + std::to_string(i));
      ExpectBox(*images[i + 1], c.images[i].left, c.images[i].bottom, c.images[i].right, c.images[i].top);
    }
  }
  // A mirror really flips: the lower-left anchor of the source is the lower
  // right of its left-right image.
  vxhost::Art* live = MakeLive(With(1));
  Rectangle(live->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const vxhost::Art& image = *Images(live)[1];
  EXPECT_NEAR(image.segments[0].anchor.x, 0, 1e-9);
  EXPECT_NEAR(image.segments[1].anchor.x, -100, 1e-9);
}

TEST_F(ReflectionsGeneratorTest, RadialAxesTurnTheSourceAndItsMirrorAroundTheCorner) {
  vxhost::Art* live = MakeLive(With(3, 0, 0, 2));
  Rectangle(live->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const auto images = Images(live);
  ASSERT_EQ(images.size(), 4u) << "2n images: the source, its mirror and each turned by a half turn";
  ExpectBox(*images[1], -100, 0, 0, 50);   // mirror
  ExpectBox(*images[2], -100, -50, 0, 0);  // source turned by pi (made in two steps)
  ExpectBox(*images[3], 0, -50, 100, 0);   // mirror turned by pi

  // Four axes: each image a quarter turn on; every image stays a 100 x 50 box
  // or a 50 x 100 one with a corner at the centre.
  vxhost::Art* four = MakeLive(With(3, 0, 0, 4));
  Rectangle(four->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const auto turned = Images(four);
  ASSERT_EQ(turned.size(), 8u);
  ExpectBox(*turned[2], -50, 0, 0, 100);  // the source a quarter turn anticlockwise
  for (const vxhost::Art* one : turned) {
    const Box box = BoxOf(*one);
    const double w = box.right - box.left, h = box.top - box.bottom;
    EXPECT_TRUE((std::abs(w - 100) < 1e-9 && std::abs(h - 50) < 1e-9) ||
                (std::abs(w - 50) < 1e-9 && std::abs(h - 100) < 1e-9));
    EXPECT_TRUE(std::abs(box.left) < 1e-9 || std::abs(box.right) < 1e-9);
  }
}

TEST_F(ReflectionsGeneratorTest, OddInputGivesAClearResultAndFailuresEndTheRebuildCleanly) {
  vxhost::Art* odd = MakeLive(With(7));
  Rectangle(odd->editGroup);
  vxhost::Art* empty = MakeLive(With(2));
  vxhost::Art* nothing = document.NewArt(ai::art_kind::kGroup);
  document.Insert(nothing, ai::placement::kInsideOnTop, empty->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_EQ(Images(odd).size(), 1u) << "an unknown axis type adds no image";
  EXPECT_EQ(Images(empty).size(), 1u) << "art without bounds gets no image";
  vxhost::Art* none = MakeLive(With(3, 0, 0, 0));
  Rectangle(none->editGroup);
  vxhost::Art* huge = MakeLive(With(3, 0, 0, 2000000000));
  Rectangle(huge->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_EQ(Images(none).size(), 2u) << "no axes is taken as one";
  EXPECT_EQ(Images(huge).size(), 2u * vx::kMaxReflectionAxes) << "the palette's limit holds";

  vxhost::Art* live = MakeLive(With(3, 5, 5, 3));
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Rectangle(group);
  Square(live->editGroup, 10, 10, 5, 1, Gray(0), std::nullopt);
  SweepRebuild(live);
}

}  // namespace

namespace {

namespace rf = vx::ctl::reflections;

class ReflectionsPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  ReflectionsPaletteTest() : EffectPaletteTest("Live リフレクション") {}
  vx::ReflectionsPGParams& Record() { return RecordAs<vx::ReflectionsPGParams>(); }
  bool Enabled(int32_t id) { return Palette().Item(id)->Enabled(); }
};

TEST_F(ReflectionsPaletteTest, EachAxisTypeEnablesItsRowsAndARecordedApplyKeepsOnlyWhatTheTypeUses) {
  SelectedSquare(0);
  host.actions().SetRecording(true);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  user.Click(Palette(), vx::effect_button::kLiveUpdate);  // off: typing only changes the record
  const bool rows[4][3] = {{false, true, false}, {true, false, false}, {true, true, false}, {true, true, true}};
  for (int type = 0; type < 4; ++type) {
    user.PickItem(Palette(), rf::kAxisType, type);
    EXPECT_EQ(Record().axisType, type);
    EXPECT_EQ(Enabled(rf::kOffsetH), rows[type][0]) << "type " << type;
    EXPECT_EQ(Enabled(rf::kOffsetV), rows[type][1]) << "type " << type;
    EXPECT_EQ(Enabled(rf::kAxisCount), rows[type][2]) << "type " << type;
  }
  user.TypeAndLeave(Palette(), rf::kAxisCount, "0");
  EXPECT_EQ(Record().axisCount, 1) << "below 1 becomes 1";
  user.TypeAndLeave(Palette(), rf::kAxisCount, "9000");
  EXPECT_EQ(Record().axisCount, 4000);
  user.TypeAndLeave(Palette(), rf::kOffsetH, "2000");
  EXPECT_EQ(Record().offsetH, 1000) << "lengths clamp at 1000 pt";
  user.TypeAndLeave(Palette(), rf::kOffsetH, "12");
  user.TypeAndLeave(Palette(), rf::kOffsetV, "7");

  // The horizontal axis records no horizontal offset and one axis.
  user.PickItem(Palette(), rf::kAxisType, 0);
  user.Click(Palette(), vx::effect_button::kApply);
  host.actions().SetRecording(false);
  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Reflections_Action");
  EXPECT_EQ(event.values.Find(ai::FourCC("axSt"))->integer, 0);
  EXPECT_EQ(event.values.Find(ai::FourCC("hOfs"))->real, 0) << "whatever the field holds";
  EXPECT_NEAR(event.values.Find(ai::FourCC("vOfs"))->real, 7, 1e-9);
  EXPECT_EQ(event.values.Find(ai::FourCC("axNm"))->integer, 1);
  EXPECT_EQ(Record().offsetH, 12) << "the palette keeps its value";

  // Played on another square: the image below it, 7 pt down.
  vxhost::Art* second = SelectedSquare(60);
  SelectOnly(second);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_EQ(LiveObjects().size(), 2u);
}

}  // namespace
