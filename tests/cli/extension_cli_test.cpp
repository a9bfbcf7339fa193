// The Inkscape extension: descriptors made from the record tables, vellumix4
// called exactly as Inkscape calls an extension, live objects edited in place
// on a second run, and one real Inkscape where it can start.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>

#include "fractalize/fractalize_params.h"
#include "presets/record_registry.h"
#include "support/adwaita_icons.h"
#include "support/run_cli.h"
#include "support/settings_home.h"

namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class ExtensionCli : public ::testing::Test {
 protected:
  ExtensionCli() {
    std::string pattern = (fs::temp_directory_path() / "vx-cli-extension-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    input = (dir / "in.svg").string();
    std::ofstream(input) << "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
                            "<path id='wave' d='M10 50C30 10 60 90 90 40' fill='#ffee88' stroke='#2040ff' "
                            "stroke-width='4'/>"
                            "<path id='line' d='M10 90H90' fill='none' stroke='#000' stroke-width='2'/></svg>";
  }
  ~ExtensionCli() override { fs::remove_all(dir); }

  // The descriptors this build writes, by file name.
  std::vector<fs::path> Descriptors() {
    const fs::path folder = dir / "inx";
    const auto run = vxtest::RunVellumix4("extension write " + folder.string() + " -q");
    EXPECT_EQ(run.status, 0) << run.output;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().extension() == ".inx") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
  }

  // The arguments Inkscape 1.x passes: --id for each selected object, every
  // parameter as --name=value with its default (bools as true/false), the
  // document last.
  static std::string InkscapeArguments(const pugi::xml_node& extension, const std::string& id,
                                       const std::string& document) {
    std::string arguments = "--id=" + id;
    for (const pugi::xml_node& param : extension.children("param"))
      arguments += " '--" + std::string(param.attribute("name").value()) + "=" + param.child_value() + "'";
    return arguments + " " + document;
  }

  vxtest::ScopedSettingsHome settingsHome;
  fs::path dir;
  std::string input;
};

TEST_F(ExtensionCli, EveryDescriptorFollowsItsRecordTable) {
  const std::vector<fs::path> files = Descriptors();
  ASSERT_GE(files.size(), 2u);
  bool sawNeon = false, sawFractalize = false;
  for (const fs::path& file : files) {
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(file.c_str())) << file;
    const pugi::xml_node extension = xml.child("inkscape-extension");
    ASSERT_TRUE(extension) << file;
    EXPECT_STREQ(extension.attribute("xmlns").value(), "http://www.inkscape.org/namespace/inkscape/extension");
    EXPECT_NE(std::string(extension.child_value("name")), "") << file;
    const std::string id = extension.child_value("id");
    const pugi::xml_node kindParam = extension.find_child_by_attribute("param", "name", "vx-kind");
    ASSERT_TRUE(kindParam) << file;
    const std::string kindName = kindParam.child_value();
    EXPECT_EQ(id, "org.vellumix4." + kindName);
    EXPECT_STREQ(extension.child("effect").child("effects-menu").child("submenu").attribute("name").value(), "VELLUMiX4");
    EXPECT_STREQ(extension.child("script").child("command").attribute("interpreter").value(), "shell");
    EXPECT_TRUE(fs::exists(file.parent_path() / extension.child("script").child_value("command")));

    const vx::RecordKind* kind = vx::FindKindByName(kindName);
    ASSERT_NE(kind, nullptr) << kindName;
    sawNeon |= kindName == "neon";
    sawFractalize |= kindName == "fractalize";
    // Each palette field is a parameter of its type with the table's range.
    size_t fields = 0;
    for (size_t f = 0; f < kind->spec->fieldCount; ++f) {
      const vx::FieldSpec& field = kind->spec->fields[f];
      if (field.controlId == 0 || field.type == vx::FieldType::kNone) continue;
      ++fields;
      const pugi::xml_node param = extension.find_child_by_attribute("param", "name", field.name);
      ASSERT_TRUE(param) << kindName << " lacks " << field.name;
      const std::string type = param.attribute("type").value();
      switch (field.type) {
        case vx::FieldType::kBool: EXPECT_EQ(type, "bool") << field.name; break;
        case vx::FieldType::kReal: EXPECT_EQ(type, "float") << field.name; break;
        case vx::FieldType::kShort:
        case vx::FieldType::kInt:
        case vx::FieldType::kUnsigned: EXPECT_EQ(type, "int") << field.name; break;
        default: EXPECT_EQ(type, "string") << field.name; break;
      }
      if (type == "int" || type == "float") {
        EXPECT_LE(param.attribute("min").as_double(), field.minimum) << kindName << "." << field.name;
        EXPECT_GE(param.attribute("max").as_double(), field.maximum) << kindName << "." << field.name;
      }
    }
    const size_t params = std::distance(extension.children("param").begin(), extension.children("param").end());
    EXPECT_EQ(params, fields + (kindName == "fractalize" ? 2 : 1)) << kindName << ": a parameter per palette field";
  }
  EXPECT_TRUE(sawNeon);
  EXPECT_TRUE(sawFractalize);
}

