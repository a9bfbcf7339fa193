// Path data parsing and writing: the number grammar, every command, implicit
// repeats, closing, arcs, and the exact round trip of written data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

#include "svg/path_data.h"

namespace {

using vxhost::svg::FormatPathData;
using vxhost::svg::ParsePathData;
using vxhost::svg::Subpath;

std::vector<Subpath> Parse(const std::string& d) {
  std::vector<Subpath> subpaths;
  EXPECT_TRUE(ParsePathData(d, subpaths)) << d;
  return subpaths;
}

void ExpectPoint(ai::RealPoint p, double x, double y) {
  EXPECT_DOUBLE_EQ(p.x, x);
  EXPECT_DOUBLE_EQ(p.y, y);
}

ai::RealPoint At(const ai::SegRecord& a, const ai::SegRecord& b, double t) {
  const double u = 1 - t;
  auto mix = [&](double p0, double p1, double p2, double p3) {
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
  };
  return {mix(a.anchor.x, a.out.x, b.in.x, b.anchor.x), mix(a.anchor.y, a.out.y, b.in.y, b.anchor.y)};
}

TEST(PathData, CompactNumbersAndImplicitRepeats) {
  // ".5.5" is two numbers, "-1-2" too, exponents count, and pairs after a moveto are lines.
  const auto a = Parse("M.5.5-1-2 1e1,2E-1");
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(a[0].segments.size(), 3u);
  ExpectPoint(a[0].segments[0].anchor, 0.5, 0.5);
  ExpectPoint(a[0].segments[1].anchor, -1, -2);
  ExpectPoint(a[0].segments[2].anchor, 10, 0.2);

  // Relative moveto repeats as relative lines; h, v and l keep going.
  const auto b = Parse("m10 10 5 0 h5v5 l-5 0 -5 0");
  ASSERT_EQ(b[0].segments.size(), 6u);
  ExpectPoint(b[0].segments[1].anchor, 15, 10);
  ExpectPoint(b[0].segments[3].anchor, 20, 15);
  ExpectPoint(b[0].segments[5].anchor, 10, 15);
  // Lines keep their handles on their anchors.
  for (const ai::SegRecord& s : b[0].segments) {
    ExpectPoint(s.in, s.anchor.x, s.anchor.y);
    ExpectPoint(s.out, s.anchor.x, s.anchor.y);
    EXPECT_EQ(s.corner, 1);
  }
}

TEST(PathData, CurvesAndReflectedControlPoints) {
  const auto p = Parse("M0 0C0 10 10 10 10 0S20 -10 20 0");
  ASSERT_EQ(p[0].segments.size(), 3u);
  const auto& s = p[0].segments;
  ExpectPoint(s[0].out, 0, 10);
  ExpectPoint(s[1].in, 10, 10);
  ExpectPoint(s[1].out, 10, -10);  // reflection of (10, 10) about (10, 0)
  ExpectPoint(s[2].in, 20, -10);
  EXPECT_EQ(s[1].corner, 0);  // handles opposite on one line: smooth

  // S after a line uses the current point as its first control point.
  const auto q = Parse("M0 0L10 0S20 10 30 0");
  ExpectPoint(q[0].segments[1].out, 10, 0);
}

TEST(PathData, QuadraticsBecomeExactCubics) {
  const auto p = Parse("M0 0Q30 30 60 0T120 0");
  const auto& s = p[0].segments;
  ASSERT_EQ(s.size(), 3u);
  ExpectPoint(s[0].out, 20, 20);   // 2/3 of the way to the control point
  ExpectPoint(s[1].in, 40, 20);
  ExpectPoint(s[1].out, 80, -20);  // T reflects (30, 30) to (90, -30)
  ExpectPoint(s[2].in, 100, -20);
}

TEST(PathData, ClosingMergesACoincidentLastAnchor) {
  // The closing curve ends on the first anchor: one segment, the curve's handle as its in.
  const auto a = Parse("M0 0L10 0C10 10 0 10 0 0Z");
  ASSERT_EQ(a[0].segments.size(), 2u);
  EXPECT_TRUE(a[0].closed);
  ExpectPoint(a[0].segments[0].in, 0, 10);

  // Drawing after Z starts at the closed subpath's start.
  const auto b = Parse("M5 5 10 5 10 10z l1 1");
  ASSERT_EQ(b.size(), 2u);
  ExpectPoint(b[1].segments[0].anchor, 5, 5);
  ExpectPoint(b[1].segments[1].anchor, 6, 6);
}

TEST(PathData, LoneMovetosAreDroppedUnlessAlone) {
  EXPECT_EQ(Parse("M0 0 L1 1 Z m 0 0").size(), 1u);
  const auto alone = Parse("M3 4");
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0].segments.size(), 1u);
}

TEST(PathData, ErrorsKeepWhatWasReadBefore) {
  std::vector<Subpath> subpaths;
  std::string error;
  EXPECT_FALSE(ParsePathData("M0 0 L10 10 L20 x", subpaths, &error));
  ASSERT_EQ(subpaths.size(), 1u);
  EXPECT_EQ(subpaths[0].segments.size(), 2u);
  EXPECT_NE(error.find("offset"), std::string::npos);
  EXPECT_FALSE(ParsePathData("L10 10", subpaths));
  EXPECT_TRUE(subpaths.empty());
  EXPECT_FALSE(ParsePathData("M0 0 1e999 0", subpaths));  // out of range
  EXPECT_FALSE(ParsePathData("M0 0 Z 5", subpaths));
}

