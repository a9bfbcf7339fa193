// Constructs of real drawings, each in a small hand-written file: what the
// reader makes of it (art where the art model can hold it) and what the written
// file looks like to rsvg-convert, which must be what the original looks like.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "host/svg/svg_test_support.h"
#include "support/png_compare.h"

namespace {

namespace fs = std::filesystem;

using vxtest::TopArt;

class SvgFidelity : public ::testing::Test {
 protected:
  SvgFidelity() {
    std::string pattern = (fs::temp_directory_path() / "vx-svg-fidelity-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  ~SvgFidelity() override { fs::remove_all(dir_); }

  // Reads `text`, checks the written form reads back to the same art, and
  // compares renderings of the original and the written file. Returns the
  // document read from `text`.
  std::unique_ptr<vxhost::Document> ExpectRendersAsBefore(const std::string& text) {
    auto document = vxhost::svg::ReadSvg(text, "test.svg");
    vxtest::ExpectStableRoundTrip(*document);
    if (!vxtest::HaveRsvgConvert()) return document;
    const std::string written = vxhost::svg::WriteSvg(*document);
    const std::string base = (dir_ / std::to_string(++files_)).string();
    std::ofstream(base + "-a.svg") << text;
    std::ofstream(base + "-b.svg") << written;
    vxtest::Image before, after;
    EXPECT_TRUE(vxtest::RenderSvg(base + "-a.svg", base + "-a.png", kSize) && vxtest::ReadPng(base + "-a.png", before));
    EXPECT_TRUE(vxtest::RenderSvg(base + "-b.svg", base + "-b.png", kSize) && vxtest::ReadPng(base + "-b.png", after))
        << written;
    const vxtest::PixelDifference d = vxtest::ComparePixels(before, after, kThreshold);
    EXPECT_EQ(d.differing, 0) << d.differing << " pixels differ, by up to " << d.largest << "\n" << written;
    return document;
  }

  static std::string Svg(const std::string& body, const std::string& root = " width='40' height='40'") {
    return vxtest::SvgDocument(body, root);
  }

  static constexpr int kSize = 80;
  // Edges may shift by a rounding step; whole shapes moved or recoloured do not pass.
  static constexpr int kThreshold = 40;

 private:
  fs::path dir_;
  int files_ = 0;
};

TEST_F(SvgFidelity, LayersAndLooseArtKeepTheFilesPaintingOrder) {
  // A card face as an editor's layer, the pips after it at the top level.
  const auto doc = ExpectRendersAsBefore(Svg(
      "<rect id='under' width='40' height='40' fill='#888'/>"
      "<g inkscape:groupmode='layer' inkscape:label='Face'><rect x='5' y='5' width='30' height='30' fill='white'/></g>"
      "<circle id='pip' cx='20' cy='20' r='6' fill='red'/>"
      "<filter id='f'><feOffset dx='2' dy='1'/></filter>"
      "<g inkscape:groupmode='layer' inkscape:label='Corner' transform='scale(2)' filter='url(#f)'>"
      "<rect width='4' height='4' fill='blue'/></g>"
      "<circle id='last' cx='4' cy='4' r='2' fill='yellow'/>"));
  const auto& layers = doc->layers();
  ASSERT_EQ(layers.size(), 5u);  // topmost first
  EXPECT_EQ(layers[0]->group->firstChild->svg.id, "last");
  EXPECT_EQ(layers[1]->title, "Corner");
  EXPECT_EQ(layers[1]->svg.space.a, 2);  // where its filter works
  EXPECT_EQ(layers[2]->group->firstChild->svg.id, "pip");
  EXPECT_EQ(layers[3]->title, "Face");
  EXPECT_EQ(layers[4]->group->firstChild->svg.id, "under");
}

TEST_F(SvgFidelity, UseShowsItsTargetAsArtWhereItStands) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<defs><path id='tri' d='M0 0h6l-3 5z' fill='green' transform='rotate(10)'/></defs>"
      "<g transform='translate(5 3) scale(1.5)'><use id='u1' href='#tri' x='2' y='4' fill='red'/></g>"
      "<g transform='rotate(30 20 20)'><g id='orig' fill='blue'><rect x='20' y='20' width='6' height='4'/></g></g>"
      "<use id='u2' xlink:href='#orig' transform='translate(-12 4)' opacity='0.5'/>"));
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 3u);
  const vxhost::Art& use = *art[0]->firstChild;
  EXPECT_EQ(use.kind, ai::art_kind::kGroup);
  EXPECT_EQ(use.svg.id, "u1");
  ASSERT_NE(use.firstChild, nullptr);
  EXPECT_EQ(use.firstChild->kind, ai::art_kind::kPath);
  EXPECT_EQ(use.firstChild->svg.id, "");  // the original keeps its id
  EXPECT_NEAR(use.firstChild->segments[0].anchor.x, 5 + 1.5 * 2, 1e-12);
  EXPECT_EQ(art[2]->svg.id, "u2");
  EXPECT_EQ(art[2]->opacity, 0.5);
}

