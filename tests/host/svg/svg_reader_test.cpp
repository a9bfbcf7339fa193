// Reading SVG into the document model: coordinates, shapes, transforms, styles
// and their inheritance, colours, structure (layers, groups, clipping, verbatim
// art), paint servers and VELLUMiX4's own data.
#include <gtest/gtest.h>

#include <cmath>

#include "host/svg/svg_test_support.h"

namespace {

using vxtest::ReadBody;
using vxtest::TopArt;

const vxhost::Art& Only(const vxhost::Document& document) {
  const auto art = TopArt(document);
  EXPECT_EQ(art.size(), 1u);
  return *art.at(0);
}

TEST(SvgReader, YIsNegatedAndTransformsAreBakedIn) {
  const auto doc = ReadBody(
      "<path d='M1 2 L3 4'/>"
      "<g transform='translate(10 20) scale(2)'><path d='M1 2' stroke='red' stroke-width='3'"
      " stroke-dasharray='1 2' transform='rotate(90)'/></g>");
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 2u);
  EXPECT_EQ(art[0]->segments[0].anchor.x, 1);
  EXPECT_EQ(art[0]->segments[0].anchor.y, -2);
  // rotate(90) maps (1, 2) to (-2, 1); scale 2 and translate give (6, 22).
  const vxhost::Art& moved = *art[1]->firstChild;
  EXPECT_NEAR(moved.segments[0].anchor.x, 6, 1e-12);
  EXPECT_NEAR(moved.segments[0].anchor.y, -22, 1e-12);
  EXPECT_NEAR(moved.style.strokeWidth, 6, 1e-12);  // scaled by sqrt|det|
  EXPECT_FLOAT_EQ(moved.style.dash.values[1], 4);
}

TEST(SvgReader, ShapesBecomeClosedCubicPaths) {
  const auto doc = ReadBody(
      "<rect x='1' y='2' width='10' height='5'/><rect width='10' height='10' rx='2'/>"
      "<circle cx='5' cy='5' r='5'/><ellipse cx='0' cy='0' rx='4' ry='2'/><line x1='0' y1='0' x2='5' y2='5'/>"
      "<polyline points='0,0 1,1 2,0'/><polygon points='0 0 1 1 2 0 7'/><rect width='0' height='5'/>");
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 8u);
  EXPECT_EQ(art[0]->segments.size(), 4u);
  EXPECT_TRUE(art[0]->closed);
  EXPECT_EQ(art[0]->segments[2].anchor.x, 11);
  EXPECT_EQ(art[0]->segments[2].anchor.y, -7);
  EXPECT_EQ(art[1]->segments.size(), 8u);  // four lines and four rounded corners (ry follows rx)
  EXPECT_EQ(art[2]->segments.size(), 4u);
  EXPECT_NEAR(art[2]->segments[1].anchor.y, -10, 1e-12);
  EXPECT_EQ(art[3]->segments[0].anchor.x, 4);
  EXPECT_FALSE(art[4]->closed);
  EXPECT_EQ(art[4]->segments.size(), 2u);
  EXPECT_FALSE(art[5]->closed);
  EXPECT_EQ(art[5]->segments.size(), 3u);
  EXPECT_TRUE(art[6]->closed);
  EXPECT_EQ(art[6]->segments.size(), 3u);  // the odd coordinate is dropped
  EXPECT_EQ(art[7]->kind, ai::art_kind::kPath);
  EXPECT_TRUE(art[7]->segments.empty());
}

TEST(SvgReader, SeveralSubpathsMakeACompoundPathInDataOrder) {
  const auto doc = ReadBody("<path id='c' fill-rule='evenodd' d='M0 0h4v4z M1 1h1v1z'/>");
  const vxhost::Art& art = Only(*doc);
  ASSERT_EQ(art.kind, ai::art_kind::kCompoundPath);
  EXPECT_EQ(art.svg.id, "c");
  const auto paths = art.Children();
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_EQ(paths[0]->segments[1].anchor.x, 4);
  EXPECT_EQ(paths[1]->segments[1].anchor.x, 2);
  EXPECT_EQ(paths[1]->style.evenOdd, 1);
}

