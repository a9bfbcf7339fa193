// PNG images read into memory and compared pixel by pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vxcli::render {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // 8 bits a channel, not premultiplied
};

// False when the file is missing or no PNG.
bool ReadPng(const std::string& path, Image& image);

// Two renderings of one drawing agree when at most this share of their pixels
// differ by more than kChannelTolerance (of 255) in some channel.
inline constexpr int kChannelTolerance = 24;
inline constexpr double kPixelShareTolerance = 0.005;

struct PixelDifference {
  int differing = 0;  // pixels with a channel apart by more than the threshold
  int total = 0;
  int largest = 0;    // the largest channel difference
  double Share() const { return total == 0 ? 0.0 : static_cast<double>(differing) / total; }
  bool WithinTolerance() const { return Share() <= kPixelShareTolerance; }
};
// Images of different sizes differ in every pixel.
PixelDifference ComparePixels(const Image& a, const Image& b, int threshold);

}  // namespace vxcli::render
