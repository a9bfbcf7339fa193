// What the gallery shows: chapters, one per effect or tool, each a section of
// the index with the pages made on sample art and the settings each one uses.
// A chapter lives in cli/gallery/chapters/ beside the others; adding one means
// writing its file and naming it in gallery_chapters.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gallery/sample_art.h"

namespace vxhost {
class Document;
}

namespace vxcli {
class Session;
}

namespace vxcli::gallery {

enum class PageKind {
  kSample,      // the sample art as it is
  kLiveEffect,  // every sample object made a live object of `subject` with the page's settings
  kTool,        // `subject` dragged over all of the sample art with the page's settings
  kCustom,      // `make` works on the opened sample art
};

struct GalleryPage {
  std::string name;  // file stem, unique
  std::string section;
  PageKind kind;
  std::string title;
  std::vector<std::string> sets;  // FIELD=VALUE as typed into the palette
  std::string note;               // more words for the caption
  std::string subject;            // the effect or tool, as `vellumix4 effect|tool` names it
  std::function<std::vector<SampleObject>()> art;
  std::vector<std::pair<double, double>> drag;  // tool pages: SVG coordinates (y down)
  int16_t modifiers = 0;                        // tool pages: ai::modifier bits held
  std::function<void(Session&, vxhost::Document&, const GalleryPage&)> make;
  // Pages with the same canvas are drawn at one scale; empty means the whole
  // section's canvas. A page whose art grows far beyond the rest names its own.
  std::string canvas;
  // Tool pages: the session (cli/gallery/sessions/NAME.json) whose events make
  // the page; its tool, settings, drag and keys fill the fields above.
  std::string session;
};

struct GallerySection {
  std::string id;          // "neon", "warp"
  std::string title;
  std::string about;       // a sentence under the title
  std::string background;  // CSS colour the art is shown on
};

struct GalleryChapter {
  GallerySection section;
  std::vector<GalleryPage> pages;  // their `section` is filled in from the chapter's
};

std::vector<GallerySection> GallerySections();
std::vector<GalleryPage> GalleryPages();

// A tool page made by playing `session`: subject, settings, drag and keys
// come from its events. Throws std::runtime_error for a session that is not
// there or does not read.
GalleryPage ToolSessionPage(const std::string& session, std::string title, std::string note,
                            std::function<std::vector<SampleObject>()> art);

// A point of a drag as "x,y", for captions.
std::string PointText(const std::pair<double, double>& point);

}  // namespace vxcli::gallery
