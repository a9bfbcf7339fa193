// The scalable Adwaita icons (adwaita-icon-theme), real SVG nobody here drew.
// Tests that use them skip with a message when the package is missing.
#pragma once

#include "support/icon_themes.h"

namespace vxtest {

inline constexpr const char* kAdwaitaIcons = "/usr/share/icons/Adwaita/scalable";

// Every icon, sorted by path; empty when the theme is not installed.
inline std::vector<std::filesystem::path> AdwaitaIcons() { return ThemeIcons(kAdwaitaIcons); }

// `count` icons spread evenly over the whole theme.
inline std::vector<std::filesystem::path> SpreadAdwaitaIcons(size_t count) {
  const std::vector<std::filesystem::path> icons = AdwaitaIcons();
  std::vector<std::filesystem::path> spread;
  for (size_t i = 0; i < icons.size() && spread.size() < count; i += std::max<size_t>(1, icons.size() / count))
    spread.push_back(icons[i]);
  return spread;
}

}  // namespace vxtest