TEST(SvgReader, ColoursInEveryNotation) {
  const auto doc = ReadBody(
      "<path d='M0 0' fill='#f80'/><path d='M0 0' fill='#FF8000'/><path d='M0 0' fill='rgb(255, 128, 0)'/>"
      "<path d='M0 0' fill='rgb(100%,50.2%,0%)'/><path d='M0 0' fill='Orange'/>"
      "<path d='M0 0' color='blue' fill='currentColor'/><path d='M0 0' fill='url(#missing) #00ff00'/>"
      "<path d='M0 0' fill='url(#missing)'/><path d='M0 0' fill='bogus'/>");
  const auto art = TopArt(*doc);
  auto three = [&](size_t i) { return art[i]->style.fillColor.c.three; };
  EXPECT_EQ(art[0]->style.fillColor.kind, ai::color_kind::kThree);
  EXPECT_EQ(three(0).green, 136 / 255.0);
  EXPECT_EQ(three(1).green, 128 / 255.0);
  EXPECT_EQ(three(2).green, 128 / 255.0);
  EXPECT_EQ(three(3).green, 128 / 255.0);  // percentages land on the n/255 grid
  EXPECT_EQ(three(4).green, 165 / 255.0);
  EXPECT_EQ(three(5).blue, 1.0);
  EXPECT_EQ(three(6).green, 1.0);         // the fallback of a url that names nothing
  EXPECT_EQ(art[7]->style.fillPaint, 0);  // no fallback: nothing painted
  EXPECT_EQ(art[8]->style.fillPaint, 1);  // what does not parse is ignored: black
  EXPECT_EQ(three(8).red, 0.0);
}

TEST(SvgReader, StylesInheritAndTheStyleAttributeWins) {
  std::vector<std::string> notes;
  const auto doc = ReadBody(
      "<g fill='red' stroke='blue' stroke-width='2' stroke-linejoin='round' fill-opacity='0.5' opacity='0.5'>"
      "<path d='M0 0' style='stroke-width: 4; marker: none' stroke-width='9'/>"
      "<path d='M0 0' fill='none' stroke-dasharray='1 2 3 4 5 6 7 8' visibility='hidden'/>"
      "<path d='M0 0' stroke-dasharray='1,2,3' display='none' stroke-miterlimit='10' stroke-linecap='square'/></g>",
      &notes);
  const auto art = vxtest::InSvgOrder(*TopArt(*doc)[0]);
  EXPECT_EQ(TopArt(*doc)[0]->opacity, 0.5);  // opacity stays on the group, not inherited
  EXPECT_EQ(art[0]->opacity, 1);
  const ai::PathStyle& a = art[0]->style;
  EXPECT_EQ(a.fillColor.c.three.red, 1.0);
  EXPECT_EQ(a.strokeColor.c.three.blue, 1.0);
  EXPECT_EQ(a.strokeWidth, 4);
  EXPECT_EQ(a.lineJoin, ai::line_join::kRound);
  EXPECT_EQ(art[0]->svg.fillOpacity, 0.5);
  EXPECT_EQ(art[0]->svg.residualStyle, "marker:none");
  EXPECT_EQ(art[1]->style.fillPaint, 0);
  EXPECT_EQ(art[1]->style.dash.count, 6);  // more than six values: the first six are kept
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_TRUE(art[1]->hidden());
  EXPECT_EQ(art[2]->style.dash.count, 6);  // an odd list repeats once
  EXPECT_EQ(art[2]->style.dash.values[3], 1);
  EXPECT_TRUE(art[2]->hidden());
  EXPECT_EQ(art[2]->style.miterLimit, 10);
  EXPECT_EQ(art[2]->style.lineCap, ai::line_cap::kSquare);
  // SVG's initial values.
  const auto plain = ReadBody("<path d='M0 0'/>");
  const ai::PathStyle& d = Only(*plain).style;
  EXPECT_EQ(d.fillPaint, 1);
  EXPECT_EQ(d.strokePaint, 0);
  EXPECT_EQ(d.strokeWidth, 1);
  EXPECT_EQ(d.miterLimit, 4);
}

