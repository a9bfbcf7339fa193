// The 3D shape transforms on art in a host document: the mappings' fixed
// points, the perspective, the surfaces of the sphere and the cylinder as a
// person sees them, the failures and the restacking by depth.
#include "threed/shape3d.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "document/document.h"
#include "frame/error_messages.h"
#include "geometry/bezier.h"
#include "support/art_builder.h"
#include "support/in_process.h"

namespace {

constexpr double kPi = std::numbers::pi;
// The engine accepts a mapped cubic within 0.5 pt on each axis for art of
// this size: at most this far from the exact curve.
const double kCurveTolerance = 0.5 * std::sqrt(2.0);

struct Vec3 {
  double x, y, z;
};
Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Scale(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }

// The smallest page distance from `p` (relative to the origin) to the
// perspective image of the circle centre + radius (cos t u + sin t v), seen
// from `viewer` on the z axis: a coarse scan refined by bisection of the angle.
double DistanceToSeenCircle(ai::RealPoint p, Vec3 centre, Vec3 u, Vec3 v, double radius, double viewer) {
  auto seen = [&](double t) {
    const Vec3 q = Add(centre, Add(Scale(u, radius * std::cos(t)), Scale(v, radius * std::sin(t))));
    const double f = std::isfinite(viewer) ? viewer / (viewer - q.z) : 1.0;
    return std::hypot(f * q.x - p.x, f * q.y - p.y);
  };
  constexpr int kSteps = 720;
  double best = 0, bestDistance = seen(0);
  for (int i = 1; i < kSteps; ++i) {
    const double t = 2 * kPi * i / kSteps;
    if (const double d = seen(t); d < bestDistance) bestDistance = d, best = t;
  }
  double step = 2 * kPi / kSteps;
  for (int i = 0; i < 60; ++i, step /= 2) {
    for (double t : {best - step, best + step})
      if (const double d = seen(t); d < bestDistance) bestDistance = d, best = t;
  }
  return bestDistance;
}

std::vector<vxhost::Art*> Children(const vxhost::Art* parent) {
  std::vector<vxhost::Art*> children;
  for (vxhost::Art* child = parent->firstChild; child != nullptr; child = child->next) children.push_back(child);
  return children;
}

class Shape3DTest : public vxtest::InProcessTest {
 protected:
  vx::_3DTFilterParams Defaults(int shape) {
    vx::_3DTFilterParams params{};
    vx::Set3DShapeDefaults(params, shape);
    return params;
  }

  // An open horizontal line across the 100 x 100 square at height y, with
  // the square's outline (unfilled corners) holding the bounds.
  vxhost::Art* Square() { return vxtest::AddPath(document, group, {{0, 0}, {0, 100}, {100, 100}, {100, 0}}, true); }
  vxhost::Art* Line(ai::RealPoint a, ai::RealPoint b) { return vxtest::AddPath(document, group, {a, b}); }

  ai::Code Run(const vx::_3DTFilterParams& params) { return vx::Transform3D(vxtest::Handle(group), params); }

