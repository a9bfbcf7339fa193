// Files of the gallery: the canvas fitted around the art, PNG renderings made
// with rsvg-convert, and text files written whole or not at all.
#pragma once

#include <string>

#include "render/rsvg.h"

namespace vxhost {
class Document;
}

namespace vxcli::gallery {

// A box in SVG user coordinates (y down).
struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool empty = true;
  void Add(double x, double y);
  void Add(const Box& other);
};

// The box of the art a viewer shows: paths by their anchors and direction
// points widened by their stroke width, live objects by their results; hidden
// art and edit groups left out.
Box VisibleBounds(const vxhost::Document& document);

// Makes `box`, widened by `margin` on every side, the document's canvas: its
// viewBox, and its width and height at one pixel per unit.
void SetCanvas(vxhost::Document& document, const Box& box, double margin);

using RenderResult = render::RenderResult;

// Renders an SVG file to PNG at `zoom` pixels per unit over `background` (a CSS
// colour) with rsvg-convert. The PNG appears whole or not at all.
RenderResult RenderPng(const std::string& svgPath, const std::string& pngPath, const std::string& background,
                       double zoom);

// Writes `text` through a temporary file in the same folder renamed into
// place; throws std::runtime_error naming the file when it cannot.
void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace vxcli::gallery
