// Icon themes as real-world SVG input: every icon of a theme read, written and
// read again, and rendered before and after with rsvg-convert.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vxtest {

// Every SVG file under `folder` (links to files elsewhere in the theme are not
// counted again), sorted by path; empty when the folder is missing.
std::vector<std::filesystem::path> ThemeIcons(const std::string& folder);

// `count` of `icons`, evenly spread and always the same ones.
std::vector<std::filesystem::path> FixedSample(const std::vector<std::filesystem::path>& icons, size_t count);

struct IconCheck {
  bool readsBack = false;      // write -> read gives the same art, and writing again the same text
  bool rendered = false;       // the original renders (when not, nothing is compared)
  bool rendersAlike = false;   // within the tolerance of render/pixels.h
  std::string problem;         // what went wrong, for people
};

// Checks one icon; the renderings go to files under `scratch` named by `index`.
// Renders only when `render` (and rsvg-convert is there).
IconCheck CheckIcon(const std::filesystem::path& icon, const std::filesystem::path& scratch, size_t index, int size,
                    bool render);

struct ThemeResult {
  size_t icons = 0;
  size_t readBack = 0;
  size_t rendered = 0;
  size_t renderedAlike = 0;
  std::vector<std::string> roundTripFailures;  // "file: problem"
  std::vector<std::string> renderFailures;
};

// Checks every icon of `icons` on `threads` threads.
ThemeResult CheckIcons(const std::vector<std::filesystem::path>& icons, int size, bool render, int threads);

}  // namespace vxtest