TEST(PathData, ArcFlagsWithoutSeparatorsAndEndpointsExact) {
  const auto p = Parse("M10 0a10 10 0 1010 10");  // flags "1" "0" packed with the next number
  ASSERT_EQ(p.size(), 1u);
  const auto& s = p[0].segments;
  ExpectPoint(s.back().anchor, 20, 10);
  EXPECT_EQ(s.size(), 4u);  // a 270 degree arc: three pieces of 90 degrees
}

// Every point of every piece lies on the circle within the stated error.
TEST(PathData, ArcPiecesStayOnTheCircle) {
  const double r = 50;
  struct Case {
    const char* d;
    double cx, cy;
  };
  for (const Case& c : {Case{"M100 50 A50 50 0 0 1 50 100", 50, 50}, Case{"M100 50 A50 50 0 1 1 50 100", 100, 100},
                        Case{"M100 50 A50 50 0 1 0 50 100", 50, 50}, Case{"M100 50 A50 50 0 1 0 0 50", 50, 50}}) {
    const char* d = c.d;
    const auto p = Parse(d);
    const auto& s = p[0].segments;
    ExpectPoint(s.front().anchor, 100, 50);
    for (size_t i = 0; i + 1 < s.size(); ++i) {
      // Each piece spans at most 90 degrees.
      const double a0 = std::atan2(s[i].anchor.y - c.cy, s[i].anchor.x - c.cx);
      const double a1 = std::atan2(s[i + 1].anchor.y - c.cy, s[i + 1].anchor.x - c.cx);
      double span = std::fabs(a1 - a0);
      if (span > std::numbers::pi) span = 2 * std::numbers::pi - span;
      EXPECT_LE(span, std::numbers::pi / 2 + 1e-9) << d;
      for (double t = 0; t <= 1; t += 0.125) {
        const ai::RealPoint q = At(s[i], s[i + 1], t);
        EXPECT_NEAR(std::hypot(q.x - c.cx, q.y - c.cy), r, 1e-3 * r) << d << " piece " << i << " t " << t;
      }
    }
  }
}

TEST(PathData, ArcRadiiTooSmallGrowAndZeroRadiusDrawsALine) {
  // Radii 1 cannot span 20 units: they scale up to a half circle of radius 10.
  const auto p = Parse("M0 0 A1 1 0 0 1 20 0");
  const auto& s = p[0].segments;
  ExpectPoint(s.back().anchor, 20, 0);
  const ai::RealPoint mid = At(s[0], s[1], 0.5);
  EXPECT_NEAR(std::hypot(mid.x - 10, mid.y), 10, 1e-9);
  const auto line = Parse("M0 0 A0 5 0 0 1 20 0");
  ASSERT_EQ(line[0].segments.size(), 2u);
  ExpectPoint(line[0].segments[0].out, 0, 0);
}

// Written data reads back to the same segments, bit for bit, for any numbers.
TEST(PathData, WrittenDataReadsBackBitIdentical) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> coordinate(-1e4, 1e4);
  auto point = [&] { return ai::RealPoint{coordinate(random) / 3, coordinate(random) / 7}; };
  std::vector<Subpath> subpaths;
  for (int n = 0; n < 40; ++n) {
    Subpath subpath;
    subpath.closed = n % 2 == 0;
    const int count = 1 + n % 5;
    for (int i = 0; i < count; ++i) {
      ai::SegRecord s{point(), point(), point(), 1, 0};
      if (i % 3 == 1) s.in = s.out = s.anchor;  // straight pieces too
      subpath.segments.push_back(s);
    }
    if (n % 4 == 2) subpath.segments.back().anchor = subpath.segments.front().anchor;  // duplicated anchor
    if (n % 8 == 4) subpath.segments.front().in = subpath.segments.front().anchor, subpath.segments.back().out =
                        subpath.segments.back().anchor;  // straight closing line
    if (!subpath.closed && count == 1) subpath.segments.push_back(ai::SegRecord{point(), point(), point(), 1, 0});
    subpaths.push_back(subpath);
  }
  std::vector<Subpath> back;
  ASSERT_TRUE(ParsePathData(FormatPathData(subpaths), back));
  ASSERT_EQ(back.size(), subpaths.size());
  for (size_t n = 0; n < subpaths.size(); ++n) {
    const auto& a = subpaths[n].segments;
    const auto& b = back[n].segments;
    EXPECT_EQ(back[n].closed, subpaths[n].closed);
    ASSERT_EQ(a.size(), b.size()) << "subpath " << n;
    for (size_t i = 0; i < a.size(); ++i) {
      // The first segment's in handle of an open path is not part of its curves.
      const bool inMatters = subpaths[n].closed || i > 0;
      const bool outMatters = subpaths[n].closed || i + 1 < a.size();
      EXPECT_EQ(std::memcmp(&a[i].anchor, &b[i].anchor, sizeof(ai::RealPoint)), 0) << n << "/" << i;
      if (inMatters) {
        EXPECT_EQ(std::memcmp(&a[i].in, &b[i].in, sizeof(ai::RealPoint)), 0) << n << "/" << i;
      }
      if (outMatters) {
        EXPECT_EQ(std::memcmp(&a[i].out, &b[i].out, sizeof(ai::RealPoint)), 0) << n << "/" << i;
      }
    }
  }
}

}  // namespace
