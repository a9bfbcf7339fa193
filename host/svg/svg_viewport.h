// Viewports of SVG: the size percentages refer to, viewBox and
// preserveAspectRatio, as the root, nested <svg> elements and the symbols
// that <use> shows establish them.
#pragma once

#include <cmath>
#include <string_view>

#include "frame/host/art_records.h"

namespace vxhost::svg {

struct Viewport {
  double width = 100;
  double height = 100;
  // What a percentage of neither axis (a radius, a stroke width) refers to.
  double Diagonal() const { return std::sqrt((width * width + height * height) / 2); }
};

enum class Axis { kX, kY, kOther };

// A length (number with an absolute unit) or a percentage of the viewport
// along `axis`, in user units.
bool ParseLengthIn(std::string_view text, const Viewport& viewport, Axis axis, double& value);

struct ViewBox {
  double x = 0, y = 0, width = 0, height = 0;
};
// "min-x min-y width height"; false when it is malformed or its size is not
// positive (SVG then ignores it).
bool ParseViewBox(std::string_view text, ViewBox& box);

// The matrix that shows `box` in the viewport rectangle (x, y, width, height)
// as `preserveAspectRatio` says ("xMidYMid meet" when empty or malformed).
ai::RealMatrix ViewBoxTransform(const ViewBox& box, std::string_view preserveAspectRatio, double x, double y,
                                double width, double height);

// The viewport the root element establishes: its viewBox's size, else its
// width and height (100 user units where they are missing or relative).
Viewport RootViewport(std::string_view viewBox, std::string_view width, std::string_view height);

}  // namespace vxhost::svg
