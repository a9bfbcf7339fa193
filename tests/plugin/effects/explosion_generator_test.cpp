// Live Explosion objects rebuilt by the host's update: the arrangement drawn
// from the stored seed (exact positions, turned and kept orientations, the
// two-step half turn), one sequence shared by every source, rebuilds after an
// edit, and failures on the way.
#include "effects/explosion/explosion_generator.h"

#include <cmath>
#include <numbers>

#include "effects/explosion/explosion_params.h"
#include "frame/effect_table.h"
#include "plugin/effects/live_effect_fixture.h"

namespace {

using vxtest::Gray;

struct Point {
  double x, y;
};

// Where a square copy's datum (the middle of the source's left edge, between
// its first and last anchors) landed.
Point Datum(const vxhost::Art& copy) {
  return {(copy.segments[0].anchor.x + copy.segments[3].anchor.x) / 2,
          (copy.segments[0].anchor.y + copy.segments[3].anchor.y) / 2};
}

class ExplosionGeneratorTest : public vxtest::LiveEffectTest {
 protected:
  ExplosionGeneratorTest() : LiveEffectTest(vx::kExplosionEffect) {}

  static vx::ExplosionPGParams Defaults() {
    vx::ExplosionPGParams params{};
    vx::SetRecordDefaults(vx::kExplosionPGParamsSpec, &params, "");
    params.randomSeed = 1234;
    return params;
  }
  vxhost::Art* Source(vxhost::Art* live, double x, double y, double side = 10) {
    return Square(live->editGroup, x, y, side, 1, Gray(1), Gray(0.5));
  }
  // The group's children, top of the stacking order first.
  static std::vector<vxhost::Art*> Copies(const vxhost::Art* live) {
    EXPECT_EQ(live->resultGroup->Children().size(), 1u) << "one group holds every copy";
    return live->resultGroup->firstChild->Children();
  }

  // The copies the record should give a square source with its lower left
  // corner at (x, y): u and w drawn from the host's random service seeded with
  // the record's seed, each corner placed by the arrangement's formula.
  std::vector<std::vector<Point>> Expected(const vx::ExplosionPGParams& params, double x, double y, double side) {
    const Point a{x, y + side / 2}, o{a.x - params.coreRadius, a.y};
    const Point corners[4] = {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
    EXPECT_EQ(vx::suites::Random().setSeed(params.randomSeed), ai::kNoError);
    std::vector<std::vector<Point>> copies{{std::begin(corners), std::end(corners)}};
    const double step = 2 * std::numbers::pi / params.copyCount;
    for (int i = 1; i < params.copyCount; ++i) {
      double u = 0, w = 0;
      EXPECT_EQ(vx::suites::Random().nextUniform(&u), ai::kNoError);
      EXPECT_EQ(vx::suites::Random().nextUniform(&w), ai::kNoError);
      w = vx::ShapeSpacing(w, params.spacing);
      const double c = i * step + (u - 0.5) * params.angleJitter, d = w * params.spread;
      const double e = 1 + w * (params.tipScale - 1);
      const double cs = std::cos(c), sn = std::sin(c);
      std::vector<Point> copy;
      for (const Point& p : corners) {
        // Kept orientation: only the datum's path turns.
        const double qx = e * (p.x - a.x), qy = e * (p.y - a.y);
        const double rx = a.x - o.x + d;  // the datum before the turn, from O
        if (params.keepAngle != 0) {
          copy.push_back({o.x + qx + cs * rx, o.y + qy + sn * rx});
        } else {
          copy.push_back({o.x + cs * (qx + rx) - sn * qy, o.y + sn * (qx + rx) + cs * qy});
        }
      }
      copies.push_back(copy);
    }
    return copies;
  }
  static void ExpectCorners(const vxhost::Art& copy, const std::vector<Point>& corners, const std::string& what) {
    ASSERT_EQ(copy.segments.size(), 4u) << what;
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_NEAR(copy.segments[k].anchor.x, corners[k].x, 1e-9) << what << " corner " << k;
      EXPECT_NEAR(copy.segments[k].anchor.y, corners[k].y, 1e-9) << what << " corner " << k;
    }
  }
};

TEST_F(ExplosionGeneratorTest, NoDeviationAndNoSpreadPutTheCopiesEvenlyOnTheCoreCircle) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 4;
  params.angleJitter = 0;
  params.spread = 0;
  params.tipScale = 1;
  params.showCenterMark = 1;
  vxhost::Art* live = MakeLive(params);
  Source(live, 0, 0);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto copies = Copies(live);
  ASSERT_EQ(copies.size(), 6u) << "four copies under a two-path mark";
  EXPECT_NEAR(copies[1]->segments[1].anchor.x, -30, 1e-12) << "the mark at the centre, left of the datum";
  EXPECT_NEAR(copies[1]->segments[1].anchor.y, 5, 1e-12);
  // Turned by a quarter turn each about O = (-30, 5); the half turn is made in
  // two steps and still lands exactly.
  const std::vector<std::vector<Point>> corners = {
      {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
      {{-25, 35}, {-25, 45}, {-35, 45}, {-35, 35}},
      {{-60, 10}, {-70, 10}, {-70, 0}, {-60, 0}},
      {{-35, -25}, {-35, -35}, {-25, -35}, {-25, -25}},
  };
  for (int i = 0; i < 4; ++i) ExpectCorners(*copies[2 + i], corners[i], "copy " + std::to_string(i));
  // The formula the other cases are checked against gives the same corners.
  const auto formula = Expected(params, 0, 0, 10);
  for (int i = 0; i < 4; ++i)
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(formula[i][k].x, corners[i][k].x, 1e-9);
      EXPECT_NEAR(formula[i][k].y, corners[i][k].y, 1e-9);
    }
}

