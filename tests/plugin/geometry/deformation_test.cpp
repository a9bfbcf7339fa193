// The deformation engine with a small circular mapper standing in for a tool:
// points inside the circle are pushed away from its centre, others untouched.
#include "geometry/deformation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "document/document.h"
#include "support/art_builder.h"
#include "support/in_process.h"

namespace {

struct Bulge {
  ai::RealPoint centre;
  double radius;
  ai::Code operator()(ai::RealPoint& p) const {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    const double distance = std::hypot(dx, dy);
    if (distance >= radius) return vx::kPointUntouched;
    const double push = 1 + 0.5 * (1 - distance / radius);
    p = {centre.x + dx * push, centre.y + dy * push};
    return ai::kNoError;
  }
};

// Moves every point along a fine wave: never untouched, never smooth enough.
struct Ripple {
  ai::Code operator()(ai::RealPoint& p) const {
    p.y += 10 * std::sin(p.x * 3);
    return ai::kNoError;
  }
};

class DeformationTest : public vxtest::InProcessTest {
 protected:
  DeformationTest() : run(vx::kMaxRunSegments) {}

  template <class Mapper>
  ai::Code DeformInCircle(vxhost::Art* path, const Mapper& mapper, double size, ai::RealPoint centre) {
    return vx::MapSegmentRun(vxtest::Handle(path), run.data(), [&](vx::SegmentPair& pair, bool check) {
      return vx::MapSegmentInCircle(mapper, pair, check, size, centre);
    });
  }

  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  std::vector<vx::SegRecord> run;
};

TEST_F(DeformationTest, APathFarFromTheAreaKeepsItsAnchors) {
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}});
  const auto before = path->segments;
  ASSERT_EQ(DeformInCircle(path, Bulge{{50, 200}, 30}, 30, {50, 200}), ai::kNoError);
  ASSERT_EQ(path->segments.size(), 2u);
  EXPECT_EQ(path->segments[0].anchor.x, before[0].anchor.x);
  EXPECT_EQ(path->segments[1].anchor.x, before[1].anchor.x);
  EXPECT_TRUE(host.blocks().LiveNames().empty()) << "the source copy is freed";
}

// The area lies between the segment's test points (a small circle over a
// long line): it is found all the same. A line that passes only the corner of
// the area's box gets no anchors.
TEST_F(DeformationTest, ASmallAreaBetweenTheTestPointsIsFoundAndNearMissesStayAlone) {
  vxhost::Art* through = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 5}, {400, 5}});
  ASSERT_EQ(DeformInCircle(through, Bulge{{200, 0}, 30}, 30, {200, 0}), ai::kNoError);
  EXPECT_GT(through->segments.size(), 2u);
  double highest = 5;
  for (const auto& s : through->segments) highest = std::max(highest, s.anchor.y);
  EXPECT_GT(highest, 6) << "the line is pushed away from the centre";

  // Crosses the box of the circle around (200, 0) but comes no nearer than 38.9.
  vxhost::Art* corner = vxtest::AddPath(document, vxtest::LayerGroup(document), {{215, 40}, {240, 15}, {260, 60}});
  const auto before = corner->segments;
  ASSERT_EQ(DeformInCircle(corner, Bulge{{200, 0}, 30}, 30, {200, 0}), ai::kNoError);
  ASSERT_EQ(corner->segments.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(corner->segments[i].anchor.y, before[i].anchor.y);
}

