// Real input nobody here drew: every scalable Adwaita icon is read, written and
// read again; the two readings must hold the same art with bit-identical
// coordinates. A sample of them is also rendered before and after with
// rsvg-convert and compared pixel by pixel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "support/adwaita_icons.h"
#include "support/icon_themes.h"
#include "support/png_compare.h"

namespace {

TEST(AdwaitaRoundTrip, EveryIconReadsBackIdentically) {
  const auto icons = vxtest::AdwaitaIcons();
  if (icons.empty())
    GTEST_SKIP() << "adwaita-icon-theme is not installed (" << vxtest::kAdwaitaIcons << "); scripts/setup installs it";
  const vxtest::ThemeResult result = vxtest::CheckIcons(icons, 0, /*render=*/false, 1);
  std::cout << "[ adwaita  ] " << result.icons << " icons read, " << result.readBack << " read back identically\n";
  for (const std::string& failure : result.roundTripFailures) ADD_FAILURE() << failure;
}

// Renders every fourth icon (VX_ADWAITA_RENDER_ALL=1: every icon) before and
// after a round trip, two at a time.
TEST(AdwaitaRoundTrip, WrittenIconsRenderLikeTheOriginals) {
  const auto icons = vxtest::AdwaitaIcons();
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed (" << vxtest::kAdwaitaIcons << ")";
  if (!vxtest::HaveRsvgConvert()) GTEST_SKIP() << "rsvg-convert is not installed (librsvg2-bin)";
  const char* all = std::getenv("VX_ADWAITA_RENDER_ALL");
  const size_t stride = all != nullptr && std::string(all) == "1" ? 1 : 4;
  std::vector<std::filesystem::path> sample;
  for (size_t i = 0; i < icons.size(); i += stride) sample.push_back(icons[i]);
  const vxtest::ThemeResult result = vxtest::CheckIcons(sample, 64, /*render=*/true, 2);
  std::cout << "[ adwaita  ] " << result.rendered << " icons rendered, " << result.renderedAlike
            << " within the pixel tolerance\n";
  for (const std::string& failure : result.renderFailures) ADD_FAILURE() << failure;
}

}  // namespace