TEST_F(ExplosionGeneratorTest, OneCopyIsTheSourceOnly) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 1;
  vxhost::Art* live = MakeLive(params);
  Source(live, 3, 4);
  params.showCenterMark = 1;
  vxhost::Art* marked = MakeLive(params);
  Source(marked, 3, 4);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  ASSERT_EQ(Copies(live).size(), 1u);
  ExpectCorners(*Copies(live)[0], {{3, 4}, {13, 4}, {13, 14}, {3, 14}}, "the unchanged copy");
  EXPECT_EQ(Copies(marked).size(), 3u) << "and the mark when it is on";
}

TEST_F(ExplosionGeneratorTest, EveryCopyFollowsTheSeededDrawsWhetherItTurnsOrKeepsItsAngle) {
  std::vector<std::pair<vx::ExplosionPGParams, vxhost::Art*>> objects;
  for (int keep = 0; keep < 2; ++keep) {
    for (int spacing = 0; spacing < 3; ++spacing) {
      vx::ExplosionPGParams params = Defaults();
      params.copyCount = 9;
      params.keepAngle = keep;
      params.spacing = spacing;
      params.randomSeed = 77 + spacing;
      params.spread = 100;
      params.tipScale = 3;
      params.angleJitter = 5.5;  // kept with six decimals in the object
      vxhost::Art* live = MakeLive(params);
      Source(live, 20, -10);
      objects.emplace_back(params, live);
    }
  }
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  for (const auto& [params, live] : objects) {
    const auto copies = Copies(live);
    const auto expected = Expected(params, 20, -10, 10);
    ASSERT_EQ(copies.size(), expected.size());
    for (size_t i = 0; i < copies.size(); ++i)
      ExpectCorners(*copies[i], expected[i],
                    "keep " + std::to_string(params.keepAngle) + " spacing " + std::to_string(params.spacing) +
                        " copy " + std::to_string(i));
  }
}

TEST_F(ExplosionGeneratorTest, TipScaleOneKeepsEverySizeWhateverTheDistance) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 30;
  params.keepAngle = 1;
  params.tipScale = 1;
  vxhost::Art* live = MakeLive(params);
  Source(live, 0, 0);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  double farthest = 0;
  for (const vxhost::Art* copy : Copies(live)) {
    const vxtest::Box box = vxtest::BoxOf(*copy);
    EXPECT_NEAR(box.width(), 10, 1e-9);
    EXPECT_NEAR(box.top - box.bottom, 10, 1e-9);
    farthest = std::max(farthest, std::hypot(Datum(*copy).x + 30, Datum(*copy).y - 5));
  }
  EXPECT_GT(farthest, 100) << "the copies are spread out all the same";
}

