#include "render/pixels.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vxcli::render {

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

}  // namespace vxcli::render
