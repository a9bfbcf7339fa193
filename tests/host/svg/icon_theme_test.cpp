// Three icon themes drawn by other people with other tools: Papirus (style
// sheets and currentColor everywhere), Breeze (class-based colour schemes) and
// elementary. Every icon checked must read back to the same art, and at least
// 99.5 % of them must render within the tolerance (at most 0.5 % of the pixels
// apart by more than 24/255 at 128 x 128). A fixed sample of each theme is
// checked by default; VX_ICON_THEMES_FULL=1 checks every icon (see README.md).
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <thread>

#include "support/icon_themes.h"
#include "support/png_compare.h"

namespace {

struct Theme {
  const char* name;
  const char* folder;
  const char* package;
};

constexpr Theme kThemes[] = {
    {"papirus", "/usr/share/icons/Papirus", "papirus-icon-theme"},
    {"breeze", "/usr/share/icons/breeze", "breeze-icon-theme"},
    {"elementary", "/usr/share/icons/elementary", "elementary-icon-theme"},
};

constexpr int kSize = 128;
constexpr size_t kSampleSize = 300;  // per theme: the three together take about a minute on one core
constexpr double kRequiredShare = 0.995;

bool FullRun() {
  const char* full = std::getenv("VX_ICON_THEMES_FULL");
  return full != nullptr && std::string(full) == "1";
}

class IconTheme : public ::testing::TestWithParam<Theme> {};

TEST_P(IconTheme, IconsReadBackAndRenderAsBefore) {
  const Theme& theme = GetParam();
  const auto icons = vxtest::ThemeIcons(theme.folder);
  if (icons.empty()) GTEST_SKIP() << theme.package << " is not installed (" << theme.folder << "); scripts/setup installs it";
  if (!vxtest::HaveRsvgConvert()) GTEST_SKIP() << "rsvg-convert is not installed (librsvg2-bin)";
  const bool full = FullRun();
  const auto checked = full ? icons : vxtest::FixedSample(icons, kSampleSize);
  const int threads = full ? static_cast<int>(std::max(1u, std::thread::hardware_concurrency())) : 1;
  const vxtest::ThemeResult result = vxtest::CheckIcons(checked, kSize, /*render=*/true, threads);

  std::cout << "[ " << theme.name << " ] " << result.icons << " of " << icons.size() << " icons checked: "
            << result.readBack << " read back identically, " << result.renderedAlike << " of " << result.rendered
            << " rendered within the tolerance\n";
  for (const std::string& failure : result.renderFailures) std::cout << "  renders differently: " << failure << "\n";
  for (const std::string& failure : result.roundTripFailures) ADD_FAILURE() << failure;
  EXPECT_GE(result.renderedAlike, kRequiredShare * result.rendered)
      << result.rendered - result.renderedAlike << " icons render differently";
}

INSTANTIATE_TEST_SUITE_P(Themes, IconTheme, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
