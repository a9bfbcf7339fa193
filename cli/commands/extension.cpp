#include "commands/extension.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "commands/effect.h"
#include "commands/fractalize.h"
#include "frame/effect_table.h"
#include "gallery/sample_art.h"
#include "fractalize/fractalize_params.h"
#include "presets/field_values.h"
#include "presets/record_registry.h"

namespace vxcli {
namespace {

using gallery::XmlEscape;

namespace fs = std::filesystem;

constexpr char kScript[] = "vellumix4-inkscape.sh";
constexpr char kKindParam[] = "vx-kind";
constexpr char kFractalizeKind[] = "fractalize";
constexpr char kLiveParam[] = "vx-live";

std::string Number(double value) {
  std::ostringstream text;
  text.precision(10);
  text << value;
  return text.str();
}

// One <param> for a field of the palette, with the field's type, range and
// default in the palette's units.
std::string ParamFor(const vx::RecordSpec& spec, const vx::FieldSpec& field, const void* defaults) {
  const std::string value = vx::FormatFieldValue(spec, field, defaults, ai::ruler_unit::kPoints);
  const std::string unit = vx::ShownUnit(spec, field, defaults, ai::ruler_unit::kPoints);
  const std::string label = field.name + (unit.empty() ? std::string() : " (" + unit + ")");
  std::ostringstream param;
  param << "  <param name=\"" << field.name << "\" gui-text=\"" << XmlEscape(label) << "\" ";
  double minimum = field.minimum, maximum = field.maximum;
  if (field.shown == vx::Shown::kPercentOrLength) {
    minimum = std::min(minimum, field.altMinimum);
    maximum = std::max(maximum, field.altMaximum);
  }
  switch (field.type) {
    case vx::FieldType::kBool:
      param << "type=\"bool\">" << (value == "1" ? "true" : "false");
      break;
    case vx::FieldType::kShort:
    case vx::FieldType::kInt:
    case vx::FieldType::kUnsigned:
      param << "type=\"int\" min=\"" << Number(minimum) << "\" max=\"" << Number(maximum) << "\">" << value;
      break;
    case vx::FieldType::kReal:
      param << "type=\"float\" precision=\"3\" min=\"" << Number(minimum) << "\" max=\"" << Number(maximum) << "\">"
            << value;
      break;
    default:  // points ("x,y") and colours in their text form
      param << "type=\"string\">" << XmlEscape(value);
      break;
  }
  param << "</param>\n";
  return param.str();
}

std::string Descriptor(const std::string& kindName, const std::string& title, const vx::RecordSpec& spec,
                       bool liveChoice) {
  std::vector<std::max_align_t> defaults((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  vx::SetRecordDefaults(spec, defaults.data(), "");
  std::ostringstream inx;
  inx << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<inkscape-extension xmlns=\"http://www.inkscape.org/namespace/inkscape/extension\">\n"
      << "  <name>" << XmlEscape(title) << "</name>\n"
      << "  <id>org.vellumix4." << kindName << "</id>\n"
      << "  <param name=\"" << kKindParam << "\" type=\"string\" gui-hidden=\"true\">" << kindName << "</param>\n";
  if (liveChoice)
    inx << "  <param name=\"" << kLiveParam << "\" type=\"bool\" gui-text=\"live effect (keeps the source)\">true</param>\n";
  for (size_t f = 0; f < spec.fieldCount; ++f)
    if (spec.fields[f].controlId != 0 && spec.fields[f].type != vx::FieldType::kNone)
      inx << ParamFor(spec, spec.fields[f], defaults.data());
  inx << "  <effect needs-live-preview=\"false\">\n"
         "    <object-type>all</object-type>\n"
         "    <effects-menu><submenu name=\"VELLUMiX4\"/></effects-menu>\n"
         "  </effect>\n"
      << "  <script><command location=\"inx\" interpreter=\"shell\">" << kScript << "</command></script>\n"
      << "</inkscape-extension>\n";
  return inx.str();
}

std::string QuotedForShell(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// This program's own path, for the script Inkscape runs.
std::string ProgramPath() {
  std::error_code ignored;
  const fs::path self = fs::read_symlink("/proc/self/exe", ignored);
  return self.empty() ? std::string("vellumix4") : self.string();
}

void WriteFile(const fs::path& path, const std::string& text) {
  const fs::path partial = path.string() + ".part";
  {
    std::ofstream file(partial, std::ios::binary);
    file << text;
    if (!file.flush()) throw std::runtime_error("cannot write " + partial.string());
  }
  std::error_code error;
  fs::rename(partial, path, error);
  if (error) throw std::runtime_error("cannot write " + path.string() + ": " + error.message());
}

int Write(const fs::path& folder, const SessionOptions& session, bool quiet, std::ostream& err) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    err << "vellumix4 extension: cannot make the folder " << folder.string() << "\n";
    return 1;
  }
  size_t count = 0;
  try {
    for (const vx::RecordKind* kind : EffectsWithPalettes(session)) {
      const std::string title = std::string("VELLUMiX4 ") + vx::EffectTable()[kind->effectIndex].menuText;
      WriteFile(folder / ("vellumix4_" + std::string(kind->name) + ".inx"),
                Descriptor(kind->name, title, *kind->spec, false));
      ++count;
    }
    WriteFile(folder / "vellumix4_fractalize.inx",
              Descriptor(kFractalizeKind, "VELLUMiX4 フラクタル化", vx::kFractalizeParamsSpec, true));
    ++count;
    WriteFile(folder / kScript, "#!/bin/sh\n# Inkscape runs this with the extension's parameters and the document last.\n"
                                "exec " + QuotedForShell(ProgramPath()) + " inkscape \"$@\"\n");
    fs::permissions(folder / kScript, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, error);
  } catch (const std::exception& failure) {
    err << "vellumix4 extension: " << failure.what() << "\n";
    return 1;
  }
  if (!quiet) err << "vellumix4: " << count << " Inkscape extensions written to " << folder.string() << "\n";
  return 0;
}

struct InkscapeCall {
  std::string kind;
  bool live = false;
  std::vector<std::string> ids;
  std::vector<std::pair<std::string, std::string>> values;  // field, value
  std::string document;
  std::string output = "-";
};

InkscapeCall ParseCall(const std::vector<std::string>& arguments) {
  InkscapeCall call;
  for (const std::string& argument : arguments) {
    if (argument.rfind("--", 0) != 0) {
      if (!call.document.empty()) throw std::invalid_argument("one document is expected, got " + argument);
      call.document = argument;
      continue;
    }
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const std::string value = equals == std::string::npos ? "" : argument.substr(equals + 1);
    if (name == kKindParam) call.kind = value;
    else if (name == kLiveParam) call.live = value == "true" || value == "1";
    else if (name == "id") call.ids.push_back(value);
    else if (name == "output") call.output = value;
    else if (name == "selected-nodes" || name == "tab") continue;  // Inkscape's own, not the effect's
    else call.values.emplace_back(name, value);
  }
  if (call.kind.empty()) throw std::invalid_argument(std::string("--") + kKindParam + "=NAME is missing");
  if (call.document.empty()) throw std::invalid_argument("the document to work on is missing");
  return call;
}

// The values in the order of the record table, so a mode comes before the
// fields it switches on, whatever order they were passed in.
std::vector<std::string> InTableOrder(const vx::RecordSpec& spec,
                                      const std::vector<std::pair<std::string, std::string>>& values) {
  std::vector<std::pair<size_t, std::string>> ordered;
  for (const auto& [name, value] : values) {
    const vx::FieldSpec* field = vx::FindField(spec, name.c_str());
    if (field == nullptr) throw std::invalid_argument("no field '" + name + "'");
    std::string text = value;
    if (field->type == vx::FieldType::kBool) text = value == "true" ? "1" : value == "false" ? "0" : value;
    ordered.emplace_back(static_cast<size_t>(field - spec.fields), name + "=" + text);
  }
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> sets;
  for (auto& [index, set] : ordered) sets.push_back(std::move(set));
  return sets;
}

}  // namespace

std::string UserExtensionsFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
    return (fs::path(config) / "inkscape" / "extensions").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home != nullptr ? home : ".") / ".config" / "inkscape" / "extensions").string();
}

