// Live Trail objects rebuilt by the host's update: where the copies of a
// series land and how far they are turned and scaled, their colours and
// opacities against the end colours and kinds, gradient fills rebuilt with
// mixed stops, what gets no copies, and failures on the way.
#include "effects/trail/trail_generator.h"

#include <cmath>
#include <functional>
#include <set>

#include "effects/trail/trail_copy.h"
#include "effects/trail/trail_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"

namespace {

using vxtest::Four;
using vxtest::Gray;
using vxtest::Three;

constexpr double kPi = 3.14159265358979323846;

class TrailGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  TrailGeneratorTest() : LiveEffectTest(vx::kTrailEffect) { document.colorModel = ai::color_model::kCMYK; }

  static vx::TrailPGParams Defaults() {
    vx::TrailPGParams params{};
    vx::SetRecordDefaults(vx::kTrailPGParamsSpec, &params, "");
    return params;
  }
  // A selected live object holding a 20 x 20 square centred on (0, 0).
  vxhost::Art* Live(const vx::TrailPGParams& params, ai::ColorRecord stroke, std::optional<ai::ColorRecord> fill) {
    vxhost::Art* live = MakeLive(params);
    live->userAttributes |= ai::art_attr::kSelected;
    square_ = Square(live->editGroup, -10, -10, 20, 1, stroke, fill);
    return live;
  }
  static std::vector<vxhost::Art*> Group(const vxhost::Art* live) {
    EXPECT_EQ(live->resultGroup->Children().size(), 1u);
    return live->resultGroup->firstChild->Children();
  }
  static ai::RealPoint Centre(const vxhost::Art& path) {
    ai::RealPoint c{0, 0};
    for (const ai::SegRecord& s : path.segments) c = {c.x + s.anchor.x / 4, c.y + s.anchor.y / 4};
    return c;
  }
  // Direction of the square's first edge, in radians.
  static double Turn(const vxhost::Art& path) {
    const ai::RealPoint a = path.segments[0].anchor, b = path.segments[1].anchor;
    return std::atan2(b.y - a.y, b.x - a.x);
  }
  static double Side(const vxhost::Art& path) {
    const ai::RealPoint a = path.segments[0].anchor, b = path.segments[1].anchor;
    return std::hypot(b.x - a.x, b.y - a.y);
  }

  // Every gradient of the document that some art's fill refers to.
  std::set<const vxhost::Gradient*> Referenced() {
    std::set<const vxhost::Gradient*> used;
    std::function<void(const vxhost::Art*)> walk = [&](const vxhost::Art* art) {
      if (art == nullptr) return;
      if (art->style.fillColor.kind == ai::color_kind::kGradient)
        used.insert(reinterpret_cast<const vxhost::Gradient*>(art->style.fillColor.c.gradient.gradient));
      for (const vxhost::Art* child : art->Children()) walk(child);
      walk(art->editGroup);
      walk(art->resultGroup);
    };
    walk(vxtest::LayerGroup(document));
    return used;
  }

  // Fails every host call of a rebuild in turn: the failure is the rebuild's
  // result, no block leaks and no gradient is left behind unreferenced. The
  // record's defaults read the colour model and polar points with fallbacks
  // of their own, so those calls are not failed.
  void SweepTrail(vxhost::Art* live) {
    // Each run starts without the gradients of the copies the run before made.
    const auto run = [&] {
      while (live->resultGroup->firstChild != nullptr) document.Dispose(live->resultGroup->firstChild);
      const auto used = Referenced();
      std::erase_if(document.gradients(), [&](const auto& g) { return used.count(g.get()) == 0; });
      return Rebuild(live);
    };
    const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
    const std::vector<std::string> blocks = host.blocks().LiveNames();
    const ai::Code failure = ai::FourCC("flt!");
    vxtest::SweepHostCalls(host, calls, failure, {"FreeBlock", "DegreesToRadians", "GetColorModel", "PolarPoint"}, run,
                           [&](ai::Code code, const std::string&) {
                             EXPECT_EQ(code, failure);
                             EXPECT_EQ(host.blocks().LiveNames(), blocks) << "no block leaks";
                             const auto used = Referenced();
                             for (const auto& gradient : document.gradients())
                               if (used.count(gradient.get()) == 0)
                                 ADD_FAILURE() << "an unreferenced gradient is left behind";
                           });
    ASSERT_EQ(run(), ai::kNoError);
  }

  vxhost::Art* square_ = nullptr;
};