TEST_F(ExplosionGeneratorTest, TwoSourcesShareTheDrawsEachAroundItsOwnCentre) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 12;
  vxhost::Art* live = MakeLive(params);
  Source(live, 0, 0);
  Source(live, 300, 200, 40);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);

  const auto copies = Copies(live);
  ASSERT_EQ(copies.size(), 24u) << "the first source's copies above the second's";
  const Point centres[2] = {{-30, 5}, {270, 220}};
  for (int i = 1; i < 12; ++i) {
    const Point first = Datum(*copies[i]), second = Datum(*copies[12 + i]);
    EXPECT_NEAR(first.x - centres[0].x, second.x - centres[1].x, 1e-9) << "copy " << i;
    EXPECT_NEAR(first.y - centres[0].y, second.y - centres[1].y, 1e-9) << "copy " << i;
  }
}

TEST_F(ExplosionGeneratorTest, EditingTheSourceRebuildsTheSameArrangement) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 20;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* square = Source(live, 0, 0);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  std::vector<Point> before;
  for (const vxhost::Art* copy : Copies(live)) before.push_back(Datum(*copy));

  for (ai::SegRecord& s : square->segments) s.anchor.x += 50, s.in.x += 50, s.out.x += 50;
  square->style.fillColor = Gray(0.1);
  ASSERT_EQ(Rebuild(live), ai::kNoError);
  const auto after = Copies(live);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_NEAR(Datum(*after[i]).x, before[i].x + 50, 1e-9) << "copy " << i;
    EXPECT_NEAR(Datum(*after[i]).y, before[i].y, 1e-9) << "copy " << i;
  }
}

TEST_F(ExplosionGeneratorTest, SourcesWithoutBoundsAndRunawayCountsStayBounded) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 2'000'000'000;  // a hand-edited preset
  params.showCenterMark = 1;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* empty = document.NewArt(ai::art_kind::kGroup);
  document.Insert(empty, ai::placement::kInsideOnTop, live->editGroup);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_TRUE(Copies(live).empty()) << "an empty group has no centre: no copies, no mark";

  Source(live, 0, 0, 2);
  ASSERT_EQ(Rebuild(live), ai::kNoError);
  EXPECT_EQ(Copies(live).size(), static_cast<size_t>(vx::kMaxExplosionCopies) + 2);
  EXPECT_EQ(vxhost::svg::WriteSvg(document).find("nan"), std::string::npos);
}

TEST_F(ExplosionGeneratorTest, EveryFailingHostCallEndsTheRebuildCleanly) {
  vx::ExplosionPGParams params = Defaults();
  params.copyCount = 3;
  params.showCenterMark = 1;
  vxhost::Art* live = MakeLive(params);
  vxhost::Art* group = document.NewArt(ai::art_kind::kGroup);
  document.Insert(group, ai::placement::kInsideOnTop, live->editGroup);
  Square(group, 0, 0, 10, 1, Gray(0), Gray(1));
  Source(live, 40, 40);
  SweepRebuild(live);
}

TEST(ExplosionSpacingTest, AccelerateAndDecelerateBendTheDrawTowardOppositeEnds) {
  for (double w : {0.0, 0.25, 0.5, 1.0}) {
    EXPECT_DOUBLE_EQ(vx::ShapeSpacing(w, 1), w);
    EXPECT_DOUBLE_EQ(vx::ShapeSpacing(w, 2), w * w);
    EXPECT_DOUBLE_EQ(vx::ShapeSpacing(w, 0), 1 - (1 - w) * (1 - w));
  }
  EXPECT_LT(vx::ShapeSpacing(0.5, 2), 0.5);
  EXPECT_GT(vx::ShapeSpacing(0.5, 0), 0.5);
}

}  // namespace

// ---- Live Explosion as a person uses it -------------------------------------

#include "platform/clock.h"
#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"

namespace {

namespace ce = vx::ctl::explosion;

class ExplosionPaletteTest : public vxtest::EffectPaletteTest {
 protected:
  ExplosionPaletteTest() : EffectPaletteTest("Live エクスプロージョン") {}
  ~ExplosionPaletteTest() override { platform::SetTickCount(std::nullopt); }
  vx::ExplosionPGParams& Record() { return RecordAs<vx::ExplosionPGParams>(); }

