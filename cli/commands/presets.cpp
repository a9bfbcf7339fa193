#include "commands/presets.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "frame/error_messages.h"
#include "frame/suite_set.h"
#include "host.h"
#include "presets/field_values.h"
#include "presets/preset_folders.h"
#include "presets/preset_import_export.h"
#include "presets/preset_records.h"
#include "presets/preset_store.h"
#include "presets/record_registry.h"
#include "session.h"

namespace vxcli {
namespace {

// The plug-in's preset code needs the host's services (memory blocks, the
// settings folder); a quiet in-process host gives them.
class PresetHost {
 public:
  PresetHost() : host_(Options()) {
    vx::suites::gBasic = host_.basicSuite();
    vx::SuiteSet::Nesting() = 0;
    suites_ = std::make_unique<vx::SuiteSet>(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
    vx::SuiteSet::Nesting() = 1;
  }
  ~PresetHost() { suites_->Release(); }

 private:
  static vxhost::HostOptions Options() {
    vxhost::HostOptions options;
    options.echoAlerts = true;
    return options;
  }
  vxhost::Host host_;
  std::unique_ptr<vx::SuiteSet> suites_;
};

struct Failure {
  std::string message;
};

void Check(ai::Code code, const std::string& what) {
  if (code == ai::kNoError) return;
  throw Failure{what + ": " + vx::MessageForCode(code) + " (" + CodeText(code) + ")"};
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

int16_t RulerCode(const std::string& unit) {
  static const std::pair<const char*, int16_t> kUnits[] = {{"pt", 3}, {"in", 1}, {"cm", 2}, {"mm", 5}, {"q", 7}};
  for (const auto& [name, code] : kUnits)
    if (unit == name) return code;
  throw Failure{"unknown unit '" + unit + "' (pt, in, cm, mm, q)"};
}

// A record of one kind in its own aligned buffer.
class Record {
 public:
  explicit Record(const vx::RecordSpec& spec)
      : spec_(spec), storage_((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t)) {
    vx::SetRecordDefaults(spec, get(), "Default Setting");
  }
  void* get() { return storage_.data(); }
  vx::RecordHead& head() { return *static_cast<vx::RecordHead*>(get()); }
  void SetName(const std::string& name) {
    const std::string cut = vx::CutPresetName(name);
    std::snprintf(head().presetName, sizeof head().presetName, "%s", cut.c_str());
  }

 private:
  const vx::RecordSpec& spec_;
  std::vector<std::max_align_t> storage_;
};

class Presets {
 public:
  Presets(const PresetsOptions& options, std::ostream& out) : options_(options), out_(out) {
    if (options.action != "kinds") {
      kind_ = vx::FindKindByName(options.kind);
      if (kind_ == nullptr) throw Failure{"unknown kind '" + options.kind + "' (vellumix4 presets kinds lists them)"};
    }
    if (options.settings.empty()) {
      Check(vx::FindSettingsFolder(folder_), "settings folder");
    } else {
      folder_ = WithSlash(options.settings);
    }
    rulerUnit_ = RulerCode(options.unit);
  }

  int Run() {
    const std::string& action = options_.action;
    if (action == "kinds") return Kinds();
    if (kind_ != nullptr) path_ = vx::PresetFilePathFor(folder_, *kind_->spec);
    if (action == "list") return List();
    if (action == "show") return Show();
    if (action == "save") return Save();
    if (action == "rename") return Rename();
    if (action == "delete") return Delete();
    if (action == "move") return Move();
    if (action == "export") return Export();
    if (action == "import") return Import();
    throw Failure{"unknown action '" + action + "'"};
  }

 private:
  const std::string& Argument(size_t index, const char* what) {
    if (index >= options_.arguments.size()) throw Failure{std::string("missing ") + what};
    return options_.arguments[index];
  }

  // Makes sure the kind's file exists: a new settings folder gets the defaults.
  void EnsureFile() {
    if (vx::CheckPresetFile(path_, nullptr) == ai::kNoError) return;
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    Record record(*kind_->spec);
    Check(vx::CreatePresetFileFor(folder_, *kind_->spec, record.get()), path_);
  }

  std::vector<std::string> Names(const std::string& path) {
    vx::PresetNameList list;
    Check(vx::ListPresetNames(path, list), path);
    std::vector<std::string> names;
    for (int i = 0; i < list.count(); ++i) names.emplace_back(list.name(i));
    return names;
  }

  // "Default Setting", "Last Setting", a user preset's name, or #N for the N-th.
  int IndexOf(const std::string& name, const std::vector<std::string>& names) {
    if (name == "Default Setting") return vx::kDefaultSettingIndex;
    if (name == "Last Setting") return vx::kLastSettingIndex;
    if (name.size() > 1 && name[0] == '#') {
      char* end = nullptr;
      const long index = std::strtol(name.c_str() + 1, &end, 10);
      if (*end == '\0' && index >= 0 && index < static_cast<long>(names.size())) return static_cast<int>(index);
    }
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) throw Failure{"no preset named '" + name + "'"};
    return static_cast<int>(found - names.begin());
  }

  int Kinds() {
    for (const vx::RecordKind& kind : vx::AllRecordKinds())
      out_ << kind.name << "\t" << kind.spec->presetFile << "\n";
    return 0;
  }

  int List() {
    EnsureFile();
    const auto names = Names(path_);
    out_ << "Default Setting\nLast Setting\n";
    for (size_t i = 0; i < names.size(); ++i) out_ << "#" << i << "\t" << names[i] << "\n";
    return 0;
  }

  int Show() {
    EnsureFile();
    const std::string& name = Argument(0, "preset name");
    Record record(*kind_->spec);
    Check(vx::LoadPreset(folder_, *kind_->spec, record.get(), IndexOf(name, Names(path_))), name);
    const vx::RecordSpec& spec = *kind_->spec;
    out_ << kind_->name << ": " << name << "\n";
    for (size_t i = 0; i < spec.fieldCount; ++i) {
      const vx::FieldSpec& field = spec.fields[i];
      if (field.type == vx::FieldType::kNone) continue;
      out_ << "  " << field.name << " = " << vx::FormatFieldValue(spec, field, record.get(), rulerUnit_);
      const char* unit = vx::ShownUnit(spec, field, record.get(), rulerUnit_);
      if (*unit != '\0') out_ << " " << unit;
      out_ << "\n";
    }
    return 0;
  }

  void ApplySets(const vx::RecordSpec& spec, void* record) {
    for (const std::string& set : options_.sets) {
      const size_t equals = set.find('=');
      if (equals == std::string::npos) throw Failure{"--set wants FIELD=VALUE, not '" + set + "'"};
      const std::string name = set.substr(0, equals);
      const vx::FieldSpec* field = vx::FindField(spec, name.c_str());
      if (field == nullptr || field->type == vx::FieldType::kNone)
        throw Failure{"'" + options_.kind + "' has no field '" + name + "'"};
      std::string error;
      if (!vx::SetFieldFromText(spec, *field, record, set.substr(equals + 1), rulerUnit_, &error))
        throw Failure{name + ": " + error};
    }
  }

  int Save() {
    EnsureFile();
    const std::string& name = Argument(0, "preset name");
    if (name == "Default Setting" || name == "Last Setting") throw Failure{"'" + name + "' is kept by the palettes"};
    Record record(*kind_->spec);
    if (vx::LoadPreset(folder_, *kind_->spec, record.get(), vx::kLastSettingIndex) != ai::kNoError)
      vx::SetRecordDefaults(*kind_->spec, record.get(), "Default Setting");
    ApplySets(*kind_->spec, record.get());
    record.SetName(name);
    const auto names = Names(path_);
    const auto existing = std::find(names.begin(), names.end(), record.head().presetName);
    if (existing != names.end()) {
      Check(vx::ReplacePreset(folder_, *kind_->spec, record.get(), static_cast<int>(existing - names.begin())), path_);
      out_ << "replaced " << record.head().presetName << "\n";
    } else {
      Check(vx::AppendPreset(folder_, *kind_->spec, record.get()), path_);
      out_ << "saved " << record.head().presetName << "\n";
    }
    return 0;
  }

  int Rename() {
    EnsureFile();
    const auto names = Names(path_);
    const int index = IndexOf(Argument(0, "preset name"), names);
    if (index < 0) throw Failure{"the default and last settings keep their names"};
    Record record(*kind_->spec);
    Check(vx::LoadPreset(folder_, *kind_->spec, record.get(), index), path_);
    record.SetName(Argument(1, "new name"));
    Check(vx::ReplacePreset(folder_, *kind_->spec, record.get(), index), path_);
    return 0;
  }

  std::vector<int> UserIndices(size_t first, const std::vector<std::string>& names) {
    std::vector<int> indices;
    for (size_t i = first; i < options_.arguments.size(); ++i) {
      const int index = IndexOf(options_.arguments[i], names);
      if (index < 0) throw Failure{"only user presets can be " + options_.action + "ed"};
      indices.push_back(index);
    }
    if (indices.empty()) throw Failure{"name the presets to " + options_.action};
    return indices;
  }

  int Delete() {
    EnsureFile();
    const auto indices = UserIndices(0, Names(path_));
    Check(vx::DeletePresetRecords(path_, indices), path_);
    return 0;
  }

  int Move() {
    EnsureFile();
    const auto names = Names(path_);
    const int from = IndexOf(Argument(0, "preset name"), names);
    const std::string& position = Argument(1, "position");
    char* end = nullptr;
    const long to = std::strtol(position.c_str(), &end, 10);
    if (from < 0 || *end != '\0' || to < 0 || to >= static_cast<long>(names.size()))
      throw Failure{"move wants a user preset and a position from 0 to " + std::to_string(names.size() - 1)};
    Check(vx::MovePresetRecord(path_, from, static_cast<int>(to)), path_);
    return 0;
  }

  int Export() {
    EnsureFile();
    const std::string target = WithSlash(Argument(0, "target folder"));
    const auto picked = UserIndices(1, Names(path_));
    int exported = 0;
    Check(vx::ExportPresets(path_, target, picked, &exported), target);
    out_ << "exported " << exported << " preset" << (exported == 1 ? "" : "s") << "\n";
    return 0;
  }

  int Import() {
    EnsureFile();
    const std::string source = WithSlash(Argument(0, "source folder"));
    std::string sourcePath;
    Check(vx::CheckImportSource(path_, source, sourcePath), source);
    const auto sourceNames = Names(sourcePath);
    std::vector<int> picked;
    for (size_t i = 1; i < options_.arguments.size(); ++i) {
      const int index = IndexOf(options_.arguments[i], sourceNames);
      if (index < 0) throw Failure{"only user presets can be imported"};
      picked.push_back(index);
    }
    if (picked.empty()) throw Failure{"name the presets to import"};
    vx::ImportOutcome outcome;
    Check(vx::ImportPresets(path_, sourcePath, picked, &outcome), sourcePath);
    out_ << "imported " << outcome.imported << " preset" << (outcome.imported == 1 ? "" : "s") << "\n";
    if (outcome.limited) out_ << vx::kPresetLimitExceededMessage << "\n";
    return 0;
  }

  const PresetsOptions& options_;
  std::ostream& out_;
  const vx::RecordKind* kind_ = nullptr;
  std::string folder_;
  std::string path_;
  int16_t rulerUnit_ = 3;
};

}  // namespace

int RunPresets(const PresetsOptions& options, std::ostream& out, std::ostream& err) {
  try {
    PresetHost host;
    return Presets(options, out).Run();
  } catch (const Failure& failure) {
    err << "vellumix4: " << failure.message << "\n";
    return 1;
  }
}

}  // namespace vxcli
