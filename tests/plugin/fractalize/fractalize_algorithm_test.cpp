// The Fractalize computation on paths of an in-process host: the generator
// shapes, the levels, the segment limit, the distortion and its random source.
#include "fractalize/fractalize.h"

#include <cmath>
#include <cstring>

#include "fractalize/generator_shapes.h"
#include "frame/suite_set.h"
#include "support/art_builder.h"
#include "support/fault_sweep.h"
#include "support/in_process.h"

namespace {

using vx::SegRecord;

vx::FractalizeParams Params(uint32_t generator, uint32_t level, double density = 0, double uneven = 0,
                            uint32_t unevenUnit = 0) {
  vx::FractalizeParams record{};
  vx::SetRecordDefaults(vx::kFractalizeParamsSpec, &record, "");
  record.generator = generator;
  record.level = level;
  record.density = density;
  record.uneven = uneven;
  record.unevenUnit = unevenUnit;
  return record;
}

class FractalizeAlgorithmTest : public vxtest::InProcessTest {
 protected:
  FractalizeAlgorithmTest() : document(host.OpenDocument(std::make_unique<vxhost::Document>())) {}

  vxhost::Art* Path(std::initializer_list<ai::RealPoint> points, bool closed = false) {
    return vxtest::AddPath(document, vxtest::LayerGroup(document), points, closed);
  }
  ai::Code Fractalize(const vx::FractalizeParams& record, vxhost::Art* path, int32_t seed = 1) {
    vx::Generator generator;
    if (ai::Code code = vx::PrepareGenerator(record, generator)) return code;
    vx::suites::Random().setSeed(seed);
    return vx::FractalizePath(record, generator, vxtest::Handle(path));
  }

  // The path's segments copied into `block`, as the distortion gets them.
  static vx::PathRun RunOf(const vxhost::Art* path, vx::NamedBlock& block) {
    const size_t bytes = sizeof(SegRecord) * path->segments.size();
    EXPECT_EQ(block.Allocate(bytes, "test"), ai::kNoError);
    std::memcpy(block.get(), path->segments.data(), bytes);
    return {block.as<SegRecord>(), static_cast<int32_t>(path->segments.size()), path->closed};
  }

  vxhost::Document& document;
};

void ExpectNear(ai::RealPoint p, double x, double y, double tolerance = 1e-3) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
}

