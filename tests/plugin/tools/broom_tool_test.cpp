// The Broom tool through PluginMain: whole objects moved by their reference
// point in the four modes, groups as one unit, trace copies, a failing drag
// message, and two runs of the command on a real icon.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "plugin/tools/tool_test_fixture.h"
#include "support/adwaita_icons.h"
#include "support/fault_sweep.h"
#include "support/run_cli.h"
#include "support/settings_home.h"
#include "tools/broom/broom_params.h"
#include "tools/framework/craft_mapper.h"
#include "tools/framework/trace_list.h"

namespace {

using ai::RealPoint;
using vxtest::AddArt;
using vxtest::AddPath;
using vxtest::LayerGroup;

class BroomToolTest : public vxtest::ToolTest {
 protected:
  BroomToolTest() : ToolTest("ほうきツール") { params().resistance = 0; }
  vx::BroomToolParams& params() { return ToolRecord<vx::BroomToolParams>(5); }

  // A closed square of side 2 * half around `centre`.
  vxhost::Art* Square(RealPoint centre, double half, vxhost::Art* parent = nullptr) {
    vxhost::Art* path = AddPath(document, parent != nullptr ? parent : LayerGroup(document),
                                {{centre.x - half, centre.y - half},
                                 {centre.x + half, centre.y - half},
                                 {centre.x + half, centre.y + half},
                                 {centre.x - half, centre.y + half}},
                                true);
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }
  vxhost::Art* SelectedGroup() {
    vxhost::Art* group = AddArt(document, LayerGroup(document), ai::art_kind::kGroup);
    group->userAttributes |= ai::art_attr::kSelected;
    return group;
  }
};

// Every anchor and handle of `after` is that of `before` moved by one vector,
// which is returned; the shape is the same.
RealPoint MovedRigidly(const std::vector<ai::SegRecord>& before, const vxhost::Art* after) {
  EXPECT_EQ(after->segments.size(), before.size()) << "no anchors added or lost";
  if (after->segments.size() != before.size() || before.empty()) return {NAN, NAN};
  const RealPoint d{after->segments[0].anchor.x - before[0].anchor.x,
                    after->segments[0].anchor.y - before[0].anchor.y};
  for (size_t i = 0; i < before.size(); ++i) {
    const ai::SegRecord& a = before[i];
    const ai::SegRecord& b = after->segments[i];
    for (auto [p, q] : {std::pair{a.anchor, b.anchor}, std::pair{a.in, b.in}, std::pair{a.out, b.out}}) {
      EXPECT_NEAR(q.x - p.x, d.x, 1e-9);
      EXPECT_NEAR(q.y - p.y, d.y, 1e-9);
    }
  }
  return d;
}

TEST_F(BroomToolTest, AFreeDragMovesObjectsByTheirReferencePointAndNeverReshapesThem) {
  vxhost::Art* centred = Square({0, 0}, 10);
  vxhost::Art* half = Square({50, 0}, 10);
  // Its outline crosses the circle but its centre lies outside.
  vxhost::Art* crossing = Square({130, 0}, 60);
  const auto c0 = centred->segments, h0 = half->segments, x0 = crossing->segments;
  Stroke({{0, 0}, {4, 0}, {10, 0}});
  const RealPoint dc = MovedRigidly(c0, centred), dh = MovedRigidly(h0, half), dx = MovedRigidly(x0, crossing);
  EXPECT_NEAR(dc.x, 10, 1e-9) << "the reference point at the centre moves with the whole drag";
  EXPECT_NEAR(dh.x, 5, 1e-9) << "halfway to the rim, with the linear falloff";
  EXPECT_EQ(dx.x, 0);
  EXPECT_EQ(dx.y, 0);
  ExpectDragFreed();
}

TEST_F(BroomToolTest, ResistanceThreeSquaresTheFalloff) {
  params().resistance = 2;
  vxhost::Art* half = Square({50, 0}, 10);
  const auto h0 = half->segments;
  Stroke({{0, 0}, {10, 0}});
  EXPECT_NEAR(MovedRigidly(h0, half).x, 2.5, 1e-9);
}

TEST_F(BroomToolTest, AGroupMovesAsOneUnitOnlyWhenAskedTo) {
  for (bool asOne : {true, false}) {
    SCOPED_TRACE(asOne ? "as one unit" : "each on its own");
    params().groupAsOneUnit = asOne ? 1 : 0;
    vxhost::Art* group = SelectedGroup();
    vxhost::Art* near = Square({10, 0}, 5, group);
    vxhost::Art* far = Square({70, 0}, 15, group);
    const auto n0 = near->segments, f0 = far->segments;
    // The group spans x 5 .. 85: its centre is under the press.
    Stroke({{45, 0}, {55, 0}});
    const RealPoint dn = MovedRigidly(n0, near), df = MovedRigidly(f0, far);
    if (asOne) {
      EXPECT_NEAR(dn.x, 10, 1e-9);
      EXPECT_NEAR(df.x, 10, 1e-9);
    } else {
      EXPECT_NEAR(dn.x, 6.5, 1e-9) << "35 from the press";
      EXPECT_NEAR(df.x, 7.5, 1e-9) << "25 from the press";
    }
    document.ClearSelection();
  }
}

TEST_F(BroomToolTest, APartlySelectedGroupIsNoUnit) {
  vxhost::Art* group = SelectedGroup();
  vxhost::Art* chosen = Square({0, 0}, 5, group);
  vxhost::Art* left = Square({80, 0}, 5, group);
  left->userAttributes &= ~ai::art_attr::kSelected;
  const auto c0 = chosen->segments, l0 = left->segments;
  Stroke({{0, 0}, {10, 0}});
  EXPECT_NEAR(MovedRigidly(c0, chosen).x, 10, 1e-9) << "its own centre is under the press";
  EXPECT_EQ(MovedRigidly(l0, left).x, 0) << "unselected art stays";
}

TEST_F(BroomToolTest, PinchingFortyPointsDownPullsTheCentreInAndKeepsTheSize) {
  params().mode = vx::kCraftPinch;
  params().areaRadius = 1000;
  vxhost::Art* square = Square({0, 10}, 5);
  const auto s0 = square->segments;
  Stroke({{0, 0}, {0, -20}, {0, -40}});
  const RealPoint d = MovedRigidly(s0, square);
  // Accumulator -1: the scale at the reference point is 1 - 0.99 = 0.01.
  EXPECT_NEAR(d.y, 0.1 - 10, 1e-9);
  EXPECT_NEAR(d.x, 0, 1e-12);
  EXPECT_DOUBLE_EQ(square->segments[1].anchor.x - square->segments[0].anchor.x, 10) << "same size";
}

TEST_F(BroomToolTest, TwirlTurnsReferencePointsAboutThePress) {
  params().mode = vx::kCraftTwirl;
  params().areaRadius = 1000;
  vxhost::Art* square = Square({10, 0}, 2);
  const auto s0 = square->segments;
  // A quarter turn of the pointer about the press at the origin.
  Stroke({{0, 0}, {100, 0}, {70.7, 70.7}, {0, 100}});
  const RealPoint d = MovedRigidly(s0, square);
  const double turn = 0.99 * std::acos(-1.0) / 2;
  EXPECT_NEAR(d.x, 10 * std::cos(turn) - 10, 1e-6);
  EXPECT_NEAR(d.y, 10 * std::sin(turn), 1e-6);
}

TEST_F(BroomToolTest, DynamicDragsSweepObjectsAlongAndAccumulate) {
  params().mode = vx::kCraftDynamic;
  params().areaRadius = 1000;
  vxhost::Art* square = Square({0, 0}, 5);
  const auto s0 = square->segments;
  Stroke({{0, 0}, {5, 0}, {10, 0}});
  const RealPoint d = MovedRigidly(s0, square);
  // The second push is weighed from the centre the first one left the square at.
  EXPECT_NEAR(d.x, 10, 0.1);
  EXPECT_GT(d.x, 9.9);
}

TEST_F(BroomToolTest, TraceCopiesKeepTheGroupTogether) {
  params().trace = 1;
  params().traceMode = vx::kTraceUniform;
  params().traceSteps = 2;
  vxhost::Art* group = SelectedGroup();
  vxhost::Art* a = Square({-20, 0}, 5, group);
  vxhost::Art* b = Square({20, 0}, 5, group);
  const auto a0 = a->segments, b0 = b->segments;
  Stroke({{0, 0}, {10, 0}, {20, 0}});
  EXPECT_EQ(MovedRigidly(a0, a).x, 0) << "the original stays where it was";
  ASSERT_EQ(LayerArtCount(), 3u) << "the group and two copies";
  std::vector<double> moves;
  for (vxhost::Art* copy = LayerGroup(document)->firstChild; copy != nullptr; copy = copy->next) {
    if (copy == group) continue;
    ASSERT_NE(copy->firstChild, nullptr);
    ASSERT_NE(copy->firstChild->next, nullptr);
    const RealPoint da = MovedRigidly(a0, copy->firstChild), db = MovedRigidly(b0, copy->firstChild->next);
    EXPECT_DOUBLE_EQ(da.x, db.x) << "both by the group's move";
    moves.push_back(da.x);
  }
  std::sort(moves.begin(), moves.end());
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_NEAR(moves[0], 10, 1e-9);
  EXPECT_NEAR(moves[1], 20, 1e-9);
  ExpectDragFreed();
}

TEST_F(BroomToolTest, AFailedDragMessageLeavesTheArtOfTheLastGoodDrag) {
  vxhost::Art* group = SelectedGroup();
  Square({0, 0}, 5, group);
  Square({20, 0}, 5, group);
  Square({-30, 10}, 5);
  ASSERT_EQ(Press({0, 0}), ai::kNoError);
  ASSERT_EQ(DragTo({6, 0}), ai::kNoError);
  std::vector<ai::SegRecord> lastGood = AllSegments();
  const auto drag = [&] { return DragTo({12, 4}); };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, drag);
  const std::vector<ai::SegRecord> target = AllSegments();
  ASSERT_FALSE(SameSegments(lastGood, target));
  // The sweep starts again from the first good drag.
  ASSERT_EQ(DragTo({6, 0}), ai::kNoError);
  ASSERT_TRUE(SameSegments(AllSegments(), lastGood));
  vxtest::SweepHostCalls(host, calls, ai::kOutOfMemory, {}, drag, [&](ai::Code code, const std::string&) {
    const std::vector<ai::SegRecord> now = AllSegments();
    if (code == ai::kNoError) {
      EXPECT_TRUE(SameSegments(now, target));
      lastGood = now;
    } else {
      EXPECT_TRUE(SameSegments(now, lastGood)) << "the art of the last good drag";
    }
  });
  ASSERT_EQ(Release({12, 4}), ai::kNoError);
  ExpectDragFreed();
}

TEST(BroomToolCommand, TwoRunsOfOneDragWriteTheSameBytes) {
  namespace fs = std::filesystem;
  vxtest::ScopedSettingsHome settingsHome;
  const std::vector<fs::path> icons = vxtest::SpreadAdwaitaIcons(1);
  ASSERT_FALSE(icons.empty());
  const fs::path dir = fs::temp_directory_path() / ("vx-broom-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string outputs[2];
  for (int run = 0; run < 2; ++run) {
    const fs::path out = dir / ("out" + std::to_string(run) + ".svg");
    const vxtest::CommandRun result =
        vxtest::RunVellumix4("tool broom " + icons[0].string() + " -o " + out.string() +
                             " --set mode=3 --set areaRadius=12 --set groupAsOneUnit=0 --drag 8,8 14,8 12,14 6,12 -q");
    ASSERT_EQ(result.status, 0) << result.output;
    std::ifstream in(out, std::ios::binary);
    outputs[run].assign(std::istreambuf_iterator<char>(in), {});
  }
  fs::remove_all(dir);
  EXPECT_FALSE(outputs[0].empty());
  EXPECT_EQ(outputs[0], outputs[1]);
}

}  // namespace
