// Seeding a settings folder, and import and export between two of them.
#include <cstdlib>
#include <filesystem>

#include "frame/error_messages.h"
#include "platform/encoding.h"
#include "presets/preset_folders.h"
#include "presets/preset_import_export.h"
#include "presets/preset_store.h"
#include "support/preset_files.h"

namespace {

using vxtest::PresetFileTest;

constexpr char kFile[] = "VELLUMiX4_PST_Small.txt";

class PresetSeedTest : public PresetFileTest {
 protected:
  PresetSeedTest() {
    std::filesystem::create_directories(defaults);
    Put(defaults + vx::kSeedCheckFile, FileText({"shipped"}, vx::kSeedCheckFile));
    Put(defaults + kFile, FileText({}, kFile));
  }
  std::string defaults = folder + "VELLUMiX4 Default Settings/";
  std::string settings = folder + "config/VELLUMiX4 User Settings 2013/";
  std::vector<std::string> files{vx::kSeedCheckFile, kFile, "VELLUMiX4_PST_NotShipped.txt"};
};

TEST_F(PresetSeedTest, ANewFolderIsCreatedAndSeeded) {
  ASSERT_EQ(vx::PrepareSettingsFolder(settings, defaults, files), ai::kNoError);
  EXPECT_EQ(Slurp(settings + vx::kSeedCheckFile), Slurp(defaults + vx::kSeedCheckFile));
  EXPECT_EQ(Slurp(settings + kFile), Slurp(defaults + kFile));
  EXPECT_FALSE(std::filesystem::exists(settings + "VELLUMiX4_PST_NotShipped.txt"));
}

TEST_F(PresetSeedTest, OnlyMissingOrInvalidFilesAreSeeded) {
  std::filesystem::create_directories(settings);
  Put(settings + vx::kSeedCheckFile, "damaged");
  Put(settings + kFile, FileText({"the user's own"}, kFile));
  ASSERT_EQ(vx::PrepareSettingsFolder(settings, defaults, files), ai::kNoError);
  EXPECT_EQ(Slurp(settings + vx::kSeedCheckFile), Slurp(defaults + vx::kSeedCheckFile));
  EXPECT_EQ(Slurp(settings + kFile), FileText({"the user's own"}, kFile));

  // With a valid Border file the folder counts as seeded: nothing is touched.
  Put(settings + kFile, "damaged too");
  ASSERT_EQ(vx::PrepareSettingsFolder(settings, defaults, files), ai::kNoError);
  EXPECT_EQ(Slurp(settings + kFile), "damaged too");
}

TEST_F(PresetSeedTest, AFolderThatCannotBeMadeIsReportedWithItsErrorNumber) {
  std::filesystem::create_directories(folder + "config");
  Put(folder + "config/VELLUMiX4 User Settings 2013", "a file in the way");
  host.log().Clear();
  EXPECT_EQ(vx::PrepareSettingsFolder(settings, defaults, files), -1);
  ASSERT_EQ(host.log().alerts().size(), 1u);
  EXPECT_EQ(host.log().alerts()[0].kind, vxhost::Alert::Kind::kMessage);
  EXPECT_EQ(host.log().alerts()[0].text, "VELLUMiX4は " + settings +
                                             " にプリセット・フォルダを作成することができませんでした。\n[errno:" +
                                             std::to_string(ENOTDIR) + "]");
  EXPECT_EQ(host.liveStrings(), 0u);
}

TEST_F(PresetSeedTest, ReadAndWriteFailuresStopTheSeeding) {
  Put(defaults + kFile, std::string(vx::kSeedBufferBytes, 'x'));
  EXPECT_EQ(vx::PrepareSettingsFolder(settings, defaults, files), -1) << "a defaults file must fit the buffer";

  Put(defaults + kFile, FileText({}, kFile));
  vxtest::FileFaults faults;
  faults.FailNth(2);  // the first write (step 1 opens the file)
  EXPECT_EQ(vx::SeedPresetFiles(settings, defaults, files), -1);
}

TEST_F(PresetSeedTest, FoldersComeFromTheHost) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string savedValue = saved != nullptr ? saved : "";
  ::setenv("XDG_CONFIG_HOME", (folder + "config").c_str(), 1);
  std::string found;
  EXPECT_EQ(vx::FindSettingsFolder(found), ai::kNoError);
  EXPECT_EQ(found, settings);
  EXPECT_EQ(host.liveFilePaths(), 0u);
  if (saved != nullptr)
    ::setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");

  host.faults().FailNthCallOf("FindFolder", 1, ai::FourCC("FOLD"));
  EXPECT_EQ(vx::FindSettingsFolder(found), ai::FourCC("FOLD"));
  EXPECT_EQ(found, "");
}

