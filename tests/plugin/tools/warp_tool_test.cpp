// The Warp tool through PluginMain as a person uses it: choose it, press, drag
// through points (16 ticks apart), release; with modifier keys, trace copies and
// host failures injected into a drag message.
#include <algorithm>
#include <cmath>
#include <string>
#include <cstring>
#include <optional>
#include <vector>

#include "document/document.h"
#include "frame/globals.h"
#include "platform/clock.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "plugin/tools/tool_test_fixture.h"
#include "tool_driver.h"
#include "tools/framework/tool_cursors.h"
#include "tools/warp/warp_params.h"

extern "C" ai::Code PluginMain(const char* caller, const char* selector, void* message);

namespace {

using ai::RealPoint;
constexpr int16_t kAlt = ai::modifier::kAlt;
constexpr int16_t kShift = ai::modifier::kShift;
constexpr int16_t kCtrl = ai::modifier::kCtrl;

class WarpToolTest : public vxtest::ToolTest {
 protected:
  WarpToolTest() : ToolTest("ワープツール") {}

  vx::WarpToolParams& params() { return *static_cast<vx::WarpToolParams*>(vx::Globals()->toolRecords[0]); }

  // A rectangle 0..100 x 0..40 of straight corner segments, selected.
  vxhost::Art* Box(double left = 0, double right = 100, bool closed = true) {
    vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document),
                                        {{left, 0}, {right, 0}, {right, 40}, {left, 40}}, closed);
    path->userAttributes |= ai::art_attr::kSelected;
    return path;
  }


  // Nothing of a drag is left after the release.
  void ExpectDragFreed() {
    for (const std::string& name : host.blocks().LiveNames()) {
      EXPECT_NE(name, "g buffer for segments");
      EXPECT_NE(name, "buffer 2 for segments");
      EXPECT_NE(name, "g buffer for trace");
      EXPECT_NE(name, "MdMemory");
    }
  }

  std::vector<vxhost::Art*> LayerPaths(size_t layer = 0) const {
    std::vector<vxhost::Art*> paths;
    for (vxhost::Art* art = document.layers()[layer]->group->firstChild; art != nullptr; art = art->next)
      paths.push_back(art);
    return paths;
  }
  static double Top(const vxhost::Art* path) {
    double top = -1e300;
    for (const auto& s : path->segments) top = std::max(top, s.anchor.y);
    return top;
  }
};

TEST_F(WarpToolTest, ChoosingTheToolOpensItsControllerWithItsRecordAndCursor) {
  EXPECT_EQ(vx::Globals()->currentTool, 0);
  ASSERT_NE(vx::Globals()->toolRecords[0], nullptr);
  EXPECT_EQ(vx::Globals()->currentRecords[vx::kToolRecord], vx::Globals()->toolRecords[0]);
  EXPECT_EQ(params().shape, 0);
  EXPECT_DOUBLE_EQ(params().margin, 0.05);

  driver.TrackCursor({10, 10});
  EXPECT_EQ(host.app().cursorId, 16100);
  driver.TrackCursor({10, 10}, kAlt);
  EXPECT_EQ(host.app().cursorId, 16101) << "Alt over the canvas shows the turned cursor without a click";
  params().shape = 21;
  driver.TrackCursor({10, 10}, kAlt | kShift);
  EXPECT_EQ(host.app().cursorId, 17001);

  // The record is kept as the last setting when the tool is put away.
  ASSERT_EQ(driver.Deselect(), ai::kNoError);
  EXPECT_EQ(vx::Globals()->currentTool, -1);
  EXPECT_EQ(vx::Globals()->toolRecords[0], nullptr);
  ASSERT_TRUE(driver.Choose("ワープツール"));
  EXPECT_EQ(params().shape, 21);
}

TEST_F(WarpToolTest, APressWithNothingSelectedFailsAndHoldsNothing) {
  vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {10, 0}});
  EXPECT_EQ(Press({5, 5}), 0x2173656C);
  EXPECT_EQ(Release({5, 5}), ai::kNoError);
  ExpectDragFreed();
}

