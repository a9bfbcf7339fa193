#include "commands/tool.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <ostream>
#include <vector>

#include "annotations.h"
#include "document/document.h"
#include "palette_input.h"
#include "session_script.h"
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
  return "unknown tool '" + name + "' (warp, wave, lens, craft, roughening, broom, metabrush, trail, 3d-rotate)";
}

// The Live3D Rotate tool has no record of its own: it turns the selected 3D
// object's values.
constexpr char kRotate3DName[] = "3d-rotate";
constexpr int16_t kRotate3DPaletteIndex = 13;

const vx::ToolEntry* ToolNamed(const std::string& name, const vx::RecordKind*& kind) {
  if (name == kRotate3DName) {
    kind = nullptr;
    for (const vx::ToolEntry& tool : vx::kToolTable)
      if (tool.paletteIndex == kRotate3DPaletteIndex) return &tool;
    return nullptr;
  }
  kind = vx::FindKindByName(name);
  if ((kind == nullptr || kind->toolIndex < 0) && name == "trail") kind = vx::FindKindByName("trail-tool");
  if (kind == nullptr && name == "rough") kind = vx::FindKindByName("roughening");
  if (kind == nullptr || kind->toolIndex < 0) return nullptr;
  for (const vx::ToolEntry& tool : vx::kToolTable)
    if (tool.paletteIndex == kind->toolIndex) return &tool;
  return nullptr;
}

// The values typed into the tool's palette, over its default setting (or its
// last one), become its last setting, which the tool's controller loads when
// the tool is chosen.
std::vector<std::string> ApplySets(vxhost::Host& host, const vx::RecordSpec& spec, const std::vector<std::string>& sets,
                                   bool fromLast, int16_t rulerUnit) {
  std::vector<std::string> notes;
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
    if (fromLast) vx::LoadLastSetting(folder, spec, record);
    for (const std::string& set : sets) {
      const size_t equals = set.find('=');
      if (equals == std::string::npos) {
        problem = "--set takes FIELD=VALUE (got '" + set + "')";
        break;
      }
      const std::string name = set.substr(0, equals);
      const vx::FieldSpec* field = vx::FindField(spec, name.c_str());
      if (field == nullptr) {
        problem = "the tool has no field '" + name + "'";
        break;
      }
      try {
        std::string note = ReadFieldText(spec, *field, record, set.substr(equals + 1), rulerUnit, false);
        if (!note.empty()) notes.push_back(std::move(note));
      } catch (const PaletteInputError& error) {
        problem = error.what();
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
  return notes;
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
  use.fromLast = options.last;

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
  SessionPlayer player(session);
  std::vector<std::string> notes;
  try {
    SessionEvent select{SessionEvent::Kind::kSelect};
    select.names = options.select;
    player.Do(select);
    notes = UseTool(player, use);
  } catch (const SessionEventError& error) {
    throw ToolUseError(error.what(), error.usage);
  }
  if (!options.session.quiet)
    for (const std::string& note : notes) err << "vellumix4 tool: note: " << note << "\n";

  if (!options.session.quiet)
    err << "vellumix4: " << options.tool << ": " << use.points.size() << " point" << (use.points.size() == 1 ? "" : "s")
        << " dragged\n";
  try {
    vxhost::svg::WriteSvgFile(open, options.output);
  } catch (const vxhost::svg::SvgError& error) {
    throw InputError(error.what());
  }
  if (!options.recordSession.empty()) {
    try {
      WriteSessionFile(options.recordSession, player.done());
    } catch (const std::runtime_error& error) {
      throw InputError(error.what());
    }
  }
  return 0;
}

}  // namespace

void SelectArt(vxhost::Document& document, const std::vector<std::string>& ids) {
  const std::string missing = SelectByIds(document, ids);
  if (!missing.empty()) throw InputError("no element with id '" + missing + "'");
}

std::vector<std::string> ApplyToolSettings(Session& session, const std::string& tool,
                                           const std::vector<std::string>& sets, bool fromLast) {
  const vx::RecordKind* kind = nullptr;
  if (ToolNamed(tool, kind) == nullptr) throw UsageError(UnknownTool(tool));
  vxhost::Host& host = session.host();
  if (host.document() == nullptr) throw InputError("no document is open");
  if (kind == nullptr) {
    if (!sets.empty()) throw UsageError("the tool '" + tool + "' has no settings of its own");
    return {};
  }
  return ApplySets(host, *kind->spec, sets, fromLast, host.document()->rulerUnit);
}

std::string ToolTitle(const std::string& tool) {
  const vx::RecordKind* kind = nullptr;
  const vx::ToolEntry* entry = ToolNamed(tool, kind);
  return entry == nullptr ? std::string() : std::string(entry->title);
}

std::vector<std::string> UseTool(SessionPlayer& player, const ToolUse& use) {
  const vx::RecordKind* kind = nullptr;
  if (ToolNamed(use.tool, kind) == nullptr) throw UsageError(UnknownTool(use.tool));
  if (use.points.empty()) throw UsageError("a drag needs at least one point");
  using Kind = SessionEvent::Kind;
  SessionEvent settings{Kind::kToolSettings};
  settings.text = use.tool;
  settings.names = use.sets;
  settings.fromLast = use.fromLast;
  player.Do(settings);
  SessionEvent choose{Kind::kTool};
  choose.text = use.tool;
  player.Do(choose);
  // Press at the first point, a drag every tick step through the others,
  // release at the last.
  auto mouse = [&](const char* phase, ai::RealPoint at, bool sameTick) {
    SessionEvent event{Kind::kMouse};
    event.phase = phase;
    event.at = at;
    event.modifiers = use.modifiers;
    if (sameTick && !player.done().empty()) event.tick = player.done().back().tick;
    player.Do(event);
  };
  mouse("track", use.points.front(), false);
  mouse("down", use.points.front(), true);
  for (size_t i = 1; i < use.points.size(); ++i) mouse("drag", use.points[i], false);
  mouse("up", use.points.back(), false);
  player.Do(SessionEvent{Kind::kPutAway});
  return player.notes();
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
