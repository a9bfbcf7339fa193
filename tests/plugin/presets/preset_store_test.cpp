#include "presets/preset_store.h"

#include <filesystem>

#include "frame/error_messages.h"
#include "platform/encoding.h"
#include "support/preset_files.h"

namespace {

using vxtest::PresetFileTest;

std::vector<std::string> Names(const vx::PresetNameList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.count(); ++i) names.emplace_back(list.name(i));
  return names;
}

class PresetStoreTest : public PresetFileTest {
 protected:
  std::vector<std::string> List(const std::string& path, ai::Code expected = ai::kNoError) {
    vx::PresetNameList list;
    EXPECT_EQ(vx::ListPresetNames(path, list), expected);
    return Names(list);
  }
};

TEST_F(PresetStoreTest, HeaderDecidesValidityAndEncoding) {
  const std::string path = folder + "VELLUMiX4_PST_Small.txt";
  int encoding = 0;
  Put(path, "\xEF\xBB\xBF" + FileText({"a"}));
  EXPECT_EQ(vx::CheckPresetFile(path, &encoding), ai::kNoError);
  EXPECT_EQ(encoding, vx::kPresetEncodingUtf8);
  EXPECT_EQ(List(path), std::vector<std::string>{"a"}) << "the byte-order mark is skipped";

  Put(path, FileText({}, "VELLUMiX4_PST_Small.txt", "VELLUMiX4 Preset"));
  EXPECT_EQ(vx::CheckPresetFile(path, &encoding), ai::kNoError);
  EXPECT_EQ(encoding, vx::kPresetEncodingPlatform);

  // Every single changed character of the current header makes the file invalid,
  // including those past the older header's text.
  const std::string header(vx::kPresetHeader);
  for (size_t i = 0; i < header.size(); ++i) {
    std::string changed = FileText({});
    changed[i] = changed[i] == 'x' ? 'y' : 'x';
    Put(path, changed);
    EXPECT_EQ(vx::CheckPresetFile(path, &encoding), vx::kPresetFileError) << "changed at " << i;
  }
  Put(path, "\xEF\xBB" + FileText({}));
  EXPECT_EQ(vx::CheckPresetFile(path, &encoding), vx::kPresetFileError) << "half a byte-order mark";
  EXPECT_EQ(vx::CheckPresetFile(folder + "missing.txt", &encoding), vx::codes::kCantOpenFile);
  EXPECT_EQ(vx::CheckPresetFile(folder, &encoding), vx::codes::kCantOpenFile) << "a folder";
}

TEST_F(PresetStoreTest, OlderHeaderNamesAndRecordsAreConvertedFromThePlatformEncoding) {
  std::string preset, second;
  ASSERT_TRUE(platform::Utf8ToCp932("プリセット①", preset));
  ASSERT_TRUE(platform::Utf8ToCp932("表示", second));  // 0x95 0x5C: a trail byte that looks like '\'
  const std::string path = folder + "VELLUMiX4_PST_Small.txt";
  Put(path, FileText({preset, second}, "VELLUMiX4_PST_Small.txt", "VELLUMiX4 Preset"));

  vx::PresetNameList list;
  ASSERT_EQ(vx::ListPresetNames(path, list), ai::kNoError);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"プリセット①", "表示"}));
  EXPECT_EQ(list.encoding(), vx::kPresetEncodingPlatform);

  std::string text;
  ASSERT_EQ(vx::ReadPresetRecord(path, 1, text), ai::kNoError);
  EXPECT_EQ(text, "$\t表示\r\nA\t11.000000\r\nB\t1\r\n");

  // A preset added to such a file is stored in its encoding, so it lists back.
  ASSERT_EQ(vx::AppendPresetRecord(path, "$\t新規\r\nA\t1.000000\r\n"), ai::kNoError);
  list.Clear();
  ASSERT_EQ(vx::ListPresetNames(path, list), ai::kNoError);
  EXPECT_EQ(std::string(list.name(2)), "新規");
}

