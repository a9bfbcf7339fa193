#include "presets/preset_records.h"

#include <cstring>
#include <filesystem>

#include "frame/error_messages.h"
#include "support/preset_files.h"

namespace {

using vxtest::PresetFileTest;
using vxtest::SmallRecord;
using vxtest::SmallRecordSpec;

class PresetRecordsTest : public PresetFileTest {
 protected:
  SmallRecord record{};
  std::string path = folder + "VELLUMiX4_PST_Small.txt";
};

TEST_F(PresetRecordsTest, LastSettingFallsBackToDefaultsAndCreatesTheFile) {
  record.amount = 42;
  ASSERT_EQ(vx::LoadLastSetting(folder, SmallRecordSpec(), &record), ai::kNoError);
  EXPECT_EQ(record.amount, 0.5);
  EXPECT_EQ(record.count, 3);
  EXPECT_STREQ(record.head.presetFile, "VELLUMiX4_PST_Small.txt");
  EXPECT_EQ(Slurp(path),
            "VELLUMiX4 Preset File\tVELLUMiX4_PST_Small.txt\r\n"
            "$\tDefault Setting\r\nA\t0.500000\r\nB\t3\r\n"
            "$\tLast Setting\r\nA\t0.500000\r\nB\t3\r\n");

  // Closing the palette keeps the current values as the last setting, whatever
  // the record was called.
  record.amount = 0.25;
  std::strcpy(record.head.presetName, "Mine");
  ASSERT_EQ(vx::SaveLastSetting(folder, SmallRecordSpec(), &record), ai::kNoError);
  EXPECT_STREQ(record.head.presetName, "Last Setting");

  SmallRecord next{};
  ASSERT_EQ(vx::LoadLastSetting(folder, SmallRecordSpec(), &next), ai::kNoError);
  EXPECT_EQ(next.amount, 0.25);
  ASSERT_EQ(vx::LoadDefaultSetting(folder, SmallRecordSpec(), &next), ai::kNoError);
  EXPECT_EQ(next.amount, 0.5);
}

TEST_F(PresetRecordsTest, AnInvalidFileIsReplacedByTheDefaults) {
  Put(path, "VELLUMiX4 Preset Filf\tVELLUMiX4_PST_Small.txt\r\n$\tDefault Setting\r\n");
  ASSERT_EQ(vx::LoadLastSetting(folder, SmallRecordSpec(), &record), ai::kNoError);
  int encoding = 0;
  EXPECT_EQ(vx::CheckPresetFile(path, &encoding), ai::kNoError);
}

TEST_F(PresetRecordsTest, AppendedNamesCannotBreakTheFile) {
  ASSERT_EQ(vx::LoadLastSetting(folder, SmallRecordSpec(), &record), ai::kNoError);
  std::strcpy(record.head.presetName, "two\r\nA\t999\r\nlines");
  record.amount = 7;
  ASSERT_EQ(vx::AppendPreset(folder, SmallRecordSpec(), &record), ai::kNoError);

  vx::PresetNameList list;
  ASSERT_EQ(vx::ListPresetNames(path, list), ai::kNoError);
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(std::string(list.name(0)), "twoA999lines");

  SmallRecord loaded{};
  ASSERT_EQ(vx::LoadPreset(folder, SmallRecordSpec(), &loaded, 0), ai::kNoError);
  EXPECT_EQ(loaded.amount, 7) << "the name did not inject a field line";
}

TEST_F(PresetRecordsTest, ReplaceAndLoadAUserPreset) {
  ASSERT_EQ(vx::LoadLastSetting(folder, SmallRecordSpec(), &record), ai::kNoError);
  std::strcpy(record.head.presetName, "first");
  ASSERT_EQ(vx::AppendPreset(folder, SmallRecordSpec(), &record), ai::kNoError);
  record.count = 11;
  std::strcpy(record.head.presetName, "renamed");
  ASSERT_EQ(vx::ReplacePreset(folder, SmallRecordSpec(), &record, 0), ai::kNoError);

  SmallRecord loaded{};
  loaded.amount = -1;
  ASSERT_EQ(vx::LoadPreset(folder, SmallRecordSpec(), &loaded, 0), ai::kNoError);
  EXPECT_EQ(loaded.count, 11);
  EXPECT_EQ(vx::LoadPreset(folder, SmallRecordSpec(), &loaded, 1), vx::codes::kEndOfFile);
  EXPECT_EQ(loaded.count, 11) << "a failed load leaves the record alone";
}

}  // namespace
