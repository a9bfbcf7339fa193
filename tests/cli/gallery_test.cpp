// vellumix4 gallery: the files it writes, the page that shows them, and what
// each page holds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "gallery/gallery_chapters.h"
#include "support/png_compare.h"
#include "support/run_cli.h"
#include "support/settings_home.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const vxhost::Art* ById(const vxhost::Document& document, const std::string& id) {
  const vxhost::Art* found = nullptr;
  document.ForEachArt([&](const vxhost::Art* art) {
    if (found == nullptr && art->svg.id == id) found = art;
  });
  return found;
}

// The gallery is written once for the tests of this suite.
class GalleryCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-gallery-XXXXXX").string();
    dir_ = new fs::path(mkdtemp(pattern.data()));
    home_ = new vxtest::ScopedSettingsHome;
    run_ = new vxtest::CommandRun(vxtest::RunVellumix4(
        "gallery -o " + (*dir_ / "out").string() + " 2>" + (*dir_ / "stderr.txt").string(),
        false));
  }
  static void TearDownTestSuite() {
    fs::remove_all(*dir_);
    delete run_;
    delete home_;
    delete dir_;
  }

  static fs::path out() { return *dir_ / "out"; }
  static std::string err() { return ReadText(*dir_ / "stderr.txt"); }

  static fs::path* dir_;
  static vxtest::ScopedSettingsHome* home_;
  static vxtest::CommandRun* run_;
};
fs::path* GalleryCli::dir_ = nullptr;
vxtest::ScopedSettingsHome* GalleryCli::home_ = nullptr;
vxtest::CommandRun* GalleryCli::run_ = nullptr;

size_t PageCount() {
  size_t pages = 0;
  for (auto chapter : vxcli::gallery::kChapters) pages += chapter().pages.size();
  return pages;
}

TEST_F(GalleryCli, WritesEveryPageAndAnIndexThatReferencesOnlyThem) {
  ASSERT_EQ(run_->status, 0) << err();
  EXPECT_EQ(run_->output, (out() / "index.html").string() + "\n") << "stdout says where to open it";
  EXPECT_NE(err().find("vellumix4: gallery: warp-shape-07\n"), std::string::npos) << err();

  const std::string index = ReadText(out() / "index.html");
  std::set<std::string> referenced;
  const std::regex reference("(?:href|src)=\"([^\"]+)\"");
  for (auto it = std::sregex_iterator(index.begin(), index.end(), reference); it != std::sregex_iterator(); ++it)
    referenced.insert((*it)[1]);
  for (const std::string& file : referenced) EXPECT_TRUE(fs::exists(out() / file)) << file;

  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(out())) written.insert(entry.path().filename().string());
  // Every page of every chapter, SVG and PNG each, the index and a web page
  // per chapter.
  const size_t pages = PageCount();
  EXPECT_EQ(written.size(), (vxtest::HaveRsvgConvert() ? 2 : 1) * pages + 1 + std::size(vxcli::gallery::kChapters))
      << "no temporary files are left";
  for (const std::string& file : written) {
    if (file != "index.html") {
      EXPECT_TRUE(referenced.count(file)) << file << " is shown or linked";
    }
  }
  // A chapter's page shows its pictures and links each to its SVG.
  const std::string neon = ReadText(out() / "neon.html");
  EXPECT_NE(neon.find("<a href=\"neon-3-tracks.svg\">"), std::string::npos);
  EXPECT_NE(neon.find("<code>tracks=3</code>"), std::string::npos);
  EXPECT_EQ(neon.find("warp-shape"), std::string::npos) << "only its own chapter";
  EXPECT_NE(index.find("<code>shadowOn=1 shadowOffset=4</code>"), std::string::npos) << "captions give the settings";
  EXPECT_NE(index.find("<code>shape=21</code>"), std::string::npos);
}