TEST_F(WarpToolTest, TentRaisesTheAnchorPointByTheDragAndLeavesTheFarSideAlone) {
  params().shape = 21;
  params().margin = 0;
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}, {100, 40}, {0, 40}},
                                      true);
  path->userAttributes |= ai::art_attr::kSelected;
  Stroke({{0, 20}, {0, 25}, {0, 30}});
  // X = 100 from x0 = 0 (margin 0 reaches the far side exactly): x = 0 rises 10, x = 100 stays.
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 10);
  EXPECT_DOUBLE_EQ(path->segments[3].anchor.y, 50);
  EXPECT_DOUBLE_EQ(path->segments[1].anchor.y, 0);
  EXPECT_DOUBLE_EQ(path->segments[2].anchor.y, 40);
  EXPECT_EQ(path->segments[0].corner, 1) << "moved anchors become corners";
  EXPECT_TRUE(path->closed);
  ExpectDragFreed();
}

TEST_F(WarpToolTest, ADragWithoutVerticalMovementLeavesTheTentAlone) {
  params().shape = 21;
  vxhost::Art* path = Box();
  const auto before = path->segments;
  Stroke({{50, 20}, {60, 20}, {80, 20}});
  ASSERT_EQ(path->segments.size(), before.size());
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), sizeof(ai::SegRecord) * before.size()), 0);
}

TEST_F(WarpToolTest, BellRaisesItsAnchorByTheDragAndCircleCentreKeepsTheCentreLine) {
  params().shape = 13;
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{50, 0}, {50, 40}});
  path->userAttributes |= ai::art_attr::kSelected;
  vxhost::Art* far = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 10}, {0, 30}});
  far->userAttributes |= ai::art_attr::kSelected;
  Stroke({{50, 20}, {50, 27}});
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 7) << "K dy (1 + cos 0) = dy at x0";
  EXPECT_DOUBLE_EQ(far->segments[0].anchor.y, 10 + 0.5 * 7 * (1 + std::cos(M_PI * 50 / (50 * 1.05))));

  // Shape 3 scales about y = cy: a point on the centre line stays.
  driver.Deselect();
  driver.Choose("ワープツール");
  params().shape = 3;
  vxhost::Art* line = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 20}, {100, 20}});
  document.ClearSelection();
  line->userAttributes |= ai::art_attr::kSelected;
  Box(0, 100, true)->userAttributes |= ai::art_attr::kSelected;
  Stroke({{30, 20}, {30, 35}});
  for (const auto& s : line->segments) EXPECT_NEAR(s.anchor.y, 20, 1e-9);
}

TEST_F(WarpToolTest, AWideMarginMakesTheDeformationNearlyUniform) {
  params().shape = 21;
  params().margin = 40;
  vxhost::Art* path = Box();
  Stroke({{0, 20}, {0, 30}});
  // X = 100 * 41: the far side rises by 10 * (1 - 100 / 4100).
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 10);
  EXPECT_NEAR(path->segments[1].anchor.y, 10 * (1 - 100.0 / 4100), 1e-9);
}

TEST_F(WarpToolTest, ShiftKeepsTheResultSymmetricAboutTheBoxCentre) {
  params().shape = 21;
  vxhost::Art* path = Box();
  Stroke({{20, 20}, {25, 35}}, kShift);
  // With Shift the anchor sits on x = 50 whatever the pointer's x.
  for (const auto& s : path->segments) {
    bool mirrored = false;
    for (const auto& other : path->segments)
      mirrored |= std::fabs(other.anchor.x - (100 - s.anchor.x)) < 1e-9 && std::fabs(other.anchor.y - s.anchor.y) < 1e-9;
    EXPECT_TRUE(mirrored) << "no mirror image of (" << s.anchor.x << ", " << s.anchor.y << ")";
  }
}