TEST(SvgReader, LayersAndTheImplicitLayer) {
  const auto doc = ReadBody(
      "<path id='loose' d='M0 0'/>"
      "<g inkscape:groupmode='layer' inkscape:label='Back' style='display:none'><path d='M0 0'/></g>"
      "<g vx:layer='Front' vx:locked='1'><path id='a' d='M0 0'/><path id='b' d='M0 0'/></g>");
  const auto& layers = doc->layers();
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[0]->title, "Front");  // topmost first
  EXPECT_FALSE(layers[0]->editable);
  EXPECT_EQ(layers[1]->title, "Back");
  EXPECT_FALSE(layers[1]->visible);
  EXPECT_TRUE(layers[2]->implicit);
  EXPECT_EQ(layers[2]->group->firstChild->svg.id, "loose");
  EXPECT_EQ(layers[0]->group->firstChild->svg.id, "b");  // the art tree lists the topmost first
  vxtest::ExpectStableRoundTrip(*doc);
}

TEST(SvgReader, ClipPathMakesAClippedGroupWithTheClipFirst) {
  const auto doc = ReadBody(
      "<defs><clipPath id='c'><rect x='0' y='0' width='5' height='5' clip-rule='evenodd'/></clipPath></defs>"
      "<path id='p' d='M0 0 L10 10' clip-path='url(#c)' transform='translate(1 0)'/>"
      "<g id='g' clip-path='url(#c)'><path d='M0 0'/></g>");
  const auto art = TopArt(*doc);
  ASSERT_EQ(art.size(), 2u);
  EXPECT_TRUE(art[0]->clipped);
  const auto first = art[0]->Children();
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0]->style.clip, 1);
  EXPECT_EQ(first[0]->style.evenOdd, 1);
  EXPECT_EQ(first[0]->segments[1].anchor.x, 6);  // the clip follows the element's transform
  EXPECT_EQ(first[1]->svg.id, "p");
  EXPECT_EQ(art[1]->svg.id, "g");  // a clipped <g> is the clipped group itself
  EXPECT_TRUE(art[1]->clipped);
  EXPECT_EQ(art[1]->Children().size(), 2u);
  EXPECT_TRUE(doc->svg.prologue.empty());  // the used clip path is the art's now
  vxtest::ExpectStableRoundTrip(*doc);

  // Kept content that refers to a clip path keeps it.
  const auto kept = ReadBody(
      "<defs><clipPath id='c'><rect width='5' height='5'/></clipPath><mask id='m'><rect clip-path='url(#c)'/></mask>"
      "</defs><path d='M0 0h9v9z' clip-path='url(#c)'/>");
  ASSERT_EQ(kept->svg.prologue.size(), 1u);
  EXPECT_NE(kept->svg.prologue[0].find("<clipPath id=\"c\">"), std::string::npos);
  EXPECT_NE(kept->svg.prologue[0].find("<mask"), std::string::npos);
  vxtest::ExpectStableRoundTrip(*kept);
}