  // Every anchor of `path` within 0.01 pt, and its curves at dense samples
  // within `tolerance`, of the seen circle.
  void ExpectOnCircle(const vxhost::Art* path, ai::RealPoint origin, Vec3 centre, Vec3 u, Vec3 v, double radius,
                      double viewer, double tolerance) {
    const auto& segs = path->segments;
    ASSERT_GT(segs.size(), 2u) << "a curved surface needs more than the two ends";
    for (const ai::SegRecord& s : segs) {
      const ai::RealPoint p{s.anchor.x - origin.x, s.anchor.y - origin.y};
      EXPECT_LT(DistanceToSeenCircle(p, centre, u, v, radius, viewer), 0.01) << s.anchor.x << ", " << s.anchor.y;
    }
    for (size_t i = 0; i + 1 < segs.size(); ++i) {
      const vx::SegmentPair pair{segs[i], segs[i + 1]};
      for (int k = 1; k < 20; ++k) {
        const ai::RealPoint b = vx::BezierPointAt(pair, k / 20.0);
        const ai::RealPoint p{b.x - origin.x, b.y - origin.y};
        EXPECT_LT(DistanceToSeenCircle(p, centre, u, v, radius, viewer), tolerance) << "segment " << i << " at " << k;
      }
    }
  }

  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::Art* group = vxtest::AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
};

TEST_F(Shape3DTest, PlainRotationWithoutAnglesKeepsEveryPoint) {
  vxhost::Art* square = Square();
  vxhost::Art* line = Line({10, 30}, {70, 90});
  const auto before = square->segments;
  ASSERT_EQ(Run(Defaults(0)), ai::kNoError);
  ASSERT_EQ(square->segments.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(square->segments[i].anchor.x, before[i].anchor.x, 1e-9);
    EXPECT_NEAR(square->segments[i].anchor.y, before[i].anchor.y, 1e-9);
  }
  EXPECT_NEAR(line->segments.back().anchor.x, 70, 1e-9);
  EXPECT_NEAR(line->segments.back().anchor.y, 90, 1e-9);
  EXPECT_EQ(Children(group).front(), square) << "shape 0 keeps the stacking order";
}

TEST_F(Shape3DTest, ViewerDistanceAndPerspectiveFactor) {
  vx::_3DTFilterParams params = Defaults(0);
  vx::Shape3DState state;
  ASSERT_EQ(vx::Prepare3DShape(params, {0, 100, 100, 0}, state), ai::kNoError);
  EXPECT_NEAR(state.halfDiagonal, 70.71, 0.01);
  EXPECT_NEAR(state.viewerDistance, 707.1, 0.05);
  const ai::RealPoint near = vx::Project3D(state.viewerDistance, 10, -20, 70.71);
  EXPECT_NEAR(near.x / 10, 1.111, 0.001);
  EXPECT_NEAR(near.y / -20, 1.111, 0.001);

  params.perspective = 0;
  ASSERT_EQ(vx::Prepare3DShape(params, {0, 100, 100, 0}, state), ai::kNoError);
  EXPECT_GE(std::fabs(state.viewerDistance), vx::kValueLimit);
  const ai::RealPoint flat = vx::Project3D(state.viewerDistance, 10, -20, 70.71);
  EXPECT_EQ(flat.x, 10);
  EXPECT_EQ(flat.y, -20);
}

TEST_F(Shape3DTest, TwirlTurnsByDistanceFromTheOrigin) {
  vx::_3DTFilterParams params = Defaults(4);
  vx::Shape3DState state;
  ASSERT_EQ(vx::Prepare3DShape(params, {0, 100, 100, 0}, state), ai::kNoError);
  const double r = state.halfDiagonal;
  auto turned = [&](double x, double y) {
    double z = 0;
    EXPECT_EQ(vx::MapPoint3D(state, x, y, z), ai::kNoError);
    return ai::RealPoint{x, y};
  };
  // Linear form: a point next to the origin turns by -60 degrees, one at R not at all.
  ai::RealPoint p = turned(1e-6, 0);
  EXPECT_NEAR(std::atan2(p.y, p.x), -kPi / 3, 1e-4);
  p = turned(r, 0);
  EXPECT_NEAR(p.x, r, 1e-9);
  EXPECT_NEAR(p.y, 0, 1e-9);

  params.shapeParam2 = 2;  // cycle form: no turn at the origin nor at R
  ASSERT_EQ(vx::Prepare3DShape(params, {0, 100, 100, 0}, state), ai::kNoError);
  p = turned(1e-6, 0);
  EXPECT_NEAR(std::atan2(p.y, p.x), 0, 1e-6);
  p = turned(0, r);
  EXPECT_NEAR(p.x, 0, 1e-9);
  EXPECT_NEAR(p.y, r, 1e-9);
  p = turned(r / 2, 0);  // half way the turn is -theta
  EXPECT_NEAR(std::atan2(p.y, p.x), -kPi / 3, 1e-9);
}

TEST_F(Shape3DTest, FlatWavesLeaveThePointsWhereTheyWere) {
  vx::_3DTFilterParams params = Defaults(5);
  params.shapeParam1 = params.shapeParam3 = 0;
  vx::Shape3DState state;
  ASSERT_EQ(vx::Prepare3DShape(params, {0, 100, 100, 0}, state), ai::kNoError);
  double x = 17, y = -33, z = 0;
  ASSERT_EQ(vx::MapPoint3D(state, x, y, z), ai::kNoError);
  EXPECT_EQ(x, 17);
  EXPECT_EQ(y, -33);
  EXPECT_EQ(z, 0);
}

TEST_F(Shape3DTest, CylinderWrapsTheSquareOnceAroundItsHeight) {
  Square();
  std::vector<std::pair<double, vxhost::Art*>> rows;
  for (double y : {10.0, 50.0, 90.0}) rows.push_back({y, Line({0, y}, {100, y})});
  ASSERT_EQ(Run(Defaults(11)), ai::kNoError);

  vx::Shape3DState state;
  ASSERT_EQ(vx::Prepare3DShape(Defaults(11), {0, 100, 100, 0}, state), ai::kNoError);
  // The cylinder of radius 50 has its axis along z through the origin, the
  // square's height running along it; the whole is then turned -45 degrees about y.
  const double c = std::cos(-kPi / 4), s = std::sin(-kPi / 4);
  auto turn = [&](Vec3 p) { return Vec3{c * p.x + s * p.z, p.y, -s * p.x + c * p.z}; };
  for (auto [y, line] : rows) {
    const auto& segs = line->segments;
    EXPECT_NEAR(segs.front().anchor.x, segs.back().anchor.x, 1e-6) << "the left and right ends meet";
    EXPECT_NEAR(segs.front().anchor.y, segs.back().anchor.y, 1e-6);
    ExpectOnCircle(line, state.origin, turn({0, 0, y - 50}), turn({1, 0, 0}), turn({0, 1, 0}), 50, state.viewerDistance,
                   kCurveTolerance);
  }
}

TEST_F(Shape3DTest, SphereLinesFollowItsLatitudesAndTheTopGoesToThePole) {
  Square();
  std::vector<std::pair<double, vxhost::Art*>> rows;
  for (double y : {5.0, 30.0, 50.0, 80.0}) rows.push_back({y, Line({0, y}, {100, y})});
  vxhost::Art* top = Line({0, 100}, {100, 100});
  ASSERT_EQ(Run(Defaults(8)), ai::kNoError);

  vx::Shape3DState state;
  ASSERT_EQ(vx::Prepare3DShape(Defaults(8), {0, 100, 100, 0}, state), ai::kNoError);
  ASSERT_DOUBLE_EQ(state.radius, 50);
  for (auto [y, line] : rows) {
    const double latitude = kPi * y / 100 - kPi / 2;  // bottom edge the south pole, top edge the north pole
    ExpectOnCircle(line, state.origin, {0, 0, 50 * std::sin(latitude)}, {1, 0, 0}, {0, 1, 0},
                   50 * std::cos(latitude), state.viewerDistance, kCurveTolerance);
  }
  for (const ai::SegRecord& seg : top->segments) {
    EXPECT_NEAR(seg.anchor.x, 50, 0.01);
    EXPECT_NEAR(seg.anchor.y, 50, 0.01);
  }
}

TEST_F(Shape3DTest, EveryShapeMapsAGridToFiniteCurves) {
  for (int shape = 0; shape < vx::kShapeCount; ++shape) {
    vxhost::Art* grid = vxtest::AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
    for (double t = 0; t <= 100; t += 25) {
      vxtest::AddPath(document, grid, {{0, t}, {100, t}});
      vxtest::AddPath(document, grid, {{t, 0}, {t, 100}});
    }
    ASSERT_EQ(vx::Transform3D(vxtest::Handle(grid), Defaults(shape)), ai::kNoError) << shape;
    size_t anchors = 0;
    for (vxhost::Art* line : Children(grid)) {
      for (const ai::SegRecord& seg : line->segments) {
        ASSERT_TRUE(std::isfinite(seg.anchor.x) && std::isfinite(seg.anchor.y)) << shape;
        ASSERT_TRUE(std::isfinite(seg.in.x) && std::isfinite(seg.out.y)) << shape;
      }
      anchors += line->segments.size();
    }
    // The front-and-back wave only moves points in depth: seen at 10 % the
    // lines stay straight within the tolerance.
    if (shape != 0 && shape != 6) {
      EXPECT_GT(anchors, 20u) << "shape " << shape << " bends the lines";
    }
  }
}

TEST_F(Shape3DTest, BeforeMappingTheArtIsOnlyTurnedAboutItsCentre) {
  Square();
  vxhost::Art* line = Line({0, 50}, {100, 50});
  vx::_3DTFilterParams params = Defaults(8);
  params.showMapped = 0;
  params.preRotZ = 90;
  params.perspective = 0;
  ASSERT_EQ(Run(params), ai::kNoError);
  ASSERT_GE(line->segments.size(), 2u);
  EXPECT_NEAR(line->segments.front().anchor.x, 50, 1e-9);
  EXPECT_NEAR(line->segments.front().anchor.y, 0, 1e-9);
  EXPECT_NEAR(line->segments.back().anchor.x, 50, 1e-9);
  EXPECT_NEAR(line->segments.back().anchor.y, 100, 1e-9);
}

TEST_F(Shape3DTest, ControlPointsOnlyMapsAnchorsAndHandlesWithoutSplitting) {
  vxhost::Art* square = Square();
  vxhost::Art* line = Line({0, 30}, {100, 30});
  vx::_3DTFilterParams params = Defaults(8);
  params.controlPointsOnly = 1;
  ASSERT_EQ(Run(params), ai::kNoError);
  EXPECT_EQ(square->segments.size(), 4u);
  ASSERT_EQ(line->segments.size(), 2u);
  // Both ends of the line lie on the back meridian of the latitude circle.
  const double r = 50 * std::cos(kPi * 0.3 - kPi / 2);
  const double f = 707.1 / (707.1 - 50 * std::sin(kPi * 0.3 - kPi / 2));
  EXPECT_NEAR(line->segments[0].anchor.x, 50 - f * r, 0.05);
  EXPECT_NEAR(line->segments[0].anchor.y, 50, 1e-6);
  EXPECT_EQ(line->segments[0].corner, 1);
}

TEST_F(Shape3DTest, ArcOfAVerticalLineOverflows) {
  Line({50, 0}, {50, 100});
  EXPECT_EQ(Run(Defaults(2)), vx::codes::kOverflow);
}

TEST_F(Shape3DTest, DegenerateBoundsLeaveTheArtUnmapped) {
  // Twist and the waves divide by the width without a check; the torus has no tube.
  vxhost::Art* line = Line({50, 0}, {50, 100});
  const auto before = line->segments;
  for (int shape : {1, 5, 9}) {
    EXPECT_EQ(Run(Defaults(shape)), ai::kNoError) << shape;
    ASSERT_EQ(line->segments.size(), before.size());
    EXPECT_EQ(line->segments[1].anchor.y, 100) << shape;
  }
  vxhost::Art* dot = vxtest::AddPath(document, vxtest::LayerGroup(document), {{5, 5}, {5, 5}});
  EXPECT_EQ(vx::Transform3D(vxtest::Handle(dot), Defaults(4)), ai::kNoError);
  EXPECT_TRUE(std::isfinite(dot->segments[0].anchor.x));
}

TEST_F(Shape3DTest, SingleAnchorPathsStayAndArtWithoutPathsIsRefused) {
  vxhost::Art* lone = vxtest::AddPath(document, group, {{20, 20}});
  Square();
  ASSERT_EQ(Run(Defaults(8)), ai::kNoError);
  ASSERT_EQ(lone->segments.size(), 1u);
  EXPECT_EQ(lone->segments[0].anchor.x, 20);

  vxhost::Art* textOnly = vxtest::AddArt(document, vxtest::LayerGroup(document), ai::art_kind::kGroup);
  vxtest::AddArt(document, textOnly, ai::art_kind::kText);
  vxtest::AddArt(document, textOnly, ai::art_kind::kOpaque);
  EXPECT_EQ(vx::Transform3D(vxtest::Handle(textOnly), Defaults(8)), vx::codes::kNoPathSelected);
}

TEST_F(Shape3DTest, DepthSortRestacksAGroupAsOneEntry) {
  // A wave toward the viewer: z = 10 sin(2 pi (x - 50) / 100).
  vxhost::Art* inner = vxtest::AddArt(document, group, ai::art_kind::kGroup);
  vxhost::Art* a = vxtest::AddPath(document, inner, {{0, 0}, {10, 0}});
  vxhost::Art* b = vxtest::AddPath(document, inner, {{55, 50}, {60, 50}});
  vxhost::Art* low = vxtest::AddPath(document, group, {{20, 100}, {30, 100}});
  vxhost::Art* high = vxtest::AddPath(document, group, {{65, 25}, {75, 25}, {85, 25}, {100, 25}});
  vx::_3DTFilterParams params = Defaults(6);
  params.shapeParam3 = 0;  // only the horizontal term: depth follows sin(2 pi x / W)
  ASSERT_EQ(Run(params), ai::kNoError);
  const auto order = Children(group);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0], high) << "the path reaching nearest the viewer is on top";
  EXPECT_EQ(order[1], inner) << "the group moves as one, by its nearest path";
  EXPECT_EQ(order[2], low);
  EXPECT_EQ(Children(inner).front(), a) << "inside the group nothing moves";
  EXPECT_EQ(Children(inner).back(), b);
}

TEST_F(Shape3DTest, DepthSortRefusesPathsOnAnotherLayer) {
  vxhost::Art* here = vxtest::AddPath(document, group, {{0, 0}, {10, 0}});
  vxhost::Layer* other = document.AddLayer("other", 0);
  vxhost::Art* there = vxtest::AddPath(document, other->group, {{0, 0}, {10, 0}});
  std::vector<vx::MappedPath3D> paths{{vxtest::Handle(here), 1, true}, {vxtest::Handle(there), 2, true}};
  EXPECT_EQ(vx::DepthSortPaths(vxtest::Handle(group), paths), vx::codes::kNotSameLayer);
}

}  // namespace