TEST_F(WarpToolTest, AltTurnsTheFrame) {
  params().shape = 21;
  params().margin = 0;
  vxhost::Art* path = Box();
  Stroke({{50, 40}, {60, 40}}, kAlt);
  // The profile runs along y from the pointer's y = 40; x is displaced by 10 there.
  EXPECT_DOUBLE_EQ(path->segments[2].anchor.x, 110);
  EXPECT_DOUBLE_EQ(path->segments[3].anchor.x, 10);
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.x, 0) << "40 away: the far side";
}

TEST_F(WarpToolTest, TheThrottleIgnoresATwitchRightAfterThePress) {
  params().shape = 21;
  vxhost::Art* path = Box();
  const auto before = path->segments;
  ASSERT_EQ(Press({50, 20}), ai::kNoError);
  ASSERT_EQ(DragTo({51.5, 21.5}, 0, 29), ai::kNoError);
  EXPECT_EQ(path->segments.size(), before.size()) << "within 29 ticks and 2 points: ignored";
  EXPECT_EQ(path->segments[3].anchor.y, 40);
  ASSERT_EQ(DragTo({51.5, 21.5}, 0, 1), ai::kNoError);
  EXPECT_GT(path->segments[3].anchor.y, 40) << "30 ticks after the press the same point deforms";
  ASSERT_EQ(Release({51.5, 21.5}), ai::kNoError);
}

TEST_F(WarpToolTest, EachDragStartsFromTheMouseDownGeometry) {
  params().shape = 21;
  vxhost::Art* path = Box();
  ASSERT_EQ(Press({0, 20}), ai::kNoError);
  for (double y : {30.0, 40.0, 25.0}) ASSERT_EQ(DragTo({0, y}), ai::kNoError);
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 5) << "the last drag alone counts";
  ASSERT_EQ(Release({0, 25}), ai::kNoError);
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 5);
}

TEST_F(WarpToolTest, ReleasingNearThePressKeepsTheDeformationAndMakesNoTrace) {
  params().shape = 21;
  params().trace = 1;
  vxhost::Art* path = Box();
  ASSERT_EQ(Press({0, 20}), ai::kNoError);
  ASSERT_EQ(DragTo({0, 30}), ai::kNoError);
  ASSERT_EQ(Release({0.5, 20.5}), ai::kNoError);
  EXPECT_DOUBLE_EQ(path->segments[0].anchor.y, 10);
  EXPECT_EQ(LayerPaths().size(), 1u);
  ExpectDragFreed();
}

TEST_F(WarpToolTest, TheCancelFlagTakesTheDragBack) {
  params().shape = 21;
  vxhost::Art* path = Box();
  const auto before = path->segments;
  ASSERT_EQ(Press({0, 20}), ai::kNoError);
  ASSERT_EQ(DragTo({0, 30}), ai::kNoError);
  ASSERT_EQ(Release({0, 30}, ai::modifier::kCancel), ai::kNoError);
  ASSERT_EQ(path->segments.size(), before.size());
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), sizeof(ai::SegRecord) * before.size()), 0);
}

TEST_F(WarpToolTest, UniformOneWayTraceMakesOneCopyPerStepAtItsHeight) {
  params().shape = 21;
  params().margin = 0;
  params().trace = 1;
  params().traceMode = 1;
  params().traceSteps = 4;
  vxhost::Art* path = Box();
  Stroke({{0, 20}, {0, 30}, {0, 40}});
  const std::vector<vxhost::Art*> art = LayerPaths();
  ASSERT_EQ(art.size(), 5u) << "the original and four copies";
  EXPECT_EQ(art.back(), path);
  EXPECT_DOUBLE_EQ(Top(path), 40) << "the original is as it was at the press";
  // Copies stack upward: the last made is on top; step k raises x = 0 by 20 k / 4.
  for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(art[4 - k]->segments[0].anchor.y, 5.0 * k) << "copy " << k;
  EXPECT_EQ(document.layers().size(), 1u);
}