TEST_F(PresetStoreTest, ReadsRecordsByIndex) {
  const std::string path = MakeFile({});
  std::string text;
  EXPECT_EQ(vx::ReadPresetRecord(path, 0, text), vx::codes::kEndOfFile) << "only default and last";
  EXPECT_EQ(text, "");
  ASSERT_EQ(vx::ReadPresetRecord(path, vx::kDefaultSettingIndex, text), ai::kNoError);
  EXPECT_EQ(text, "$\tDefault Setting\r\nA\t0.500000\r\nB\t3\r\n");
  ASSERT_EQ(vx::ReadPresetRecord(path, vx::kLastSettingIndex, text), ai::kNoError);
  EXPECT_EQ(text, "$\tLast Setting\r\nA\t0.750000\r\nB\t4\r\n");
  EXPECT_EQ(vx::ReadPresetRecord(path, -3, text), vx::codes::kEndOfFile);
  EXPECT_EQ(vx::ReadPresetRecord(folder + "none.txt", -1, text), vx::codes::kCantOpenFile);
  EXPECT_EQ(List(path), std::vector<std::string>{});
}

TEST_F(PresetStoreTest, ListedNamesLoseTheirTabsAndLineEnds) {
  const std::string path = folder + "VELLUMiX4_PST_Small.txt";
  Put(path, FileText({}) + "$\tone\ttab\r\nA\t1\r\n$\tbare line feed\nA\t2\n$\t\r\n");
  EXPECT_EQ(List(path), (std::vector<std::string>{"onetab", "bare line feed", ""}));
}

TEST_F(PresetStoreTest, AppendAddsAtTheEndOfAValidFileOnly) {
  const std::string path = MakeFile({"a"});
  ASSERT_EQ(vx::AppendPresetRecord(path, "$\tb\r\nA\t1.000000\r\n"), ai::kNoError);
  EXPECT_EQ(List(path), (std::vector<std::string>{"a", "b"}));

  // A file whose last line lost its line break still gets the new preset as a
  // record of its own.
  Put(path, FileText({"a"}) + "C\t7");
  ASSERT_EQ(vx::AppendPresetRecord(path, "$\tb\r\n"), ai::kNoError);
  EXPECT_EQ(List(path), (std::vector<std::string>{"a", "b"}));

  EXPECT_EQ(vx::AppendPresetRecord(folder + "none.txt", "$\tb\r\n"), vx::codes::kCantOpenFile);
  EXPECT_FALSE(std::filesystem::exists(folder + "none.txt")) << "append never creates a file";
  Put(path, "garbage");
  EXPECT_EQ(vx::AppendPresetRecord(path, "$\tb\r\n"), vx::kPresetFileError);
  EXPECT_EQ(Slurp(path), "garbage");
}

TEST_F(PresetStoreTest, SeveralRecordsGoInOneWriteOrNotAtAll) {
  const std::string path = MakeFile({"a"});
  // A record read from the end of another file may lack its line break.
  const std::vector<std::string> two{"$\tb\r\nA\t1", "$\tc\r\n"};
  ASSERT_EQ(vx::AppendPresetRecords(path, two), ai::kNoError);
  EXPECT_EQ(List(path), (std::vector<std::string>{"a", "b", "c"}));

  const std::string before = Slurp(path);
  vxtest::FileFaults faults;
  faults.FailNth(2);  // the write
  EXPECT_EQ(vx::AppendPresetRecords(path, two), vx::kPresetFileError);
  EXPECT_EQ(Slurp(path), before);

  Put(path, FileText(std::vector<std::string>(1021, "x")));
  EXPECT_EQ(vx::AppendPresetRecords(path, two), vx::kPresetFileError) << "1023 would not fit the list";
  EXPECT_EQ(List(path).size(), 1021u);
}

TEST_F(PresetStoreTest, CreateWritesHeaderDefaultAndLastSetting) {
  const std::string path = folder + "VELLUMiX4_PST_Small.txt";
  ASSERT_EQ(vx::CreatePresetFile(path, "$\tDefault Setting\r\nA\t1\r\n", "$\tLast Setting\r\nA\t1\r\n"), ai::kNoError);
  EXPECT_EQ(Slurp(path),
            "VELLUMiX4 Preset File\tVELLUMiX4_PST_Small.txt\r\n"
            "$\tDefault Setting\r\nA\t1\r\n$\tLast Setting\r\nA\t1\r\n");
  vxtest::FileFaults faults;
  faults.FailNth(2);  // the write after opening
  EXPECT_EQ(vx::CreatePresetFile(path, "x", "y"), vx::kPresetFileError);
}

