// The default preset files the build writes beside the plug-in.
#include <filesystem>
#include <memory>

#include "document/document.h"

#include "presets/preset_folders.h"
#include "presets/preset_records.h"
#include "presets/record_registry.h"
#include "support/preset_files.h"

namespace {

class PresetShippedDefaults : public vxtest::PresetFileTest {
 protected:
  std::string shipped = (std::filesystem::path(VX_PLUGIN_PATH).parent_path() / vx::kDefaultsFolderName).string() + "/";
};

TEST_F(PresetShippedDefaults, EveryKindHasAValidFileWithDefaultAndLastSetting) {
  const std::vector<std::string> names = vx::SeededPresetFileNames();
  ASSERT_EQ(names.size(), 34u);
  EXPECT_EQ(names.front(), "VELLUMiX4_PST_Fractalize.txt");
  EXPECT_EQ(names.back(), "VELLUMiX4_PST_Trail.txt");
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    vx::PresetFileContents contents;
    ASSERT_EQ(vx::ReadPresetFile(shipped + name, contents), ai::kNoError);
    EXPECT_EQ(contents.layout.encoding, vx::kPresetEncodingUtf8);
    EXPECT_EQ(contents.layout.headerName, name);
    ASSERT_EQ(contents.layout.count(), 2u);
    EXPECT_EQ(vx::RecordName(contents.layout.Record(contents.bytes, 0)), "Default Setting");
    EXPECT_EQ(vx::RecordName(contents.layout.Record(contents.bytes, 1)), "Last Setting");
  }
}

// A seeded folder gives every record its table's defaults through the Last
// Setting protocol, the way a palette opens for the first time. Colours that
// follow the document's colour model were made under a new document's model.
TEST_F(PresetShippedDefaults, SeededLastSettingsEqualTheTablesDefaults) {
  host.OpenDocument(std::make_unique<vxhost::Document>());
  const std::vector<std::string> names = vx::SeededPresetFileNames();
  ASSERT_EQ(vx::PrepareSettingsFolder(folder, shipped, names), ai::kNoError);
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    SCOPED_TRACE(kind.name);
    const vx::RecordSpec& spec = *kind.spec;
    std::vector<unsigned char> loaded(spec.size), defaults(spec.size);
    vx::SetRecordDefaults(spec, defaults.data(), vx::kLastSettingName);
    vx::SetRecordDefaults(spec, loaded.data(), vx::kLastSettingName);
    ASSERT_EQ(vx::LoadLastSetting(folder, spec, loaded.data()), ai::kNoError);
    std::string fromFile, fromTable;
    vx::WriteRecordText(spec, loaded.data(), "x", fromFile);
    vx::WriteRecordText(spec, defaults.data(), "x", fromTable);
    // Seeds of random arrangements come from the tick count at creation.
    auto withoutSeeds = [](std::string text) {
      for (const char* key : {"\nJ\t", "\nQ\t"}) {
        const size_t at = text.find(key);
        if (at != std::string::npos) text.erase(at, text.find('\n', at + 1) - at);
      }
      return text;
    };
    if (kind.name == std::string("explosion") || kind.name == std::string("galaxy"))
      EXPECT_EQ(withoutSeeds(fromFile), withoutSeeds(fromTable));
    else
      EXPECT_EQ(fromFile, fromTable);
  }
}

}  // namespace