TEST_F(DeformationTest, AStraightPathThroughTheAreaIsSplitAndCurved) {
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {100, 0}});
  ASSERT_EQ(DeformInCircle(path, Bulge{{50, -5}, 30}, 30, {50, -5}), ai::kNoError);
  ASSERT_GT(path->segments.size(), 2u);
  bool curved = false;
  for (const auto& s : path->segments)
    curved |= s.out.x != s.anchor.x || s.out.y != s.anchor.y;
  EXPECT_TRUE(curved);
  // The middle of the path is pushed away from the centre below it.
  double highest = -1e9;
  for (const auto& s : path->segments) highest = std::max(highest, s.anchor.y);
  EXPECT_NEAR(highest, -5 + 5 * (1 + 0.5 * (1 - 5.0 / 30)), 1e-9) << "the anchor at the middle moved the most";
  EXPECT_EQ(path->segments.front().anchor.x, 0) << "the ends are outside the area";
  EXPECT_EQ(path->segments.back().anchor.x, 100);
  EXPECT_EQ(path->segments.front().in.x, path->segments.front().anchor.x) << "open ends are retracted";
  EXPECT_EQ(path->segments.back().out.x, path->segments.back().anchor.x);
}

TEST_F(DeformationTest, AClosedPathGetsNoDuplicateClosingAnchor) {
  vxhost::Art* square = vxtest::AddPath(document, vxtest::LayerGroup(document),
                                        {{0, 0}, {40, 0}, {40, 40}, {0, 40}}, true);
  ASSERT_EQ(DeformInCircle(square, Bulge{{20, 20}, 25}, 25, {20, 20}), ai::kNoError);
  ASSERT_GE(square->segments.size(), 4u);
  EXPECT_TRUE(square->closed);
  const auto& first = square->segments.front();
  const auto& last = square->segments.back();
  EXPECT_FALSE(first.anchor.x == last.anchor.x && first.anchor.y == last.anchor.y);
  EXPECT_EQ(first.anchor.x, 0) << "corners lie outside the circle and stay";
}

TEST_F(DeformationTest, ADeformationNeedingTooManyAnchorsKeepsTheGeometry) {
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {200000, 0}});
  const auto before = path->segments;
  const ai::Code code = vx::MapSegmentRun(vxtest::Handle(path), run.data(), [&](vx::SegmentPair& pair, bool check) {
    return vx::MapSegmentFree(Ripple{}, pair, check, 100);
  });
  EXPECT_EQ(code, ai::kNoError);
  ASSERT_EQ(path->segments.size(), 2u);
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), sizeof(vx::SegRecord) * 2), 0);
}

TEST_F(DeformationTest, AMapperErrorEndsTheDeformationWithItsCode) {
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {10, 0}});
  const ai::Code broken = ai::FourCC("!oVf");
  const ai::Code code = vx::MapSegmentRun(vxtest::Handle(path), run.data(), [&](vx::SegmentPair& pair, bool check) {
    return vx::MapSegmentFree([&](ai::RealPoint&) { return broken; }, pair, check, 10);
  });
  EXPECT_EQ(code, broken);
  EXPECT_EQ(path->segments.size(), 2u);
  EXPECT_TRUE(host.blocks().LiveNames().empty());
}

// A path that fills the working run and ends in one long arch with a small tool
// circle around the point a third along it. The arch's ends and handles lie
// outside the circle, and so do those of its first half after one split: each
// time only a middle sample is moved. When the run has no room left for
// another split the pair is taken as mapped; the path, which would need more
// anchors than the run holds, is left as it was.
TEST_F(DeformationTest, APairWithItsAreaInsideIsAcceptedWhenTheRunIsFull) {
  const int32_t anchors = vx::kMaxRunSegments - 2;
  vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {});
  for (int32_t i = 0; i < anchors - 1; ++i) path->segments.push_back(vxtest::Corner((i - (anchors - 2)) * 0.001, 0));
  path->segments.push_back(vxtest::Corner(3000, 0));
  path->segments[anchors - 2].out = {0, 1000};
  path->segments[anchors - 1].in = {3000, 1000};
  const auto before = path->segments;
  // The arch at t = 1/3: x = 3000 (3t² - 2t³), y = 1000 · 3t(1 - t).
  const ai::RealPoint centre{3000 * 7.0 / 27, 2000.0 / 3};
  int64_t calls = 0;
  auto bulge = [&](ai::RealPoint& p) -> ai::Code {
    if (++calls > 5'000'000) return ai::FourCC("LOOP");  // the same pair retried without end
    return Bulge{centre, 30}(p);
  };
  ASSERT_EQ(DeformInCircle(path, bulge, 30, centre), ai::kNoError);
  ASSERT_EQ(path->segments.size(), before.size());
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), sizeof(vx::SegRecord) * before.size()), 0);
  EXPECT_TRUE(host.blocks().LiveNames().empty());
}