TEST_F(SvgFidelity, SymbolsAndNestedSvgViewports) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<symbol id='s' viewBox='0 0 10 10' preserveAspectRatio='xMinYMid meet'>"
      "<circle cx='5' cy='5' r='7' fill='orange'/></symbol>"
      "<use href='#s' x='2' y='2' width='20' height='10' overflow='hidden'/>"
      "<use href='#s' x='22' y='2' width='16' height='16'/>"
      "<svg x='0' y='24' width='50%' height='16' viewBox='0 0 40 32' preserveAspectRatio='none'>"
      "<rect x='5' y='5' width='30' height='22' fill='purple'/><rect x='30' y='20' width='20' height='20'/></svg>"));
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 3u);
  EXPECT_TRUE(art[0]->firstChild->clipped);   // the circle reaches past the symbol's box
  EXPECT_FALSE(art[1]->firstChild->clipped);  // a symbol clips only when the use says so
  EXPECT_TRUE(art[2]->firstChild->clipped);
}

TEST_F(SvgFidelity, PercentagesReferToTheViewport) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<rect x='10%' y='25%' width='50%' height='25%' fill='teal' stroke='black' stroke-width='2.5%'/>"
      "<circle cx='75%' cy='75%' r='10%'/>"
      "<linearGradient id='g' gradientUnits='userSpaceOnUse' x1='0%' x2='100%'>"
      "<stop offset='0' stop-color='red'/><stop offset='1' stop-color='blue'/></linearGradient>"
      "<rect y='32' width='40' height='8' fill='url(#g)'/>",
      " width='80' height='40' viewBox='0 0 40 20'"));
  const auto art = TopArt(*doc);
  EXPECT_EQ(art[0]->segments[0].anchor.x, 4);
  EXPECT_EQ(art[0]->segments[0].anchor.y, -5);
  EXPECT_NEAR(art[0]->style.strokeWidth, 0.025 * std::sqrt((40.0 * 40 + 20 * 20) / 2), 1e-12);
}

TEST_F(SvgFidelity, StyleSheetsApplyInCascadeOrder) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<style>/* scheme */ .ColorScheme-Text { color: #232629 } rect { fill: red } #a { fill: green }"
      " g > .b, g .c { fill: blue !important } .d { stroke: black; stroke-width: 3 }"
      " @media print { rect { fill: yellow } } svg|rect { fill: pink }</style>"
      "<path class='ColorScheme-Text' fill='currentColor' d='M0 0h10v10z'/>"
      "<rect id='a' x='12' width='8' height='8' fill='black'/>"
      "<g><rect class='b' x='22' width='8' height='8' style='fill: orange'/></g>"
      "<g><g><rect class='c d' x='2' y='20' width='8' height='8'/></g></g>"
      "<rect x='22' y='20' width='8' height='8' style='fill: purple'/>"));
  const auto art = TopArt(*doc);
  EXPECT_EQ(art[0]->style.fillColor.c.three.red, 0x23 / 255.0);
  EXPECT_EQ(art[1]->style.fillColor.c.three.green, 128 / 255.0);  // an id beats a type; both beat the attribute
  EXPECT_EQ(art[2]->firstChild->style.fillColor.c.three.blue, 1.0);  // important beats the style attribute
  const vxhost::Art& deep = *art[3]->firstChild->firstChild;
  EXPECT_EQ(deep.style.strokeWidth, 3);
  EXPECT_EQ(art[4]->style.fillColor.c.three.red, 128 / 255.0);  // the style attribute beats a type rule
  // The rules the sheet applied are the art's now; the rest stays for renderers.
  ASSERT_EQ(doc->svg.prologue.size(), 1u);
  EXPECT_EQ(doc->svg.prologue[0].find("ColorScheme"), std::string::npos);
  EXPECT_NE(doc->svg.prologue[0].find("@media print"), std::string::npos);
}