int RunExtension(const ExtensionOptions& options, std::ostream& out, std::ostream& err) {
  (void)out;
  if (options.action == "write") {
    if (options.folder.empty()) {
      err << "vellumix4 extension write: name the folder to write into\n";
      return 2;
    }
    return Write(options.folder, options.session, options.session.quiet, err);
  }
  if (options.action == "install") {
    const fs::path folder = options.folder.empty() ? fs::path(UserExtensionsFolder()) / "vellumix4" : fs::path(options.folder);
    return Write(folder, options.session, options.session.quiet, err);
  }
  err << "vellumix4 extension: write FOLDER or install [FOLDER]\n";
  return 2;
}

int RunInkscape(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  InkscapeCall call;
  try {
    call = ParseCall(arguments);
  } catch (const std::invalid_argument& mistake) {
    err << "vellumix4 inkscape: " << mistake.what() << "\n";
    return 2;
  }
  SessionOptions session;
  session.quiet = true;
  try {
    if (call.kind == kFractalizeKind) {
      FractalizeOptions options;
      options.input = call.document;
      options.output = call.output;
      options.live = call.live;
      options.select = call.ids;
      options.sets = InTableOrder(vx::kFractalizeParamsSpec, call.values);
      options.fromDefault = true;
      options.session = session;
      return RunFractalize(options, err);
    }
    const vx::RecordKind* kind = vx::FindKindByName(call.kind);
    if (kind == nullptr || kind->effectIndex < 0) {
      err << "vellumix4 inkscape: unknown effect '" << call.kind << "'\n";
      return 2;
    }
    EffectOptions options;
    options.effect = call.kind;
    options.input = call.document;
    options.output = call.output;
    options.select = call.ids;
    options.sets = InTableOrder(*kind->spec, call.values);
    options.skipDisabled = true;
    options.session = session;
    return RunEffect(options, out, err);
  } catch (const std::invalid_argument& mistake) {
    err << "vellumix4 inkscape: " << mistake.what() << "\n";
    return 2;
  }
}

}  // namespace vxcli
