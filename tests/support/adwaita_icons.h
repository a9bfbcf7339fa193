// The scalable Adwaita icons (adwaita-icon-theme), real SVG nobody here drew.
// Tests that use them skip with a message when the package is missing.
#pragma once

#include "support/icon_themes.h"

namespace vxtest {

inline constexpr const char* kAdwaitaIcons = "/usr/share/icons/Adwaita/scalable";

// Every icon, sorted by path; empty when the theme is not installed.
inline std::vector<std::filesystem::path> AdwaitaIcons() { return ThemeIcons(kAdwaitaIcons); }

}  // namespace vxtest
