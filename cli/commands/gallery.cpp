#include "commands/gallery.h"

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "commands/regenerate.h"
#include "commands/tool.h"
#include "gallery/gallery_sessions.h"
#include "session_script.h"
#include "document/document.h"
#include "presets/record_registry.h"
#include "frame/effect_table.h"
#include "gallery/gallery_files.h"
#include "gallery/gallery_index.h"
#include "gallery/gallery_pages.h"
#include "gallery/sample_art.h"
#include "presets/field_values.h"
#include "svg/svg_io.h"

namespace vxcli {
namespace {

namespace fs = std::filesystem;
using gallery::GalleryPage;
using gallery::PageKind;

constexpr double kCanvasMargin = 12;
constexpr double kPngZoom = 2;

// Points $XDG_CONFIG_HOME at a folder of its own while it lives, so the plug-in
// starts from its shipped defaults and the tools' settings the gallery types in
// never become the user's last settings.
class PrivateSettingsHome {
 public:
  PrivateSettingsHome() {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
    std::string pattern = (fs::temp_directory_path() / "vellumix4-gallery-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary settings folder");
    path_ = pattern;
    setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
  }
  ~PrivateSettingsHome() {
    if (previous_) setenv("XDG_CONFIG_HOME", previous_->c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  PrivateSettingsHome(const PrivateSettingsHome&) = delete;
  PrivateSettingsHome& operator=(const PrivateSettingsHome&) = delete;

 private:
  std::string path_;
  std::optional<std::string> previous_;
};

// The name under which the running plug-in registered an effect's plugin group.
std::string RegisteredGroupName(Session& session, int16_t effectIndex) {
  const std::string stem = vx::EffectTable()[static_cast<size_t>(effectIndex)].groupStem;
  for (const auto& group : session.host().app().pluginGroups())
    if (group->name.rfind(stem, 0) == 0) return group->name;
  throw std::runtime_error("the plug-in registered no plugin group for " + stem);
}

// An effect's parameter text: its defaults with the page's values typed in.
std::string ParameterText(const vx::RecordKind& kind, const GalleryPage& page) {
  const vx::RecordSpec& spec = *kind.spec;
  std::vector<std::max_align_t> storage((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  vx::SetRecordDefaults(spec, storage.data(), "");
  for (const std::string& set : page.sets) {
    const size_t equals = set.find('=');
    const vx::FieldSpec* field = equals == std::string::npos ? nullptr : vx::FindField(spec, set.substr(0, equals).c_str());
    std::string error;
    if (field == nullptr ||
        !vx::SetFieldFromText(spec, *field, storage.data(), set.substr(equals + 1), ai::ruler_unit::kPoints, &error))
      throw std::runtime_error(page.name + ": cannot set " + set + (error.empty() ? "" : ": " + error));
  }
  std::string text;
  vx::WriteRecordText(spec, storage.data(), "", text);
  return text;
}

const vx::RecordKind& EffectKind(const GalleryPage& page) {
  const vx::RecordKind* kind = vx::FindKindByName(page.subject);
  if (kind == nullptr || kind->effectIndex < 0) throw std::runtime_error(page.name + ": no effect " + page.subject);
  return *kind;
}

std::unique_ptr<vxhost::Document> Read(const GalleryPage& page, const std::string& svg, std::ostream& err,
                                       bool quiet) {
  std::vector<std::string> notes;
  std::unique_ptr<vxhost::Document> document = vxhost::svg::ReadSvg(svg, page.name + ".svg", &notes);
  if (!quiet)
    for (const std::string& note : notes) err << "vellumix4: gallery: " << page.name << ": " << note << "\n";
  return document;
}

// Makes one page's document in the session: the sample art opened as a file
// is, then worked on through the plug-in as a person would.
std::unique_ptr<vxhost::Document> MakePage(Session& session, const GalleryPage& page, std::ostream& err,
                                           bool quiet) {
  const std::vector<gallery::SampleObject> art = page.art ? page.art() : std::vector<gallery::SampleObject>{};
  std::string svg;
  if (page.kind == PageKind::kLiveEffect) {
    const vx::RecordKind& kind = EffectKind(page);
    svg = gallery::LiveDocument(art, RegisteredGroupName(session, kind.effectIndex), ParameterText(kind, page));
  } else {
    svg = gallery::PlainDocument(art);
  }
  vxhost::Document& open = OpenReadDocument(session, Read(page, svg, err, quiet));
  switch (page.kind) {
    case PageKind::kSample: break;
    case PageKind::kLiveEffect: {
      const RegenerateSummary summary = RegenerateLiveObjects(session);
      if (!summary.kept.empty()) throw std::runtime_error(page.name + ": " + KeptMessage(summary.kept.front()));
      break;
    }
    case PageKind::kTool: {
      if (!page.session.empty()) {
        try {
          SessionPlayer player(session);
          player.Play(SessionFromJson(gallery::GallerySessionText(page.session)));
        } catch (const std::runtime_error& error) {
          throw std::runtime_error(page.name + ": " + error.what());
        }
        open.ClearSelection();
        break;
      }
      SelectArt(open, {});
      ToolUse use;
      use.tool = page.subject;
      for (const auto& [x, y] : page.drag) use.points.push_back({x, -y});
      use.modifiers = page.modifiers;
      use.sets = page.sets;
      try {
        SessionPlayer player(session);
        UseTool(player, use);
      } catch (const ToolUseError& error) {
        throw std::runtime_error(page.name + ": " + error.what());
      } catch (const SessionEventError& error) {
        throw std::runtime_error(page.name + ": " + error.what());
      }
      open.ClearSelection();
      break;
    }
    case PageKind::kCustom:
      if (page.make) page.make(session, open, page);
      break;
  }
  return session.host().CloseDocument();
}

struct Made {
  GalleryPage page;
  std::unique_ptr<vxhost::Document> document;
  gallery::IndexEntry entry;
};

int Run(const GalleryOptions& options, std::ostream& out, std::ostream& err) {
  const bool quiet = options.session.quiet;
  const std::vector<GalleryPage> pages = gallery::GalleryPages();

  const fs::path folder = fs::absolute(options.output);
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) throw std::runtime_error(folder.string() + ": cannot make the folder");

  std::vector<Made> made;
  {
    PrivateSettingsHome settings;
    Session session(options.session);
    for (const GalleryPage& page : pages) {
      if (!quiet) err << "vellumix4: gallery: " << page.name << "\n";
      made.push_back({page, MakePage(session, page, err, quiet), {}});
    }
  }

  // The pages of a section share one canvas, so they compare at one scale,
  // unless a page names a canvas of its own.
  const auto canvasOf = [](const GalleryPage& page) { return page.canvas.empty() ? page.section : page.canvas; };
  std::map<std::string, gallery::Box> canvases;
  for (const Made& page : made) canvases[canvasOf(page.page)].Add(gallery::VisibleBounds(*page.document));

  bool png = !options.noPng;
  for (Made& page : made) {
    gallery::SetCanvas(*page.document, canvases[canvasOf(page.page)], kCanvasMargin);
    const std::string svgName = page.page.name + ".svg", pngName = page.page.name + ".png";
    vxhost::svg::WriteSvgFile(*page.document, (folder / svgName).string());
    page.entry = {page.page, svgName, ""};
    if (!png) continue;
    std::string background = "#ffffff";
    for (const gallery::GallerySection& section : gallery::GallerySections())
      if (section.id == page.page.section) background = section.background;
    switch (gallery::RenderPng((folder / svgName).string(), (folder / pngName).string(), background, kPngZoom)) {
      case gallery::RenderResult::kWritten: page.entry.png = pngName; break;
      case gallery::RenderResult::kNoRenderer:
        err << "vellumix4: gallery: warning: rsvg-convert is not installed (librsvg2-bin); no PNG files written\n";
        png = false;
        break;
      case gallery::RenderResult::kFailed:
        err << "vellumix4: gallery: warning: rsvg-convert could not render " << svgName << "\n";
        break;
    }
  }

  std::vector<gallery::IndexEntry> entries;
  for (const Made& page : made) entries.push_back(page.entry);
  const fs::path index = folder / "index.html";
  for (const auto& [name, html] : gallery::GalleryHtmlFiles(entries))
    gallery::WriteTextFile((folder / name).string(), html);
  if (!quiet) err << "vellumix4: gallery: " << made.size() << " pages written to " << folder.string() << "\n";
  out << index.string() << "\n";
  return 0;
}

}  // namespace

int RunGallery(const GalleryOptions& options, std::ostream& out, std::ostream& err) {
  try {
    return Run(options, out, err);
  } catch (const std::runtime_error& error) {
    err << "vellumix4 gallery: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace vxcli
