// Rendering SVG with rsvg-convert and comparing the pixels of two renderings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vxtest {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};

bool ReadPng(const std::string& path, Image& image);

// Renders `svgPath` to `pngPath` at size x size pixels; false when rsvg-convert fails.
bool RenderSvg(const std::string& svgPath, const std::string& pngPath, int size);
bool HaveRsvgConvert();

struct PixelDifference {
  int differing = 0;  // pixels with a channel apart by more than the threshold
  int total = 0;
  int largest = 0;    // the largest channel difference
};
PixelDifference ComparePixels(const Image& a, const Image& b, int threshold);

}  // namespace vxtest
