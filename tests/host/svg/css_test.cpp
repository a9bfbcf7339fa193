// The CSS subset: declarations, style sheets, selectors and their matching, and
// the cascade applied to a parsed file.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "svg/css.h"
#include "svg/svg_cascade.h"

namespace {

namespace css = vxhost::svg::css;

TEST(Css, DeclarationsKeepStringsAndParenthesesWholeAndNoteImportance) {
  const auto d = css::ParseDeclarations(
      " fill : red ! IMPORTANT ; font-family:'a;b' /* c:d; */; ;nocolon; marker:url(\"#m;1\") ;stroke:x!important");
  ASSERT_EQ(d.size(), 4u);
  EXPECT_EQ(d[0].property, "fill");
  EXPECT_EQ(d[0].value, "red");
  EXPECT_TRUE(d[0].important);
  EXPECT_EQ(d[1].value, "'a;b'");
  EXPECT_FALSE(d[1].important);
  EXPECT_EQ(d[2].value, "url(\"#m;1\")");
  EXPECT_TRUE(d[3].important);
  EXPECT_EQ(d[3].value, "x");
}

TEST(Css, SheetsKeepWhatTheSubsetDoesNotMatch) {
  css::StyleSheet sheet;
  css::ParseStyleSheet(
      "<!-- @import url(a.css); .a, rect:hover, g + b, #x { fill: red } /* } */"
      "@media print { rect { fill: blue } } path{stroke:\"}\"} -->",
      sheet);
  ASSERT_EQ(sheet.rules.size(), 2u);
  EXPECT_EQ(sheet.rules[0].selectors.size(), 2u);  // .a and #x
  EXPECT_EQ(sheet.rules[1].declarations.at(0).value, "\"}\"");
  EXPECT_EQ(sheet.rules[1].order, 1u);
  EXPECT_EQ(sheet.kept, "@import url(a.css);\nrect:hover, g + b { fill: red }\n@media print { rect { fill: blue } }");
}

TEST(Css, SelectorsAndSpecificity) {
  css::Selector s;
  ASSERT_TRUE(css::ParseSelector("svg  g>rect.a.b#i", s));
  EXPECT_EQ(s.compounds.size(), 3u);
  EXPECT_EQ(s.combinators, (std::vector<char>{' ', '>'}));
  EXPECT_EQ(s.specificity, (1u << 16) | (2u << 8) | 3u);
  ASSERT_TRUE(css::ParseSelector("*", s));
  EXPECT_EQ(s.specificity, 0u);
  for (const char* beyond : {"", "a:first-child", "a[x]", "a + b", "a ~ b", "svg|a", ".1a", "a >", "> a", "#", "a,b"})
    EXPECT_FALSE(css::ParseSelector(beyond, s)) << beyond;
}

TEST(Css, MatchingTriesEveryAncestorAChainCouldStartFrom) {
  // root > g.x > g > rect: "g.x > g rect" needs the child step from the right ancestor.
  const std::vector<css::ElementFacts> path = {
      {"svg", "", ""}, {"g", "", "x"}, {"g", "", "y"}, {"g", "", ""}, {"rect", "r", "a b"}};
  auto matches = [&](const char* text) {
    css::Selector s;
    EXPECT_TRUE(css::ParseSelector(text, s)) << text;
    return css::Matches(s, path);
  };
  EXPECT_TRUE(matches("g.x > g rect"));
  EXPECT_TRUE(matches("svg > g g > rect.b#r"));
  EXPECT_TRUE(matches("* .a"));
  EXPECT_FALSE(matches("g.x > rect"));
  EXPECT_FALSE(matches("svg > g > g > rect"));  // rect's parent is the third g, not the second
  EXPECT_FALSE(matches("rect.c"));
  EXPECT_FALSE(matches("#r#s"));
  EXPECT_FALSE(matches("g.y > g.x rect"));
}

TEST(Css, TheCascadeWritesOneStyleAttributeAndKeepsTheRestOfTheSheet) {
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(
      "<svg><style>rect { fill: red; stroke: blue } .a { fill: green } #r { fill: navy !important }"
      " rect:hover { fill: pink }</style>"
      "<g class='a'><rect id='r' class='a' fill='black' style='fill: white !important; stroke: gray'/></g>"
      "<rect style='stroke-width: 2 !important'/></svg>"));
  vxhost::svg::ApplyStyleSheets(doc.document_element(), "", 16);
  const pugi::xml_node svg = doc.document_element();
  EXPECT_STREQ(svg.child("style").child_value(), "\nrect:hover { fill: pink }\n");
  // The attribute's important declaration wins over the sheet's; its normal one over normal rules.
  EXPECT_STREQ(svg.child("g").child("rect").attribute("style").value(), "fill:white;stroke:gray");
  EXPECT_STREQ(svg.child("g").attribute("style").value(), "fill:green");
  EXPECT_STREQ(svg.child("g").child("rect").attribute("fill").value(), "black");  // below everything, kept
  EXPECT_STREQ(svg.child("rect").attribute("style").value(), "fill:red;stroke:blue;stroke-width:2");
}

}  // namespace
