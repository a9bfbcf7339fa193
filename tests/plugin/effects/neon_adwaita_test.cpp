// Live Neon on real icons nobody here drew: each icon's paths get a stroke (as a
// person adds one before applying a glow), the palette applies the effect to
// everything, and the written file renders, reads back live, and rebuilds to
// the same art.
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "document/document_compare.h"
#include "platform/ui/dialog.h"
#include "plugin/ui/palette_fixture.h"
#include "support/adwaita_icons.h"
#include "support/art_builder.h"
#include "support/png_compare.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;
constexpr size_t kIconCount = 50;


void Stroke(vxhost::Document& document) {
  document.ForEachArt([](vxhost::Art* art) {
    if (art->kind != ai::art_kind::kPath) return;
    art->style.strokePaint = 1;
    art->style.strokeWidth = 1.5;
    art->style.strokeColor.kind = ai::color_kind::kThree;
    art->style.strokeColor.c.three = {0.1, 0.3, 1.0};
  });
}

size_t CountLive(const vxhost::Document& document) {
  size_t count = 0;
  document.ForEachArt([&](vxhost::Art* art) { count += art->kind == ai::art_kind::kPluginGroup; });
  return count;
}

class NeonAdwaita : public vxtest::PaletteTest {};

TEST_F(NeonAdwaita, IconsRenderReadBackLiveAndRebuildTheSame) {
  const std::vector<fs::path> icons = vxtest::SpreadAdwaitaIcons(kIconCount);
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed; scripts/setup installs it";
  const bool render = vxtest::HaveRsvgConvert();
  std::string pattern = (fs::temp_directory_path() / "vx-neon-adwaita-XXXXXX").string();
  const fs::path dir = mkdtemp(pattern.data());
  const std::vector<std::string> menu{"VELLUMiX4", "Live ネオン"};
  size_t withCopies = 0;
  for (const fs::path& icon : icons) {
    SCOPED_TRACE(icon.string());
    host.CloseDocument();
    vxhost::Document& open = host.OpenDocument(vxhost::svg::ReadSvgFile(icon.string()));
    Stroke(open);
    // Select All: every object with everything inside it.
    open.ForEachArt([](vxhost::Art* art) { art->userAttributes |= ai::art_attr::kSelected; });
    ASSERT_EQ(ChooseMenu(menu), ai::kNoError);
    vxhost::Panel* palette = host.panels().FindByIdentifier("__KwDL_VELLUMiX4PG_v46_PrefsPrefix__");
    ASSERT_NE(palette, nullptr);
    platform::ui::Dialog* dialog = nullptr;
    for (platform::ui::Dialog* d : host.desktop().Dialogs())
      if (d->Parent() == palette->inside) dialog = d;
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(user.Click(*dialog, 1425), 0);
    ASSERT_EQ(ChooseMenu(menu), ai::kNoError);  // closes the palette
    const size_t live = CountLive(open);
    ASSERT_GT(live, 0u);
    open.ForEachArt([&](vxhost::Art* art) {
      if (art->kind == ai::art_kind::kPluginGroup && art->resultGroup->firstChild != nullptr &&
          art->resultGroup->firstChild->firstChild != nullptr)
        ++withCopies;
    });

    const std::string written = (dir / icon.filename()).string();
    vxhost::svg::WriteSvgFile(open, written);
    if (render) {
      EXPECT_TRUE(vxtest::RenderSvg(written, written + ".png", 64));
    }

    // Read back: live again; rebuilding every object from its source gives the same art.
    auto before = vxhost::svg::ReadSvgFile(written);
    EXPECT_EQ(CountLive(*before), live);
    host.CloseDocument();
    vxhost::Document& reread = host.OpenDocument(vxhost::svg::ReadSvgFile(written));
    reread.ForEachArt([&](vxhost::Art* art) {
      if (art->kind == ai::art_kind::kPluginGroup) reread.MarkLiveChanged(art);
    });
    ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    EXPECT_EQ(vxhost::CompareDocuments(*before, reread), "");
  }
  EXPECT_GT(withCopies, icons.size()) << "most objects show a stack of copies";
  fs::remove_all(dir);
}

}  // namespace