TEST(GalleryPages, ToolPagesAreMadeBySessionFilesThatReadBack) {
  for (auto chapter : vxcli::gallery::kChapters) {
    for (const vxcli::gallery::GalleryPage& page : chapter().pages) {
      if (page.kind != vxcli::gallery::PageKind::kTool) continue;
      EXPECT_FALSE(page.session.empty()) << page.name << " is not made by a session file";
      EXPECT_FALSE(page.subject.empty()) << page.name;
      EXPECT_GE(page.drag.size(), 2u) << page.name << ": a press and a drag at least";
    }
  }
}

TEST_F(GalleryCli, EverySvgReadsBackAndEveryPngHasItsSize) {
  ASSERT_EQ(run_->status, 0) << err();
  int svgs = 0;
  for (const auto& entry : fs::directory_iterator(out())) {
    if (entry.path().extension() != ".svg") continue;
    ++svgs;
    SCOPED_TRACE(entry.path().filename().string());
    std::unique_ptr<vxhost::Document> document;
    ASSERT_NO_THROW(document = vxhost::svg::ReadSvgFile(entry.path().string()));
    const fs::path png = fs::path(entry.path()).replace_extension(".png");
    if (!vxtest::HaveRsvgConvert()) continue;
    vxtest::Image image;
    ASSERT_TRUE(vxtest::ReadPng(png.string(), image));
    double width = 0;
    for (const auto& [name, value] : document->svg.rootAttributes)
      if (name == "width") width = std::stod(value);
    EXPECT_EQ(image.width, static_cast<int>(2 * width)) << "two pixels per unit";
  }
  EXPECT_EQ(svgs, static_cast<int>(PageCount()));
}

TEST_F(GalleryCli, NeonPagesHoldRebuiltLiveObjects) {
  ASSERT_EQ(run_->status, 0) << err();
  const auto plain = vxhost::svg::ReadSvgFile((out() / "neon-default.svg").string());
  const auto shadow = vxhost::svg::ReadSvgFile((out() / "neon-shadow.svg").string());
  for (const char* id : {"neon-wave", "neon-star", "neon-ring"}) {
    SCOPED_TRACE(id);
    const vxhost::Art* live = ById(*plain, id);
    ASSERT_NE(live, nullptr);
    ASSERT_EQ(live->kind, ai::art_kind::kPluginGroup);
    ASSERT_NE(live->resultGroup->firstChild, nullptr) << "drawn by the plug-in";
    const size_t copies = live->resultGroup->firstChild->Children().size();
    EXPECT_GT(copies, 5u);
    const vxhost::Art* shadowed = ById(*shadow, id);
    ASSERT_NE(shadowed, nullptr);
    EXPECT_EQ(shadowed->resultGroup->firstChild->Children().size(), 2 * copies) << "a shadow under each copy";
  }
  EXPECT_EQ(ById(*plain, "neon-star")->resultGroup->firstChild->firstChild->style.strokeColor.kind,
            ai::color_kind::kFour)
      << "the star glows in CMYK";
}

TEST_F(GalleryCli, EveryWarpShapeMovesTheArtAndAllShareOneCanvas) {
  ASSERT_EQ(run_->status, 0) << err();
  const auto source = vxhost::svg::ReadSvgFile((out() / "warp-source.svg").string());
  const vxhost::Art* band = ById(*source, "band-top");
  ASSERT_NE(band, nullptr);
  for (int shape = 0; shape < 22; ++shape) {
    const std::string name = std::string(shape < 10 ? "warp-shape-0" : "warp-shape-") + std::to_string(shape);
    SCOPED_TRACE(name);
    const auto warped = vxhost::svg::ReadSvgFile((out() / (name + ".svg")).string());
    EXPECT_EQ(warped->svg.rootAttributes, source->svg.rootAttributes) << "one canvas for the section";
    bool moved = false;
    for (const char* id : {"band-top", "band-middle", "band-bottom", "wave", "ring", "star"}) {
      const vxhost::Art* before = ById(*source, id);
      const vxhost::Art* after = ById(*warped, id);
      ASSERT_NE(after, nullptr) << id;
      moved = moved || after->segments.size() != before->segments.size() ||
              !std::equal(after->segments.begin(), after->segments.end(), before->segments.begin(),
                          [](const ai::SegRecord& a, const ai::SegRecord& b) {
                            return a.anchor.x == b.anchor.x && a.anchor.y == b.anchor.y;
                          });
    }
    EXPECT_TRUE(moved) << "the drag changed the art";
  }
}

