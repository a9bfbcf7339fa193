#include "support/png_compare.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vxtest {

bool ReadPng(const std::string& path, Image& image) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_RGBA;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  image.rgba.resize(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
    png_image_free(&png);
    return false;
  }
  return true;
}

bool HaveRsvgConvert() { return std::system("rsvg-convert --version > /dev/null 2>&1") == 0; }

bool RenderSvg(const std::string& svgPath, const std::string& pngPath, int size) {
  const std::string command = "rsvg-convert -w " + std::to_string(size) + " -h " + std::to_string(size) + " '" +
                              svgPath + "' -o '" + pngPath + "' 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

PixelDifference ComparePixels(const Image& a, const Image& b, int threshold) {
  PixelDifference difference;
  if (a.width != b.width || a.height != b.height) {
    difference.differing = difference.total = std::max(a.width * a.height, b.width * b.height);
    difference.largest = 255;
    return difference;
  }
  difference.total = a.width * a.height;
  for (int i = 0; i < difference.total; ++i) {
    int largest = 0;
    for (int c = 0; c < 4; ++c) largest = std::max(largest, std::abs(a.rgba[4 * i + c] - b.rgba[4 * i + c]));
    difference.largest = std::max(difference.largest, largest);
    if (largest > threshold) ++difference.differing;
  }
  return difference;
}

}  // namespace vxtest