TEST_F(TrailGeneratorTest, DefaultsLayTwentyFiveCopiesBelowTheSquareFadingToWhite) {
  vxhost::Art* live = Live(Defaults(), Four(0, 1, 0, 0), Four(0.5, 0.2, 0.1, 0.4));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto group = Group(live);
  ASSERT_EQ(group.size(), 26u);
  const vxhost::Art& source = *group[0];
  EXPECT_EQ(source.style.fillColor.c.four.cyan, 0.5) << "the source stays on top, unchanged";

  // Copy k sits at group[1 + k]: each new copy went to the bottom.
  const vxhost::Art& last = *group[25];
  const ai::RealPoint end = Centre(last);
  EXPECT_NEAR(end.x, 100 / std::sqrt(2.0), 1e-5);
  EXPECT_NEAR(end.y, -100 / std::sqrt(2.0), 1e-5);
  EXPECT_NEAR(Side(last), 20, 1e-5);
  EXPECT_NEAR(Turn(last), 0, 1e-12);
  for (const ai::ColorRecord& c : {last.style.fillColor, last.style.strokeColor}) {
    EXPECT_EQ(c.kind, ai::color_kind::kFour);
    EXPECT_NEAR(c.c.four.cyan + c.c.four.magenta + c.c.four.yellow + c.c.four.black, 0, 1e-12) << "white";
  }

  const vxhost::Art& first = *group[1];
  const ai::RealPoint start = Centre(first);
  EXPECT_NEAR(std::hypot(start.x, start.y), 100.0 / 625, 1e-5) << "(1/25)^2 of the way";
  EXPECT_NEAR(first.style.fillColor.c.four.cyan, 0.48, 1e-12);
  EXPECT_NEAR(first.style.fillColor.c.four.black, 0.384, 1e-12);
  EXPECT_NEAR(first.style.strokeColor.c.four.magenta, 0.96, 1e-12);
  for (const vxhost::Art* copy : group) EXPECT_EQ(copy->opacity, 1.0) << "end opacity 1 leaves opacities alone";
}

TEST_F(TrailGeneratorTest, SpacingTurnsAndEndsOfTheSeries) {
  vx::TrailPGParams params = Defaults();
  params.spacing = vx::trail_spacing::kUniform;
  params.steps = 4;
  params.angle = kPi / 2;
  params.stacking = 0;
  params.endFillColor = params.endStrokeColor = Gray(0);
  vxhost::Art* live = Live(params, Gray(1), Gray(0.5));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  auto group = Group(live);
  ASSERT_EQ(group.size(), 5u);
  // Stacking on top: the last copy is the topmost, the source at the bottom.
  EXPECT_EQ(group[4]->style.fillColor.c.gray.gray, 0.5);
  for (int k = 1; k <= 4; ++k) {
    const vxhost::Art& copy = *group[4 - k];
    EXPECT_NEAR(Turn(copy), k * kPi / 8, 1e-5) << "22.5 degrees a step, copy " << k;
    EXPECT_NEAR(std::hypot(Centre(copy).x, Centre(copy).y), 25.0 * k, 1e-5);
  }

  // One step: the copy at the drag end, with the start colours.
  params.steps = 1;
  params.angle = 0;
  live = Live(params, Gray(1), Gray(0.5));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  group = Group(live);
  ASSERT_EQ(group.size(), 2u);
  EXPECT_NEAR(Centre(*group[0]).x, 100 / std::sqrt(2.0), 1e-5);
  EXPECT_NEAR(group[0]->style.fillColor.c.gray.gray, 0.48, 1e-12);

  // End size 0: the last copy collapses onto the origin.
  params = Defaults();
  params.endSize = {0, 0};
  params.dragLength = 0;
  vx::UpdateTrailOffsets(params);
  live = Live(params, Gray(1), Gray(0.5));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  for (const ai::SegRecord& s : Group(live)[25]->segments) {
    EXPECT_NEAR(s.anchor.x, 0, 1e-5);
    EXPECT_NEAR(s.anchor.y, 0, 1e-5);
  }
}

TEST_F(TrailGeneratorTest, EndKindsTintsAndOpacities) {
  // Beginning 1 with the fill's own colour as its end: fills never change.
  vx::TrailPGParams params = Defaults();
  params.beginning = 1;
  params.endFillKind = vx::trail_end::kOwnFill;
  params.endTint = 0.3;
  params.endOpacity = 0.5;
  params.steps = 3;
  vxhost::Art* live = Live(params, Gray(1), Gray(0.5));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  auto group = Group(live);
  ASSERT_EQ(group.size(), 4u);
  for (const vxhost::Art* copy : group) EXPECT_EQ(copy->style.fillColor.c.gray.gray, 0.5);
  EXPECT_NEAR(group[3]->opacity, 0.5, 1e-12) << "the last copy at the end opacity";
  EXPECT_NEAR(group[1]->opacity, 1.0, 1e-12) << "the first at the beginning";
  EXPECT_NEAR(group[2]->opacity, 1 - 0.5 * 0.25, 1e-12) << "copy 1 at u = (1/2)^2";

  // Kinds that differ keep their colour; none switches the paint off.
  params = Defaults();
  params.endStrokeKind = vx::trail_end::kNone;
  live = Live(params, Gray(1), Three(1, 0, 0));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  group = Group(live);
  const vxhost::Art& last = *group[25];
  EXPECT_EQ(last.style.fillColor.c.three.red, 1);
  EXPECT_EQ(last.style.fillColor.c.three.green, 0);
  EXPECT_EQ(last.style.strokePaint, 0);

  // The stroke toward the fill's own colour, at the end tint.
  params = Defaults();
  params.endStrokeKind = vx::trail_end::kOwnFill;
  params.endTint = 0.5;
  live = Live(params, Gray(1), Gray(0.8));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_NEAR(Group(live)[25]->style.strokeColor.c.gray.gray, 0.4, 1e-12);
  // A gray fill against the four-colour white end: kinds differ.
  EXPECT_EQ(Group(live)[25]->style.fillColor.c.gray.gray, 0.8);
}

