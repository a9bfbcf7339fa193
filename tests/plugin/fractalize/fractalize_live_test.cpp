// The Fractalize live effect through PluginMain: applying it wraps the
// selection, the host rebuilds it whenever the source changes with the seed
// the object keeps, also after the document went through SVG; release and
// expand give back the source or the result.
#include <gtest/gtest.h>

#include "fractalize/fractalize_run.h"
#include "plugin/fractalize/fractalize_fixture.h"
#include "support/fault_sweep.h"
#include "svg/svg_io.h"
#include "ui/effect_dialog_controller.h"

namespace {

using vxtest::FractalizeTest;
using vxtest::Snapshot;
using vxtest::Step;
using vxtest::operator+;
namespace fx = vx::ctl::fractalize;

class FractalizeLiveTest : public FractalizeTest {
 protected:
  // A selected group of two paths.
  vxhost::Art* SelectedGroup() {
    vxhost::Art* group = vxtest::AddArt(*document, vxtest::LayerGroup(*document), ai::art_kind::kGroup);
    vxtest::AddPath(*document, group, {{0, 0}, {120, 0}, {60, 90}}, true);
    vxtest::AddPath(*document, group, {{200, 0}, {300, 40}});
    group->userAttributes |= ai::art_attr::kSelected;
    return group;
  }
  static Snapshot Results(const vxhost::Art* object) {
    Snapshot paths;
    std::function<void(const vxhost::Art*)> walk = [&](const vxhost::Art* art) {
      for (const vxhost::Art* child : art->Children()) {
        if (child->kind == ai::art_kind::kPath) paths.push_back(child->segments);
        walk(child);
      }
    };
    walk(object->resultGroup);
    return paths;
  }
  vxhost::Art* Applied(std::vector<Step> steps) {
    std::vector<vxhost::Art*> created;
    EXPECT_EQ(ApplyEffect(std::move(steps), true, &created), ai::kNoError);
    return created.size() == 1 ? created[0] : nullptr;
  }
  // The host rebuilds the object as it does after its source changed.
  ai::Code Rebuild(vxhost::Art* object) {
    document->MarkLiveChanged(object);
    return host.UpdateLiveObjects();
  }
};

TEST_F(FractalizeLiveTest, ApplyingWrapsTheGroupAndFractalizesBothPathsOfItsResult) {
  vxhost::Art* group = SelectedGroup();
  std::string title;
  vxhost::Art* object =
      Applied(Settings(6, 1, "0") + std::vector<Step>{[&](auto&, platform::ui::Dialog& d) { title = std::string(d.Title()); }});
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(title, "VELLUMiX4: フラクタル化（効果）");
  EXPECT_EQ(object->editGroup->Children(), std::vector<vxhost::Art*>{group}) << "the group is the source";
  EXPECT_EQ(group->Children()[0]->segments.size(), 3u) << "the source stays as drawn";
  const Snapshot results = Results(object);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].size(), 12u);
  EXPECT_EQ(results[1].size(), 5u);
  const vxhost::LiveData& live = *object->live;
  EXPECT_EQ(live.parameters.at("generator").integer, 6);
  EXPECT_EQ(live.parameters.at("level").integer, 1);
  EXPECT_EQ(live.parameters.at("density").number, 0.0);
  EXPECT_EQ(live.parameters.at("genHeight").number, 100.0);
  EXPECT_EQ(live.parameters.at("uneven").number, 0.0);
  EXPECT_EQ(live.parameters.at("unevenUnit").integer, 0);
  EXPECT_EQ(live.instance.count("randSeed"), 1u);
}