// Files nobody should have written: each is refused with a code or read as far
// as it makes sense, never past its end.
TEST_F(PresetStoreTest, DamagedFilesAreRefusedOrReadSafely) {
  const std::string path = folder + "VELLUMiX4_PST_Small.txt";
  std::string text;

  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  Put(path, garbage);
  EXPECT_EQ(List(path, vx::kPresetFileError), std::vector<std::string>{});
  EXPECT_EQ(vx::ReadPresetRecord(path, -2, text), vx::kPresetFileError);

  // A header and one endless line: no records at all.
  Put(path, "VELLUMiX4 Preset File\tVELLUMiX4_PST_Small.txt\r\n" + std::string(3 << 20, 'A'));
  EXPECT_EQ(List(path), std::vector<std::string>{});
  EXPECT_EQ(vx::ReadPresetRecord(path, -2, text), vx::codes::kEndOfFile);

  // An endless name is cut at 255 bytes.
  Put(path, FileText({std::string(1 << 20, 'n')}));
  auto names = List(path);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], std::string(255, 'n'));

  // No marker anywhere; a "$" that is not at a line's start is no marker.
  Put(path, "VELLUMiX4 Preset File\tVELLUMiX4_PST_Small.txt\r\nA\t1\r\nx$\tnot a record\r\n");
  EXPECT_EQ(List(path), std::vector<std::string>{});
  EXPECT_EQ(vx::ReadPresetRecord(path, -1, text), vx::codes::kEndOfFile);
  EXPECT_EQ(vx::DeletePresetRecords(path, std::vector<int>{0}), ai::kNoError);
  EXPECT_EQ(vx::MovePresetRecord(path, 0, 1), vx::codes::kEndOfFile);
  EXPECT_EQ(vx::ReplacePresetRecord(path, -1, "$\tLast Setting\r\n"), vx::codes::kEndOfFile);

  // A name whose 255-byte cut falls inside a character loses that character.
  std::string name;
  while (name.size() < 300) name += "あ";  // three bytes each: 255 = 85 whole characters
  Put(path, FileText({"x" + name}));
  names = List(path);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], "x" + name.substr(0, 252));
  EXPECT_EQ(vx::Utf8CompleteLength(names[0]), names[0].size());

  // An older-header name cut inside a double-byte character loses that character.
  Put(path, FileText({"ok\x81"}, "VELLUMiX4_PST_Small.txt", "VELLUMiX4 Preset"));
  EXPECT_EQ(List(path), std::vector<std::string>{"ok"});
}

TEST_F(PresetStoreTest, AtMost1024RecordsCountAndNoneIsLostByARewrite) {
  std::vector<std::string> names;
  for (int i = 0; i < 1100; ++i) names.push_back("p" + std::to_string(i));
  const std::string path = MakeFile(names);

  const auto listed = List(path);
  ASSERT_EQ(listed.size(), 1022u);
  EXPECT_EQ(listed.back(), "p1021");
  std::string text;
  ASSERT_EQ(vx::ReadPresetRecord(path, 1021, text), ai::kNoError);
  EXPECT_EQ(text, "$\tp1021\r\nA\t1031.000000\r\nB\t1021\r\n") << "the last counted record ends at the next marker";
  EXPECT_EQ(vx::ReadPresetRecord(path, 1022, text), vx::codes::kEndOfFile);
  EXPECT_EQ(vx::AppendPresetRecord(path, "$\tmore\r\n"), vx::kPresetFileError) << "it could never be listed";

  // Deleting one of the listed presets keeps the ones past the limit.
  const std::string before = Slurp(path);
  ASSERT_EQ(vx::DeletePresetRecords(path, std::vector<int>{0}), ai::kNoError);
  const std::string removed = "$\tp0\r\nA\t10.000000\r\nB\t0\r\n";
  std::string expected = before;
  expected.erase(expected.find(removed), removed.size());
  EXPECT_EQ(Slurp(path), expected);
}

TEST_F(PresetStoreTest, PathsJoinWithOneSlash) {
  EXPECT_EQ(vx::PresetFilePath("/a/b/", "f.txt"), "/a/b/f.txt");
  EXPECT_EQ(vx::PresetFilePath("/a/b", "f.txt"), "/a/b/f.txt");
  EXPECT_EQ(vx::PresetFileNameOf("/a/b/f.txt"), "f.txt");
}

}  // namespace
