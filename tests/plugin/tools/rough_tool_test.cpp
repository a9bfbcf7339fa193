// The Roughening tool: its normals on their own, then through PluginMain as a
// person drags it (density to the right, amplitude up, the stored seed and
// Shift, corner and smooth points, trace copies, a failing host call), and the
// command line run twice on one file.
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "plugin/tools/tool_test_fixture.h"
#include "support/fault_sweep.h"
#include "support/run_cli.h"
#include "tools/rough/rough_params.h"
#include "tools/rough/rough_path.h"

namespace {

using ai::RealPoint;
using Geometry = std::vector<ai::SegRecord>;

constexpr double kPi = std::numbers::pi;

ai::SegRecord Anchor(RealPoint at, RealPoint in, RealPoint out) { return {at, in, out, 0, 0}; }

TEST(RoughNormal, BetweenTheHandlesSquareToALoneOneOrAlongTheNeighbours) {
  const ai::SegRecord smooth = Anchor({0, 0}, {-10, 0}, {10, 0});
  EXPECT_NEAR(std::fabs(vx::RoughNormal(smooth, nullptr, nullptr)), kPi / 2, 1e-12);
  const ai::SegRecord outOnly = Anchor({0, 0}, {0, 0}, {0, 10});
  EXPECT_NEAR(vx::RoughNormal(outOnly, nullptr, nullptr), kPi, 1e-12) << "pi/2 past the out handle, kept in (-pi, pi]";
  const ai::SegRecord inOnly = Anchor({0, 0}, {-10, 0}, {0, 0});
  EXPECT_NEAR(vx::RoughNormal(inOnly, nullptr, nullptr), kPi / 2, 1e-12);
  const ai::SegRecord bare = vxtest::Corner(0, 0), left = vxtest::Corner(-5, 5), right = vxtest::Corner(5, 5);
  EXPECT_NEAR(vx::RoughNormal(bare, &left, &right), kPi / 2, 1e-12) << "the corner's bisector";
}

class RoughToolTest : public vxtest::ToolTest {
 protected:
  RoughToolTest() : ToolTest("ラフツール") {}
  vx::RoughToolParams& params() { return ToolRecord<vx::RoughToolParams>(4); }

  // A straight open path of corner anchors every `step` from x0 to x1 on y = 0.
  vxhost::Art* Line(double x0, double x1, double step) {
    std::vector<RealPoint> points;
    for (double x = x0; x <= x1 + 1e-9; x += step) points.push_back({x, 0});
    vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {}, false);
    for (RealPoint p : points) path->segments.push_back(vxtest::Corner(p.x, p.y));
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }
  // A closed circle of radius 60 around the origin from four smooth anchors.
  vxhost::Art* Ring() {
    constexpr double h = 60 * 0.5523;
    vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {}, true);
    path->segments = {Anchor({60, 0}, {60, -h}, {60, h}), Anchor({0, 60}, {h, 60}, {-h, 60}),
                      Anchor({-60, 0}, {-60, h}, {-60, -h}), Anchor({0, -60}, {-h, -60}, {h, -60})};
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }
  static bool Same(const Geometry& a, const Geometry& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), sizeof(ai::SegRecord) * a.size()) == 0;
  }
  static double Distance(RealPoint a, RealPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }
};

TEST_F(RoughToolTest, ADragToTheRightSplitsNearTheCircleOnlyAndMovesNothing) {
  vxhost::Art* path = Line(-300, 300, 150);  // anchors at -300, -150, 0, 150, 300
  Stroke({{0, 0}, {36, 0}, {72, 0}});        // density 7.2: chords of at most 10 near the circle
  const Geometry& after = path->segments;
  ASSERT_GT(after.size(), 5u);
  for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i].anchor.y, 0) << "amplitude 0 moves nothing";
  for (size_t i = 0; i + 1 < after.size(); ++i) {
    const RealPoint a = after[i].anchor, b = after[i + 1].anchor;
    if (std::fabs(a.x) < 100 || std::fabs(b.x) < 100) {
      EXPECT_LE(Distance(a, b), 10 + 1e-9) << "a segment touching the circle at " << a.x;
    }
  }
  // The outer segments have no end inside the circle: they stay whole.
  EXPECT_EQ(after[0].anchor.x, -300);
  EXPECT_EQ(after[1].anchor.x, -150);
  EXPECT_EQ(after[after.size() - 2].anchor.x, 150);
  EXPECT_EQ(after.back().anchor.x, 300);
  ExpectDragFreed();
}

TEST_F(RoughToolTest, ADragUpMovesOnlyTheAnchorsInsideTheCircleByUpToHalfTheAmplitude) {
  vxhost::Art* path = Line(-200, 200, 10);
  const Geometry before = path->segments;
  Stroke({{0, 0}, {0, 20}, {0, 40}});  // amplitude 20: up to 10 either way
  const Geometry& after = path->segments;
  ASSERT_EQ(after.size(), before.size()) << "density 0 adds no anchors";
  int moved = 0;
  for (size_t i = 0; i < after.size(); ++i) {
    const double x = before[i].anchor.x;
    EXPECT_NEAR(after[i].anchor.x, x, 1e-12) << "the normal of a straight line is vertical";
    if (std::fabs(x) >= 100) {
      EXPECT_EQ(after[i].anchor.y, 0) << "outside the circle at " << x;
    } else {
      EXPECT_LE(std::fabs(after[i].anchor.y), 10) << x;
      moved += after[i].anchor.y != 0;
    }
  }
  EXPECT_GT(moved, 15) << "the anchors inside were displaced";
}