// A straight segment from (0, 0) to (3000, 0) whose points all count as moved
// while only the point a third of the way along really moves up by `lift`.
ai::Code MapWithLift(double lift, double size, double length = 3000) {
  vx::SegRecord a{}, b{};
  a.anchor = a.in = a.out = {0, 0};
  b.anchor = b.in = b.out = {length, 0};
  vx::SegmentPair pair{a, b};
  auto lifter = [&](ai::RealPoint& p) {
    if (std::fabs(p.x - length / 3) < length / 1000) p.y += lift;
    return ai::kNoError;
  };
  return vx::MapSegmentFree(lifter, pair, true, size);
}

// The free mapper's tolerance is a hundredth of the size (at least 1); a
// segment shorter than the minimum length (at least 2) is never split.
TEST(SegmentTolerances, TheFreeMapperSplitsBeyondAHundredthOfTheSize) {
  EXPECT_EQ(MapWithLift(20, 1500), vx::kNeedSplit) << "tolerance 15";
  EXPECT_EQ(MapWithLift(10, 1500), ai::kNoError);
  EXPECT_EQ(MapWithLift(1.5, 10), vx::kNeedSplit) << "tolerance 1 for small sizes";
  EXPECT_EQ(MapWithLift(0.5, 10), ai::kNoError);
  EXPECT_EQ(MapWithLift(5, 10, 1.5), ai::kNoError) << "1.5 long: shorter than the minimum length 2";
  EXPECT_EQ(MapWithLift(5, 10, 2.5), vx::kNeedSplit);
}

// The ellipse mapper takes its tolerance from the smaller side of the lens, a
// two-hundredth of it; a straight end gets a real handle only inside the lens
// rectangle (right edge at the pointer's x, bottom at its y).
TEST(SegmentTolerances, TheEllipseMapperUsesTheSmallerSideOfTheLens) {
  auto map = [](double lift, double width, double height) {
    vx::SegRecord a{}, b{};
    a.anchor = a.in = a.out = {0, 0};
    b.anchor = b.in = b.out = {3000, 0};
    vx::SegmentPair pair{a, b};
    auto lifter = [&](ai::RealPoint& p) {
      if (std::fabs(p.x - 1000) < 3) p.y += lift;
      return ai::kNoError;
    };
    return vx::MapSegmentInEllipse(lifter, pair, true, width, height, {3000, 0});
  };
  EXPECT_EQ(map(20, 3000, 6000), vx::kNeedSplit) << "tolerance 15";
  EXPECT_EQ(map(10, 3000, 6000), ai::kNoError);
  EXPECT_EQ(map(10, 6000, 1000), vx::kNeedSplit) << "tolerance 5 from the height";

  // Only the end inside the lens rectangle (x 2000..3000) gets its third handle.
  vx::SegRecord a{}, b{};
  a.anchor = a.in = a.out = {0, 0};
  b.anchor = b.in = b.out = {3000, 0};
  vx::SegmentPair pair{a, b};
  auto still = [](ai::RealPoint&) { return ai::kNoError; };
  ASSERT_EQ(vx::MapSegmentInEllipse(still, pair, true, 1000, 1000, {3000, 0}), ai::kNoError);
  EXPECT_EQ(pair.first.out.x, 0) << "the far end keeps its retracted handle";
  EXPECT_NEAR(pair.second.in.x, 2000, 1e-9);
}

