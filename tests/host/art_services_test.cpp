// The host's services over art, through the suites the plug-in calls.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "document/document.h"
#include "frame/host/suite_list.h"
#include "host.h"
#include "support/art_builder.h"
#include "support/plugin_host.h"
#include "support/suite_access.h"

namespace {

using vxtest::AddArt;
using vxtest::AddPath;
using vxtest::Handle;

class ArtServicesTest : public ::testing::Test {
 protected:
  template <class Suite>
  const Suite& Get() {
    return vxtest::AcquireSuite<Suite>(host);
  }
  std::vector<vxhost::Art*> ChildrenOf(vxhost::Art* art) { return art->Children(); }

  vxhost::Host host{vxtest::QuietHost()};
  vxhost::Document& document = host.OpenDocument(std::make_unique<vxhost::Document>());
  vxhost::Art* layer = vxtest::LayerGroup(document);
  const ai::ArtSuite& art = Get<ai::ArtSuite>();
};

TEST_F(ArtServicesTest, PlacementsPutNewArtAboveBelowAndInside) {
  vxhost::Art* group = AddArt(document, layer, ai::art_kind::kGroup);
  vxhost::Art* middle = AddPath(document, group, {{0, 0}, {1, 1}});
  ai::ArtHandle above = nullptr, below = nullptr, top = nullptr, bottom = nullptr;
  ASSERT_EQ(art.newArt(ai::art_kind::kPath, ai::placement::kAbove, Handle(middle), &above), ai::kNoError);
  ASSERT_EQ(art.newArt(ai::art_kind::kPath, ai::placement::kBelow, Handle(middle), &below), ai::kNoError);
  ASSERT_EQ(art.newArt(ai::art_kind::kGroup, ai::placement::kInsideOnTop, Handle(group), &top), ai::kNoError);
  ASSERT_EQ(art.newArt(ai::art_kind::kGroup, ai::placement::kInsideAtBottom, Handle(group), &bottom), ai::kNoError);
  const auto order = ChildrenOf(group);
  ASSERT_EQ(order.size(), 5u);
  EXPECT_EQ(Handle(order[0]), top);
  EXPECT_EQ(Handle(order[1]), above);
  EXPECT_EQ(order[2], middle);
  EXPECT_EQ(Handle(order[3]), below);
  EXPECT_EQ(Handle(order[4]), bottom);

  ai::ArtHandle next = nullptr, parent = nullptr;
  EXPECT_EQ(art.getNextSibling(bottom, &next), ai::kNoError);
  EXPECT_EQ(next, nullptr);
  EXPECT_EQ(art.getParent(Handle(middle), &parent), ai::kNoError);
  EXPECT_EQ(parent, Handle(group));
  EXPECT_NE(art.moveArt(Handle(group), ai::placement::kInsideOnTop, Handle(middle)), ai::kNoError)
      << "art cannot go inside a path";
  EXPECT_NE(art.moveArt(Handle(group), ai::placement::kInsideOnTop, top), ai::kNoError)
      << "a group cannot go inside itself";
}

TEST_F(ArtServicesTest, DuplicatesAreDeepAndDisposedArtIsGone) {
  vxhost::Art* group = AddArt(document, layer, ai::art_kind::kGroup);
  AddPath(document, group, {{0, 0}, {5, 5}});
  vxhost::Art* live = AddArt(document, group, ai::art_kind::kPluginGroup);
  AddPath(document, live->editGroup, {{1, 1}, {2, 2}});
  ai::ArtHandle copy = nullptr;
  ASSERT_EQ(art.duplicateArt(Handle(group), ai::placement::kBelow, Handle(group), &copy), ai::kNoError);
  auto* duplicate = reinterpret_cast<vxhost::Art*>(copy);
  ASSERT_EQ(ChildrenOf(duplicate).size(), 2u);
  vxhost::Art* liveCopy = ChildrenOf(duplicate)[1];
  ASSERT_NE(liveCopy->editGroup, live->editGroup);
  EXPECT_EQ(ChildrenOf(liveCopy->editGroup).size(), 1u);

  ASSERT_EQ(art.disposeArt(Handle(group)), ai::kNoError);
  int16_t kind = 0;
  EXPECT_EQ(art.getKind(Handle(group), &kind), ai::kNotInDocument);
  EXPECT_EQ(art.getKind(Handle(live), &kind), ai::kNotInDocument);
  EXPECT_EQ(ChildrenOf(layer).size(), 1u);
  EXPECT_NE(art.disposeArt(Handle(layer)), ai::kNoError) << "a layer's group stays";
}

TEST_F(ArtServicesTest, SelectionListStartsWithTheLayerGroupThenSelectedArtInOrder) {
  vxhost::Art* a = AddPath(document, layer, {{0, 0}, {1, 0}});
  vxhost::Art* group = AddArt(document, layer, ai::art_kind::kGroup);
  vxhost::Art* b = AddPath(document, group, {{0, 0}, {1, 0}});
  AddPath(document, layer, {{0, 0}, {1, 0}});
  document.SelectOnly({b, a});

  const auto& matching = Get<ai::MatchingArtSuite>();
  const auto& memory = Get<ai::MdMemorySuite>();
  ai::ArtHandle* list = nullptr;
  int32_t count = 0;
  ASSERT_EQ(matching.getSelectedArt(&list, &count), ai::kNoError);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(list[0], Handle(layer));
  EXPECT_EQ(list[1], Handle(a));
  EXPECT_EQ(list[2], Handle(b));
  EXPECT_EQ(memory.dispose(list), ai::kNoError);

  const ai::MatchSpec specs[] = {{ai::art_kind::kGroup, 0, 0}, {ai::art_kind::kPath, ai::art_attr::kSelected,
                                                                 ai::art_attr::kSelected}};
  ASSERT_EQ(matching.getMatchingArt(specs, 2, &list, &count), ai::kNoError);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(list[0], Handle(a));
  EXPECT_EQ(list[1], Handle(group));
  EXPECT_EQ(list[2], Handle(b));
  EXPECT_EQ(memory.dispose(list), ai::kNoError);
  EXPECT_EQ(host.blocks().LiveCount(), 0u);
}

TEST_F(ArtServicesTest, RevertTakesBackEveryChangeOfTheContext) {
  vxhost::Art* path = AddPath(document, layer, {{0, 0}, {1, 0}});
  path->segments.resize(32000, vxtest::Corner(3, 4));
  const std::vector<ai::SegRecord> before = path->segments;
  const auto& paths = Get<ai::PathSuite>();

  int16_t kind0 = 0;
  document.undo().Begin();
  std::vector<ai::SegRecord> moved(32000, vxtest::Corner(9, 9));
  ASSERT_EQ(paths.setSegments(Handle(path), 0, 32000, moved.data()), ai::kNoError);
  ASSERT_EQ(paths.setSegmentCount(Handle(path), 10), ai::kNoError);
  ai::ArtHandle added = nullptr;
  ASSERT_EQ(art.newArt(ai::art_kind::kGroup, ai::placement::kAbove, Handle(path), &added), ai::kNoError);
  ASSERT_EQ(art.moveArt(Handle(path), ai::placement::kInsideOnTop, added), ai::kNoError);
  ASSERT_EQ(art.setUserAttributes(Handle(path), ai::art_attr::kHidden, ai::art_attr::kHidden), ai::kNoError);
  // A copy made in the context keeps no saved state of its own; changing it
  // and taking the context back leaves the original as it was.
  ai::ArtHandle copy = nullptr;
  ASSERT_EQ(art.duplicateArt(Handle(path), ai::placement::kInsideOnTop, added, &copy), ai::kNoError);
  const ai::RealMatrix shift{1, 0, 0, 1, 5, 5};
  ASSERT_EQ(Get<ai::TransformArtSuite>().transformArt(copy, &shift, 1, 1), ai::kNoError);
  ASSERT_EQ(art.moveArt(Handle(path), ai::placement::kAbove, copy), ai::kNoError);

  ASSERT_EQ(Get<ai::UndoSuite>().revertChanges(), ai::kNoError);
  EXPECT_EQ(art.getKind(copy, &kind0), ai::kNotInDocument);
  EXPECT_EQ(path->segments.size(), 32000u);
  EXPECT_EQ(std::memcmp(path->segments.data(), before.data(), before.size() * sizeof(ai::SegRecord)), 0);
  EXPECT_EQ(path->parent, layer);
  EXPECT_FALSE(path->hidden());
  int16_t kind = 0;
  EXPECT_EQ(art.getKind(added, &kind), ai::kNotInDocument) << "art made in the context is gone";
  EXPECT_EQ(ChildrenOf(layer).size(), 1u);

  // The context stays open: a second round of changes reverts again.
  ASSERT_EQ(paths.setSegmentCount(Handle(path), 1), ai::kNoError);
  ASSERT_EQ(Get<ai::UndoSuite>().revertChanges(), ai::kNoError);
  EXPECT_EQ(path->segments.size(), 32000u);
  document.undo().End();
}

TEST_F(ArtServicesTest, TransformOptionsChooseGeometryGradientsPatternsAndLineWidths) {
  vxhost::Art* path = AddPath(document, layer, {{1, 1}, {2, 3}});
  path->style.strokeWidth = 2;
  path->style.fillColor.kind = ai::color_kind::kGradient;
  path->style.fillColor.c.gradient.matrix = {1, 0, 0, 1, 0, 0};
  const ai::RealMatrix scale{2, 0, 0, 2, 10, 0};
  const auto& transform = Get<ai::TransformArtSuite>();

  ASSERT_EQ(transform.transformArt(Handle(path), &scale, 3, 2), ai::kNoError);
  EXPECT_EQ(path->segments[1].anchor.x, 2) << "2: gradients only";
  EXPECT_EQ(path->style.fillColor.c.gradient.matrix.a, 2);

  ASSERT_EQ(transform.transformArt(Handle(path), &scale, 3, 12), ai::kNoError);
  EXPECT_EQ(path->segments[1].anchor.x, 2) << "12: patterns and line widths, no geometry";
  EXPECT_EQ(path->style.strokeWidth, 6);

  ASSERT_EQ(transform.transformArt(Handle(path), &scale, 1, 15), ai::kNoError);
  EXPECT_EQ(path->segments[1].anchor.x, 14);
  EXPECT_EQ(path->segments[1].anchor.y, 6);
  EXPECT_EQ(path->style.strokeWidth, 6) << "line scale 1 keeps the width";
}

TEST_F(ArtServicesTest, BoundsOptionsAndClippedGroups) {
  vxhost::Art* path = AddPath(document, layer, {{0, 0}, {10, 0}});
  path->segments[0].out = {5, 10};  // the curve bulges up to y = 7.5 (3/4 of the handle)
  path->segments[1].in = {5, 10};
  path->style.strokePaint = 1;
  path->style.strokeWidth = 2;
  ai::RealRect box{};
  ASSERT_EQ(art.getBounds(Handle(path), nullptr, ai::bounds_option::kGeometric, &box), ai::kNoError);
  EXPECT_DOUBLE_EQ(box.top, 7.5);
  EXPECT_DOUBLE_EQ(box.bottom, 0);
  ASSERT_EQ(art.getBounds(Handle(path), nullptr, ai::bounds_option::kControl, &box), ai::kNoError);
  EXPECT_DOUBLE_EQ(box.top, 10);
  ASSERT_EQ(art.getBounds(Handle(path), nullptr, ai::bounds_option::kVisible, &box), ai::kNoError);
  EXPECT_DOUBLE_EQ(box.top, 8.5);
  EXPECT_DOUBLE_EQ(box.left, -1);
}

TEST_F(ArtServicesTest, TagsOpacityAndClipping) {
  vxhost::Art* group = AddArt(document, layer, ai::art_kind::kGroup);
  const auto& tags = Get<ai::TagSuite>();
  char text[64];
  size_t length = 0;
  EXPECT_EQ(tags.getTag(Handle(group), "KwDL_VELLUMiX4_TagName", "string", text, sizeof text, &length),
            ai::kTagNotFound);
  ASSERT_EQ(tags.setTag(Handle(group), "KwDL_VELLUMiX4_TagName", "string", "KwDL_VELLUMiX4_PG_WGr"), ai::kNoError);
  ASSERT_EQ(tags.getTag(Handle(group), "KwDL_VELLUMiX4_TagName", "string", text, sizeof text, &length), ai::kNoError);
  EXPECT_STREQ(text, "KwDL_VELLUMiX4_PG_WGr");

  const auto& blend = Get<ai::BlendStyleSuite>();
  double opacity = 0;
  ASSERT_EQ(blend.setOpacity(Handle(group), 1.5), ai::kNoError);
  ASSERT_EQ(blend.getOpacity(Handle(group), &opacity), ai::kNoError);
  EXPECT_EQ(opacity, 1.0);

  int32_t clipped = 1;
  ASSERT_EQ(Get<ai::GroupSuite>().getClipped(Handle(group), &clipped), ai::kNoError);
  EXPECT_EQ(clipped, 0);
  vxhost::Art* path = AddPath(document, layer, {{0, 0}});
  EXPECT_EQ(Get<ai::GroupSuite>().getClipped(Handle(path), &clipped), ai::kWrongArtKind);
}

TEST_F(ArtServicesTest, RealMathSaturatesInsteadOfOverflowing) {
  const auto& math = Get<ai::RealMathSuite>();
  double result = 0;
  ASSERT_EQ(math.multiply(1e300, 1e300, &result), ai::kNoError);
  EXPECT_EQ(result, 1.7976931348623158e307);
  ASSERT_EQ(math.multiply(-1e300, 1e300, &result), ai::kNoError);
  EXPECT_EQ(result, -1.7976931348623158e307);
  ASSERT_EQ(math.divide(1, 0, &result), ai::kNoError);
  EXPECT_EQ(result, 1.7976931348623158e307);
  ASSERT_EQ(math.divide(-2, 0, &result), ai::kNoError);
  EXPECT_EQ(result, -1.7976931348623158e307);
  ASSERT_EQ(math.divide(6, 3, &result), ai::kNoError);
  EXPECT_EQ(result, 2);
  ASSERT_EQ(math.degreesToRadians(135, &result), ai::kNoError);
  EXPECT_DOUBLE_EQ(result, 2.356194490192345);

  ai::RealMatrix m{}, inverse{};
  ASSERT_EQ(math.setTranslate(&m, 5, 0), ai::kNoError);
  ASSERT_EQ(math.concatRotate(&m, M_PI / 2), ai::kNoError);  // translate, then turn
  ai::RealPoint p{1, 0}, q{};
  ASSERT_EQ(math.transformPoint(&m, &p, &q), ai::kNoError);
  EXPECT_NEAR(q.x, 0, 1e-12);
  EXPECT_NEAR(q.y, 6, 1e-12);
  ASSERT_EQ(math.invert(&m, &inverse), ai::kNoError);
  ASSERT_EQ(math.transformPoint(&inverse, &q, &p), ai::kNoError);
  EXPECT_NEAR(p.x, 1, 1e-12);
}

TEST_F(ArtServicesTest, RandomRepeatsForASeedAndStaysInTheUnitInterval) {
  const auto& random = Get<ai::RandomSuite>();
  std::vector<double> first, second;
  for (auto* run : {&first, &second}) {
    ASSERT_EQ(random.setSeed(42), ai::kNoError);
    for (int i = 0; i < 1000; ++i) {
      double value = -1;
      ASSERT_EQ(random.nextUniform(&value), ai::kNoError);
      run->push_back(value);
    }
  }
  EXPECT_EQ(first, second);
  double sum = 0;
  for (double value : first) {
    EXPECT_GE(value, 0.0);
    EXPECT_LT(value, 1.0);
    sum += value;
  }
  EXPECT_NEAR(sum / first.size(), 0.5, 0.05);
  // The documented generator: the first value for seed 42 never changes.
  EXPECT_EQ(first[0], vxhost::RandomGenerator(42).Uniform());
}

TEST_F(ArtServicesTest, HitTestFindsAnchorsCurvesAndFills) {
  vxhost::Art* square = AddPath(document, layer, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
  const auto& hit = Get<ai::HitTestSuite>();
  ai::HitResult result{};
  ai::RealPoint where{10.5, 0.2};
  ASSERT_EQ(hit.hitTest(&where, 1, &result), ai::kNoError);
  EXPECT_EQ(result.type, ai::hit_type::kAnchor);
  EXPECT_EQ(result.segment, 1);
  where = {5, 10.3};
  ASSERT_EQ(hit.hitTest(&where, 1, &result), ai::kNoError);
  EXPECT_EQ(result.type, ai::hit_type::kCurve);
  EXPECT_EQ(result.segment, 2);
  EXPECT_NEAR(result.t, 0.5, 1e-6);
  where = {5, 5};
  ASSERT_EQ(hit.hitTest(&where, 1, &result), ai::kNoError);
  EXPECT_EQ(result.type, ai::hit_type::kFill);
  EXPECT_EQ(result.art, Handle(square));
  where = {50, 50};
  ASSERT_EQ(hit.hitTest(&where, 1, &result), ai::kNoError);
  EXPECT_EQ(result.type, ai::hit_type::kNothing);
}

TEST_F(ArtServicesTest, ViewCoordinatesRoundTrip) {
  const auto& view = Get<ai::DocumentViewSuite>();
  document.zoom = 2;
  ai::RealPoint artwork{10, -20};
  ai::ViewPoint pixel{};
  ASSERT_EQ(view.artworkToView(&artwork, &pixel), ai::kNoError);
  EXPECT_EQ(pixel.h, 20);
  EXPECT_EQ(pixel.v, 40) << "the view's y grows downward";
  ai::RealPoint back{};
  ASSERT_EQ(view.viewToArtwork(&pixel, &back), ai::kNoError);
  EXPECT_EQ(back.x, 10);
  EXPECT_EQ(back.y, -20);
}

TEST_F(ArtServicesTest, CustomColoursGiveTheirProcessEquivalentAtATint) {
  const auto& custom = Get<ai::CustomColorSuite>();
  const double cmyk[] = {0.2, 0.4, 0.6, 0.8};
  ai::CustomColorHandle spot = nullptr;
  ASSERT_EQ(custom.newCustomColor("朱色", 1, ai::custom_color_kind::kFour, cmyk, &spot), ai::kNoError);
  ai::ColorRecord process{};
  ASSERT_EQ(custom.processEquivalent(spot, 0.5, &process), ai::kNoError);
  EXPECT_EQ(process.kind, ai::color_kind::kFour);
  EXPECT_DOUBLE_EQ(process.c.four.black, 0.4);
  const double rgb[] = {0.2, 1, 0};
  ai::CustomColorHandle global = nullptr;
  ASSERT_EQ(custom.newCustomColor("green", 0, ai::custom_color_kind::kThree, rgb, &global), ai::kNoError);
  ASSERT_EQ(custom.processEquivalent(global, 0.5, &process), ai::kNoError);
  EXPECT_DOUBLE_EQ(process.c.three.red, 0.6);
  EXPECT_DOUBLE_EQ(process.c.three.blue, 0.5);
}

TEST_F(ArtServicesTest, StaleAndForeignHandlesAreRefused) {
  int16_t kind = 0;
  EXPECT_EQ(art.getKind(reinterpret_cast<ai::ArtHandle>(&kind), &kind), ai::kNotInDocument);
  EXPECT_EQ(art.getKind(nullptr, &kind), ai::kNotInDocument);
  host.CloseDocument();
  EXPECT_EQ(art.getKind(Handle(layer), &kind), ai::kNoDocument);
}

}  // namespace
