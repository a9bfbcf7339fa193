// Helpers for the SVG tests: reading snippets, finding art in SVG order.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_compare.h"
#include "svg/svg_io.h"

namespace vxtest {

inline std::string SvgDocument(const std::string& body, const std::string& rootAttributes = "") {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:vx=\"urn:vellumix4:svg\" "
         "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
         "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"" +
         rootAttributes + ">" + body + "</svg>";
}

inline std::unique_ptr<vxhost::Document> ReadBody(const std::string& body, std::vector<std::string>* notes = nullptr) {
  return vxhost::svg::ReadSvg(SvgDocument(body), "test.svg", notes);
}

// Children of art in SVG paint order (the art tree lists the topmost first).
inline std::vector<vxhost::Art*> InSvgOrder(const vxhost::Art& art) {
  std::vector<vxhost::Art*> children = art.Children();
  return {children.rbegin(), children.rend()};
}

// The art of the document's implicit layer, in SVG order.
inline std::vector<vxhost::Art*> TopArt(const vxhost::Document& document) {
  return InSvgOrder(*document.layers().back()->group);
}

// write -> read gives the same document and write -> read -> write the same text.
inline void ExpectStableRoundTrip(const vxhost::Document& document) {
  const std::string written = vxhost::svg::WriteSvg(document);
  const auto again = vxhost::svg::ReadSvg(written, "written.svg");
  EXPECT_EQ(vxhost::CompareDocuments(document, *again), "") << written;
  EXPECT_EQ(vxhost::svg::WriteSvg(*again), written);
}

}  // namespace vxtest