// The circle mapper marks as corners only the ends it moved.
TEST(SegmentTolerances, TheCircleMapperMakesCornersOfMovedEndsOnly) {
  vx::SegRecord a{}, b{};
  a.anchor = a.in = a.out = {0, 0};
  b.anchor = b.in = b.out = {100, 0};
  vx::SegmentPair pair{a, b};
  ASSERT_EQ(vx::MapSegmentInCircle(Bulge{{5, 0}, 20}, pair, false, 20, {5, 0}), ai::kNoError);
  EXPECT_EQ(pair.first.corner, 1) << "the first anchor lies in the circle and moved";
  EXPECT_EQ(pair.second.corner, 0) << "the far anchor was untouched";
  EXPECT_NE(pair.first.anchor.x, 0);
  EXPECT_EQ(pair.second.anchor.x, 100);
}

}  // namespace

namespace {

// The perspective variant of the segment mapper.

TEST(PerspectiveSegment, WithoutPerspectiveAStraightSegmentKeepsItsLineAndGetsThirdHandles) {
  vx::SegmentPair pair{vxtest::Corner(0, 0), vxtest::Corner(90, 0)};
  pair.first.corner = pair.second.corner = 0;
  double depth = vx::kUnsetValue;
  const vx::PerspectiveTransform none{{0, 0}, vx::kValueLimit, 100};
  auto flat = [](double&, double&, double& z) {
    z = 0;
    return ai::kNoError;
  };
  ASSERT_EQ(vx::MapSegmentPerspective(flat, none, pair, &depth, true), ai::kNoError);
  EXPECT_DOUBLE_EQ(pair.first.out.x, 30);
  EXPECT_DOUBLE_EQ(pair.second.in.x, 60);
  EXPECT_EQ(pair.first.corner, 1);
  EXPECT_EQ(pair.second.corner, 1);
  EXPECT_EQ(depth, 0);
}

TEST(PerspectiveSegment, DepthScalesPointsTowardTheCentreAndTheLargestDepthIsKept) {
  vx::SegmentPair pair{vxtest::Corner(10, 0), vxtest::Corner(20, 0)};
  double depth = vx::kUnsetValue;
  const vx::PerspectiveTransform view{{0, 0}, 100, 10};
  // Everything 100 deep: factor 100 / (100 + 100) halves every coordinate.
  auto away = [](double&, double&, double& z) {
    z = -100;
    return ai::kNoError;
  };
  EXPECT_EQ(vx::MapSegmentPerspective(away, view, pair, &depth, true), vx::kBeyondViewer)
      << "-z >= viewer distance is reported, the segment still written";
  EXPECT_DOUBLE_EQ(pair.first.anchor.x, 5);
  EXPECT_DOUBLE_EQ(pair.second.anchor.x, 10);
  EXPECT_EQ(depth, -100);

  // A mapper that bends the segment strongly asks for a split.
  vx::SegmentPair wide{vxtest::Corner(-100, 0), vxtest::Corner(100, 0)};
  auto bend = [](double& x, double& y, double& z) {
    y += 100 * std::sin(x / 30);
    z = 0;
    return ai::kNoError;
  };
  const vx::PerspectiveTransform flat{{0, 0}, vx::kValueLimit, 200};
  EXPECT_EQ(vx::MapSegmentPerspective(bend, flat, wide, nullptr, true), vx::kNeedSplit);
  EXPECT_EQ(vx::MapSegmentPerspective(bend, flat, wide, nullptr, false), ai::kNoError) << "unchecked: accepted";
}

TEST(PerspectiveSegment, AHandleWhoseDirectionCollapsesIsRetracted) {
  vx::SegmentPair pair{vxtest::Corner(0, 0), vxtest::Corner(90, 0)};
  // Pinches every point onto x = 0 except the end anchor's neighbourhood stays apart.
  auto pinch = [](double& x, double&, double& z) {
    x = x < 45 ? 0 : x;
    z = 0;
    return ai::kNoError;
  };
  const vx::PerspectiveTransform none{{0, 0}, vx::kValueLimit, 100};
  ASSERT_EQ(vx::MapSegmentPerspective(pinch, none, pair, nullptr, false), ai::kNoError);
  EXPECT_EQ(pair.first.out.x, pair.first.anchor.x);
  EXPECT_EQ(pair.first.out.y, pair.first.anchor.y);
}

}  // namespace
