// The Apply walk's rules, one effect's variant at a time, on small selections
// made as "Select All" makes them: every object with everything inside it.
#include <gtest/gtest.h>

#include <vector>

#include "document/document.h"
#include "effects/framework/live_objects.h"
#include "effects/shadow/shadow_params.h"
#include "frame/context_guard.h"
#include "frame/plugin.h"
#include "plugin/ui/palette_fixture.h"
#include "presets/record_schema.h"
#include "support/art_builder.h"

namespace {

using Text = vx::ApplyWalk::TextInside;
constexpr int16_t kShadow = 18;

class ApplyWalkTest : public vxtest::PaletteTest {
 protected:
  vxhost::Art* Layer() { return vxtest::LayerGroup(*document); }
  vxhost::Art* Path(vxhost::Art* parent, double y) { return vxtest::AddPath(*document, parent, {{0, y}, {10, y}}); }
  vxhost::Art* Container(int16_t kind, bool withText, double y) {
    vxhost::Art* container = vxtest::AddArt(*document, Layer(), kind);
    Path(container, y);
    if (withText) vxtest::AddArt(*document, container, ai::art_kind::kText);
    return container;
  }
  // Selects everything, applies with `walk`, and answers what each new live
  // object wraps, top first.
  std::vector<vxhost::Art*> Apply(const vx::ApplyWalk& walk) {
    document->ForEachArt([](vxhost::Art* art) { art->userAttributes |= ai::art_attr::kSelected; });
    vx::ShadowPGParams record{};
    vx::SetRecordDefaults(vx::kShadowPGParamsSpec, &record, "");
    {
      vx::ContextGuard context(vx::GlobalPlugin()->pluginRef());
      EXPECT_EQ(vx::ApplyEffect(kShadow, &record, walk), ai::kNoError);
    }
    std::vector<vxhost::Art*> wrapped;
    document->ForEachArt([&](vxhost::Art* art) {
      if (art->kind == ai::art_kind::kPluginGroup) wrapped.push_back(art->editGroup->firstChild);
    });
    return wrapped;
  }
};

TEST_F(ApplyWalkTest, ByDefaultAGroupHoldingTextIsSkippedAndItsPathsGoOnTheirOwn) {
  vxhost::Art* group = Container(ai::art_kind::kGroup, true, 0);
  vxhost::Art* path = Path(Layer(), 20);
  const std::vector<vxhost::Art*> expected{group->firstChild, path};
  EXPECT_EQ(Apply(vx::kDefaultApplyWalk), expected);
}

TEST_F(ApplyWalkTest, WhereTextDoesNotMatterTheGroupIsOneTarget) {
  vxhost::Art* group = Container(ai::art_kind::kGroup, true, 0);
  vxhost::Art* path = Path(Layer(), 20);
  EXPECT_EQ(Apply({.textInside = Text::kIgnored}), (std::vector<vxhost::Art*>{group, path}));
}

TEST_F(ApplyWalkTest, ACompoundPathWithTextCanEndTheWalk) {
  vxhost::Art* first = Path(Layer(), 0);
  Container(ai::art_kind::kCompoundPath, true, 10);
  Path(Layer(), 20);
  EXPECT_EQ(Apply({.textInCompoundEndsWalk = true}), (std::vector<vxhost::Art*>{first}));
}

TEST_F(ApplyWalkTest, AfterAGroupSkippedForTextNoLaterGroupIsWrapped) {
  vxhost::Art* skipped = Container(ai::art_kind::kGroup, true, 0);
  vxhost::Art* later = Container(ai::art_kind::kGroup, false, 10);
  vxhost::Art* path = Path(Layer(), 20);
  const std::vector<vxhost::Art*> expected{skipped->firstChild, later->firstChild, path};
  EXPECT_EQ(Apply({.skippedGroupEndsGroups = true}), expected);
}

TEST_F(ApplyWalkTest, SelectedTextCanRefuseTheWholeApply) {
  Path(Layer(), 0);
  vxtest::AddArt(*document, Layer(), ai::art_kind::kText);
  EXPECT_TRUE(Apply({.selectedTextRefusesAll = true}).empty());
  EXPECT_TRUE(host.log().alerts().empty()) << "silently";
}

TEST_F(ApplyWalkTest, AClippingCompoundPathIsSkippedOnlyWhereCompoundsTakeTheGroupTests) {
  vxhost::Art* compound = Container(ai::art_kind::kCompoundPath, false, 0);
  compound->firstChild->style.clip = 1;
  EXPECT_TRUE(Apply({.compoundTakesGroupTests = true}).empty());
  EXPECT_EQ(Apply(vx::kDefaultApplyWalk), (std::vector<vxhost::Art*>{compound}));
}

}  // namespace