TEST_F(WarpToolTest, RoundTripAddsTheWayBackEndingWithTheUndeformedArt) {
  params().shape = 21;
  params().margin = 0;
  params().trace = 1;
  params().traceMode = 4;
  params().traceSteps = 3;
  vxhost::Art* path = Box();
  Stroke({{0, 20}, {0, 50}});
  const std::vector<vxhost::Art*> art = LayerPaths();
  ASSERT_EQ(art.size(), 7u) << "original, 3 out, 2 back and one undeformed";
  const double expected[] = {10, 20, 30, 20, 10, 0};
  for (int j = 0; j < 6; ++j) EXPECT_DOUBLE_EQ(art[5 - j]->segments[0].anchor.y, expected[j]) << "copy " << j;
  EXPECT_EQ(art[0]->segments.size(), path->segments.size());
}

TEST_F(WarpToolTest, CtrlPutsEveryCopyAfterTheFirstOnALayerOfItsOwn) {
  params().shape = 21;
  params().trace = 1;
  params().traceMode = 2;
  params().traceSteps = 3;
  Box();
  Stroke({{0, 20}, {0, 50}}, kCtrl);
  ASSERT_EQ(document.layers().size(), 3u);
  EXPECT_EQ(LayerPaths(2).size(), 2u) << "the original and the first copy";
  EXPECT_EQ(LayerPaths(1).size(), 1u);
  EXPECT_EQ(LayerPaths(0).size(), 1u);
  // Accelerate: the first copy at (1/3)² of the way.
  EXPECT_NEAR(LayerPaths(2)[0]->segments[0].anchor.y, 30 / 9.0, 1e-9);
}

TEST_F(WarpToolTest, SeveralObjectsAreGatheredIntoOneGroupForTheTrace) {
  params().shape = 21;
  params().trace = 1;
  params().traceMode = 1;
  params().traceSteps = 2;
  Box(0, 40);
  Box(60, 100);
  Stroke({{0, 20}, {0, 30}});
  const std::vector<vxhost::Art*> art = LayerPaths();
  ASSERT_EQ(art.size(), 3u) << "the gathered group and two copies of it";
  for (vxhost::Art* group : art) {
    EXPECT_EQ(group->kind, ai::art_kind::kGroup);
    EXPECT_EQ(group->Children().size(), 2u);
  }
}

TEST_F(WarpToolTest, TheDomeTraceStartsAtThePressAndReplacesTheOriginal) {
  params().shape = 6;
  params().trace = 1;
  params().traceMode = 1;
  params().traceSteps = 2;
  vxhost::Art* path = Box();
  Stroke({{50, 20}, {50, 30}});
  const std::vector<vxhost::Art*> art = LayerPaths();
  ASSERT_EQ(art.size(), 3u) << "entries 0, 1 and 2; the original is gone";
  EXPECT_FALSE(document.Owns(path) && path->parent != nullptr);
}

