#include "commands/tool.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <ostream>
#include <vector>

#include "annotations.h"
#include "document/document.h"
#include "selection.h"
#include "frame/error_messages.h"
#include "frame/suite_set.h"
#include "frame/tool_table.h"
#include "platform/clock.h"
#include "presets/field_values.h"
#include "presets/preset_folders.h"
#include "presets/preset_records.h"
#include "presets/record_registry.h"
#include "svg/svg_io.h"
#include "tool_driver.h"

namespace vxcli {
namespace {

// Time between two drag messages, in ticks (milliseconds): a mouse reporting
// sixty times a second.
constexpr uint32_t kDragInterval = 16;
constexpr uint32_t kFirstTick = 1000;

ToolUseError UsageError(const std::string& message) { return ToolUseError(message, true); }
ToolUseError InputError(const std::string& message) { return ToolUseError(message, false); }

bool ParseNumber(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && at == end;
}

// "X,Y" in SVG user coordinates (y down) to a document point (y up).
ai::RealPoint ParsePoint(const std::string& text) {
  const size_t comma = text.find(',');
  double x = 0, y = 0;
  if (comma == std::string::npos || !ParseNumber(std::string_view(text).substr(0, comma), x) ||
      !ParseNumber(std::string_view(text).substr(comma + 1), y))
    throw UsageError("--drag takes points as X,Y (got '" + text + "')");
  return {x, -y};
}

std::string UnknownTool(const std::string& name) {
  return "unknown tool '" + name + "' (warp, wave, lens, craft, roughening, broom, metabrush, trail)";
}

const vx::ToolEntry* ToolNamed(const std::string& name, const vx::RecordKind*& kind) {
  kind = vx::FindKindByName(name);
  if ((kind == nullptr || kind->toolIndex < 0) && name == "trail") kind = vx::FindKindByName("trail-tool");
  if (kind == nullptr || kind->toolIndex < 0) return nullptr;
  for (const vx::ToolEntry& tool : vx::kToolTable)
    if (tool.paletteIndex == kind->toolIndex) return &tool;
  return nullptr;
}

// The values typed into the tool's palette become its last setting, which the
// tool's controller loads when the tool is chosen.
void ApplySets(vxhost::Host& host, const vx::RecordSpec& spec, const std::vector<std::string>& sets,
               int16_t rulerUnit) {
  if (sets.empty()) return;
  vx::suites::gBasic = host.basicSuite();
  vx::SuiteSet::Nesting() = 0;
  vx::SuiteSet suites(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
  vx::SuiteSet::Nesting() = 1;
  std::vector<std::max_align_t> storage((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  void* record = storage.data();
  std::string folder;
  std::string problem;
  if (ai::Code code = vx::FindSettingsFolder(folder)) {
    problem = std::string("settings folder: ") + vx::MessageForCode(code);
  } else {
    vx::SetRecordDefaults(spec, record, "Last Setting");
    vx::LoadLastSetting(folder, spec, record);
    for (const std::string& set : sets) {
      const size_t equals = set.find('=');
      if (equals == std::string::npos) {
        problem = "--set takes FIELD=VALUE (got '" + set + "')";
        break;
      }
      const std::string name = set.substr(0, equals);
      const vx::FieldSpec* field = vx::FindField(spec, name.c_str());
      std::string error;
      if (field == nullptr) {
        problem = "the tool has no field '" + name + "'";
        break;
      }
      if (!vx::SetFieldFromText(spec, *field, record, set.substr(equals + 1), rulerUnit, &error)) {
        problem = name + ": " + error;
        break;
      }
    }
    if (problem.empty()) {
      if (ai::Code code = vx::SaveLastSetting(folder, spec, record))
        problem = std::string("cannot keep the settings: ") + vx::MessageForCode(code);
    }
  }
  suites.Release();
  vx::SuiteSet::Nesting() = 0;
  if (!problem.empty()) throw UsageError(problem);
}

void CheckStep(ai::Code code, const char* what) {
  if (code == ai::kNoError) return;
  if (code == 0x2173656C) throw InputError(std::string(what) + ": nothing selected to work on (" + CodeText(code) + ")");
  throw InputError(std::string(what) + ": " + vx::MessageForCode(code) + " (" + CodeText(code) + ")");
}

int Run(const ToolOptions& options, std::ostream& err) {
  ToolUse use;
  use.tool = options.tool;
  const vx::RecordKind* kind = nullptr;
  if (ToolNamed(options.tool, kind) == nullptr) throw UsageError(UnknownTool(options.tool));
  if (options.drag.empty()) throw UsageError("--drag needs at least one point");
  for (const std::string& text : options.drag) use.points.push_back(ParsePoint(text));
  use.modifiers = static_cast<int16_t>((options.alt ? ai::modifier::kAlt : 0) |
                                       (options.shift ? ai::modifier::kShift : 0) |
                                       (options.ctrl ? ai::modifier::kCtrl : 0));
  use.sets = options.sets;

  std::unique_ptr<vxhost::Document> document;
  try {
    document = vxhost::svg::ReadSvgFile(options.input);
  } catch (const vxhost::svg::SvgError& error) {
    throw InputError(error.what());
  }
  Session session(options.session);
  vxhost::Host& host = session.host();
  vxhost::Document& open = host.OpenDocument(std::move(document));
  host.Notify("AI Document Opened Notifier");
  SelectArt(open, options.select);
  UseTool(session, use);

  if (!options.session.quiet)
    err << "vellumix4: " << options.tool << ": " << use.points.size() << " point" << (use.points.size() == 1 ? "" : "s")
        << " dragged\n";
  try {
    vxhost::svg::WriteSvgFile(open, options.output);
  } catch (const vxhost::svg::SvgError& error) {
    throw InputError(error.what());
  }
  return 0;
}

}  // namespace

void SelectArt(vxhost::Document& document, const std::vector<std::string>& ids) {
  const std::string missing = SelectByIds(document, ids);
  if (!missing.empty()) throw InputError("no element with id '" + missing + "'");
}

void UseTool(Session& session, const ToolUse& use) {
  const vx::RecordKind* kind = nullptr;
  const vx::ToolEntry* tool = ToolNamed(use.tool, kind);
  if (tool == nullptr) throw UsageError(UnknownTool(use.tool));
  if (use.points.empty()) throw UsageError("a drag needs at least one point");
  const std::vector<ai::RealPoint>& points = use.points;
  const int16_t modifiers = use.modifiers;
  vxhost::Host& host = session.host();
  if (host.document() == nullptr) throw InputError("no document is open");
  ApplySets(host, *kind->spec, use.sets, host.document()->rulerUnit);

  vxhost::ToolDriver driver(host, session.plugin());
  ai::Code chosen = ai::kNoError;
  if (!driver.Choose(tool->title, &chosen)) throw InputError("the plug-in registered no tool for " + use.tool);
  CheckStep(chosen, "choosing the tool");

  uint32_t ticks = kFirstTick;
  platform::SetTickCount(ticks);
  CheckStep(driver.TrackCursor(points.front(), modifiers), "moving to the first point");
  CheckStep(driver.MouseDown(points.front(), modifiers), "pressing at the first point");
  for (size_t i = 1; i < points.size(); ++i) {
    platform::SetTickCount(ticks += kDragInterval);
    const ai::Code dragged = driver.MouseDrag(points[i], modifiers);
    if (dragged != ai::kNoError) {
      driver.MouseUp(points[i], modifiers);  // lets the tool free what the drag holds
      CheckStep(dragged, "dragging");
    }
  }
  platform::SetTickCount(ticks += kDragInterval);
  CheckStep(driver.MouseUp(points.back(), modifiers), "releasing");
  platform::SetTickCount(std::nullopt);
  CheckStep(driver.Deselect(), "putting the tool away");
}

int RunTool(const ToolOptions& options, std::ostream& err) {
  try {
    return Run(options, err);
  } catch (const ToolUseError& error) {
    err << "vellumix4 tool: " << error.what() << "\n";
    return error.usage ? 2 : 1;
  }
}

}  // namespace vxcli