  // The live object made of `source`.
  vxhost::Art* LiveOf(const vxhost::Art* source) {
    for (vxhost::Art* live : LiveObjects())
      if (live->editGroup->firstChild == source) return live;
    ADD_FAILURE() << "no live object holds the source";
    return nullptr;
  }
  // Each copy's datum from the unchanged copy's: the arrangement wherever the source is.
  std::vector<Point> Arrangement(const vxhost::Art* source) {
    const vxhost::Art* live = LiveOf(source);
    if (live == nullptr || live->resultGroup->firstChild == nullptr) return {};
    const auto copies = live->resultGroup->firstChild->Children();
    std::vector<Point> out;
    for (const vxhost::Art* copy : copies)
      out.push_back({Datum(*copy).x - Datum(*copies[0]).x, Datum(*copy).y - Datum(*copies[0]).y});
    return out;
  }
  static bool Same(const std::vector<Point>& a, const std::vector<Point>& b) {
    if (a.size() != b.size() || a.empty()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (std::abs(a[i].x - b[i].x) > 1e-9 || std::abs(a[i].y - b[i].y) > 1e-9) return false;
    return true;
  }
  // Selects a new square alone and applies the palette's record to it.
  vxhost::Art* ApplyToNewSquare(double x, uint32_t ticks) {
    vxhost::Art* square = SelectedSquare(x);
    SelectOnly(square);
    platform::SetTickCount(ticks);
    EXPECT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
    return square;
  }
};

TEST_F(ExplosionPaletteTest, EachApplyDrawsANewSeedUnlessTheSequenceIsKeptAndTheActionCarriesIt) {
  platform::SetTickCount(500);
  ASSERT_EQ(OpenPalette(), ai::kNoError);
  ASSERT_NE(Controller(), nullptr);
  user.TypeAndLeave(Palette(), ce::kCount, "0");
  EXPECT_EQ(Record().copyCount, 1);
  user.TypeAndLeave(Palette(), ce::kCount, "12");
  user.TypeAndLeave(Palette(), ce::kAngleJitter, "90");
  EXPECT_NEAR(Record().angleJitter, std::numbers::pi / 2, 1e-12) << "typed in degrees, kept in radians";
  user.TypeAndLeave(Palette(), ce::kTipScale, "50");
  EXPECT_DOUBLE_EQ(Record().tipScale, 0.5);
  user.Click(Palette(), ce::kSpaceDec);
  EXPECT_EQ(Record().spacing, 0);

  const vxhost::Art* first = ApplyToNewSquare(0, 1000);
  EXPECT_EQ(Record().randomSeed, 1000);
  const vxhost::Art* second = ApplyToNewSquare(100, 2000);
  EXPECT_EQ(Record().randomSeed, 2000) << "a new arrangement on every application";
  ASSERT_EQ(Arrangement(first).size(), 12u);
  EXPECT_FALSE(Same(Arrangement(first), Arrangement(second)));

  user.Click(Palette(), ce::kSameSequence);
  ASSERT_EQ(Record().reproduceRandom, 1);
  host.actions().SetRecording(true);
  const vxhost::Art* third = ApplyToNewSquare(200, 3000);
  host.actions().SetRecording(false);
  EXPECT_EQ(Record().randomSeed, 2000) << "the seed is kept";
  EXPECT_TRUE(Same(Arrangement(second), Arrangement(third)));

  ASSERT_EQ(host.actions().events().size(), 1u);
  const vxhost::RecordedEvent event = host.actions().events()[0];
  EXPECT_EQ(event.action, "VmX4_Explosion_Action");
  EXPECT_EQ(event.values.Find(ai::FourCC("seed"))->integer, 2000);
  EXPECT_NEAR(event.values.Find(ai::FourCC("rAng"))->real, 90, 1e-9) << "recorded in degrees";
  EXPECT_NEAR(event.values.Find(ai::FourCC("pers"))->real, 50, 1e-9) << "recorded in percent";

  // Played back later with other settings on the palette: the recorded seed.
  user.Click(Palette(), ce::kSameSequence);
  user.TypeAndLeave(Palette(), ce::kCount, "5");
  vxhost::Art* fourth = SelectedSquare(300);
  SelectOnly(fourth);
  platform::SetTickCount(4000);
  ASSERT_EQ(host.actions().Play(event), ai::kNoError);
  EXPECT_TRUE(Same(Arrangement(second), Arrangement(fourth)));

  // The host rebuilds an edited source with the stored seed, whichever the
  // palette holds now and whatever the clock says.
  platform::SetTickCount(5000);
  vxhost::Art* moved = LiveOf(first)->editGroup->firstChild;
  const std::vector<Point> before = Arrangement(first);
  for (ai::SegRecord& s : moved->segments) s.anchor.y += 40, s.in.y += 40, s.out.y += 40;
  document->MarkLiveChanged(LiveOf(first));
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_TRUE(Same(before, Arrangement(first)));
}

}  // namespace