TEST_F(ExtensionCli, InkscapesCallGivesWhatTheEffectCommandGives) {
  setenv("VELLUMIX4_TICKS", "4242", 1);  // Fractalize's seed, the same in both runs
  for (const fs::path& file : Descriptors()) {
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(file.c_str()));
    const pugi::xml_node extension = xml.child("inkscape-extension");
    const std::string kind = extension.find_child_by_attribute("param", "name", "vx-kind").child_value();
    const std::string expected = (dir / (kind + "-expected.svg")).string();
    const auto direct =
        kind == "fractalize"
            ? vxtest::RunVellumix4("fractalize " + input + " -o " + expected + " --live --select wave -q")
            : vxtest::RunVellumix4("effect " + kind + " " + input + " -o " + expected + " --select wave -q");
    ASSERT_EQ(direct.status, 0) << kind << ": " << direct.output;
    const auto called = vxtest::RunVellumix4("inkscape " + InkscapeArguments(extension, "wave", input), false);
    EXPECT_EQ(called.status, 0) << kind;
    EXPECT_EQ(called.output, FileText(expected)) << kind << ": the extension's output is not the effect's";
  }
  unsetenv("VELLUMIX4_TICKS");
}

TEST_F(ExtensionCli, ASecondRunOnALiveObjectEditsItInPlace) {
  const auto first = vxtest::RunVellumix4("inkscape --vx-kind=neon --id=wave --tracks=2 " + input, false);
  ASSERT_EQ(first.status, 0);
  // Inkscape gives every element an id when it saves, and writes the tabs and
  // line breaks of the settings text as they are, with LF line ends.
  std::string saved = first.output;
  const size_t live = saved.find("<g vx:live=");
  ASSERT_NE(live, std::string::npos);
  saved.insert(live + 2, " id=\"g7\"");
  for (const auto& [escaped, literal] : {std::pair<std::string, std::string>{"&#09;", "\t"}, {"&#13;&#10;", "\n"}})
    for (size_t at = saved.find(escaped); at != std::string::npos; at = saved.find(escaped, at))
      saved.replace(at, escaped.size(), literal);
  const std::string savedPath = (dir / "saved.svg").string();
  std::ofstream(savedPath) << saved;

  const auto second = vxtest::RunVellumix4("inkscape --vx-kind=neon --id=g7 --tracks=3 " + savedPath, false);
  ASSERT_EQ(second.status, 0);
  size_t count = 0;
  for (size_t at = second.output.find("vx:live=\"VELLUMiX4"); at != std::string::npos;
       at = second.output.find("vx:live=\"VELLUMiX4", at + 1))
    ++count;
  EXPECT_EQ(count, 1u) << "wrapped twice";
  EXPECT_NE(second.output.find("A&#09;3&#13;&#10;B&#09;0.000000&#13;&#10;"), std::string::npos)
      << "the new value is in the object, the settings text whole";
  // The settings as Inkscape wrote them still rebuild the same object.
  const std::string rebuilt = (dir / "rebuilt.svg").string();
  ASSERT_EQ(vxtest::RunVellumix4("regenerate " + savedPath + " -o " + rebuilt + " -q").status, 0);
  const std::string text = FileText(rebuilt);
  EXPECT_NE(text.find("A&#09;2&#10;B&#09;0.000000&#10;"), std::string::npos) << "tabs and line breaks kept";
  auto paths = [](const std::string& svg) {
    size_t count = 0;
    for (size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) ++count;
    return count;
  };
  EXPECT_EQ(paths(text), paths(first.output)) << "two tracks rebuilt from the settings read back";

  const auto mistake = vxtest::RunVellumix4("inkscape --vx-kind=neon --sparkle=1 " + input);
  EXPECT_EQ(mistake.status, 2);
  EXPECT_NE(mistake.output.find("sparkle"), std::string::npos);
}

// One real Inkscape, headless: installs the extension into a settings home of
// its own, applies Live Neon to an Adwaita icon through its menu action, and
// rebuilds the live object from the file Inkscape saved.
TEST_F(ExtensionCli, RealInkscapeAppliesAnEffectThroughItsExtension) {
  if (std::system("command -v inkscape > /dev/null 2>&1 && command -v xvfb-run > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "Inkscape or xvfb-run is not installed (scripts/setup installs both)";
  const auto icons = vxtest::SpreadAdwaitaIcons(1);
  if (icons.empty()) GTEST_SKIP() << "adwaita-icon-theme is not installed";
  const std::string home = settingsHome.path();
  ASSERT_EQ(vxtest::RunVellumix4("extension install -q").status, 0);
  ASSERT_TRUE(fs::exists(fs::path(home) / "inkscape" / "extensions" / "vellumix4" / "vellumix4_neon.inx"));

  const std::string out = (dir / "inkscape.svg").string();
  const std::string command = "HOME=" + home + " timeout 120 xvfb-run -a inkscape --with-gui --batch-process " +
                              "--actions='select-all;org.vellumix4.neon.noprefs;export-filename:" + out +
                              ";export-do' " + icons[0].string() + " > " + (dir / "inkscape.log").string() + " 2>&1";
  const int status = std::system(command.c_str());
  if (!fs::exists(out)) GTEST_SKIP() << "Inkscape could not start here (status " << status << "): "
                                     << FileText(dir / "inkscape.log").substr(0, 400);
  EXPECT_NE(FileText(out).find("vx:live=\"VELLUMiX4 Neon"), std::string::npos) << "no live object in Inkscape's file";
  const auto rebuilt = vxtest::RunVellumix4("regenerate " + out + " -o " + (dir / "rebuilt.svg").string());
  EXPECT_EQ(rebuilt.status, 0) << rebuilt.output;
  EXPECT_NE(rebuilt.output.find("rebuilt, 0 kept"), std::string::npos) << rebuilt.output;
}

}  // namespace