TEST_F(FractalizeLiveTest, RebuildingRepeatsTheDistortionWithTheObjectsSeed) {
  SelectedGroup();
  vxhost::Art* object = Applied(Settings(6, 1, "10", "25"));
  ASSERT_NE(object, nullptr);
  const Snapshot first = Results(object);
  const int32_t seed = object->live->instance.at("randSeed").integer;
  // A filter run in between takes new seeds of its own.
  document->ClearSelection();
  Selected({{0, 300}, {90, 300}});
  ASSERT_EQ(RunFilter(Settings(6, 1, "10", "25")), ai::kNoError);
  ASSERT_EQ(Rebuild(object), ai::kNoError);
  EXPECT_TRUE(vxtest::Same(Results(object), first));
  EXPECT_EQ(object->live->instance.at("randSeed").integer, seed);
  // Editing the source rebuilds the object with the same seed: the other path keeps its distortion.
  vxhost::Art* source = object->editGroup->firstChild->lastChild;
  document->WillChange(source);
  source->segments[1].anchor.x += 10;
  document->MarkLiveChanged(object);
  ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
  EXPECT_TRUE(vxtest::SameSegments(Results(object)[0], first[0]));
  EXPECT_FALSE(vxtest::SameSegments(Results(object)[1], first[1]));
}

TEST_F(FractalizeLiveTest, ASavedAndReadDocumentRebuildsIdentically) {
  SelectedGroup();
  vxhost::Art* object = Applied(Settings(14, 2, "8", "3"));
  ASSERT_NE(object, nullptr);
  const std::string saved = vxhost::svg::WriteSvg(*document);
  host.CloseDocument();
  document = &host.OpenDocument(vxhost::svg::ReadSvg(saved, "saved.svg"));
  vxhost::Art* read = nullptr;
  document->ForEachArt([&](vxhost::Art* art) {
    if (art->kind == ai::art_kind::kPluginGroup) read = art;
  });
  ASSERT_NE(read, nullptr);
  ASSERT_TRUE(read->live->IsLiveEffect());
  ASSERT_EQ(Rebuild(read), ai::kNoError);
  EXPECT_EQ(vxhost::svg::WriteSvg(*document), saved);
}

TEST_F(FractalizeLiveTest, AnObjectWhoseParametersLackTheGeneratorShowsItsSource) {
  vxhost::Art* object = document->NewArt(ai::art_kind::kPluginGroup);
  document->Insert(object, ai::placement::kInsideOnTop, vxtest::LayerGroup(*document));
  object->live->effectName = Effect().name;
  object->live->parameters["level"] = vxhost::DictionaryValue::Integer(3);
  vxtest::AddPath(*document, object->editGroup, {{0, 0}, {90, 0}});
  ASSERT_EQ(Rebuild(object), ai::kNoError);
  const Snapshot results = Results(object);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].size(), 2u);
  EXPECT_EQ(object->live->instance.count("randSeed"), 0u);
  EXPECT_TRUE(host.log().alerts().empty());
}

TEST_F(FractalizeLiveTest, CancelTakesTheWholeApplicationBack) {
  vxhost::Art* group = SelectedGroup();
  Snapshot previewed;
  ASSERT_EQ(ApplyEffect(Settings(6, 2, "0") + std::vector<Step>{Press(vx::effect_dialog::kPreview), Remember(previewed)},
                        /*ok=*/false),
            ai::kStop);
  EXPECT_EQ(previewed.size(), 4u) << "the preview showed the object's result";
  EXPECT_EQ(vxtest::LayerGroup(*document)->Children(), std::vector<vxhost::Art*>{group});
  EXPECT_TRUE(group->selected());
  EXPECT_EQ(group->Children()[0]->segments.size(), 3u);
  EXPECT_TRUE(host.log().alerts().empty());
}

