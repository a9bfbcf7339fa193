#include "gallery/gallery_pages.h"

#include <cstdio>

#include "gallery/gallery_chapters.h"

namespace vxcli::gallery {

std::vector<GallerySection> GallerySections() {
  std::vector<GallerySection> sections;
  for (auto chapter : kChapters) sections.push_back(chapter().section);
  return sections;
}

std::vector<GalleryPage> GalleryPages() {
  std::vector<GalleryPage> pages;
  for (auto chapter : kChapters) {
    GalleryChapter made = chapter();
    for (GalleryPage& page : made.pages) {
      page.section = made.section.id;
      pages.push_back(std::move(page));
    }
  }
  return pages;
}

std::string PointText(const std::pair<double, double>& point) {
  char text[48];
  std::snprintf(text, sizeof text, "%g,%g", point.first, point.second);
  return text;
}

}  // namespace vxcli::gallery