TEST(SvgReader, VerbatimArtKeepsElementMatrixAndInheritedStyle) {
  const auto doc = ReadBody(
      "<g fill='red' font-size='12' transform='translate(5 5)'>"
      "<text x='1' y='2' transform='scale(2)'>Hi <tspan>there</tspan></text>"
      "<use xlink:href='#x'/><image width='1' height='1'/><foo:bar xmlns:foo='urn:foo'/></g>");
  const auto art = vxtest::InSvgOrder(*TopArt(*doc)[0]);
  ASSERT_EQ(art.size(), 3u);  // the foreign element goes to the prologue
  EXPECT_EQ(art[0]->kind, ai::art_kind::kText);
  EXPECT_EQ(art[0]->verbatim, "<text x=\"1\" y=\"2\" transform=\"scale(2)\">Hi <tspan>there</tspan></text>");
  EXPECT_EQ(art[0]->matrix.tx, 5);  // its own transform stays in the element
  EXPECT_EQ(art[0]->matrix.a, 1);
  EXPECT_EQ(art[0]->inheritedStyle, "fill:red");
  EXPECT_EQ(TopArt(*doc)[0]->svg.attributes.at(0).first, "font-size");  // unknown: kept on the group
  EXPECT_EQ(art[1]->kind, ai::art_kind::kStyledRef);
  EXPECT_EQ(art[2]->kind, ai::art_kind::kOpaque);
  EXPECT_EQ(doc->svg.prologue.size(), 1u);
  vxtest::ExpectStableRoundTrip(*doc);
}

TEST(SvgReader, ContainersKeepTheirElement) {
  const auto doc = ReadBody("<a href='https://example.org'><path d='M0 0'/></a><switch><path d='M0 0'/></switch>");
  const auto art = TopArt(*doc);
  EXPECT_EQ(art[0]->kind, ai::art_kind::kContainer);
  EXPECT_EQ(art[0]->svg.element, "a");
  EXPECT_EQ(art[1]->svg.element, "switch");
  vxtest::ExpectStableRoundTrip(*doc);
}

TEST(SvgReader, GradientsInheritThroughHref) {
  const auto doc = ReadBody(
      "<defs><linearGradient id='base' x2='50%' spreadMethod='reflect'><stop offset='0' stop-color='red'/>"
      "<stop offset='40%' style='stop-color:#00f;stop-opacity:.5'/></linearGradient>"
      "<linearGradient id='user' xlink:href='#base' gradientUnits='userSpaceOnUse' x1='10' y1='20'"
      " gradientTransform='rotate(45)'/></defs><path d='M0 0h10v10z' fill='url(#user)'/>");
  ASSERT_EQ(doc->gradients().size(), 2u);
  const vxhost::Gradient& user = *doc->gradients()[1];
  EXPECT_FALSE(user.svg.objectBoundingBox);
  EXPECT_EQ(user.svg.x1, 10);
  EXPECT_EQ(user.svg.x2, 50);  // 50 % of the viewport's width (100 when the root gives no size) in user space
  EXPECT_EQ(user.svg.spreadMethod, "reflect");
  ASSERT_EQ(user.stops.size(), 2u);
  EXPECT_EQ(user.stops[1].rampPoint, 40);
  EXPECT_EQ(user.stops[1].opacity, 0.5);
  EXPECT_EQ(user.stops[1].color.c.three.blue, 1.0);
  const ai::ColorRecord& fill = Only(*doc).style.fillColor;
  ASSERT_EQ(fill.kind, ai::color_kind::kGradient);
  EXPECT_EQ(reinterpret_cast<const vxhost::Gradient*>(fill.c.gradient.gradient), &user);
  EXPECT_EQ(fill.c.gradient.matrix.d, -1);  // SVG space to document space
  vxtest::ExpectStableRoundTrip(*doc);
}

TEST(SvgReader, NotSvgOrNotXmlIsAnErrorWithItsPlace) {
  try {
    vxhost::svg::ReadSvg("<svg>\n  <path d='M0 0'>\n</svg>", "bad.svg");
    FAIL();
  } catch (const vxhost::svg::SvgError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("bad.svg:3:", 0), 0u) << error.what();
  }
  EXPECT_THROW(vxhost::svg::ReadSvg("<html/>", "page.html"), vxhost::svg::SvgError);
  EXPECT_THROW(vxhost::svg::ReadSvg("<svg xmlns='http://www.w3.org/2000/svg'><path", "cut.svg"),
               vxhost::svg::SvgError);
  EXPECT_THROW(vxhost::svg::ReadSvg("", "empty.svg"), vxhost::svg::SvgError);
}

}  // namespace
