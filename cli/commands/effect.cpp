#include "commands/effect.h"

#include <cstdlib>
#include <memory>
#include <ostream>
#include <stdexcept>

#include "commands/tool.h"
#include "actions/action_file.h"
#include "document/document.h"
#include "frame/effect_table.h"
#include "frame/error_messages.h"
#include "gallery/gallery_files.h"
#include "palette_input.h"
#include "session_script.h"
#include "platform/ui/dialog.h"
#include "platform/ui/ui_driver.h"
#include "presets/field_values.h"
#include "presets/record_registry.h"
#include "svg/svg_io.h"
#include "ui/panels/palette_panel.h"

namespace vxcli {
namespace {

// Whether `field` holds the same value in both records (both components of a point).
bool SameStored(const vx::FieldSpec& field, const void* a, const void* b) {
  if (vx::StoredComponent(field, a) != vx::StoredComponent(field, b)) return false;
  return field.type != vx::FieldType::kPoint || vx::StoredComponent(field, a, 1) == vx::StoredComponent(field, b, 1);
}

constexpr int32_t kLiveUpdateBox = 1422, kApplyButton = 1425, kExpandButton = 1423;
constexpr char kEffectPanel[] = "__KwDL_VELLUMiX4PG_v46_PrefsPrefix__";

struct EffectError : std::runtime_error {
  EffectError(const std::string& message, bool usage) : std::runtime_error(message), usage(usage) {}
  bool usage;
};
EffectError Usage(const std::string& message) { return EffectError(message, true); }
EffectError Failed(const std::string& message) { return EffectError(message, false); }

const vx::RecordKind* EffectNamed(const std::string& name) {
  const vx::RecordKind* kind = vx::FindKindByName(name);
  return kind != nullptr && kind->effectIndex >= 0 ? kind : nullptr;
}

std::string EffectNames() {
  std::string names;
  for (const vx::RecordKind& kind : vx::AllRecordKinds())
    if (kind.effectIndex >= 0) names += (names.empty() ? "" : ", ") + std::string(kind.name);
  return names;
}

const char* ShownName(const vx::FieldSpec& field) {
  switch (field.shown) {
    case vx::Shown::kPercent: return "percent";
    case vx::Shown::kDegrees: return "degrees";
    case vx::Shown::kLength: return "length (ruler unit, or a number with its unit)";
    case vx::Shown::kChoice: return "choice";
    case vx::Shown::kPercentOrLength: return "percent or length, by mode";
    case vx::Shown::kSeconds: return "seconds";
    default: return field.type == vx::FieldType::kBool ? "on/off" : "number";
  }
}

void ListFields(const vx::RecordKind& kind, std::ostream& out) {
  const vx::RecordSpec& spec = *kind.spec;
  std::vector<std::max_align_t> storage((spec.size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  vx::SetRecordDefaults(spec, storage.data(), "");
  out << kind.name << ": fields for --set (palette units; values are clamped to the range)\n";
  for (size_t f = 0; f < spec.fieldCount; ++f) {
    const vx::FieldSpec& field = spec.fields[f];
    if (field.controlId == 0) continue;  // not on the palette
    out << "  " << field.name << "  " << ShownName(field);
    if (field.type != vx::FieldType::kBool) out << " " << field.minimum << ".." << field.maximum;
    out << "  default " << vx::FormatFieldValue(spec, field, storage.data(), 3) << "\n";
  }
}

platform::ui::Dialog* PaletteIn(vxhost::Host& host) {
  vxhost::Panel* panel = host.panels().FindByIdentifier(kEffectPanel);
  if (panel == nullptr || !panel->shown) return nullptr;
  for (platform::ui::Dialog* dialog : host.desktop().Dialogs())
    if (dialog->Parent() == panel->inside) return dialog;
  return nullptr;
}

// Chooses the effect's menu item, which opens its palette (or closes it when
// it is open).
std::vector<std::string> MenuPath(const vx::RecordKind& kind) {
  std::vector<std::string> path{"VELLUMiX4"};
  if (kind.effectIndex < vx::kFirstPlainEffect) path.push_back("Live 3D変換");
  path.push_back(vx::EffectTable()[kind.effectIndex].menuText);
  return path;
}

ai::MenuMessage ChooseMenuItem(Session& session, const vx::RecordKind& kind) {
  vxhost::MenuItem* item = session.host().app().FindItemByPath(MenuPath(kind));
  if (item == nullptr) throw Failed(std::string("the plug-in has no menu item for ") + kind.name);
  ai::MenuMessage message{};
  message.item = reinterpret_cast<ai::MenuItemHandle>(item);
  session.plugin().Send(ai::callers::kMenu, ai::selectors::kGo, message);
  return message;
}

int Run(const EffectOptions& options, std::ostream& out, std::ostream& err) {
  if (options.list) {
    for (const vx::RecordKind& kind : vx::AllRecordKinds())
      if (kind.effectIndex >= 0) out << kind.name << "\t" << vx::EffectTable()[kind.effectIndex].menuText << "\n";
    return 0;
  }
  if (options.effect.empty()) throw Usage("name an effect (" + EffectNames() + ") or use --list");
  const vx::RecordKind* kind = EffectNamed(options.effect);
  if (kind == nullptr) throw Usage("unknown effect '" + options.effect + "' (" + EffectNames() + ")");
  if (options.fields) {
    ListFields(*kind, out);
    return 0;
  }
  if (options.input.empty() || options.output.empty()) throw Usage("an input file and -o OUTPUT are needed");
  std::vector<std::pair<const vx::FieldSpec*, std::string>> values;
  for (const std::string& set : options.sets) {
    const size_t equals = set.find('=');
    if (equals == std::string::npos) throw Usage("--set takes FIELD=VALUE (got '" + set + "')");
    const vx::FieldSpec* field = vx::FindField(*kind->spec, set.substr(0, equals).c_str());
    if (field == nullptr)
      throw Usage(options.effect + " has no field '" + set.substr(0, equals) + "' (see: effect " + options.effect +
                  " --help)");
    values.emplace_back(field, set.substr(equals + 1));
  }

  std::unique_ptr<vxhost::Document> document;
  try {
    document = vxhost::svg::ReadSvgFile(options.input);
  } catch (const vxhost::svg::SvgError& error) {
    throw Failed(error.what());
  }
  // Each value is read as its field's control would read it, so a value the
  // palette would drop is refused here and a clamped one is reported.
  std::vector<std::max_align_t> typed((kind->spec->size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
  vx::SetRecordDefaults(*kind->spec, typed.data(), "");
  std::vector<std::string> notes;
  // From the default setting, the choice each control shows before its value
  // is typed is known, so a choice may be given by its number.
  const bool fromDefault = !options.last && options.preset.empty();
  std::vector<int32_t> shownBefore;
  std::vector<std::max_align_t> defaults(typed.size());
  vx::SetRecordDefaults(*kind->spec, defaults.data(), "");
  try {
    for (const auto& [field, value] : values) {
      shownBefore.push_back(fromDefault && field->shown == vx::Shown::kChoice
                                ? static_cast<int32_t>(vx::StoredComponent(*field, typed.data()))
                                : -1);
      std::string note = ReadFieldText(*kind->spec, *field, typed.data(), value, document->rulerUnit, true);
      if (!note.empty()) notes.push_back(std::move(note));
    }
  } catch (const PaletteInputError& error) {
    throw EffectError(error.what(), error.usage);
  }
  if (!options.session.quiet)
    for (const std::string& note : notes) err << "vellumix4 effect: note: " << note << "\n";

  Session session(options.session);
  vxhost::Host& host = session.host();
  vxhost::Document& open = host.OpenDocument(std::move(document));
  host.Notify("AI Document Opened Notifier");

  // Everything below is what a person does, event by event.
  using Kind = SessionEvent::Kind;
  SessionPlayer player(session);
  const vx::EffectEntry& entry = vx::EffectTable()[kind->effectIndex];
  try {
    SessionEvent select{Kind::kSelect};
    select.names = options.select;
    player.Do(select);
    SessionEvent menu{Kind::kMenu};
    menu.names = MenuPath(*kind);
    player.Do(menu);
    platform::ui::Dialog* palette = player.Palette();
    if (palette == nullptr) throw Failed("the palette of " + options.effect + " does not open (not built yet)");

    auto press = [&](int32_t id, const char* what) {
      if (player.Click(*palette, id) != platform::ui::kUiOk) throw Failed(std::string("cannot press ") + what);
    };
    // Live Update off first: with it on, choosing a setting in the flyout would
    // already apply it to the selection, before the values are typed.
    if (platform::ui::Control* box = palette->Item(kLiveUpdateBox); box != nullptr && box->Check() != 0)
      press(kLiveUpdateBox, "Live Update");
    // A run starts from the default setting, as choosing it in the flyout does,
    // so what an earlier run typed never carries over; --last keeps it.
    if (!options.last) {
      SessionEvent flyout{Kind::kFlyout};
      flyout.id = static_cast<int32_t>(vx::flyout::kDefaultSetting);
      player.Do(flyout);
    }
    if (!options.preset.empty()) {
      vxhost::Panel* panel = host.panels().FindByIdentifier(kEffectPanel);
      SessionEvent flyout{Kind::kFlyout};
      for (const vxhost::FlyoutItem& flyoutItem : panel->flyout->items)
        if (flyoutItem.id >= vx::flyout::kFirstPreset && flyoutItem.text == options.preset)
          flyout.id = static_cast<int32_t>(flyoutItem.id);
      if (flyout.id == 0) throw Usage(options.effect + " has no preset '" + options.preset + "'");
      player.Do(flyout);
    }
    try {
      for (size_t i = 0; i < values.size(); ++i) {
        const auto& [field, value] = values[i];
        // Callers that pass every field (an extension's dialog) leave the ones
        // the palette has switched off as the palette shows them.
        const platform::ui::Control* control = field->controlId != 0 ? palette->Item(field->controlId) : nullptr;
        if (options.skipDisabled && control != nullptr && !control->Enabled()) continue;
        // Nor do they retype a value the palette shows already: a run of the
        // extension's dialog at its defaults is the same events as a plain
        // run, so Apply comes at the same tick and draws the same seed.
        if (options.skipDisabled && fromDefault && SameStored(*field, typed.data(), defaults.data())) continue;
        TypeFieldValue(player, *palette, *field, value, shownBefore[i]);
      }
    } catch (const PaletteInputError& error) {
      throw EffectError(error.what(), error.usage);
    }
    host.actions().SetRecording(!options.record.empty());
    press(kApplyButton, "Apply");
    host.actions().SetRecording(false);
    if (options.expand) {
      SessionEvent live{Kind::kSelectLive};
      live.text = entry.groupStem;
      player.Do(live);
      press(kExpandButton, "Expand");
    }
    player.Do(menu);  // closes the palette
  } catch (const SessionEventError& error) {
    throw EffectError(error.what(), error.usage);
  }

  try {
    vxhost::svg::WriteSvgFile(open, options.output);
  } catch (const vxhost::svg::SvgError& error) {
    throw Failed(error.what());
  }
  if (!options.recordSession.empty()) {
    try {
      WriteSessionFile(options.recordSession, player.done());
    } catch (const std::runtime_error& error) {
      throw Failed(error.what());
    }
  }
  if (!options.record.empty()) {
    try {
      vxhost::SaveRecordedActions(host, options.record);
    } catch (const std::exception& error) {
      throw Failed(error.what());
    }
  }
  if (!options.png.empty()) {
    if (options.output == "-") throw Usage("--png needs an output file");
    switch (gallery::RenderPng(options.output, options.png, "white", 1.0)) {
      case gallery::RenderResult::kWritten: break;
      case gallery::RenderResult::kNoRenderer: throw Failed("cannot render " + options.png + ": rsvg-convert is missing");
      case gallery::RenderResult::kFailed: throw Failed("cannot render " + options.png);
    }
  }
  if (!options.session.quiet) err << "vellumix4: " << options.effect << " applied\n";
  return 0;
}

}  // namespace

std::vector<const vx::RecordKind*> EffectsWithPalettes(const SessionOptions& options) {
  Session session(options);
  session.host().OpenDocument(std::make_unique<vxhost::Document>());
  std::vector<const vx::RecordKind*> built;
  for (const vx::RecordKind& kind : vx::AllRecordKinds()) {
    if (kind.effectIndex < 0) continue;
    ai::MenuMessage message = ChooseMenuItem(session, kind);
    if (PaletteIn(session.host()) == nullptr) continue;
    built.push_back(&kind);
    session.plugin().Send(ai::callers::kMenu, ai::selectors::kGo, message);  // closes the palette
  }
  return built;
}

int RunEffect(const EffectOptions& options, std::ostream& out, std::ostream& err) {
  try {
    return Run(options, out, err);
  } catch (const EffectError& error) {
    err << "vellumix4 effect: " << error.what() << "\n";
    return error.usage ? 2 : 1;
  } catch (const std::exception& error) {
    err << "vellumix4 effect: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace vxcli
