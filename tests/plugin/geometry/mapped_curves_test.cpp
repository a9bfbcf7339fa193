// The curves the Lens, Craft and Wave mappers write, measured against the exact
// mapping of the source path sampled far more densely than the engine's own
// acceptance points: every exactly mapped source point lies near the written
// path, and every point of the written path lies near the exactly mapped source.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/document.h"
#include "geometry/deformation.h"
#include "support/art_builder.h"
#include "support/in_process.h"
#include "tools/framework/craft_mapper.h"
#include "tools/lens/lens_mapper.h"
#include "tools/framework/tool_drag_state.h"
#include "tools/wave/wave_mapper.h"
#include "tools/wave/wave_tool_ctrlr.h"

namespace {

using ai::RealPoint;
constexpr double kPi = std::numbers::pi;


std::vector<vx::SegmentPair> Pairs(const std::vector<ai::SegRecord>& segments, bool closed) {
  std::vector<vx::SegmentPair> pairs;
  const size_t n = segments.size();
  for (size_t i = 0; i + 1 < n || (closed && i < n); ++i) pairs.push_back({segments[i], segments[(i + 1) % n]});
  return pairs;
}

// Points in square cells, for the per-axis distance from a point to the
// nearest of them: the measure of the engine's tolerance. Distances beyond
// one cell are reported as the cell's size.
class PointCloud {
 public:
  PointCloud(const std::vector<RealPoint>& points, double cell) : cell_(cell) {
    for (RealPoint p : points) cells_[Key(Cell(p.x), Cell(p.y))].push_back(p);
  }
  double Distance(RealPoint p) const {
    double best = cell_;
    const int64_t cx = Cell(p.x), cy = Cell(p.y);
    for (int64_t i = cx - 1; i <= cx + 1; ++i)
      for (int64_t j = cy - 1; j <= cy + 1; ++j) {
        const auto found = cells_.find(Key(i, j));
        if (found == cells_.end()) continue;
        for (RealPoint q : found->second) best = std::min(best, std::max(std::fabs(p.x - q.x), std::fabs(p.y - q.y)));
      }
    return best;
  }

 private:
  int64_t Cell(double v) const { return static_cast<int64_t>(std::floor(v / cell_)); }
  static int64_t Key(int64_t i, int64_t j) { return i * 1000003 + j; }
  double cell_;
  std::unordered_map<int64_t, std::vector<RealPoint>> cells_;
};

// A source drawing that crosses the tool's area in every direction: a grid of
// straight lines and a circle of four cubics, around `centre` and `reach` wide.
std::vector<std::vector<ai::SegRecord>> Sources(RealPoint centre, double reach) {
  std::vector<std::vector<ai::SegRecord>> paths;
  for (int k = -4; k <= 4; ++k) {
    const double offset = k * reach / 4.5;
    paths.push_back({vxtest::Corner(centre.x - reach, centre.y + offset), vxtest::Corner(centre.x + reach, centre.y + offset)});
    paths.push_back({vxtest::Corner(centre.x + offset, centre.y - reach), vxtest::Corner(centre.x + offset, centre.y + reach)});
  }
  const double r = reach * 0.6, h = r * 0.55229;
  const double x = centre.x + reach * 0.1, y = centre.y - reach * 0.05;
  paths.push_back({{{x + r, y}, {x + r, y - h}, {x + r, y + h}, 0, 0},
                   {{x, y + r}, {x + h, y + r}, {x - h, y + r}, 0, 0},
                   {{x - r, y}, {x - r, y + h}, {x - r, y - h}, 0, 0},
                   {{x, y - r}, {x - h, y - r}, {x + h, y - r}, 0, 0}});
  return paths;
}

// The engine holds each accepted cubic within its tolerance at five points;
// between them a cubic may stray further, most where it spans the corner a
// curve makes as it crosses a lens's rim (measured: up to 1.3 times).
constexpr double kBetweenTestPoints = 1.5;

// The exact mapping of a source cubic as points at most kExactStep apart,
// however much the mapping stretches the curve.
constexpr double kExactStep = 0.2;
template <class PointMapper>
void ExactSamples(const PointMapper& map, const vx::SegmentPair& pair, std::vector<RealPoint>& out) {
  const auto mapped = [&](double t) {
    RealPoint p = vx::BezierPointAt(pair, t);
    const ai::Code code = map(p);
    EXPECT_TRUE(code == ai::kNoError || code == vx::kPointUntouched);
    return p;
  };
  std::vector<std::pair<double, RealPoint>> todo{{1.0, mapped(1)}};
  double t = 0;
  RealPoint at = mapped(0);
  out.push_back(at);
  while (!todo.empty()) {
    const auto [t1, p1] = todo.back();
    if (std::hypot(p1.x - at.x, p1.y - at.y) > kExactStep && t1 - t > 1e-9) {
      const double mid = (t + t1) / 2;
      todo.push_back({mid, mapped(mid)});
      continue;
    }
    out.push_back(p1);
    t = t1;
    at = p1;
    todo.pop_back();
  }
}

class MappedCurves : public vxtest::InProcessTest {
 protected:
  MappedCurves() : run(vx::kMaxRunSegments) {}