TEST_F(FractalizeLiveTest, EditingAgainShowsTheObjectsValuesAndANewSequenceIsKeptOnOk) {
  SelectedGroup();
  vxhost::Art* object = Applied(Settings(4, 1, "10", "20"));
  ASSERT_NE(object, nullptr);
  const Snapshot first = Results(object);
  const int32_t seed = object->live->instance.at("randSeed").integer;
  Record().generator = 1;  // the dialog's record, changed since

  int32_t generatorShown = -1;
  Snapshot renewed;
  user.WhenModal([&](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
    generatorShown = d.Item(fx::kGenerator)->Selection();
    EXPECT_EQ(u.Click(d, fx::kNewSequence), 0);
    renewed = Results(object);
    u.Click(d, platform::ui::kIdOk);
  });
  ASSERT_EQ(host.liveEffects().Edit(object), ai::kNoError);
  EXPECT_EQ(generatorShown, 3) << "the dialog opens with the object's values";
  EXPECT_FALSE(vxtest::Same(renewed, first));
  EXPECT_TRUE(vxtest::Same(Results(object), renewed)) << "OK keeps the new sequence";
  EXPECT_NE(object->live->instance.at("randSeed").integer, seed);

  // Cancel gives back the seed and the result as they were.
  const Snapshot kept = Results(object);
  const int32_t keptSeed = object->live->instance.at("randSeed").integer;
  user.WhenModal([](platform::ui::ScriptedUser& u, platform::ui::Dialog& d) {
    EXPECT_EQ(u.Click(d, fx::kNewSequence), 0);
    u.Click(d, platform::ui::kIdCancel);
  });
  ASSERT_EQ(host.liveEffects().Edit(object), ai::kStop);
  EXPECT_TRUE(vxtest::Same(Results(object), kept));
  EXPECT_EQ(object->live->instance.at("randSeed").integer, keptSeed);
}

TEST_F(FractalizeLiveTest, ReleaseGivesBackTheSourceAndExpandKeepsTheResult) {
  vxhost::Art* group = SelectedGroup();
  vxhost::Art* object = Applied(Settings(6, 1, "0"));
  ASSERT_NE(object, nullptr);
  ASSERT_TRUE(host.liveEffects().Release(object));
  EXPECT_EQ(vxtest::LayerGroup(*document)->Children(), std::vector<vxhost::Art*>{group});

  document->ClearSelection();
  group->userAttributes |= ai::art_attr::kSelected;
  object = Applied(Settings(6, 1, "0"));
  ASSERT_NE(object, nullptr);
  const Snapshot shown = Results(object);
  ASSERT_TRUE(host.liveEffects().Expand(object));
  const auto top = vxtest::LayerGroup(*document)->Children();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0]->kind, ai::art_kind::kGroup);
  EXPECT_TRUE(vxtest::Same(Paths(), shown));
  EXPECT_FALSE(host.liveEffects().Release(top[0])) << "plain art has no effect to release";
}

TEST_F(FractalizeLiveTest, AFailedRebuildShowsItsCodeAndLeavesEveryPathWhole) {
  SelectedGroup();
  vxhost::Art* object = Applied(Settings(6, 2, "10", "25"));
  ASSERT_NE(object, nullptr);
  const Snapshot full = Results(object);
  Snapshot sources;
  for (const vxhost::Art* path : object->editGroup->firstChild->Children()) sources.push_back(path->segments);

  const auto run = [&] {
    host.log().Clear();
    return Rebuild(object);
  };
  const std::vector<std::string> calls = vxtest::RecordHostCalls(host, run);
  const ai::Code failure = ai::FourCC("flt!");
  // A refused free is the algorithm's own sweep; here it would leave a block behind.
  vxtest::SweepHostCalls(host, calls, failure, {"FreeBlock"}, run, [&](ai::Code code, auto&) {
    EXPECT_EQ(code, failure);
    ASSERT_EQ(host.log().alerts().size(), 1u) << "a failed rebuild is shown";
    EXPECT_NE(host.log().alerts()[0].text.find("flt!"), std::string::npos);
    const Snapshot results = Results(object);
    ASSERT_EQ(results.size(), 2u);
    for (size_t p = 0; p < 2; ++p)
      EXPECT_TRUE(vxtest::SameSegments(results[p], full[p]) || vxtest::SameSegments(results[p], sources[p]))
          << "path " << p << " is either done or as it was";
  });
  ASSERT_EQ(Rebuild(object), ai::kNoError);
  EXPECT_TRUE(vxtest::Same(Results(object), full));
}

}  // namespace
