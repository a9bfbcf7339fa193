// The MetaBrush tool through PluginMain as a person uses it: stamps at the
// spacing along the drag, brushes taken in turn, fade over its steps,
// alternating and random rows, Shift-click along a path, Alt-click picking
// the fade colour, one group per stroke, and no partial group on failure.
// The row arithmetic that needs pen pressure is checked directly.
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "support/art_builder.h"
#include "support/fault_sweep.h"
#include "plugin/tools/tool_test_fixture.h"
#include "tools/framework/tool_ctrlr.h"
#include "tools/metabrush/metabrush_fluctuation.h"
#include "tools/metabrush/metabrush_params.h"
#include "tools/metabrush/metabrush_tool_ctrlr.h"

namespace {

using ai::RealPoint;

class MetaBrushToolTest : public vxtest::ToolTest {
 protected:
  MetaBrushToolTest() : ToolTest("メタブラシツール") {}

  vx::MetaBrushToolParams& params() { return ToolRecord<vx::MetaBrushToolParams>(vx::ToolRecordSlot(10)); }

  // A selected w x h rectangle centred on (cx, cy) with a grey fill.
  vxhost::Art* Brush(double cx, double cy, double w, double h) {
    vxhost::Art* path = SelectedPath({{cx - w / 2, cy - h / 2}, {cx + w / 2, cy - h / 2}, {cx + w / 2, cy + h / 2},
                                      {cx - w / 2, cy + h / 2}},
                                     true);
    path->style.fillPaint = 1;
    path->style.fillColor.kind = ai::color_kind::kGray;
    path->style.fillColor.c.gray.gray = 1;
    return path;
  }
  std::vector<vxhost::Art*> Layer() const { return vxtest::LayerGroup(document)->Children(); }
  // The stamps of the stroke group on top of the layer, first made first.
  std::vector<vxhost::Art*> Stamps() const {
    const auto layer = Layer();
    EXPECT_EQ(layer.front()->kind, ai::art_kind::kGroup);
    auto stamps = layer.front()->Children();
    return {stamps.rbegin(), stamps.rend()};  // each stamp goes on top of the previous
  }
  static RealPoint Centre(const vxhost::Art& path) {
    RealPoint c{0, 0};
    const double n = static_cast<double>(path.segments.size());
    for (const ai::SegRecord& s : path.segments) c = {c.x + s.anchor.x / n, c.y + s.anchor.y / n};
    return c;
  }
  static double Width(const vxhost::Art& path) {
    double lo = 1e300, hi = -1e300;
    for (const ai::SegRecord& s : path.segments) lo = std::min(lo, s.anchor.x), hi = std::max(hi, s.anchor.x);
    return hi - lo;
  }
};

TEST_F(MetaBrushToolTest, StampsAtTheSpacingAlongTheDragInOneGroup) {
  Brush(0, 0, 10, 10);
  params().orientation = 1;  // fixed, so widths read straight
  Stroke({{0, 0}, {40, 0}});
  ASSERT_EQ(Layer().size(), 2u) << "the brush and one stroke group";
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 4u) << "relative space 100 % of a 10-wide brush";
  for (size_t i = 0; i < stamps.size(); ++i) {
    EXPECT_NEAR(Centre(*stamps[i]).x, 10.0 * i, 1e-9);
    EXPECT_NEAR(Centre(*stamps[i]).y, 0, 1e-9);
  }
  // A second stroke is a second group.
  Stroke({{0, 50}, {25, 50}});
  EXPECT_EQ(Layer().size(), 3u);
  ExpectDragFreed();
}

TEST_F(MetaBrushToolTest, AShortDragStampsOnceWhereTheMouseGoesUp) {
  Brush(0, 0, 10, 10);
  Stroke({{0, 0}, {4, 3}});
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 1u);
  EXPECT_NEAR(Centre(*stamps[0]).x, 4, 1e-9);
  EXPECT_NEAR(Centre(*stamps[0]).y, 3, 1e-9);
}

TEST_F(MetaBrushToolTest, StampsFollowTheDragDirection) {
  Brush(0, 0, 10, 4);
  Stroke({{0, 0}, {0, 30}});  // straight up
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 3u);
  EXPECT_NEAR(Width(*stamps[1]), 4, 1e-9) << "the long side turned along the drag";
  EXPECT_NEAR(Centre(*stamps[2]).y, 20, 1e-9);
}