  // Deforms each source through `mapSegment` and compares the result with the
  // exact mapping `map` of the source; the largest per-axis distance either
  // way must stay within `tolerance`.
  template <class PointMapper, class SegmentMapper>
  void ExpectWithin(const std::string& name, const PointMapper& map, SegmentMapper&& mapSegment, double tolerance,
                    RealPoint centre, double reach) {
    SCOPED_TRACE(name);
    double worst = 0;
    for (const std::vector<ai::SegRecord>& source : Sources(centre, reach)) {
      const bool closed = source.size() == 4;
      vxhost::Art* path = vxtest::AddPath(document, vxtest::LayerGroup(document), {}, closed);
      path->segments = source;
      ASSERT_EQ(vx::MapSegmentRun(vxtest::Handle(path), run.data(), mapSegment), ai::kNoError);
      ASSERT_LT(path->segments.size(), static_cast<size_t>(vx::kMaxRunSegments / 2)) << "the run never filled up";

      std::vector<RealPoint> exact, written;
      for (const vx::SegmentPair& pair : Pairs(source, closed)) ExactSamples(map, pair, exact);
      for (const vx::SegmentPair& pair : Pairs(path->segments, closed))
        ExactSamples([](RealPoint&) { return ai::kNoError; }, pair, written);
      const PointCloud exactCloud(exact, 4 * tolerance), writtenCloud(written, 4 * tolerance);
      for (RealPoint p : written) worst = std::max(worst, exactCloud.Distance(p));
      for (RealPoint p : exact) worst = std::max(worst, writtenCloud.Distance(p));
    }
    EXPECT_LE(worst, kBetweenTestPoints * tolerance) << "the written curves leave the exact mapping by " << worst;
  }

  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  std::vector<vx::SegRecord> run;
};

TEST_F(MappedCurves, LensTypesFollowTheExactMappingWithinTheirTolerance) {
  // The pointer holds the lens box's lower right corner.
  for (const std::pair<double, double>& size : {std::pair{200.0, 200.0}, std::pair{240.0, 120.0}}) {
    const double w = size.first, h = size.second;
    const RealPoint pointer{300 + w / 2, 300 - h / 2};
    const vx::LensGeometry lens{vx::LensGeometry::CentreFor(pointer, w, h), w, h};
    const double tolerance = std::max(std::min(w, h) / 200, 1.0);
    const auto check = [&](const std::string& name, const auto& mapper) {
      ExpectWithin(name + " " + std::to_string(int(w)) + "x" + std::to_string(int(h)), mapper,
                   [&](vx::SegmentPair& pair, bool c) { return vx::MapSegmentInEllipse(mapper, pair, c, w, h, pointer); },
                   tolerance, lens.centre, w * 0.75);
    };
    check("fish-eye", vx::FishEyeMapper{lens, 1});
    check("thin fish-eye", vx::FishEyeMapper{lens, 0.3});
    check("shrinking fish-eye", vx::FishEyeMapper{lens, -0.6});
    check("magnifying", vx::MagnifyingMapper{lens, 4});
    check("twirl", vx::TwirlMapper{lens, kPi, 1});
    check("waving twirl", vx::TwirlMapper{lens, 2 * kPi, 3});
  }
}

TEST_F(MappedCurves, CraftModesFollowTheExactMappingWithinTheirTolerance) {
  const RealPoint centre{300, 300};
  const double radius = 150, tolerance = std::max(radius / 100, 1.0);
  const auto check = [&](const std::string& name, vx::CraftMode mode, RealPoint push, double amount, int32_t power) {
    const vx::CraftMapper mapper{mode, centre, radius, power, push, amount};
    ExpectWithin(name, mapper,
                 [&](vx::SegmentPair& pair, bool c) { return vx::MapSegmentInCircle(mapper, pair, c, radius, centre); },
                 tolerance, centre, radius * 1.2);
  };
  check("free", vx::kCraftFree, {60, -25}, 0, 2);
  check("free, resistance 1", vx::kCraftFree, {40, 40}, 0, 1);
  check("pinch", vx::kCraftPinch, {0, 0}, 1, 2);
  check("twirl", vx::kCraftTwirl, {0, 0}, 2.5, 3);
}

TEST_F(MappedCurves, WaveShapesFollowTheExactMappingWithinTheirTolerance) {
  // A drag 40 points up from the middle of a 300 x 300 selection box, with
  // the wave's frame as the tool builds it.
  vx::ToolDragState state;
  state.selectionBounds = {150, 450, 450, 150};
  state.mouseDown = {300, 300};
  state.current = {320, 340};
  for (int16_t shape = 0; shape <= vx::kWaveSpiral; ++shape) {
    for (bool turned : {false, true}) {
      vx::WaveToolParams params{};
      params.shape = shape;
      params.cycle = 2;
      state.alt = turned;
      vx::WaveMapper mapper{};
      ASSERT_TRUE(vx::WaveToolCtrlr::MapperFor(params, state, mapper));
      const double size = mapper.X;
      ExpectWithin("shape " + std::to_string(shape) + (turned ? " turned" : ""), mapper,
                   [&](vx::SegmentPair& pair, bool c) { return vx::MapSegmentFree(mapper, pair, c, size); },
                   std::max(size / 100, 1.0), {300, 300}, 150);
    }
  }
}

}  // namespace
