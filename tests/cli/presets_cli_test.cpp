// vellumix4 presets, as a person uses it on a settings folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

using vxtest::CommandRun;

class PresetsCli : public ::testing::Test {
 protected:
  CommandRun Presets(const std::string& arguments) { return vxtest::RunVellumix4("presets " + arguments); }
  vxtest::ScopedSettingsHome home;
};

TEST_F(PresetsCli, SaveShowRenameMoveDelete) {
  CommandRun list = Presets("list shadow");
  ASSERT_EQ(list.status, 0) << list.output;
  EXPECT_EQ(list.output, "Default Setting\nLast Setting\n");

  ASSERT_EQ(Presets("save shadow 夕暮れ --set distance=5mm --set shade=150 --set lightAngle=90").status, 0);
  CommandRun shown = Presets("show shadow 夕暮れ --unit mm");
  ASSERT_EQ(shown.status, 0) << shown.output;
  EXPECT_NE(shown.output.find("shade = 100.000 %"), std::string::npos) << shown.output;
  EXPECT_NE(shown.output.find("distance = 5.0000 mm"), std::string::npos);
  EXPECT_NE(shown.output.find("lightAngle = 90.000 °"), std::string::npos);

  ASSERT_EQ(Presets("save shadow second").status, 0);
  ASSERT_EQ(Presets("move shadow second 0").status, 0);
  ASSERT_EQ(Presets("rename shadow 夕暮れ dusk").status, 0);
  EXPECT_EQ(Presets("list shadow").output, "Default Setting\nLast Setting\n#0\tsecond\n#1\tdusk\n");
  ASSERT_EQ(Presets("delete shadow second").status, 0);
  EXPECT_EQ(Presets("list shadow").output, "Default Setting\nLast Setting\n#0\tdusk\n");
}

TEST_F(PresetsCli, ExportAndImportBetweenSettingsFolders) {
  const std::string other = home.path() + "/other/VELLUMiX4 User Settings 2013";
  ASSERT_EQ(Presets("list warp --settings '" + other + "'").status, 0) << "a new folder gets its file";
  ASSERT_EQ(Presets("save warp wide --set margin=40").status, 0);
  CommandRun exported = Presets("export warp '" + other + "' wide");
  ASSERT_EQ(exported.status, 0) << exported.output;
  EXPECT_EQ(Presets("list warp --settings '" + other + "'").output, "Default Setting\nLast Setting\n#0\twide\n");

  ASSERT_EQ(Presets("delete warp wide").status, 0);
  ASSERT_EQ(Presets("import warp '" + other + "' wide").status, 0);
  EXPECT_EQ(Presets("list warp").output, "Default Setting\nLast Setting\n#0\twide\n");

  CommandRun same = Presets("import warp '" + home.settingsFolder() + "' wide");
  EXPECT_EQ(same.status, 1);
  EXPECT_NE(same.output.find("同一ファイル間ではインポート／エクスポートはできません。"), std::string::npos) << same.output;
}

TEST_F(PresetsCli, MistakesAreToldClearly) {
  CommandRun kind = Presets("list glitter");
  EXPECT_EQ(kind.status, 1);
  EXPECT_NE(kind.output.find("unknown kind 'glitter'"), std::string::npos);
  CommandRun field = Presets("save neon x --set sparkle=3");
  EXPECT_EQ(field.status, 1);
  EXPECT_NE(field.output.find("'neon' has no field 'sparkle'"), std::string::npos);
  CommandRun value = Presets("save shadow x --set distance=far");
  EXPECT_EQ(value.status, 1);
  EXPECT_NE(value.output.find("'far' is not a length"), std::string::npos);
  EXPECT_EQ(Presets("show shadow nobody").status, 1);
  EXPECT_EQ(Presets("show").status, 2) << "usage error";
}

}  // namespace