TEST_F(MetaBrushToolTest, BrushesAreTakenInTurnLastSelectedFirst) {
  Brush(0, 0, 10, 10);
  Brush(100, 0, 20, 20);
  params().orientation = 1;
  Stroke({{0, 0}, {60, 0}});
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 4u) << "15 apart: the mean width of this and the next brush";
  const double widths[4] = {20, 10, 20, 10};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(Width(*stamps[i]), widths[i], 1e-9);
    EXPECT_NEAR(Centre(*stamps[i]).x, 15.0 * i, 1e-9);
  }
  // Reversed: starts from the last brush and goes backwards.
  params().changeBrushReverse = 1;
  Stroke({{0, 50}, {30, 50}});
  EXPECT_NEAR(Width(*Stamps()[0]), 10, 1e-9);
  EXPECT_NEAR(Width(*Stamps()[1]), 20, 1e-9);
}

TEST_F(MetaBrushToolTest, RandomBrushChoiceStaysAmongTheBrushes) {
  Brush(0, 0, 10, 10);
  Brush(100, 0, 20, 20);
  params().orientation = 1;
  params().changeBrushRandom = 1;
  Stroke({{0, 0}, {400, 0}});
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 20u) << "spaced by the widest brush";
  int small = 0;
  for (const vxhost::Art* s : stamps) {
    const double w = Width(*s);
    EXPECT_TRUE(std::fabs(w - 10) < 1e-9 || std::fabs(w - 20) < 1e-9);
    small += std::fabs(w - 10) < 1e-9;
  }
  EXPECT_GT(small, 0);
  EXPECT_LT(small, 20);
}

TEST_F(MetaBrushToolTest, FadeReachesWhiteAfterItsSteps) {
  Brush(0, 0, 10, 10);
  params().fade = 1;
  params().fadeSteps = 4;
  params().fadeToSwatch = 0;
  params().fill = 1;
  params().transparent = 1;
  Stroke({{0, 0}, {60, 0}});
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 6u);
  const double grey[6] = {1, 0.75, 0.5, 0.25, 0, 0};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(stamps[i]->style.fillColor.c.gray.gray, grey[i], 1e-9) << i;
    EXPECT_NEAR(stamps[i]->opacity, 1 - 0.25 * std::min<double>(i, 4), 1e-9) << i;
  }
}

TEST_F(MetaBrushToolTest, AlternateRowsSwingBothWaysAndSmoothingZeroRemovesRandom) {
  Brush(0, 0, 10, 10);
  params().orientation = 1;
  params().spaceFluctuation.y = 0.5;
  params().spaceVAlternate = 1;
  params().sizeFluctuation.x = 0.5;
  params().sizeHRandom = 1;
  params().randomSmoothing = 0;
  Stroke({{0, 0}, {40, 0}});
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(Centre(*stamps[i]).y, i % 2 == 0 ? 5 : -5, 1e-9) << "half the height, alternating";
    EXPECT_NEAR(Width(*stamps[i]), 10, 1e-9) << "no random without smoothing";
  }
}

TEST_F(MetaBrushToolTest, ShiftClickStampsAlongThePath) {
  Brush(0, 0, 10, 10);
  vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 100}, {50, 100}}, false);
  params().orientation = 1;
  Stroke({{25, 100}, {25, 100}}, ai::modifier::kShift);
  const auto stamps = Stamps();
  ASSERT_EQ(stamps.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(Centre(*stamps[i]).x, 10.0 * i, 0.5);
    EXPECT_NEAR(Centre(*stamps[i]).y, 100, 1e-9);
  }
  // A spacing too small to walk with is an error, shown, and leaves nothing.
  params().spaceMode = 1;
  params().absoluteSpace = 0.1;
  const size_t before = Layer().size();
  ASSERT_EQ(Press({25, 100}, ai::modifier::kShift), ai::kNoError);
  EXPECT_EQ(Release({25, 100}, ai::modifier::kShift), vx::metabrush_error::kSpaceTooSmall);
  EXPECT_EQ(Layer().size(), before);
  ASSERT_FALSE(host.log().alerts().empty());
  EXPECT_EQ(host.log().alerts().back().kind, vxhost::Alert::Kind::kError);
}

