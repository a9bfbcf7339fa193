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

std::string Head(const std::string& title) {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + XmlEscape(title) +
         "</title>\n<style>\n"
         "body { font: 14px/1.4 sans-serif; margin: 2em; color: #222; background: #f4f4f6; }\n"
         "section { margin-bottom: 3em; }\n"
         "h2 a { color: inherit; }\n"
         ".pages { display: flex; flex-wrap: wrap; gap: 1.2em; }\n"
         "figure { margin: 0; width: 320px; background: #fff; border: 1px solid #ccd; padding: 8px; }\n"
         "figure img { display: block; width: 100%; height: auto; }\n"
         "figure.missing { border-color: #c00; }\n"
         "figure.missing::before { content: \"picture missing\"; color: #c00; font-weight: bold; }\n"
         "figcaption { margin-top: 6px; }\n"
         "code { font-size: 12px; color: #445; }\n"
         "</style>\n</head>\n<body>\n";
}

std::string Figures(const GallerySection& section, const std::vector<IndexEntry>& entries) {
  std::string figures;
  for (const IndexEntry& entry : entries) {
    if (entry.page.section != section.id) continue;
    const std::string& picture = entry.png.empty() ? entry.svg : entry.png;
    figures += "<figure><a href=\"" + XmlEscape(entry.svg) + "\"><img src=\"" + XmlEscape(picture) + "\" alt=\"" +
               XmlEscape(section.title + ": " + entry.page.title) + "\" style=\"background: " +
               XmlEscape(section.background) +
               "\" onerror=\"this.closest('figure').classList.add('missing')\"></a>" + Caption(entry.page) +
               "</figure>\n";
  }
  return figures;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> GalleryHtmlFiles(const std::vector<IndexEntry>& entries) {
  std::vector<std::pair<std::string, std::string>> files;
  std::string index = Head("VELLUMiX4 gallery") +
                      "<h1>VELLUMiX4 gallery</h1>\n"
                      "<p>Every picture is a file made by <code>vellumix4 gallery</code> through the plug-in; "
                      "click one to open its SVG, or a title for the page of that effect or tool. Settings are as "
                      "typed into the palette.</p>\n";
  for (const GallerySection& section : GallerySections()) {
    const std::string figures = Figures(section, entries);
    if (figures.empty()) continue;
    const std::string page = section.id + ".html";
    index += "<section id=\"" + XmlEscape(section.id) + "\">\n<h2><a href=\"" + XmlEscape(page) + "\">" +
             XmlEscape(section.title) + "</a></h2>\n<p>" + XmlEscape(section.about) +
             "</p>\n<div class=\"pages\">\n" + figures + "</div>\n</section>\n";
    files.emplace_back(page, Head("VELLUMiX4: " + section.title) + "<p><a href=\"index.html\">VELLUMiX4 gallery</a></p>\n<h1>" +
                                 XmlEscape(section.title) + "</h1>\n<p>" + XmlEscape(section.about) +
                                 "</p>\n<div class=\"pages\">\n" + figures + "</div>\n</body>\n</html>\n");
  }
  files.insert(files.begin(), {"index.html", index + "</body>\n</html>\n"});
  return files;
}

}  // namespace vxcli::gallery