// Every host call of one drag message fails in turn: the failure comes back
// unchanged, the art is as the drag before left it, and the release frees
// everything the drag held.
TEST_F(WarpToolTest, AFailingHostCallInADragLeavesTheLastDragsArtAndNothingHeld) {
  params().shape = 21;
  std::vector<vxhost::Art*> paths;
  for (int i = 0; i < 3; ++i) paths.push_back(Box(i * 40.0, i * 40.0 + 30));
  auto Geometry = [&] {
    std::vector<std::vector<ai::SegRecord>> all;
    for (auto* p : paths) all.push_back(p->segments);
    return all;
  };
  auto Same = [](const std::vector<std::vector<ai::SegRecord>>& a, const std::vector<std::vector<ai::SegRecord>>& b) {
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].size() != b[i].size() || std::memcmp(a[i].data(), b[i].data(), sizeof(ai::SegRecord) * a[i].size()) != 0)
        return false;
    return true;
  };
  const auto originals = Geometry();
  // The art after a drag to (0, 30), and the calls of the next drag message.
  ASSERT_EQ(Press({0, 20}), ai::kNoError);
  ASSERT_EQ(DragTo({0, 30}), ai::kNoError);
  const auto afterFirst = Geometry();
  host.faults().Reset(/*record=*/true);
  ASSERT_EQ(DragTo({0, 45}), ai::kNoError);
  const std::vector<std::string> calls = host.faults().recorded();
  const auto afterSecond = Geometry();
  ASSERT_EQ(Release({0, 45}, ai::modifier::kCancel), ai::kNoError);
  ASSERT_TRUE(Same(Geometry(), originals));
  size_t baseline = host.blocks().LiveCount();

  const ai::Code injected = ai::FourCC("fLt!");
  for (size_t n = 1;; ++n) {
    ASSERT_EQ(Press({0, 20}), ai::kNoError);
    ASSERT_EQ(DragTo({0, 30}), ai::kNoError);
    host.faults().Reset();
    host.faults().FailNthCall(static_cast<int64_t>(n), injected);
    const ai::Code code = DragTo({0, 45});
    const bool fired = host.faults().fired();
    host.faults().Disarm();
    if (!fired) {
      EXPECT_EQ(code, ai::kNoError);
      EXPECT_EQ(n, calls.size() + 1) << "the sweep reached every call";
      ASSERT_EQ(Release({0, 45}, ai::modifier::kCancel), ai::kNoError);
      break;
    }
    SCOPED_TRACE("call " + std::to_string(n) + ": " + calls[n - 1]);
    if (calls[n - 1] == "FreeBlock") {
      // A free the host refuses leaves exactly that block behind; the drag is done.
      EXPECT_EQ(code, ai::kNoError);
      EXPECT_TRUE(Same(Geometry(), afterSecond));
      ASSERT_EQ(Release({0, 45}, ai::modifier::kCancel), ai::kNoError);
      EXPECT_EQ(host.blocks().LiveCount(), baseline + 1);
      baseline = host.blocks().LiveCount();
      continue;
    }
    EXPECT_EQ(code, injected);
    EXPECT_TRUE(Same(Geometry(), afterFirst)) << "the art is as the drag before left it";
    ASSERT_EQ(Release({0, 45}, ai::modifier::kCancel), ai::kNoError);
    EXPECT_EQ(host.blocks().LiveCount(), baseline) << "the run, the source copy, the matched list are freed";
    ASSERT_TRUE(Same(Geometry(), originals));
  }
}


// The 22 shapes as the tool's reference table lists them, written out here on
// their own: the profile, the anchor (at the pointer or mirrored about the box's
// centre line), the base line, K as a multiple of k0 plus a constant, whether
// the drag counts downward, and when a path is left alone ('P': perspective on
// and dy <= 0; '0': dy = 0; 'p': dy = 0 without perspective).
struct ReferenceShape {
  const char* profile;
  bool mirror;
  char base;  // 'c' centre, 'b' bottom, 't' top
  double perK0, constant;
  bool negate;
  char skip;
};
constexpr double kTwoOverPi = 0.6366197723675814;
constexpr ReferenceShape kReference[22] = {
    {"circle-edge", true, 'c', 2, 0, false, 'P'},     {"circle-edge", true, 'b', 1, 0, false, 'P'},
    {"circle-edge", true, 't', 1, 0, true, 'P'},      {"circle-centre", false, 'c', 2, 0, false, 'P'},
    {"circle-centre", false, 'b', 1, 0, false, 'P'},  {"circle-centre", false, 't', 1, 0, true, 'P'},
    {"dome", false, 'c', 0, 1, false, 'p'},           {"sine-edge", true, 'c', 1, 0, false, 'P'},
    {"sine-edge", true, 'b', 0.5, 0, false, 'P'},     {"sine-edge", true, 't', 0.5, 0, true, 'P'},
    {"cosine-centre", false, 'c', 1, 0, false, 'P'},  {"cosine-centre", false, 'b', 0.5, 0, false, 'P'},
    {"cosine-centre", false, 't', 0.5, 0, true, 'P'}, {"bell", false, 'c', 0, 0.5, false, '0'},
    {"s-curve", true, 'c', 0, kTwoOverPi, false, 'p'}, {"linear-edge", true, 'c', 2, 0, false, 'P'},
    {"linear-edge", true, 'b', 1, 0, false, 'P'},     {"linear-edge", true, 't', 1, 0, true, 'P'},
    {"linear-centre", false, 'c', 2, 0, false, 'P'},  {"linear-centre", false, 'b', 1, 0, false, 'P'},
    {"linear-centre", false, 't', 1, 0, true, 'P'},   {"tent", false, 'c', 0, 1, false, '0'},
};