TEST_F(MetaBrushToolTest, AltClickPicksTheFadeColourAndRefusesOtherArt) {
  vxhost::Art* brush = Brush(0, 0, 10, 10);
  brush->style.fillColor.kind = ai::color_kind::kThree;
  brush->style.fillColor.c.three = {0.2, 0.4, 0.6};
  params().fade = 1;
  Stroke({{0, 0}, {0, 0}}, ai::modifier::kAlt);
  EXPECT_EQ(params().swatchColor.kind, ai::color_kind::kThree);
  EXPECT_EQ(params().swatchColor.c.three.blue, 0.6);
  EXPECT_EQ(Layer().size(), 1u) << "picking stamps nothing";

  vxhost::Art* text = vxtest::AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kText);
  text->userAttributes |= ai::art_attr::kSelected;
  EXPECT_EQ(Press({0, 0}), vx::metabrush_error::kUnsupported);
  EXPECT_EQ(Release({0, 0}), ai::kNoError);
  EXPECT_EQ(Layer().size(), 2u);
}

TEST_F(MetaBrushToolTest, TheSameStrokeTwiceGivesTheSameStamps) {
  Brush(0, 0, 10, 10);
  params().sizeFluctuation.x = 0.5;
  params().sizeHRandom = 1;
  params().untrueFluctuation.x = 0.2;
  Stroke({{0, 0}, {30, 10}, {60, 0}});
  const auto first = Stamps();
  ticks = 5000;
  Stroke({{0, 0}, {30, 10}, {60, 0}});
  const auto second = Stamps();
  ASSERT_EQ(first.size(), second.size());
  ASSERT_GT(first.size(), 3u);
  for (size_t i = 0; i < first.size(); ++i)
    for (size_t k = 0; k < first[i]->segments.size(); ++k) {
      EXPECT_EQ(first[i]->segments[k].anchor.x, second[i]->segments[k].anchor.x);
      EXPECT_EQ(first[i]->segments[k].anchor.y, second[i]->segments[k].anchor.y);
    }
}

TEST_F(MetaBrushToolTest, AFailedDragLeavesNoPartialGroup) {
  Brush(0, 0, 10, 10);
  params().fill = 1;
  params().fade = 1;
  const auto run = [&] {
    platform::SetTickCount(ticks);
    ai::Code code = driver.TrackCursor({0, 0});
    if (code == ai::kNoError) code = driver.MouseDown({0, 0});
    if (code == ai::kNoError) code = DragTo({40, 0});
    // A stroke cut short is let go with cancel, so the release stamps nothing.
    const ai::Code up = Release({40, 0}, code == ai::kNoError ? 0 : ai::modifier::kCancel);
    return code != ai::kNoError ? code : up;
  };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
  const size_t before = Layer().size();
  const std::vector<std::string> blocks = host.blocks().LiveNames();
  const ai::Code failure = ai::FourCC("flt!");
  vxtest::SweepHostCalls(host, calls, failure, {"FreeBlock", "Dispose", "PushAppContext", "PopAppContext"}, run, [&](ai::Code code, const std::string&) {
    // The palette's refresh after the stroke keeps its own failures; the
    // stroke's come back unchanged.
    EXPECT_TRUE(code == failure || code == ai::kNoError) << code;
    EXPECT_EQ(host.blocks().LiveNames(), blocks) << "no block leaks";
    const auto layer = Layer();
    if (layer.size() == before) return;
    ASSERT_EQ(layer.size(), before + 1);
    EXPECT_EQ(layer.front()->Children().size(), 4u) << "a stroke group is whole or absent";
    document.Dispose(vxtest::LayerGroup(document)->firstChild);
  });
}

// The pen-pressure rows, which the host's tool events do not carry.
TEST(MetaBrushFluctuation, PressureSizeRowSpansItsRange) {
  vx::MetaBrushToolParams p{};
  p.sizeFluctuation.x = 0.5;
  p.sizeHSource = vx::metabrush::kPressure;
  p.sizeHAlternate = 1;
  vx::metabrush::RowMemory memory;
  const vx::metabrush::UniformSource never = [] { return 0.5; };
  vx::metabrush::StrokeInputs in;
  for (double pressure : {0.0, 127.0, 255.0}) {
    in.pressure = pressure;
    memory.positive = true;
    const double v = vx::metabrush::Fluctuation(p, vx::metabrush::kSizeH, in, memory, never);
    EXPECT_NEAR(1 + v, 1 + 0.5 * pressure / 255, 1e-12) << "between 100 % and 150 %";
  }
  in.pressure.reset();
  EXPECT_EQ(vx::metabrush::Fluctuation(p, vx::metabrush::kSizeH, in, memory, never), 0) << "no pressure: off";
  EXPECT_NEAR(vx::metabrush::FoldedDirection(3 * 3.14159265358979 / 4, 0), 3.14159265358979 / 4, 1e-9);
}

}  // namespace