TEST_F(FractalizeAlgorithmTest, EveryGeneratorParsesToItsShapeRelativeToItsFirstAnchor) {
  const std::vector<std::vector<ai::RealPoint>> expected = {
      {{0, 0}, {70.71, 70.71}, {141.42, 0}},
      {{0, 0}, {75, 43.30}, {100, 0}},
      {{0, 0}, {100, 50}, {100, 0}},
      {{0, 0}, {50, 86.60}, {100, 0}},
      {{0, 0}, {50, 86.60}, {100, 0}, {200, 0}},
      {{0, 0}, {30, 0}, {45, 25.98}, {60, 0}, {90, 0}},
      {{0, 0}, {50, 86.60}, {150, 86.60}, {200, 0}},
      {{0, 0}, {50, 86.60}, {150, 86.60}, {200, 0}, {300, 0}},
      {{0, 0}, {100, 0}, {150, 86.60}, {250, 86.60}, {300, 0}, {400, 0}},
      {{0, 0}, {0, 100}, {100, 100}, {100, 0}},
      {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {200, 0}},
      {{0, 0}, {30, 0}, {30, 30}, {60, 30}, {60, 0}, {90, 0}},
      {{0, 0}, {100, 0}, {50, 86.60}, {150, 86.60}, {100, 0}, {200, 0}},
      {{0, 0}, {50, 50}, {100, 0}},
  };
  ASSERT_EQ(vx::GeneratorShapes().size(), expected.size());
  for (uint32_t g = 1; g <= expected.size(); ++g) {
    SCOPED_TRACE(vx::GeneratorShapes()[g - 1].name);
    vx::Generator generator;
    ASSERT_EQ(vx::PrepareGenerator(Params(g, 1), generator), ai::kNoError);
    const auto& points = expected[g - 1];
    ASSERT_EQ(generator.count, static_cast<int32_t>(points.size()));
    for (size_t j = 0; j < points.size(); ++j) ExpectNear(generator.records()[j].anchor, points[j].x, points[j].y, 0.01);
    EXPECT_EQ(generator.records()[0].corner, 1);
    EXPECT_EQ(generator.records()[generator.count - 1].corner, 1);
    EXPECT_NEAR(generator.chord, points.back().x, 0.01);
  }
  // The semicircle is two quarter arcs with handles of 27.6142.
  vx::Generator semicircle;
  ASSERT_EQ(vx::PrepareGenerator(Params(14, 1), semicircle), ai::kNoError);
  const SegRecord* s = semicircle.records();
  EXPECT_NEAR(std::hypot(s[0].out.x - s[0].anchor.x, s[0].out.y - s[0].anchor.y), 27.6142, 1e-3);
  EXPECT_NEAR(std::hypot(s[1].in.x - s[1].anchor.x, s[1].in.y - s[1].anchor.y), 27.6142, 1e-3);
  EXPECT_NEAR(std::hypot(s[2].in.x - s[2].anchor.x, s[2].in.y - s[2].anchor.y), 27.6142, 1e-3);
  EXPECT_EQ(s[1].corner, 0) << "a lower-case curve operator makes a smooth anchor";
}

TEST_F(FractalizeAlgorithmTest, OneKochLevelOnANinetyPointSegmentGivesTheKochPoints) {
  vxhost::Art* path = Path({{0, 0}, {90, 0}});
  ASSERT_EQ(Fractalize(Params(6, 1), path), ai::kNoError);
  ASSERT_EQ(path->segments.size(), 5u);
  const double koch[5][2] = {{0, 0}, {30, 0}, {45, 25.98}, {60, 0}, {90, 0}};
  for (size_t j = 0; j < 5; ++j) {
    ExpectNear(path->segments[j].anchor, koch[j][0], koch[j][1]);
    EXPECT_EQ(path->segments[j].corner, 1);
  }
  EXPECT_EQ(path->segments[0].anchor.x, 0) << "the ends stay exactly where they were";
  EXPECT_EQ(path->segments[4].anchor.x, 90);
  EXPECT_EQ(path->segments[4].anchor.y, 0);
  EXPECT_FALSE(path->closed);
}

TEST_F(FractalizeAlgorithmTest, LevelsMultiplyTheSegmentsByTheGeneratorsSegments) {
  vxhost::Art* open = Path({{0, 0}, {90, 0}});
  ASSERT_EQ(Fractalize(Params(6, 2), open), ai::kNoError);
  EXPECT_EQ(open->segments.size(), 17u);
  vxhost::Art* triangle = Path({{0, 0}, {90, 0}, {45, 77.94}}, true);
  ASSERT_EQ(Fractalize(Params(6, 3), triangle), ai::kNoError);
  EXPECT_EQ(triangle->segments.size(), 192u);
  EXPECT_TRUE(triangle->closed);
  // A square bump (3 segments) two levels deep on a path of 3 anchors.
  vxhost::Art* bent = Path({{0, 0}, {100, 0}, {100, 100}});
  ASSERT_EQ(Fractalize(Params(10, 2), bent), ai::kNoError);
  EXPECT_EQ(bent->segments.size(), 3u * 3u * 2u + 1u);
  // The anchors of the path are anchors of its fractal.
  ExpectNear(bent->segments[9].anchor, 100, 0, 1e-9);
}