// Where one point goes for a drag from `down` to `cur` over the box
// 0..200 x 0..100 with margin 0, computed from the reference formulas; the
// nothing when the shape leaves the path alone.
std::optional<RealPoint> ReferenceWarp(const ReferenceShape& shape, bool perspective, RealPoint down, RealPoint cur, RealPoint p) {
  constexpr double pi = 3.14159265358979323846;
  const double left = 0, right = 200, bottom = 0, top = 100, cx = 100, cy = 50;
  const double k0 = std::clamp(1 / (top - bottom), 0.001, 10.0), k2 = k0 / 2;
  double dy = cur.y - down.y;
  if (shape.negate) dy = -dy;
  if (shape.skip == 'P' && perspective && dy <= 0) return std::nullopt;
  if (shape.skip == '0' && dy == 0) return std::nullopt;
  if (shape.skip == 'p' && dy == 0 && !perspective) return std::nullopt;
  const double x0 = shape.mirror ? 2 * cx - cur.x : cur.x;
  const double y0 = shape.base == 'c' ? cy : shape.base == 'b' ? bottom : top;
  const double K = shape.perK0 * k0 + shape.constant;
  double X = cx > cur.x ? right - cur.x : cur.x - left;
  const double r = std::clamp(k2 * dy, 0.0, 1.0);
  double x = p.x, y = p.y, m = 1;
  auto t = [&] { return std::min(X, std::fabs(x - x0)) / X; };
  auto away = [&](double u) { return x > x0 ? x0 + u : x0 - u; };
  const std::string profile = shape.profile;
  if (perspective) {
    const double s = t();
    if (profile == "circle-edge") x = away(((1 - std::cos(pi * s)) / 2 * r + s) * X), X *= 1 + r, m = 1 + r;
    if (profile == "circle-centre") x = away(((std::sin(pi * s / 2) - s) * r + s) * X);
    if (profile == "dome") x = away(std::sin(pi * s / 2) * X);
    if (profile == "sine-edge") x = away((std::asin(s) / (pi / 2) * r + s) * X), X *= 1 + r, m = 1 + r;
    if (profile == "cosine-centre") x = away(((std::acos(1 - s) / (pi / 2) - s) * r + s) * X);
    if (profile == "s-curve") x = x0 + std::sin(pi * std::clamp(x - x0, -X, X) / (2 * X)) * X;
    if (profile == "linear-edge") x = away((s * s * r + s) * X), X *= 1 + r, m = 1 + r;
    if (profile == "linear-centre") x = away(((1 - (s - 1) * (s - 1) - s) * r + s) * X);
  }
  const double s = t();
  if (profile == "circle-edge") y += (y - y0) * K * dy * (1 - std::sqrt(std::fabs(1 - s * s))) * m;
  if (profile == "circle-centre") y += (y - y0) * K * dy * std::sqrt(1 - s * s);
  if (profile == "dome") y += K * dy * std::sqrt(1 - s * s);
  if (profile == "sine-edge") y += (y - y0) * K * dy * (1 - std::cos(pi * s)) * m;
  if (profile == "cosine-centre") y += (y - y0) * K * dy * (1 + std::cos(pi * s));
  if (profile == "bell") y += K * dy * (1 + std::cos(pi * s));
  if (profile == "s-curve") y += std::asin(std::clamp(x - x0, -X, X) / X) * K * dy;
  if (profile == "linear-edge") y += (y - y0) * K * dy * (1 - std::fabs(1 - s)) * m;
  if (profile == "linear-centre") y += (y - y0) * K * dy * std::fabs(1 - s);
  if (profile == "tent") y += K * dy * std::fabs(1 - s);
  return RealPoint{x, y};
}