TEST_F(SvgFidelity, GroupOpacityAndCurrentColorOnKeptTextAndGradientStops) {
  ExpectRendersAsBefore(Svg(
      "<style>.t { fill: currentColor; color: navy }</style>"
      "<defs color='#ff8000'><linearGradient id='g'><stop offset='0' stop-color='currentColor'/>"
      "<stop offset='1' style='color: blue; stop-color: currentColor'/></linearGradient></defs>"
      "<rect x='20' width='20' height='8' fill='url(#g)'/>"
      "<g opacity='0.5'><rect width='30' height='30' fill='red'/><rect x='10' y='10' width='30' height='30'/></g>"
      "<g transform='translate(2 36)' color='green'><text class='t' font-size='8'>Hi</text></g>"));
}

TEST_F(SvgFidelity, ColoursWithTheirOwnAlphaPaintAsTheyAre) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<rect width='20' height='20' fill='#da4453ff'/>"
      "<rect x='10' y='10' width='20' height='20' fill='#0000ff80' fill-opacity='0.5'/>"
      "<rect x='20' width='20' height='20' fill='#0f08' stroke='rgba(255, 0, 0, 50%)' stroke-width='4'/>"
      "<rect y='25' width='40' height='10' fill='RGBA(0,0,0,0.25)'/>"));
  const std::vector<vxhost::Art*> art = TopArt(*doc);
  ASSERT_EQ(art.size(), 4u);
  EXPECT_EQ(art[0]->svg.fillOpacity, 1.0);
  EXPECT_NEAR(art[0]->style.fillColor.c.three.red, 0xda / 255.0, 1e-9) << "#rrggbbaa is a colour, not an error";
  EXPECT_NEAR(art[1]->svg.fillOpacity, 0.5 * 128 / 255.0, 1e-9) << "the alpha multiplies fill-opacity";
  EXPECT_NEAR(art[2]->svg.fillOpacity, 0x88 / 255.0, 1e-9);
  EXPECT_NEAR(art[2]->svg.strokeOpacity, 0.5, 1e-9);
}

TEST_F(SvgFidelity, AReferenceNamesTheFirstPaintServerOfItsIdAndOneWithoutIdIsLeftOut) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<defs><linearGradient id='g'><stop offset='0' stop-color='red'/><stop offset='1' stop-color='blue'/>"
      "</linearGradient><linearGradient id='g' x1='0' x2='0'/>"
      "<linearGradient><stop offset='0' stop-color='green'/></linearGradient></defs>"
      "<rect width='40' height='40' fill='url(#g)'/>"));
  ASSERT_EQ(doc->gradients().size(), 1u) << "gradients nothing can refer to are not kept";
  const std::vector<vxhost::Art*> art = TopArt(*doc);
  ASSERT_EQ(art.size(), 1u);
  EXPECT_EQ(art[0]->style.fillColor.kind, ai::color_kind::kGradient);
  EXPECT_EQ(reinterpret_cast<const vxhost::Gradient*>(art[0]->style.fillColor.c.gradient.gradient),
            doc->gradients()[0].get())
      << "the first g, with its stops";
}

TEST_F(SvgFidelity, ClipPathsMasksPatternsAndFiltersFollowBakedTransforms) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<defs><clipPath id='c' clipPathUnits='objectBoundingBox'><circle cx='.5' cy='.5' r='.5'/></clipPath>"
      "<mask id='m'><rect width='10' height='10' fill='white'/><rect width='5' height='5' fill='black'/></mask>"
      "<filter id='f'><feGaussianBlur stdDeviation='1'/></filter>"
      "<pattern id='p' width='4' height='4' patternUnits='userSpaceOnUse'><rect width='2' height='2'/></pattern>"
      "</defs>"
      "<g transform='translate(2 2) scale(1.5)'><rect width='10' height='10' fill='red' clip-path='url(#c)'/></g>"
      "<g transform='translate(22 2) scale(1.5)'><rect width='10' height='10' fill='blue' mask='url(#m)'/></g>"
      "<g transform='translate(2 22) scale(0.75)' filter='url(#f)'><rect x='4' y='4' width='16' height='16'/></g>"
      "<rect width='8' height='8' fill='url(#p)' transform='translate(22 22) scale(2)'/>"));
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 4u);
  EXPECT_TRUE(art[0]->firstChild->clipped);
  const vxhost::Art& masked = *art[1]->firstChild;  // the rectangle inside a group that keeps the mask
  EXPECT_EQ(masked.kind, ai::art_kind::kGroup);
  EXPECT_EQ(masked.svg.space.a, 1.5);
  EXPECT_EQ(masked.firstChild->kind, ai::art_kind::kPath);
  EXPECT_EQ(art[2]->svg.space.a, 0.75);
}

