#include "gallery/gallery_pages.h"

#include <stdexcept>

#include "gallery/gallery_sessions.h"
#include "session_script.h"

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

GalleryPage ToolSessionPage(const std::string& session, std::string title, std::string note,
                            std::function<std::vector<SampleObject>()> art) {
  const std::string_view text = GallerySessionText(session);
  if (text.empty()) throw std::runtime_error("the gallery has no session " + session);
  GalleryPage page{.name = session, .kind = PageKind::kTool, .title = std::move(title), .note = std::move(note),
                   .art = std::move(art), .session = session};
  using Kind = SessionEvent::Kind;
  for (const SessionEvent& event : SessionFromJson(text)) {
    if (event.kind == Kind::kToolSettings) page.sets = event.names;
    if (event.kind == Kind::kTool) page.subject = event.text;
    if (event.kind == Kind::kMouse && event.phase != "track" && event.phase != "up") {
      page.drag.emplace_back(event.at.x, -event.at.y);  // the file's coordinates, y down
      page.modifiers = event.modifiers;
    }
  }
  return page;
}

std::string PointText(const std::pair<double, double>& point) {
  char text[48];
  std::snprintf(text, sizeof text, "%g,%g", point.first, point.second);
  return text;
}

}  // namespace vxcli::gallery
