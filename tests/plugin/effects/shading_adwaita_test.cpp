// The shading effects on real icons nobody here drew: each icon's paths
// get a stroke, the palette applies the effect to everything, and the written
// file renders, reads back live, and rebuilt from its sources writes the same
// file again (clipping groups included).
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "plugin/effects/effect_palette_fixture.h"
#include "resources/control_ids.h"
#include "support/adwaita_icons.h"
#include "support/png_compare.h"
#include "svg/svg_io.h"

namespace {

namespace fs = std::filesystem;
constexpr size_t kIconCount = 50;


struct Case {
  const char* menu;
  std::vector<std::pair<int32_t, std::string>> typed;  // control, text
  std::vector<int32_t> clicked;
  bool clips = true;  // the effect makes clipping groups
};

class ShadingAdwaita : public vxtest::EffectPaletteTest, public ::testing::WithParamInterface<Case> {
 protected:
  ShadingAdwaita() : EffectPaletteTest(GetParam().menu) {}
};

TEST_P(ShadingAdwaita, IconsRenderReadBackLiveAndRebuildTheSame) {
  const std::vector<fs::path> icons = vxtest::SpreadAdwaitaIcons(kIconCount);
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed; scripts/setup installs it";
  const bool render = vxtest::HaveRsvgConvert();
  std::string pattern = (fs::temp_directory_path() / "vx-shading-adwaita-XXXXXX").string();
  const fs::path dir = mkdtemp(pattern.data());
  size_t clipped = 0;
  for (const fs::path& icon : icons) {
    SCOPED_TRACE(icon.string());
    host.CloseDocument();
    document = &host.OpenDocument(vxhost::svg::ReadSvgFile(icon.string()));
    document->ForEachArt([](vxhost::Art* art) {
      if (art->kind != ai::art_kind::kPath) return;
      art->style.strokePaint = 1;
      art->style.strokeWidth = 2;
      art->style.strokeColor.kind = ai::color_kind::kThree;
      art->style.strokeColor.c.three = {0.1, 0.3, 1.0};
    });
    SelectAll();
    ASSERT_EQ(OpenPalette(), ai::kNoError);
    user.Click(Palette(), vx::effect_button::kLiveUpdate);
    for (const auto& [control, text] : GetParam().typed) user.TypeAndLeave(Palette(), control, text);
    for (int32_t control : GetParam().clicked) user.Click(Palette(), control);
    ASSERT_EQ(user.Click(Palette(), vx::effect_button::kApply), 0);
    ASSERT_EQ(OpenPalette(), ai::kNoError);  // closes the palette
    ASSERT_FALSE(LiveObjects().empty());
    document->ForEachArt([&](vxhost::Art* art) { clipped += art->clipped; }, true);

    const std::string written = (dir / icon.filename()).string();
    vxhost::svg::WriteSvgFile(*document, written);
    if (render) {
      EXPECT_TRUE(vxtest::RenderSvg(written, written + ".png", 64));
    }
    const std::string text = vxhost::svg::WriteSvg(*document);

    host.CloseDocument();
    vxhost::Document& reread = host.OpenDocument(vxhost::svg::ReadSvgFile(written));
    size_t live = 0;
    reread.ForEachArt([&](vxhost::Art* art) {
      if (art->kind != ai::art_kind::kPluginGroup) return;
      ++live;
      reread.MarkLiveChanged(art);
    });
    EXPECT_GT(live, 0u) << "read back live";
    ASSERT_EQ(host.UpdateLiveObjects(), ai::kNoError);
    EXPECT_EQ(vxhost::svg::WriteSvg(reread), text);
    document = &reread;
  }
  if (GetParam().clips) {
    EXPECT_GT(clipped, icons.size()) << "the clipping groups were made and read back";
  }
  fs::remove_all(dir);
}

constexpr const char* kCaseNames[] = {"Shadow", "Border", "Emboss", "Cutout", "Circle", "Reflections", "Frame", "Tiling"};

INSTANTIATE_TEST_SUITE_P(
    Effects, ShadingAdwaita,
    ::testing::Values(Case{"Live シャドウ", {{vx::ctl::shadow::kTransparency, "40"}}, {}},
                      Case{"Live ボーダー", {}, {vx::ctl::border::kInside, vx::ctl::border::kShadow}},
                      Case{"Live エンボス", {{vx::ctl::emboss::kSteps, "3"}, {vx::ctl::emboss::kOffset, "2"}}, {}, false},
                      Case{"Live カットアウト", {{vx::ctl::cutout::kOffset, "2"}}, {}},
                      // Live Circle copies clipping groups only where an icon has them.
                      Case{"Live サークル",
                           {{vx::ctl::circle::kCount, "5"}, {vx::ctl::circle::kHeightRatio, "60"}},
                           {vx::ctl::circle::kKeepAngle},
                           false},
                      Case{"Live リフレクション", {}, {}, false},
                      Case{"Live フレーム",
                           {{vx::ctl::frame::kSideH, "3"}, {vx::ctl::frame::kSideV, "2"}},
                           {vx::ctl::frame::kClockwise},
                           false},
                      Case{"Live タイリング",
                           {{vx::ctl::tiling::kColumns, "3"}, {vx::ctl::tiling::kRows, "2"},
                            {vx::ctl::tiling::kLastRotationH, "45"}},
                           {vx::ctl::tiling::kStackBelow},
                           false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(kCaseNames[info.index]); });

}  // namespace
