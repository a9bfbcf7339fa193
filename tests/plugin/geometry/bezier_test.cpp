// Segment arithmetic: splits, tangents, chord distances, closeness.
#include "geometry/bezier.h"

#include <cmath>

#include "document/document.h"
#include "support/art_builder.h"
#include "support/in_process.h"

namespace {

using vx::SegRecord;
using vx::SegmentPair;

SegRecord Anchor(double x, double y, ai::RealPoint in, ai::RealPoint out, int32_t corner = 1) {
  return {{x, y}, in, out, corner, 0};
}

double Cross(ai::RealPoint o, ai::RealPoint a, ai::RealPoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

TEST(Bezier, SplittingAStraightSegmentKeepsItStraight) {
  SegRecord run[4] = {vxtest::Corner(0, 0), vxtest::Corner(10, 0), vxtest::Corner(10, 10)};
  vx::SplitSegmentAtMid(run, 0, 3);
  EXPECT_EQ(run[1].anchor.x, 5);
  EXPECT_EQ(run[1].in.x, 5) << "retracted handles";
  EXPECT_EQ(run[1].out.x, 5);
  EXPECT_EQ(run[1].corner, 0);
  EXPECT_EQ(run[0].out.x, 0) << "neighbours keep their handles";
  EXPECT_EQ(run[2].anchor.x, 10) << "later records moved up";
  EXPECT_EQ(run[3].anchor.y, 10);
}

TEST(Bezier, SplittingACurveInsertsASmoothAnchorOnTheCurve) {
  SegRecord run[3] = {Anchor(0, 0, {0, 0}, {0, 10}), Anchor(10, 0, {10, 10}, {10, 0})};
  const SegmentPair before{run[0], run[1]};
  const ai::RealPoint middle = vx::BezierPointAt(before, 0.5);
  vx::SplitSegmentAtMid(run, 0, 2);
  EXPECT_EQ(run[1].corner, 0) << "smooth even between two corners";
  EXPECT_DOUBLE_EQ(run[1].anchor.x, middle.x);
  EXPECT_DOUBLE_EQ(run[1].anchor.y, middle.y);
  EXPECT_NEAR(Cross(run[1].anchor, run[1].in, run[1].out), 0, 1e-12) << "handles collinear with the anchor";
  // The two halves trace the original curve.
  const ai::RealPoint quarter = vx::BezierPointAt(before, 0.25);
  const ai::RealPoint half = vx::BezierPointAt(SegmentPair{run[0], run[1]}, 0.5);
  EXPECT_NEAR(quarter.x, half.x, 1e-12);
  EXPECT_NEAR(quarter.y, half.y, 1e-12);
}

TEST(Bezier, FixedSampleWeightsAreThoseOfTheNineDigitParameters) {
  for (int i = 0; i < 4; ++i) {
    const double t = vx::kSampleParameters[i], s = 1 - t;
    const double exact[4] = {s * s * s, 3 * t * s * s, 3 * t * t * s, t * t * t};
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(vx::kSampleWeights[i][k], exact[k], 2e-9) << i << "," << k;
      sum += vx::kSampleWeights[i][k];
    }
    EXPECT_NEAR(sum, 1, 1e-9);
  }
  const SegmentPair pair{Anchor(0, 0, {0, 0}, {3, 9}), Anchor(12, 0, {9, 9}, {12, 0})};
  const ai::RealPoint sampled = vx::SamplePoint(pair, 1);
  const ai::RealPoint exact = vx::BezierPointAt(pair, 0.333333333);
  EXPECT_NEAR(sampled.x, exact.x, 1e-8);
  EXPECT_NEAR(sampled.y, exact.y, 1e-8);
}

TEST(Bezier, TangentAtTheEndArrivesAtTheLastAnchor) {
  // Arrives at (10, 0) going straight down.
  const SegmentPair pair{Anchor(0, 10, {0, 10}, {10, 10}), Anchor(10, 0, {10, 5}, {10, 0})};
  const double angle = vx::BezierTangentAngle(pair, 1, pair.p3());
  EXPECT_NEAR(angle, -M_PI / 2, 1e-3);
  const double start = vx::BezierTangentAngle(pair, 0, pair.p0());
  EXPECT_NEAR(start, 0, 1e-3) << "leaving along +x";
}

TEST(Bezier, ChordDistanceFindsTheParameterOrReportsBeyond) {
  const SegmentPair line{vxtest::Corner(0, 0), vxtest::Corner(10, 0)};
  const vx::ChordSearch found = vx::ParamAtChordDistance(line, {0, 0}, 4, 0);
  EXPECT_FALSE(found.beyond);
  EXPECT_NEAR(found.point.x, 4, 0.1);
  const vx::ChordSearch beyond = vx::ParamAtChordDistance(line, {0, 0}, 12, 0);
  EXPECT_TRUE(beyond.beyond);
  EXPECT_EQ(beyond.point.x, 10);
  const vx::ChordSearch end = vx::ParamAtChordDistance(line, {0, 0}, 10.05, 0);
  EXPECT_FALSE(end.beyond);
  EXPECT_EQ(end.t, 1) << "within 0.1 of the end answers t = 1";
  const vx::ChordSearch later = vx::ParamAtChordDistance(line, {0, 0}, 7, 0.5);
  EXPECT_GE(later.t, 0.5);
  EXPECT_NEAR(later.point.x, 7, 0.1);
}

TEST(Bezier, StraightSegmentsGetHandlesAThirdAlong) {
  SegmentPair pair{vxtest::Corner(0, 0), vxtest::Corner(9, 3)};
  vx::ExtendStraightHandles(pair, vx::kFirstEnd);
  EXPECT_DOUBLE_EQ(pair.first.out.x, 3);
  EXPECT_DOUBLE_EQ(pair.first.out.y, 1);
  EXPECT_EQ(pair.second.in.x, 9) << "the untreated end keeps its retracted handle";
  SegmentPair both{vxtest::Corner(0, 0), vxtest::Corner(9, 3)};
  vx::ExtendStraightHandles(both, vx::kBothEnds);
  EXPECT_DOUBLE_EQ(both.second.in.x, 6);
}

TEST(Bezier, PointsWithinIsASquareIncludingItsEdge) {
  EXPECT_TRUE(vx::PointsWithin({1, 1}, {0, 0}, 1));
  EXPECT_FALSE(vx::PointsWithin({1.0000001, 0}, {0, 0}, 1));
  EXPECT_TRUE(vx::PointsWithin({-1, 0.5}, {0, 0}, 1));
}

class SplitPathTest : public vxtest::InProcessTest {
 protected:
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
};

TEST_F(SplitPathTest, AnchorZeroOfAClosedPathSplitsTheClosingSegment) {
  vxhost::Art* square = vxtest::AddPath(document, vxtest::LayerGroup(document),
                                        {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  ASSERT_EQ(vx::SplitPathSegmentAt(vxtest::Handle(square), 0, 0.5, {0, 5}), ai::kNoError);
  ASSERT_EQ(square->segments.size(), 5u);
  EXPECT_TRUE(square->closed);
  EXPECT_EQ(square->segments[4].anchor.x, 0);
  EXPECT_EQ(square->segments[4].anchor.y, 5);
  EXPECT_EQ(square->segments[4].corner, 0);
  EXPECT_EQ(square->segments[0].anchor.x, 0) << "the first anchor stays first";
  EXPECT_TRUE(host.blocks().LiveNames().empty());
}

TEST_F(SplitPathTest, ACurvedSegmentIsSplitAtTheHitParameter) {
  vxhost::Art* arc = vxtest::AddPath(document, vxtest::LayerGroup(document), {{0, 0}, {10, 0}, {20, 0}});
  arc->segments[0].out = {0, 10};
  arc->segments[1].in = {10, 10};
  const SegmentPair before{arc->segments[0], arc->segments[1]};
  const ai::RealPoint expected = vx::BezierPointAt(before, 0.3);
  ASSERT_EQ(vx::SplitPathSegmentAt(vxtest::Handle(arc), 1, 0.3, {0, 0}), ai::kNoError);
  ASSERT_EQ(arc->segments.size(), 4u);
  EXPECT_NEAR(arc->segments[1].anchor.x, expected.x, 1e-12);
  EXPECT_NEAR(arc->segments[1].anchor.y, expected.y, 1e-12);
  EXPECT_EQ(arc->segments[3].anchor.x, 20);
  EXPECT_EQ(vx::SplitPathSegmentAt(vxtest::Handle(arc), 0, 0.5, {0, 0}), ai::kBadParameter)
      << "an open path has no closing segment";
}

}  // namespace