// Every shape, dragged up, down and sideways, with and without perspective: short probe
// paths sit at the anchor of either kind (60 at the pointer, 140 mirrored) and
// half the reach X = 140 away from it, above and below each base line; each
// probe's first anchor must land where the reference formulas put it.
TEST_F(WarpToolTest, EveryShapeMovesPointsAsItsReferenceFormulasSay) {
  const RealPoint down{60, 50};
  const double xs[] = {60, 70, 130, 140}, ys[] = {20, 80};
  for (int shape = 0; shape < 22; ++shape) {
    for (bool perspective : {false, true}) {
      for (RealPoint cur : {RealPoint{60, 70}, RealPoint{60, 30}, RealPoint{80, 50}}) {
        SCOPED_TRACE("shape " + std::to_string(shape) + (perspective ? " with perspective" : "") + ", drag to " +
                     std::to_string(cur.x) + ", " + std::to_string(cur.y));
        for (vxhost::Art* art : LayerPaths()) document.Dispose(art);
        params().shape = static_cast<int16_t>(shape);
        params().margin = 0;
        params().perspective = perspective ? 1 : 0;
        vxhost::Art* frame = vxtest::AddPath(document, vxtest::LayerGroup(document),
                                             {{0, 0}, {200, 0}, {200, 100}, {0, 100}}, true);
        frame->userAttributes |= ai::art_attr::kSelected;
        std::vector<std::pair<vxhost::Art*, RealPoint>> probes;
        for (double x : xs)
          for (double y : ys) {
            vxhost::Art* probe = vxtest::AddPath(document, vxtest::LayerGroup(document), {{x, y}, {x + 0.01, y}});
            probe->userAttributes |= ai::art_attr::kSelected;
            probes.push_back({probe, {x, y}});
          }
        Stroke({down, cur});
        for (const auto& [probe, at] : probes) {
          const std::optional<RealPoint> moved = ReferenceWarp(kReference[shape], perspective, down, cur, at);
          ASSERT_EQ(probe->segments.size(), 2u);
          // A path left alone keeps its retracted handles; a mapped one gets real ones.
          EXPECT_EQ(probe->segments[0].out.x == at.x, !moved.has_value()) << "probe at " << at.x << ", " << at.y;
          const RealPoint expected = moved.value_or(at);
          EXPECT_NEAR(probe->segments[0].anchor.x, expected.x, 1e-9) << "probe at " << at.x << ", " << at.y;
          EXPECT_NEAR(probe->segments[0].anchor.y, expected.y, 1e-9) << "probe at " << at.x << ", " << at.y;
        }
      }
    }
  }
}

// "Drag Along": a trace point is kept each time the pointer has moved more than
// the space from the last kept one, the release point is added, and each gets
// one copy deformed as a drag ending there; the original stays as pressed.
TEST_F(WarpToolTest, DragAlongTraceCopiesAtTheKeptPointsAndTheRelease) {
  params().shape = 21;
  params().margin = 0;
  params().trace = 1;
  params().traceMode = 0;
  params().traceSpace = 10;
  vxhost::Art* path = Box();
  Stroke({{0, 20}, {0, 24}, {0, 28}, {0, 32}, {0, 36}, {0, 40}, {0, 44}, {0, 48}});
  // Kept: 32 (12 from the press), 44 (12 from 32); the release 48 is added.
  const std::vector<vxhost::Art*> art = LayerPaths();
  ASSERT_EQ(art.size(), 4u) << "the original and three copies";
  EXPECT_EQ(art.back(), path);
  EXPECT_DOUBLE_EQ(Top(path), 40);
  const double raised[] = {12, 24, 28};
  for (int k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(art[2 - k]->segments[0].anchor.y, raised[k]) << "copy " << k;
}

TEST_F(WarpToolTest, AFailedDragMessageLeavesTheLastGoodDragAndNothingHeld) {
  SelectedPath({{0, 0}, {120, 0}, {120, 100}, {0, 100}}, true);
  SweepOneDragMessage({60, 50}, {60, 60}, {64, 72});
}

}  // namespace