TEST_F(FractalizeAlgorithmTest, APathThatWouldPassTheSegmentLimitIsLeftAsItWas) {
  vxhost::Art* path = Path({{0, 0}, {90, 0}});
  const auto before = path->segments;
  EXPECT_EQ(Fractalize(Params(12, 7), path), vx::codes::kSegmentLimit) << "5^7 is above 31999";
  ASSERT_EQ(path->segments.size(), before.size());
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), sizeof(SegRecord) * before.size()), 0);
  // With the distortion on too, nothing of it is kept.
  EXPECT_EQ(Fractalize(Params(12, 7, 20, 30), path), vx::codes::kSegmentLimit);
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), sizeof(SegRecord) * before.size()), 0);
  EXPECT_EQ(vx::FractalSegmentCount(6, 6, 2, false), 15626);
  EXPECT_EQ(vx::FractalSegmentCount(6, 7, 2, false), 0);
}

TEST_F(FractalizeAlgorithmTest, TheSemicircleBulgesLeftOfTheSegmentWithCurveHandles) {
  vxhost::Art* path = Path({{0, 0}, {100, 0}});
  ASSERT_EQ(Fractalize(Params(14, 1), path), ai::kNoError);
  ASSERT_EQ(path->segments.size(), 3u);
  ExpectNear(path->segments[1].anchor, 50, 50);
  ExpectNear(path->segments[0].out, 0, 27.6142);
  ExpectNear(path->segments[1].in, 22.3858, 50);
  ExpectNear(path->segments[1].out, 77.6142, 50);
  ExpectNear(path->segments[2].in, 100, 27.6142);
  // Going the other way, left is down.
  vxhost::Art* back = Path({{100, 0}, {0, 0}});
  ASSERT_EQ(Fractalize(Params(14, 1), back), ai::kNoError);
  ExpectNear(back->segments[1].anchor, 50, -50);
}

TEST_F(FractalizeAlgorithmTest, NegativeHeightFlipsTheBumpsAndZeroFlattensThem) {
  vx::FractalizeParams record = Params(4, 1);
  record.genHeight = -100;
  vxhost::Art* flipped = Path({{0, 0}, {100, 0}});
  ASSERT_EQ(Fractalize(record, flipped), ai::kNoError);
  ExpectNear(flipped->segments[1].anchor, 50, -86.60, 0.01);
  record.genHeight = 0;
  vxhost::Art* flat = Path({{0, 0}, {100, 0}});
  ASSERT_EQ(Fractalize(record, flat), ai::kNoError);
  for (const SegRecord& s : flat->segments) EXPECT_NEAR(s.anchor.y, 0, 1e-9);
}

TEST_F(FractalizeAlgorithmTest, DensityCutsAStraightSegmentEvenlyAndZeroUnevenKeepsItOnTheLine) {
  vxhost::Art* path = Path({{0, 0}, {144, 0}});
  vx::NamedBlock read, storage;
  vx::PathRun run = RunOf(path, read);
  ASSERT_EQ(vx::JitterForFractal(Params(6, 1, 5, 0), vxtest::Handle(path), run, storage), ai::kNoError);
  ASSERT_EQ(run.count, 11) << "m = 10 pieces of 14.4 pt: nine new anchors";
  for (int32_t k = 0; k < run.count; ++k) {
    ExpectNear(run.segments[k].anchor, 14.4 * k, 0, 1e-9);
    ExpectNear(run.segments[k].in, run.segments[k].anchor.x, 0, 0);
    ExpectNear(run.segments[k].out, run.segments[k].anchor.x, 0, 0);
  }
  // Density 0: neither cut nor shaken.
  vx::PathRun untouched{read.as<SegRecord>(), 2, false};
  ASSERT_EQ(vx::JitterForFractal(Params(6, 1, 0, 50), vxtest::Handle(path), untouched, storage), ai::kNoError);
  EXPECT_EQ(untouched.count, 2);
  EXPECT_EQ(untouched.segments, read.as<SegRecord>());
}