TEST_F(TrailGeneratorTest, GradientFillsGetNewGradientsWithMixedStops) {
  auto gradient = std::make_unique<vxhost::Gradient>();
  gradient->name = "Sky";
  gradient->type = ai::gradient_type::kRadial;
  gradient->stops.push_back({50, 0, Four(1, 0, 0, 0), 1});
  gradient->stops.push_back({50, 60, Gray(1), 1});
  gradient->stops.push_back({50, 100, Three(0, 0, 1), 1});
  vxhost::Gradient* sky = gradient.get();
  document.gradients().push_back(std::move(gradient));
  ai::ColorRecord fill{};
  fill.kind = ai::color_kind::kGradient;
  fill.c.gradient.gradient = reinterpret_cast<ai::GradientHandle>(sky);
  fill.c.gradient.matrix = {1, 0, 0, 1, 0, 0};
  fill.c.gradient.length = 20;

  vx::TrailPGParams params = Defaults();
  params.steps = 2;
  vxhost::Art* live = Live(params, Gray(1), fill);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  ASSERT_EQ(document.gradients().size(), 3u) << "one new gradient per copy";
  EXPECT_EQ(sky->stops[0].color.c.four.cyan, 1) << "the old gradient stays as it was";
  const auto group = Group(live);
  const auto* last = reinterpret_cast<vxhost::Gradient*>(group[2]->style.fillColor.c.gradient.gradient);
  ASSERT_NE(last, sky);
  EXPECT_EQ(last->name, "Sky");
  EXPECT_EQ(last->type, ai::gradient_type::kRadial);
  ASSERT_EQ(last->stops.size(), 3u);
  EXPECT_EQ(last->stops[0].color.c.four.cyan, 0) << "four-colour stop at the white end";
  EXPECT_EQ(last->stops[1].color.c.gray.gray, 1) << "gray stop against a four-colour end: kinds differ";
  EXPECT_EQ(last->stops[1].rampPoint, 60);
  EXPECT_EQ(last->stops[2].color.c.three.blue, 1) << "three-colour stop: kinds differ";
  EXPECT_NEAR(group[2]->style.fillColor.c.gradient.matrix.tx, 100 / std::sqrt(2.0), 1e-5)
      << "the gradient moves with the copy";

  SweepTrail(live);
}

TEST_F(TrailGeneratorTest, TextGetsNoCopiesAndUnselectedObjectsStayAsTheyAre) {
  vxhost::Art* live = Live(Defaults(), Gray(1), Gray(0.5));
  vxhost::Art* text = vxtest::AddArt(document, live->editGroup, ai::art_kind::kText);
  vxhost::Art* group = vxtest::AddArt(document, live->editGroup, ai::art_kind::kGroup);
  Square(group, 0, 0, 10, 1, Gray(1), Gray(0.2));
  vxtest::AddArt(document, group, ai::art_kind::kText);
  (void)text;
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  const auto result = Group(live);
  ASSERT_EQ(result.size(), 3u + 25 + 25) << "sources, then copies of the square and the group";
  int groups = 0;
  for (const vxhost::Art* art : result) {
    if (art->kind != ai::art_kind::kGroup) continue;
    ++groups;
    ASSERT_EQ(art->Children().size(), 2u);
  }
  EXPECT_EQ(groups, 26);

  live->userAttributes &= ~ai::art_attr::kSelected;
  square_->style.fillColor = Gray(0.9);
  ASSERT_EQ(Rebuild(live), ai::kNoError);
  EXPECT_EQ(Group(live)[0]->style.fillColor.c.gray.gray, 0.5) << "the old result is kept";
  EXPECT_EQ(Group(live).size(), 53u);
}

TEST_F(TrailGeneratorTest, RebuildFailuresLeakNothing) {
  vx::TrailPGParams params = Defaults();
  params.steps = 3;
  params.endOpacity = 0.5;
  vxhost::Art* live = Live(params, Gray(1), Gray(0.5));
  SweepTrail(live);
}

}  // namespace
