// The Wave tool: its mapper on its own and through PluginMain.
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "plugin/tools/tool_test_fixture.h"
#include "tool_driver.h"
#include "tools/framework/tool_drag_state.h"
#include "tools/wave/wave_params.h"
#include "tools/wave/wave_tool_ctrlr.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

vx::WaveMapper MapperFor(int16_t shape, double cycle, ai::RealPoint down, ai::RealPoint current) {
  vx::WaveToolParams params{};
  params.shape = shape;
  params.cycle = cycle;
  vx::ToolDragState state;
  state.selectionBounds = {0, 40, 100, 0};  // left, top, right, bottom
  state.mouseDown = down;
  state.current = current;
  vx::WaveMapper mapper{};
  EXPECT_TRUE(vx::WaveToolCtrlr::MapperFor(params, state, mapper));
  return mapper;
}

ai::RealPoint Mapped(const vx::WaveMapper& mapper, ai::RealPoint p) {
  mapper(p);
  return p;
}

TEST(WaveMapper, NoVerticalDragAndTheCentreLineStayPut) {
  const vx::WaveMapper still = MapperFor(0, 1, {30, 20}, {30, 20});
  for (ai::RealPoint p : {ai::RealPoint{0, 0}, ai::RealPoint{70, 40}}) {
    EXPECT_EQ(Mapped(still, p).y, p.y);
  }
  const vx::WaveMapper moved = MapperFor(0, 2.5, {30, 20}, {30, 35});
  for (double x : {0.0, 17.0, 64.0, 100.0}) EXPECT_DOUBLE_EQ(Mapped(moved, {x, 20}).y, 20);
  EXPECT_NE(Mapped(moved, {30, 40}).y, 40);
}

TEST(WaveMapper, ShiftingWaveMovesTheDragPointByDyAndOneHalfBoxAwayByMinusDy) {
  const vx::WaveMapper mapper = MapperFor(3, 1, {30, 20}, {30, 27});  // x0 = 30, X = 50, dy = 7
  EXPECT_DOUBLE_EQ(Mapped(mapper, {30, 5}).y, 12);
  EXPECT_NEAR(Mapped(mapper, {80, 5}).y, -2, 1e-12);
  EXPECT_NEAR(Mapped(mapper, {130, 5}).y, 12, 1e-12) << "the wave continues beyond X";
}

TEST(WaveMapper, SpiralWindsAroundTheBoxCentre) {
  const vx::WaveMapper mapper = MapperFor(4, 1, {50, 20}, {50, 30});
  for (double x : {0.0, 25.0, 100.0}) {
    const ai::RealPoint p = Mapped(mapper, {x, 10});
    EXPECT_LE(std::fabs(p.x - 50), mapper.X + 1e-9);
  }
  EXPECT_DOUBLE_EQ(Mapped(mapper, {50, 10}).y, 10);
}

class WaveToolTest : public vxtest::ToolTest {
 protected:
  WaveToolTest() : ToolTest("ウェーブツール") {}
  vx::WaveToolParams& params() { return ToolRecord<vx::WaveToolParams>(1); }
};

TEST_F(WaveToolTest, CursorsByShapeAndAShiftingWaveDrag) {
  params().shape = 3;
  driver.TrackCursor({0, 0}, ai::modifier::kAlt);
  EXPECT_EQ(host.app().cursorId, 17041);
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}, {100, 40}, {0, 40}},
                                      true);
  path->userAttributes |= ai::art_attr::kSelected;
  Stroke({{0, 20}, {0, 25}, {0, 30}});
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 10);
  // A whole period across the box: its corners all rise by the drag.
  EXPECT_DOUBLE_EQ(path->segments.back().anchor.y, 50);
  for (const auto& s : path->segments)
    if (s.anchor.x == 100) {
      EXPECT_DOUBLE_EQ(std::fmod(s.anchor.y, 40), 10);
    }
}

TEST_F(WaveToolTest, FullCycleLeavesOnlyTheCopies) {
  params().trace = 1;
  params().traceMode = 1;
  params().traceSteps = 3;
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}, {100, 40}, {0, 40}},
                                      true);
  path->userAttributes |= ai::art_attr::kSelected;
  Stroke({{50, 20}, {50, 25}, {50, 30}});
  EXPECT_EQ(LayerArtCount(), 3u);
}

TEST_F(WaveToolTest, AFailedDragMessageLeavesTheLastGoodDragAndNothingHeld) {
  SelectedPath({{0, 0}, {100, 0}, {100, 40}, {0, 40}}, true);
  SweepOneDragMessage({0, 20}, {0, 25}, {0, 30});
}

}  // namespace
