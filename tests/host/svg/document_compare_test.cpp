// The comparison that round-trip tests rely on must see every kind of change.
#include <gtest/gtest.h>

#include <cmath>

#include "host/svg/svg_test_support.h"

namespace {

const char* kBody =
    "<g id='g'><path id='p' d='M0 0 C1 1 2 2 3 3' fill='#123456' stroke='red'/>"
    "<text>t</text></g><path d='M0 0h1v1z M5 5h1v1z'/>";

TEST(DocumentCompare, SameContentIsEqualAndEveryChangeIsFound) {
  const auto a = vxtest::ReadBody(kBody);
  const auto b = vxtest::ReadBody(kBody);
  EXPECT_EQ(vxhost::CompareDocuments(*a, *b), "");

  vxhost::Art* path = vxtest::InSvgOrder(*vxtest::TopArt(*b)[0])[0];
  path->segments[1].in.x = std::nextafter(path->segments[1].in.x, 10.0);  // one bit
  EXPECT_NE(vxhost::CompareDocuments(*a, *b).find("art 1 (path #p) > segment 1 in.x"), std::string::npos)
      << vxhost::CompareDocuments(*a, *b);
  path->segments[1].in.x = 2;  // back: -(-2) is bit-equal to the read value
  EXPECT_EQ(vxhost::CompareDocuments(*a, *b), "");

  path->style.strokeColor.c.three.green = 0.5;
  EXPECT_NE(vxhost::CompareDocuments(*a, *b).find("stroke colour green"), std::string::npos);
  path->style.strokeColor.c.three.green = 0;
  path->userAttributes |= ai::art_attr::kSelected;  // selection is not content
  EXPECT_EQ(vxhost::CompareDocuments(*a, *b), "");
  path->userAttributes |= ai::art_attr::kHidden;
  EXPECT_NE(vxhost::CompareDocuments(*a, *b), "");
  path->userAttributes = 0;

  vxhost::Art* text = vxtest::InSvgOrder(*vxtest::TopArt(*b)[0])[1];
  text->verbatim = "<text>u</text>";
  EXPECT_NE(vxhost::CompareDocuments(*a, *b).find("verbatim"), std::string::npos);
  text->verbatim = "<text>t</text>";

  vxhost::Art* compound = vxtest::TopArt(*b)[1];
  b->Dispose(compound->lastChild);
  EXPECT_NE(vxhost::CompareDocuments(*a, *b).find("child count"), std::string::npos);
}

}  // namespace