TEST_F(GalleryCli, LeavesThePersonsSettingsAlone) {
  ASSERT_EQ(run_->status, 0) << err();
  EXPECT_FALSE(fs::exists(home_->settingsFolder())) << "the gallery works in a settings folder of its own";
}

// The gallery as a person opens it: index.html and one chapter's page in a
// real browser (headless Chromium), every picture loaded.
TEST_F(GalleryCli, OpensInARealBrowserWithEveryPictureLoaded) {
  ASSERT_EQ(run_->status, 0) << err();
  if (std::system("command -v chromium > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "chromium is not installed (scripts/setup installs it)";
  if (!vxtest::HaveRsvgConvert()) GTEST_SKIP() << "no PNG pictures without rsvg-convert";
  const std::string browser =
      "timeout 90 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --virtual-time-budget=3000 ";
  for (const char* page : {"index.html", "neon.html"}) {
    const std::string url = "file://" + (out() / page).string();
    const fs::path dom = *dir_ / (std::string(page) + ".dom");
    const fs::path shot = *dir_ / (std::string(page) + ".png");
    const int dumped = std::system((browser + "--dump-dom '" + url + "' > " + dom.string() + " 2>/dev/null").c_str());
    const std::string text = ReadText(dom);
    if (dumped != 0 || text.empty()) GTEST_SKIP() << "chromium could not start here (status " << dumped << ")";
    EXPECT_EQ(text.find("class=\"missing\""), std::string::npos) << page << ": a picture failed to load";
    EXPECT_NE(text.find("<img"), std::string::npos) << page;
    ASSERT_EQ(std::system((browser + "--window-size=1280,1600 --screenshot=" + shot.string() + " '" + url +
                           "' > /dev/null 2>&1")
                              .c_str()),
              0)
        << page;
    vxtest::Image image;
    ASSERT_TRUE(vxtest::ReadPng(shot.string(), image)) << page;
    EXPECT_EQ(image.width, 1280);
    // The pictures are drawn: far more colours than the page's text and background.
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 3 < image.rgba.size(); i += 4)
      colours.insert(image.rgba[i] << 16 | image.rgba[i + 1] << 8 | image.rgba[i + 2]);
    EXPECT_GT(colours.size(), 200u) << page << ": the screenshot shows no pictures";
  }
  // A broken picture is marked on the page: the browser sees the mark.
  const fs::path broken = *dir_ / "broken.html";
  std::ofstream(broken) << ReadText(out() / "neon.html").replace(ReadText(out() / "neon.html").find("neon-3-tracks.png"),
                                                                  17, "nowhere.png");
  fs::copy_file(out() / "neon-default.png", *dir_ / "neon-default.png", fs::copy_options::overwrite_existing);
  const fs::path dom = *dir_ / "broken.dom";
  std::system((browser + "--dump-dom 'file://" + broken.string() + "' > " + dom.string() + " 2>/dev/null").c_str());
  EXPECT_NE(ReadText(dom).find("class=\"missing\""), std::string::npos) << "a picture that fails is not marked";
}

TEST(GalleryCliMistakes, AreReportedWithTheirExitCodes) {
  vxtest::ScopedSettingsHome home;
  EXPECT_EQ(vxtest::RunVellumix4("gallery").status, 2) << "no -o";
  EXPECT_EQ(vxtest::RunVellumix4("gallery -o " + home.path() + "/g --no-such-option").status, 2);
  const std::string file = home.path() + "/file";
  std::ofstream(file) << "x";
  const vxtest::CommandRun run = vxtest::RunVellumix4("gallery -q -o " + file);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("cannot make the folder"), std::string::npos) << run.output;
}

}  // namespace