class PresetExchangeTest : public PresetFileTest {
 protected:
  PresetExchangeTest() {
    std::filesystem::create_directories(other);
    ownPath = MakeFile({"mine0", "mine1"});
  }
  std::vector<std::string> Listed(const std::string& path) {
    vx::PresetNameList list;
    EXPECT_EQ(vx::ListPresetNames(path, list), ai::kNoError);
    std::vector<std::string> names;
    for (int i = 0; i < list.count(); ++i) names.emplace_back(list.name(i));
    return names;
  }
  std::string other = folder + "other/";
  std::string ownPath;
};

TEST_F(PresetExchangeTest, ImportChecksTheSource) {
  std::string source;
  EXPECT_EQ(vx::CheckImportSource(ownPath, folder, source), vx::codes::kSameFile);
  EXPECT_EQ(vx::CheckImportSource(ownPath, folder + "./", source), vx::codes::kSameFile);
  EXPECT_EQ(vx::CheckImportSource(ownPath, other, source), vx::codes::kNothingToImport) << "missing";
  Put(other + kFile, "garbage");
  EXPECT_EQ(vx::CheckImportSource(ownPath, other, source), vx::codes::kNothingToImport);
  Put(other + kFile, FileText({"x"}, "VELLUMiX4_PST_Neon.txt"));
  EXPECT_EQ(vx::CheckImportSource(ownPath, other, source), vx::codes::kNothingToImport) << "another kind's file";
  Put(other + kFile, FileText({"x"}));
  EXPECT_EQ(vx::CheckImportSource(ownPath, other, source), ai::kNoError);
  EXPECT_EQ(source, other + kFile);
}

TEST_F(PresetExchangeTest, ImportAppendsThePickedPresetsInTheOrderPicked) {
  std::string sjis;
  ASSERT_TRUE(platform::Utf8ToCp932("旧形式", sjis));
  Put(other + kFile, FileText({"a", sjis, "c"}, kFile, "VELLUMiX4 Preset"));
  vx::ImportOutcome outcome;
  ASSERT_EQ(vx::ImportPresets(ownPath, other + kFile, std::vector<int>{2, 1, 7, 0}, &outcome), ai::kNoError);
  EXPECT_EQ(outcome.imported, 2) << "a preset the source lacks ends the import";
  EXPECT_FALSE(outcome.limited);
  EXPECT_EQ(Listed(ownPath), (std::vector<std::string>{"mine0", "mine1", "c", "旧形式"}));
}

TEST_F(PresetExchangeTest, ImportStopsAtTheListLimit) {
  std::vector<std::string> many(1019, "x");
  ownPath = MakeFile(many);
  Put(other + kFile, FileText({"a", "b", "c", "d", "e"}));
  int room = 0;
  ASSERT_EQ(vx::PresetImportRoom(ownPath, &room), ai::kNoError);
  EXPECT_EQ(room, 3);
  vx::ImportOutcome outcome;
  ASSERT_EQ(vx::ImportPresets(ownPath, other + kFile, std::vector<int>{4, 3, 2, 1}, &outcome), ai::kNoError);
  EXPECT_TRUE(outcome.limited);
  EXPECT_EQ(outcome.imported, 3);
  const auto names = Listed(ownPath);
  ASSERT_EQ(names.size(), 1022u);
  EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()), (std::vector<std::string>{"e", "d", "c"}));

  ASSERT_EQ(vx::PresetImportRoom(ownPath, &room), ai::kNoError);
  EXPECT_EQ(room, 0);
  EXPECT_EQ(vx::ImportPresets(ownPath, other + kFile, std::vector<int>{0}, &outcome), -1);
}

TEST_F(PresetExchangeTest, ExportNeedsAValidCurrentTargetOfTheSameKind) {
  int exported = -1;
  EXPECT_EQ(vx::ExportPresets(ownPath, other, std::vector<int>{0}, &exported), vx::kExportTargetInvalid);
  Put(other + kFile, FileText({}, kFile, "VELLUMiX4 Preset"));
  EXPECT_EQ(vx::ExportPresets(ownPath, other, std::vector<int>{0}, &exported), vx::kExportTargetInvalid)
      << "an older-header target";
  Put(other + kFile, FileText({}, "VELLUMiX4_PST_Neon.txt"));
  EXPECT_EQ(vx::ExportPresets(ownPath, other, std::vector<int>{0}, &exported), vx::codes::kNothingToExport);
  EXPECT_EQ(vx::ExportPresets(ownPath, folder, std::vector<int>{0}, &exported), vx::codes::kSameFile);
  EXPECT_EQ(exported, 0);

  Put(other + kFile, FileText({"theirs"}));
  ASSERT_EQ(vx::ExportPresets(ownPath, other, std::vector<int>{1, 0, 5, 0}, &exported), ai::kNoError);
  EXPECT_EQ(exported, 2);
  EXPECT_EQ(Listed(other + kFile), (std::vector<std::string>{"theirs", "mine1", "mine0"}));
}

}  // namespace