TEST_F(FractalizeAlgorithmTest, CutsOfACurveLieOnItAndTheDistortionMovesAcrossWithinHalfTheAmount) {
  // A quarter circle of radius 100 around the origin.
  constexpr double k = 55.2285;
  vxhost::Art* arc = Path({{100, 0}, {0, 100}});
  arc->segments[0].out = {100, k};
  arc->segments[1].in = {k, 100};
  vx::NamedBlock read, storage;
  vx::PathRun run = RunOf(arc, read);
  ASSERT_EQ(vx::JitterForFractal(Params(6, 1, 7.2, 0), vxtest::Handle(arc), run, storage), ai::kNoError);
  ASSERT_EQ(run.count, 16) << "157 pt cut every 10 pt: 15 pieces";
  for (int32_t i = 0; i < run.count; ++i)
    EXPECT_NEAR(std::hypot(run.segments[i].anchor.x, run.segments[i].anchor.y), 100, 0.05) << i;
  for (int32_t i = 1; i < run.count; ++i) {
    const ai::RealPoint a = run.segments[i - 1].anchor, b = run.segments[i].anchor;
    // Each cut is placed within 0.25 pt of its arc length.
    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 10.47, 0.5) << "even pieces along the curve";
  }

  // 10 pt of distortion on a straight line: every anchor moves straight across, at most 5 pt.
  vxhost::Art* line = Path({{0, 0}, {100, 0}});
  vx::PathRun shaken = RunOf(line, read);
  vx::suites::Random().setSeed(5);
  ASSERT_EQ(vx::JitterForFractal(Params(6, 1, 7.2, 10, 1), vxtest::Handle(line), shaken, storage), ai::kNoError);
  ASSERT_EQ(shaken.count, 11);
  bool moved = false;
  for (int32_t i = 0; i < shaken.count; ++i) {
    EXPECT_NEAR(shaken.segments[i].anchor.x, 10.0 * i, 1e-9);
    EXPECT_LE(std::fabs(shaken.segments[i].anchor.y), 5.0);
    moved = moved || std::fabs(shaken.segments[i].anchor.y) > 0.1;
  }
  EXPECT_TRUE(moved);
}

TEST_F(FractalizeAlgorithmTest, AFailingHostCallLeavesThePathWholeAndFreesEveryBlock) {
  const vx::FractalizeParams record = Params(6, 2, 10, 20);
  vx::Generator generator;
  ASSERT_EQ(vx::PrepareGenerator(record, generator), ai::kNoError);
  const std::vector<SegRecord> source = {vxtest::Corner(0, 0), vxtest::Corner(120, 0), vxtest::Corner(60, 90)};
  vxhost::Art* path = nullptr;
  const auto run = [&] {
    path = Path({{0, 0}, {120, 0}, {60, 90}}, true);
    host.random().Seed(3);
    return vx::FractalizePath(record, generator, vxtest::Handle(path));
  };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
  const std::vector<SegRecord> full = path->segments;
  ASSERT_GT(calls.size(), 20u);
  size_t baseline = host.blocks().LiveCount();
  const ai::Code failure = ai::FourCC("flt!");
  vxtest::SweepHostCalls(host, calls, failure, {}, run, [&](ai::Code code, const std::string& call) {
    // A free the host refuses leaves exactly that block behind; any other
    // failure comes back and leaves the path as it was.
    const bool freeing = call == "FreeBlock";
    EXPECT_EQ(code, freeing ? ai::kNoError : failure);
    const auto& expected = freeing ? full : source;
    ASSERT_EQ(path->segments.size(), expected.size());
    EXPECT_EQ(std::memcmp(path->segments.data(), expected.data(), sizeof(SegRecord) * expected.size()), 0);
    EXPECT_EQ(host.blocks().LiveCount(), baseline + (freeing ? 1 : 0));
    baseline = host.blocks().LiveCount();
  });
}

}  // namespace
