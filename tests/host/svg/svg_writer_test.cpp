// Writing: documents built in code (as the plug-in builds them) come back from
// write -> read with the same content, colour kinds SVG lacks included.
#include <gtest/gtest.h>

#include "host/svg/svg_test_support.h"
#include "svg/svg_paint.h"

namespace {

vxhost::Art* AddPath(vxhost::Document& doc, vxhost::Art* parent, std::vector<ai::SegRecord> segments, bool closed) {
  vxhost::Art* path = doc.NewArt(ai::art_kind::kPath);
  path->segments = std::move(segments);
  path->closed = closed;
  path->style.fillPaint = 1;
  path->style.fillColor = vxhost::svg::ThreeColorRecord({0.1, 0.2, 0.3});  // off the byte grid
  path->style.strokeWidth = 1;
  path->style.miterLimit = 4;
  doc.Insert(path, ai::placement::kInsideAtBottom, parent);
  return path;
}

ai::SegRecord Seg(double x, double y, double hx, double hy) { return {{x, y}, {x - hx, y - hy}, {x + hx, y + hy}, 0, 0}; }

TEST(SvgWriter, ComputedDocumentsRoundTripExactly) {
  vxhost::Document doc;
  doc.colorModel = ai::color_model::kCMYK;
  doc.rulerUnit = ai::ruler_unit::kMillimeters;
  auto spot = std::make_unique<vxhost::CustomColor>();
  spot->name = "Deep Red 2";
  spot->components[1] = spot->components[2] = 1;
  vxhost::CustomColor* red = spot.get();
  doc.customColors().push_back(std::move(spot));

  vxhost::Art* root = doc.layers()[0]->group;
  vxhost::Art* a = AddPath(doc, root, {Seg(0.1, 1.0 / 3, 0.7, -0.2), Seg(1e-7, -2.5e12, 0, 0), Seg(5, 5, 1, 1)}, true);
  a->style.strokePaint = 1;
  a->style.strokeColor.kind = ai::color_kind::kFour;
  a->style.strokeColor.c.four = {0.1, 0.2, 0.3, 0.4};
  a->style.strokeWidth = 2.25;
  a->style.dash.count = 2;
  a->style.dash.values[0] = 3.3f;
  a->style.dash.values[1] = 1;
  a->style.dash.offset = 0.5f;
  a->style.lineCap = ai::line_cap::kRound;
  a->opacity = 0.3;
  a->svg.fillOpacity = 0.25;
  vxhost::Art* b = AddPath(doc, root, {Seg(1, 1, 0, 0), Seg(2, 1, 0, 0)}, false);
  b->style.fillColor.kind = ai::color_kind::kGray;
  b->style.fillColor.c.gray.gray = 0.25;
  b->userAttributes |= ai::art_attr::kHidden;
  vxhost::Art* c = AddPath(doc, root, {Seg(3, 3, 0, 0), Seg(4, 3, 0, 0), Seg(3, 3, 0, 0)}, true);
  c->style.fillColor.kind = ai::color_kind::kCustom;
  c->style.fillColor.c.custom = {reinterpret_cast<ai::CustomColorHandle>(red), 0.3};

  vxhost::Art* group = doc.NewArt(ai::art_kind::kGroup);
  doc.Insert(group, ai::placement::kInsideOnTop, root);
  group->clipped = true;
  vxhost::Art* clip = AddPath(doc, group, {Seg(0, 0, 0, 0), Seg(9, 0, 0, 0), Seg(9, 9, 0, 0)}, true);
  clip->style = ai::PathStyle{};
  clip->style.clip = 1;
  clip->style.strokeWidth = 1;
  clip->style.miterLimit = 4;
  // Open paths keep curve handles; their outer ends sit on the anchors (SVG has no place for them).
  AddPath(doc, group, {Seg(-1, -1, 0, 0), Seg(10, 10, 0, 0)}, false)->segments[0].out = {2, 0};

  vxhost::Art* live = doc.NewArt(ai::art_kind::kPluginGroup);
  doc.Insert(live, ai::placement::kInsideOnTop, root);
  live->live->groupName = "Live Neon";
  live->live->dataType = 1;
  live->live->dataSubtype = 0;
  live->live->data = "A\t0.5\nB\t3\n<&>\"'";
  AddPath(doc, live->editGroup, {Seg(0, 0, 0, 0), Seg(1, 1, 0, 0)}, false);
  AddPath(doc, live->resultGroup, {Seg(0, 0, 0, 0), Seg(2, 2, 0, 0)}, false);

  vxhost::Layer* top = doc.AddLayer("Über & <more>", 0);
  AddPath(doc, top->group, {Seg(7, 7, 0.5, 0.5)}, true);

  vxtest::ExpectStableRoundTrip(doc);
  const std::string written = vxhost::svg::WriteSvg(doc);
  EXPECT_NE(written.find("vx:stroke=\"cmyk 0.1 0.2 0.3 0.4\""), std::string::npos) << written;
  EXPECT_NE(written.find("vx:fill=\"spot Deep Red 2 0.3\""), std::string::npos);
  EXPECT_NE(written.find("vx:fill=\"rgb 0.1 0.2 0.3\""), std::string::npos);
  EXPECT_NE(written.find("<g vx:role=\"edit\" display=\"none\">"), std::string::npos);
}

TEST(SvgWriter, GradientPlacementOfTransformedArtSurvives) {
  // A box-unit gradient on rotated art: the writer places a copy of it; reading
  // that back gives the same gradient and placement.
  const auto doc = vxtest::ReadBody(
      "<defs><linearGradient id='g'><stop offset='0' stop-color='#000'/><stop offset='1' stop-color='#fff'/>"
      "</linearGradient></defs><path d='M0 0h10v5h-10z' fill='url(#g)' transform='rotate(30) translate(3 4)'/>");
  const std::string written = vxhost::svg::WriteSvg(*doc);
  EXPECT_NE(written.find("vx:placed=\"1\""), std::string::npos) << written;
  EXPECT_NE(written.find("vx:fill=\"gradient g "), std::string::npos);
  vxtest::ExpectStableRoundTrip(*doc);
}

TEST(SvgWriter, RootStyleIsTheBaseline) {
  // What the root element paints reaches every path; the writer says "none" where needed.
  const auto doc = vxhost::svg::ReadSvg(
      vxtest::SvgDocument("<path d='M0 0h1v1z' stroke='none'/><path d='M0 0h1v1z' stroke-width='1'/>",
                          " stroke='red' stroke-width='3'"),
      "root.svg");
  const auto art = vxtest::TopArt(*doc);
  EXPECT_EQ(art[0]->style.strokePaint, 0);
  EXPECT_EQ(art[1]->style.strokeWidth, 1);
  vxtest::ExpectStableRoundTrip(*doc);
}

}  // namespace
