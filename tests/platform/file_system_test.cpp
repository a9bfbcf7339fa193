#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/encoding.h"
#include "support/preset_files.h"

namespace {

class PlatformFiles : public ::testing::Test {
 protected:
  PlatformFiles() {
    char pattern[] = "/tmp/vx_files_XXXXXX";
    folder = std::string(::mkdtemp(pattern)) + "/";
  }
  ~PlatformFiles() override { std::filesystem::remove_all(folder); }
  std::string folder;
};

TEST_F(PlatformFiles, WriteAppendReadRenameDelete) {
  const std::string a = folder + "ä.txt", b = folder + "b.txt";
  ASSERT_EQ(platform::WriteNewFile(a, "one"), 0);
  ASSERT_EQ(platform::AppendToFile(a, "two"), 0);
  std::string bytes;
  ASSERT_EQ(platform::ReadWholeFile(a, bytes, 100), 0);
  EXPECT_EQ(bytes, "onetwo");
  EXPECT_EQ(platform::ReadWholeFile(a, bytes, 5), EFBIG);
  EXPECT_EQ(bytes, "");

  char buffer[6];
  size_t length = 0;
  EXPECT_EQ(platform::ReadFileInto(a, buffer, sizeof buffer, &length), EFBIG) << "must be smaller than the buffer";
  char larger[7];
  ASSERT_EQ(platform::ReadFileInto(a, larger, sizeof larger, &length), 0);
  EXPECT_EQ(std::string(larger, length), "onetwo");

  ASSERT_EQ(platform::WriteNewFile(b, "other"), 0);
  EXPECT_EQ(platform::RenameFile(a, b), EEXIST) << "a rename never replaces by itself";
  EXPECT_EQ(platform::RenameFile(a, b, true), 0);
  EXPECT_FALSE(platform::FileExists(a));
  EXPECT_EQ(platform::DeleteFile(b), 0);
  EXPECT_EQ(platform::DeleteFile(b), ENOENT);
  EXPECT_EQ(platform::AppendToFile(b, "x"), ENOENT) << "append needs the file";
  EXPECT_EQ(platform::ReadWholeFile(folder, bytes, 100), EISDIR);
}

TEST_F(PlatformFiles, MakeFoldersToleratesAnExistingFolderOnly) {
  EXPECT_EQ(platform::MakeFolders(folder + "x/y/z"), 0);
  EXPECT_EQ(platform::MakeFolders(folder + "x/y/z/"), 0);
  ASSERT_EQ(platform::WriteNewFile(folder + "f", ""), 0);
  EXPECT_EQ(platform::MakeFolders(folder + "f"), ENOTDIR);
  EXPECT_NE(platform::MakeFolders(folder + "f/g"), 0);
}

TEST_F(PlatformFiles, TheFaultHookFailsTheStepItIsAskedTo) {
  vxtest::FileFaults faults;
  faults.FailNth(2, ENOSPC);
  EXPECT_EQ(platform::WriteNewFile(folder + "a", "data"), ENOSPC) << "step 1 opens, step 2 writes";
  faults.FailNth(1, EACCES);
  EXPECT_EQ(platform::DeleteFile(folder + "a"), EACCES);
  EXPECT_TRUE(platform::FileExists(folder + "a")) << "a failed step does nothing";
  faults.FailNth(1, EXDEV);
  EXPECT_EQ(platform::RenameFile(folder + "a", folder + "b"), EXDEV);
  EXPECT_TRUE(platform::FileExists(folder + "a"));
}

TEST(PlatformEncoding, Cp932RoundTripAndDamagedInput) {
  std::string sjis, back;
  ASSERT_TRUE(platform::Utf8ToCp932("ﾌﾟﾘｾｯﾄ 表示 ①", sjis));
  EXPECT_EQ(sjis.substr(0, 2), "\xCC\xDF");
  ASSERT_TRUE(platform::Cp932ToUtf8(sjis, back));
  EXPECT_EQ(back, "ﾌﾟﾘｾｯﾄ 表示 ①");

  EXPECT_FALSE(platform::Cp932ToUtf8("ab\x81", back)) << "a lead byte without its trail";
  EXPECT_EQ(back, "ab");
  EXPECT_FALSE(platform::Cp932ToUtf8("a\xA0" "b", back));
  EXPECT_EQ(back, "a?b");
  EXPECT_FALSE(platform::Utf8ToCp932("a😀b", sjis)) << "no counterpart in the code page";
  EXPECT_EQ(sjis, "a?b");
}

}  // namespace