TEST_F(RoughToolTest, TheStoredSeedRepeatsTheDragAndShiftDrawsANewOneThatStays) {
  vxhost::Art* path = Ring();
  const Geometry original = path->segments;
  const std::vector<RealPoint> drag = {{0, 0}, {30, 20}, {50, 40}};
  Stroke(drag);
  const Geometry first = path->segments;
  EXPECT_FALSE(Same(first, original));
  path->segments = original;
  Stroke(drag);
  EXPECT_TRUE(Same(path->segments, first)) << "the same drag without Shift, the same art";
  path->segments = original;
  Stroke(drag, ai::modifier::kShift);
  const Geometry shifted = path->segments;
  EXPECT_FALSE(Same(shifted, first)) << "Shift drew a new pattern";
  path->segments = original;
  Stroke(drag);
  EXPECT_TRUE(Same(path->segments, shifted)) << "the new seed is kept for later drags";
}

TEST_F(RoughToolTest, CornerPointsDropTheirHandlesAndSmoothPointsCarryThem) {
  params().pointType = 0;
  vxhost::Art* corner = Ring();
  Stroke({{0, 0}, {40, 0}, {72, 60}});
  const Geometry& jagged = corner->segments;
  ASSERT_GT(jagged.size(), 4u);
  EXPECT_NE(std::memcmp(&jagged.front().anchor, &jagged.back().anchor, sizeof(RealPoint)), 0)
      << "a closed path gets no duplicate closing anchor";
  for (const ai::SegRecord& s : jagged) {
    EXPECT_EQ(std::memcmp(&s.in, &s.anchor, sizeof(RealPoint)), 0);
    EXPECT_EQ(std::memcmp(&s.out, &s.anchor, sizeof(RealPoint)), 0);
    EXPECT_EQ(s.corner, 1);
  }

  corner->userAttributes &= ~ai::art_attr::kSelected;
  params().pointType = 1;
  vxhost::Art* smooth = Ring();
  const Geometry before = smooth->segments;
  Stroke({{0, 0}, {0, 30}, {0, 60}});  // amplitude only: the anchors stay four
  const Geometry& after = smooth->segments;
  ASSERT_EQ(after.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const RealPoint move{after[i].anchor.x - before[i].anchor.x, after[i].anchor.y - before[i].anchor.y};
    EXPECT_GT(std::hypot(move.x, move.y), 0);
    EXPECT_NEAR(after[i].in.x - before[i].in.x, move.x, 1e-9);
    EXPECT_NEAR(after[i].out.y - before[i].out.y, move.y, 1e-9);
    // Each anchor moved along its normal: radially, for a circle.
    EXPECT_NEAR(move.x * before[i].anchor.y - move.y * before[i].anchor.x, 0, 1e-6);
  }
}

TEST_F(RoughToolTest, TraceCopiesShareThePatternAndTheLastIsTheDrag) {
  vxhost::Art* path = Ring();
  const Geometry original = path->segments;
  Stroke({{0, 0}, {50, 30}, {60, 48}});
  const Geometry dragged = path->segments;
  path->segments = original;
  params().trace = 1;
  params().traceMode = 0;  // Uniform (One Way)
  params().traceSteps = 3;
  Stroke({{0, 0}, {50, 30}, {60, 48}});
  EXPECT_TRUE(Same(path->segments, original)) << "the original stays as it was";
  ASSERT_EQ(LayerArtCount(), 4u);
  vxhost::Art* last = document.layers()[0]->group->firstChild;  // copies stack upward
  EXPECT_TRUE(Same(last->segments, dragged)) << "the last copy is the drag itself, from the stored seed";
  ExpectDragFreed();
}

TEST_F(RoughToolTest, AFailingHostCallInADragLeavesTheLastDragsArtAndNothingHeld) {
  Ring();
  Line(-150, 150, 30);
  SweepOneDragMessage({0, 0}, {30, 20}, {60, 40});
}

// The same drag on the same file, twice through the command line.
TEST(RoughToolCli, TheSameDragGivesTheSameFile) {
  namespace fs = std::filesystem;
  vxtest::ScopedSettingsHome settingsHome;
  std::string pattern = (fs::temp_directory_path() / "vx-rough-XXXXXX").string();
  const fs::path dir = mkdtemp(pattern.data());
  const std::string input = (dir / "in.svg").string();
  std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg'>"
                          "<path d='M0 0C40 -30 80 30 120 0S160 60 200 0' fill='none' stroke='black'/>"
                          "<circle cx='100' cy='60' r='50' fill='#8ac'/></svg>";
  std::string outputs[2];
  for (int run = 0; run < 2; ++run) {
    const std::string output = (dir / ("out" + std::to_string(run) + ".svg")).string();
    const vxtest::CommandRun done = vxtest::RunVellumix4("tool rough " + input + " -o " + output +
                                                         " --set pointType=1 --drag 100,30 130,20 170,0 -q");
    ASSERT_EQ(done.status, 0) << done.output;
    std::ifstream file(output);
    std::stringstream text;
    text << file.rdbuf();
    outputs[run] = text.str();
  }
  EXPECT_EQ(outputs[0], outputs[1]);
  EXPECT_NE(outputs[0].find("<path"), std::string::npos);
  fs::remove_all(dir);
}

}  // namespace
