// Files: errors name the file, and a failed write leaves nothing behind.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/svg/svg_test_support.h"

namespace {

namespace fs = std::filesystem;

class SvgFiles : public ::testing::Test {
 protected:
  SvgFiles() {
    std::string pattern = (fs::temp_directory_path() / "vx-svg-files-XXXXXX").string();
    dir = mkdtemp(pattern.data());
  }
  ~SvgFiles() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = dir / name;
    std::ofstream(path) << text;
    return path.string();
  }
  std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const vxhost::svg::SvgError& error) {
      return error.what();
    }
    return "";
  }
  fs::path dir;
};

TEST_F(SvgFiles, ReadErrorsNameTheFile) {
  const std::string missing = (dir / "missing.svg").string();
  EXPECT_EQ(ErrorOf([&] { vxhost::svg::ReadSvgFile(missing); }), missing + ": cannot open: No such file or directory");
  const std::string truncated = Write("cut.svg", "<svg xmlns='http://www.w3.org/2000/svg'>\n<path d='M0 0'/>\n<g>");
  EXPECT_EQ(ErrorOf([&] { vxhost::svg::ReadSvgFile(truncated); }).rfind(truncated + ":3:", 0), 0u);
  EXPECT_NE(ErrorOf([&] { vxhost::svg::ReadSvgFile(dir.string()); }).find("Is a directory"), std::string::npos);
}

TEST_F(SvgFiles, WritesReplaceWholeAndFailuresLeaveNothing) {
  const auto doc = vxtest::ReadBody("<path d='M0 0h1v1z'/>");
  const std::string target = Write("out.svg", "old");
  vxhost::svg::WriteSvgFile(*doc, target);
  std::ifstream in(target);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, vxhost::svg::WriteSvg(*doc));

  const std::string unwritable = (dir / "no-such-folder" / "out.svg").string();
  EXPECT_EQ(ErrorOf([&] { vxhost::svg::WriteSvgFile(*doc, unwritable); }).rfind(unwritable + ": cannot write", 0), 0u);
  // Only the file written above remains: no temporary files.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
