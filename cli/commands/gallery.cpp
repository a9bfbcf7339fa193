#include "commands/gallery.h"

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
#include "document/document.h"
#include "effects/neon/neon_params.h"
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

// Live Neon's parameter text: the defaults with the page's values typed in.
std::string NeonParameterText(const GalleryPage& page) {
  vx::NeonPGParams params{};
  vx::SetRecordDefaults(vx::kNeonPGParamsSpec, &params, "");
  for (const std::string& set : page.sets) {
    const size_t equals = set.find('=');
    const vx::FieldSpec* field =
        equals == std::string::npos ? nullptr : vx::FindField(vx::kNeonPGParamsSpec, set.substr(0, equals).c_str());
    std::string error;
    if (field == nullptr || !vx::SetFieldFromText(vx::kNeonPGParamsSpec, *field, &params, set.substr(equals + 1),
                                                  ai::ruler_unit::kPoints, &error))
      throw std::runtime_error(page.name + ": cannot set " + set + (error.empty() ? "" : ": " + error));
  }
  std::string text;
  vx::WriteRecordText(vx::kNeonPGParamsSpec, &params, "", text);
  return text;
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
  std::string svg;
  switch (page.kind) {
    case PageKind::kNeonSample: svg = gallery::PlainDocument(gallery::NeonSources()); break;
    case PageKind::kNeon:
      svg = gallery::LiveDocument(gallery::NeonSources(), RegisteredGroupName(session, vx::kNeonEffect),
                                  NeonParameterText(page));
      break;
    case PageKind::kToolSample:
    case PageKind::kWarp: svg = gallery::ToolSampleDocument(); break;
  }
  vxhost::Document& open = OpenReadDocument(session, Read(page, svg, err, quiet));
  if (page.kind == PageKind::kNeon) {
    const RegenerateSummary summary = RegenerateLiveObjects(session);
    if (!summary.kept.empty()) throw std::runtime_error(page.name + ": " + KeptMessage(summary.kept.front()));
  }
  if (page.kind == PageKind::kWarp) {
    SelectArt(open, {});
    ToolUse use;
    use.tool = "warp";
    for (const auto& [x, y] : gallery::WarpDrag()) use.points.push_back({x, -y});
    use.sets = page.sets;
    try {
      UseTool(session, use);
    } catch (const ToolUseError& error) {
      throw std::runtime_error(page.name + ": " + error.what());
    }
    open.ClearSelection();
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

  // The pages of a section share one canvas, so they compare at one scale.
  std::map<std::string, gallery::Box> canvases;
  for (const Made& page : made) canvases[page.page.section].Add(gallery::VisibleBounds(*page.document));

  bool png = !options.noPng;
  for (Made& page : made) {
    gallery::SetCanvas(*page.document, canvases[page.page.section], kCanvasMargin);
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
  gallery::WriteTextFile(index.string(), gallery::IndexHtml(entries));
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
