// Real input nobody here drew: every scalable Adwaita icon is read, written and
// read again; the two readings must hold the same art with bit-identical
// coordinates. A sample of them is also rendered before and after with
// rsvg-convert and compared pixel by pixel.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "host/svg/svg_test_support.h"
#include "support/adwaita_icons.h"
#include "support/png_compare.h"

namespace {

namespace fs = std::filesystem;

const char* kIcons = vxtest::kAdwaitaIcons;

std::vector<fs::path> Icons() { return vxtest::AdwaitaIcons(); }

struct TempDir {
  fs::path path;
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "vx-adwaita-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

TEST(AdwaitaRoundTrip, EveryIconReadsBackIdentically) {
  const auto icons = Icons();
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed (" << kIcons << "); scripts/setup installs it";
  int identical = 0;
  std::vector<std::string> failures;
  for (const fs::path& icon : icons) {
    try {
      const auto first = vxhost::svg::ReadSvgFile(icon.string());
      const std::string written = vxhost::svg::WriteSvg(*first);
      const auto second = vxhost::svg::ReadSvg(written, "written");
      const std::string difference = vxhost::CompareDocuments(*first, *second);
      if (!difference.empty()) {
        failures.push_back(icon.filename().string() + ": " + difference);
      } else if (vxhost::svg::WriteSvg(*second) != written) {
        failures.push_back(icon.filename().string() + ": the second writing differs from the first");
      } else {
        ++identical;
      }
    } catch (const std::exception& error) {
      failures.push_back(error.what());
    }
  }
  std::cout << "[ adwaita  ] " << icons.size() << " icons read, " << identical << " read back identically\n";
  for (const std::string& failure : failures) ADD_FAILURE() << failure;
}

// Renders every `stride`-th icon (VX_ADWAITA_RENDER_ALL=1: every icon) before
// and after a round trip, two at a time.
TEST(AdwaitaRoundTrip, WrittenIconsRenderLikeTheOriginals) {
  const auto icons = Icons();
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed (" << kIcons << ")";
  if (!vxtest::HaveRsvgConvert()) GTEST_SKIP() << "rsvg-convert is not installed (librsvg2-bin)";
  const char* all = std::getenv("VX_ADWAITA_RENDER_ALL");
  const size_t stride = all != nullptr && std::string(all) == "1" ? 1 : 4;
  std::vector<fs::path> sample;
  for (size_t i = 0; i < icons.size(); i += stride) sample.push_back(icons[i]);

  TempDir dir;
  constexpr int kSize = 64;
  constexpr int kThreshold = 24;           // per channel, of 255
  constexpr double kAllowedFraction = 0.005;  // of the pixels
  std::atomic<size_t> next{0};
  std::atomic<int> within{0};
  std::mutex mutex;
  std::vector<std::string> failures;
  auto work = [&] {
    for (size_t i = next++; i < sample.size(); i = next++) {
      const fs::path& icon = sample[i];
      const std::string base = (dir.path / std::to_string(i)).string();
      std::string problem;
      try {
        vxhost::svg::WriteSvgFile(*vxhost::svg::ReadSvgFile(icon.string()), base + ".svg");
        vxtest::Image before, after;
        if (!vxtest::RenderSvg(icon.string(), base + "-a.png", kSize) || !vxtest::ReadPng(base + "-a.png", before)) {
          continue;  // the original itself does not render: nothing to compare
        }
        if (!vxtest::RenderSvg(base + ".svg", base + "-b.png", kSize) || !vxtest::ReadPng(base + "-b.png", after)) {
          problem = "the written file does not render";
        } else {
          const vxtest::PixelDifference d = vxtest::ComparePixels(before, after, kThreshold);
          if (d.differing > kAllowedFraction * d.total)
            problem = std::to_string(d.differing) + " of " + std::to_string(d.total) +
                      " pixels differ (largest difference " + std::to_string(d.largest) + ")";
        }
      } catch (const std::exception& error) {
        problem = error.what();
      }
      if (problem.empty()) {
        ++within;
      } else {
        std::lock_guard<std::mutex> lock(mutex);
        failures.push_back(icon.filename().string() + ": " + problem);
      }
    }
  };
  std::thread second(work);
  work();
  second.join();
  std::cout << "[ adwaita  ] " << sample.size() << " icons rendered, " << within.load()
            << " within the pixel tolerance\n";
  for (const std::string& failure : failures) ADD_FAILURE() << failure;
}

}  // namespace