TEST_F(SvgFidelity, ShapesWithMarkersKeepTheirOwnSpaceUnlessOnlyMoved) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<defs><marker id='a' markerWidth='4' markerHeight='4' refX='2' refY='2' orient='auto'>"
      "<path d='M0 0L4 2L0 4z' fill='red'/></marker>"
      "<marker id='b' markerWidth='6' markerHeight='6' refX='3' refY='3' markerUnits='userSpaceOnUse'>"
      "<circle cx='3' cy='3' r='3' fill='blue'/></marker></defs>"
      "<g transform='translate(2 2) scale(2) rotate(20)' style='marker-start:url(#b)'>"
      "<path d='M1 1L12 3' stroke='black' marker-end='url(#a)'/></g>"
      "<g transform='translate(2 22)' marker-end='url(#a)'><path d='M1 1L12 8' stroke='black'/>"
      "<path d='M1 4L15 4' stroke='black' marker='none' transform='scale(2)'/></g>"));
  const auto art = TopArt(*doc);
  EXPECT_EQ(art[0]->firstChild->kind, ai::art_kind::kOpaque);  // kept whole, with its transform
  EXPECT_EQ(art[1]->lastChild->kind, ai::art_kind::kPath);     // moved only: still a path
  EXPECT_EQ(art[1]->firstChild->kind, ai::art_kind::kPath);    // no marker in force
}

TEST_F(SvgFidelity, WhatArtCannotHoldStaysInItsPlace) {
  const auto doc = ExpectRendersAsBefore(Svg(
      "<rect width='20' height='20' fill='red'/>"
      "<text x='2' y='15' font-size='12' fill='white'><textPath href='#curve'>ab</textPath></text>"
      "<path id='curve' d='M0 30 Q20 20 40 30' fill='none' stroke='black'/>"
      "<foreignObject x='20' width='20' height='20'><div xmlns='http://www.w3.org/1999/xhtml'>x</div></foreignObject>"
      "<rect x='25' y='25' width='10' height='10' fill='lime'/>"));
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 5u);
  EXPECT_EQ(art[1]->kind, ai::art_kind::kText);
  EXPECT_EQ(art[3]->kind, ai::art_kind::kOpaque);
}

TEST_F(SvgFidelity, ReferenceCyclesAndRunawayNestingAreErrors) {
  auto error = [](const std::string& body) -> std::string {
    try {
      vxhost::svg::ReadSvg(Svg(body), "loop.svg");
    } catch (const vxhost::svg::SvgError& e) {
      return e.what();
    }
    return "";
  };
  EXPECT_EQ(error("<g id='a'><use id='u' href='#a'/></g>"),
            "loop.svg: <use id=\"u\"> shows <g id=\"a\">, which contains it: the reference never ends");
  EXPECT_NE(error("<g id='a'><use href='#b'/></g><g id='b'><use href='#a'/></g>").find("never ends"),
            std::string::npos);
  EXPECT_NE(error("<use id='self' href='#self'/>").find("never ends"), std::string::npos);
  // Ten uses of ten uses ... of one shape, nine levels deep: a billion shapes.
  std::string laughs = "<defs><rect id='l0' width='1' height='1'/>";
  for (int level = 1; level <= 9; ++level) {
    laughs += "<g id='l" + std::to_string(level) + "'>";
    for (int i = 0; i < 10; ++i) laughs += "<use href='#l" + std::to_string(level - 1) + "'/>";
    laughs += "</g>";
  }
  laughs += "</defs><use href='#l9'/>";
  EXPECT_NE(error(laughs).find("show more than"), std::string::npos);
  std::string deep;
  for (int i = 0; i < 400; ++i) deep += "<g>";
  for (int i = 0; i < 400; ++i) deep += "</g>";
  EXPECT_EQ(error(deep), "loop.svg: elements nest more than 256 levels deep");
}

}  // namespace
