#include "support/icon_themes.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "document/document_compare.h"
#include "support/png_compare.h"
#include "svg/svg_io.h"

namespace vxtest {

namespace fs = std::filesystem;

std::vector<fs::path> ThemeIcons(const std::string& folder) {
  std::vector<fs::path> icons;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return icons;
  for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
    if (entry.path().extension() == ".svg" && entry.is_regular_file(ec) && !entry.is_symlink(ec))
      icons.push_back(entry.path());
  std::sort(icons.begin(), icons.end());
  return icons;
}

std::vector<fs::path> FixedSample(const std::vector<fs::path>& icons, size_t count) {
  if (icons.size() <= count || count == 0) return icons;
  std::vector<fs::path> sample;
  for (size_t i = 0; i < count; ++i) sample.push_back(icons[i * icons.size() / count]);
  return sample;
}

IconCheck CheckIcon(const fs::path& icon, const fs::path& scratch, size_t index, int size, bool render) {
  IconCheck check;
  const std::string base = (scratch / std::to_string(index)).string();
  try {
    const auto first = vxhost::svg::ReadSvgFile(icon.string());
    const std::string written = vxhost::svg::WriteSvg(*first);
    const auto second = vxhost::svg::ReadSvg(written, "written");
    const std::string difference = vxhost::CompareDocuments(*first, *second);
    if (!difference.empty()) check.problem = "reads back differently: " + difference;
    else if (vxhost::svg::WriteSvg(*second) != written) check.problem = "the second writing differs from the first";
    check.readsBack = check.problem.empty();
    if (!render) return check;
    vxhost::svg::WriteSvgFile(*first, base + ".svg");
  } catch (const std::exception& error) {
    check.problem = error.what();
    return check;
  }
  Image before, after;
  check.rendered = RenderSvg(icon.string(), base + "-a.png", size) && ReadPng(base + "-a.png", before);
  if (check.rendered) {
    if (!RenderSvg(base + ".svg", base + "-b.png", size) || !ReadPng(base + "-b.png", after)) {
      check.problem = "the written file does not render";
    } else {
      const PixelDifference d = ComparePixels(before, after, vxcli::render::kChannelTolerance);
      check.rendersAlike = d.WithinTolerance();
      if (!check.rendersAlike)
        check.problem = std::to_string(d.differing) + " of " + std::to_string(d.total) +
                        " pixels differ (largest difference " + std::to_string(d.largest) + ")";
    }
  }
  std::error_code ignored;
  for (const char* suffix : {".svg", "-a.png", "-b.png"}) fs::remove(base + suffix, ignored);
  return check;
}

ThemeResult CheckIcons(const std::vector<fs::path>& icons, int size, bool render, int threads) {
  std::string pattern = (fs::temp_directory_path() / "vx-icons-XXXXXX").string();
  const fs::path scratch = mkdtemp(pattern.data());
  ThemeResult result;
  result.icons = icons.size();
  std::atomic<size_t> next{0};
  std::mutex mutex;
  const bool canRender = render && HaveRsvgConvert();
  auto work = [&] {
    for (size_t i = next++; i < icons.size(); i = next++) {
      const IconCheck check = CheckIcon(icons[i], scratch, i, size, canRender);
      std::lock_guard<std::mutex> lock(mutex);
      const std::string name = icons[i].string() + ": " + check.problem;
      if (check.readsBack) ++result.readBack; else result.roundTripFailures.push_back(name);
      if (check.rendered) ++result.rendered;
      if (check.rendersAlike) ++result.renderedAlike;
      else if (check.rendered && check.readsBack) result.renderFailures.push_back(name);
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
  std::sort(result.roundTripFailures.begin(), result.roundTripFailures.end());
  std::sort(result.renderFailures.begin(), result.renderFailures.end());
  return result;
}

}  // namespace vxtest
