// Rendering SVG with rsvg-convert and comparing the pixels of two renderings:
// the program's own rendering and comparison, under the names the tests use.
#pragma once

#include <string>

#include "render/pixels.h"

namespace vxtest {

using Image = vxcli::render::Image;
using PixelDifference = vxcli::render::PixelDifference;
using vxcli::render::ComparePixels;
using vxcli::render::ReadPng;

// Renders `svgPath` to `pngPath` at size x size pixels; false when rsvg-convert fails.
bool RenderSvg(const std::string& svgPath, const std::string& pngPath, int size);
bool HaveRsvgConvert();

}  // namespace vxtest
