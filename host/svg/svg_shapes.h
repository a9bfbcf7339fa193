// The basic shapes of SVG as segment runs in their own user space (y down).
// Each returns no subpath when SVG would draw nothing (a zero or negative size).
#pragma once

#include <string_view>
#include <vector>

#include "svg/path_data.h"

namespace vxhost::svg {

// rx or ry below zero means "not given" (the other one is used, as SVG says).
std::vector<Subpath> RectShape(double x, double y, double width, double height, double rx, double ry);
std::vector<Subpath> EllipseShape(double cx, double cy, double rx, double ry);
std::vector<Subpath> LineShape(double x1, double y1, double x2, double y2);
// A points list ("0,0 10,0 10,10"); an odd number of coordinates drops the last.
std::vector<Subpath> PolyShape(std::string_view points, bool closed);

}  // namespace vxhost::svg
