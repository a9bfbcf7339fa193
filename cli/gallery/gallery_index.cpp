#include "gallery/gallery_index.h"

#include "gallery/sample_art.h"

namespace vxcli::gallery {
namespace {

std::string Caption(const GalleryPage& page) {
  std::string settings;
  for (const std::string& set : page.sets) settings += (settings.empty() ? "" : " ") + set;
  std::string text = "<figcaption><strong>" + XmlEscape(page.title) + "</strong>";
  if (!page.note.empty()) text += "<br>" + XmlEscape(page.note);
  if (!settings.empty()) text += "<br><code>" + XmlEscape(settings) + "</code>";
  return text + "</figcaption>";
}

}  // namespace

std::string IndexHtml(const std::vector<IndexEntry>& entries) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>VELLUMiX4 gallery</title>\n<style>\n"
      "body { font: 14px/1.4 sans-serif; margin: 2em; color: #222; background: #f4f4f6; }\n"
      "section { margin-bottom: 3em; }\n"
      ".pages { display: flex; flex-wrap: wrap; gap: 1.2em; }\n"
      "figure { margin: 0; width: 320px; background: #fff; border: 1px solid #ccd; padding: 8px; }\n"
      "figure img { display: block; width: 100%; height: auto; }\n"
      "figcaption { margin-top: 6px; }\n"
      "code { font-size: 12px; color: #445; }\n"
      "</style>\n</head>\n<body>\n<h1>VELLUMiX4 gallery</h1>\n"
      "<p>Every picture is a file made by <code>vellumix4 gallery</code> through the plug-in; "
      "click one to open its SVG. Settings are as typed into the palette.</p>\n";
  for (const GallerySection& section : GallerySections()) {
    std::string figures;
    for (const IndexEntry& entry : entries) {
      if (entry.page.section != section.id) continue;
      const std::string& picture = entry.png.empty() ? entry.svg : entry.png;
      figures += "<figure><a href=\"" + XmlEscape(entry.svg) + "\"><img src=\"" + XmlEscape(picture) + "\" alt=\"" +
                 XmlEscape(section.title + ": " + entry.page.title) + "\" style=\"background: " +
                 XmlEscape(section.background) + "\"></a>" + Caption(entry.page) + "</figure>\n";
    }
    if (figures.empty()) continue;
    html += "<section id=\"" + XmlEscape(section.id) + "\">\n<h2>" + XmlEscape(section.title) + "</h2>\n<p>" +
            XmlEscape(section.about) + "</p>\n<div class=\"pages\">\n" + figures + "</div>\n</section>\n";
  }
  return html + "</body>\n</html>\n";
}

}  // namespace vxcli::gallery
