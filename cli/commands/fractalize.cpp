#include "commands/fractalize.h"

#include <memory>
#include <ostream>

#include "actions/action_file.h"
#include "commands/regenerate.h"
#include "commands/tool.h"
#include "document/document.h"
#include "fractalize/fractalize_params.h"
#include "frame/error_messages.h"
#include "gallery/gallery_files.h"
#include "live_effects.h"
#include "palette_input.h"
#include "platform/clock.h"
#include "presets/field_values.h"
#include "svg/svg_io.h"
#include "ui/effect_dialog_controller.h"

namespace vxcli {
namespace {

constexpr char kMenuCategory[] = "VELLUMiX4";
constexpr char kMenuTitle[] = "フラクタル化...";

FractalizeError UsageError(const std::string& message) { return FractalizeError(message, true); }
FractalizeError InputError(const std::string& message) { return FractalizeError(message, false); }

vxhost::FilterRecord* FindFilter(vxhost::Host& host) {
  for (const auto& filter : host.app().filters())
    if (filter->category == kMenuCategory && filter->title == kMenuTitle) return filter.get();
  return nullptr;
}

vxhost::LiveEffectRecord* FindEffect(vxhost::Host& host) {
  for (const auto& effect : host.app().liveEffects())
    if (effect->item != nullptr && effect->item->text == kMenuTitle) return effect.get();
  return nullptr;
}

std::vector<std::pair<const vx::FieldSpec*, std::string>> ParseSets(const std::vector<std::string>& sets) {
  std::vector<std::pair<const vx::FieldSpec*, std::string>> values;
  for (const std::string& set : sets) {
    const size_t equals = set.find('=');
    if (equals == std::string::npos) throw UsageError("--set takes FIELD=VALUE (got '" + set + "')");
    const std::string name = set.substr(0, equals);
    const vx::FieldSpec* field = vx::FindField(vx::kFractalizeParamsSpec, name.c_str());
    if (field == nullptr)
      throw UsageError("fractalize has no field '" + name +
                       "' (generator, genHeight, level, density, uneven, unevenUnit)");
    values.emplace_back(field, set.substr(equals + 1));
  }
  return values;
}

// Keeps the tick count pinned while it lives.
class PinnedTicks {
 public:
  explicit PinnedTicks(std::optional<uint32_t> ticks) : pinned_(ticks.has_value()) {
    if (pinned_) platform::SetTickCount(ticks);
  }
  ~PinnedTicks() {
    if (pinned_) platform::SetTickCount(std::nullopt);
  }
  PinnedTicks(const PinnedTicks&) = delete;
  PinnedTicks& operator=(const PinnedTicks&) = delete;

 private:
  bool pinned_;
};

}  // namespace

void UseFractalize(Session& session, const FractalizeUse& use) {
  vxhost::Host& host = session.host();
  if (host.document() == nullptr) throw InputError("no document is open");
  const auto values = ParseSets(use.sets);

  // What the person does once the dialog is open: type the values, press OK.
  std::optional<PaletteInputError> refused;
  bool opened = false;
  // From the default setting the choice each control shows is known, so a
  // choice may be given by its number.
  std::vector<std::max_align_t> shown((vx::kFractalizeParamsSpec.size + sizeof(std::max_align_t) - 1) /
                                      sizeof(std::max_align_t));
  vx::SetRecordDefaults(vx::kFractalizeParamsSpec, shown.data(), "");
  host.desktop().QueueModalAction([&](platform::ui::ScriptedUser& user, platform::ui::Dialog& dialog) {
    opened = true;
    try {
      if (use.fromDefault) {
        user.ChoosePopupItem(vx::effect_dialog::kDefaultSetting);
        if (user.Click(dialog, vx::effect_dialog::kPresetButton) != platform::ui::kUiOk)
          throw PaletteInputError("cannot choose the default setting", false);
      }
      for (const auto& [field, value] : values) {
        const int32_t current = use.fromDefault && field->shown == vx::Shown::kChoice
                                    ? static_cast<int32_t>(vx::StoredComponent(*field, shown.data()))
                                    : -1;
        vx::SetFieldFromText(vx::kFractalizeParamsSpec, *field, shown.data(), value, ai::ruler_unit::kPoints, nullptr);
        DirectHand hand(user);
        TypeFieldValue(hand, dialog, *field, value, current);
      }
    } catch (const PaletteInputError& error) {
      refused = error;
      user.Click(dialog, platform::ui::kIdCancel);
      return;
    }
    user.Click(dialog, platform::ui::kIdOk);
  });

  const size_t alertsBefore = host.log().alerts().size();
  ai::Code code = ai::kNoError;
  {
    PinnedTicks ticks(use.seed);
    if (use.live) {
      vxhost::LiveEffectRecord* effect = FindEffect(host);
      if (effect == nullptr) throw InputError("the plug-in registered no effect \"フラクタル化...\"");
      code = host.liveEffects().Apply(*effect);
    } else {
      vxhost::FilterRecord* filter = FindFilter(host);
      if (filter == nullptr) throw InputError("the plug-in registered no filter \"フラクタル化...\"");
      code = host.liveEffects().RunFilter(*filter);
    }
  }
  host.desktop().ClearQueuedActions();
  if (refused) throw FractalizeError(refused->what(), refused->usage);
  if (code == vx::codes::kNoPathSelected || (use.live && !opened && code == ai::kNoError))
    throw InputError("nothing selected to fractalize: select a path");
  if (code != ai::kNoError) throw InputError(std::string(vx::MessageForCode(code)) + " (" + CodeText(code) + ")");
  const auto& alerts = host.log().alerts();
  if (alerts.size() > alertsBefore) throw InputError(alerts.back().text);
}

int RunFractalize(const FractalizeOptions& options, std::ostream& err) {
  try {
    if (options.live && !options.record.empty()) throw UsageError("--record records the filter only (not with --live)");
    if (!options.png.empty() && options.output == "-") throw UsageError("--png needs an output file");
    ParseSets(options.sets);
    // A file that cannot be read and ids that name nothing end the command with exit code 1.
    std::unique_ptr<vxhost::Document> document = vxhost::svg::ReadSvgFile(options.input);
    Session session(options.session);
    vxhost::Host& host = session.host();
    vxhost::Document& open = OpenReadDocument(session, std::move(document));
    SelectArt(open, options.select);
    host.actions().SetRecording(!options.record.empty());
    UseFractalize(session, {options.live, options.sets, options.seed, options.fromDefault});
    host.actions().SetRecording(false);
    vxhost::svg::WriteSvgFile(open, options.output);
    if (!options.record.empty()) vxhost::SaveRecordedActions(host, options.record);
    if (!options.png.empty()) {
      switch (gallery::RenderPng(options.output, options.png, "white", 1.0)) {
        case gallery::RenderResult::kWritten: break;
        case gallery::RenderResult::kNoRenderer: throw InputError("cannot render " + options.png + ": rsvg-convert is missing");
        case gallery::RenderResult::kFailed: throw InputError("cannot render " + options.png);
      }
    }
    if (!options.session.quiet) err << "vellumix4: fractalize: " << (options.live ? "live effect applied" : "done") << "\n";
    return 0;
  } catch (const FractalizeError& error) {
    err << "vellumix4 fractalize: " << error.what() << "\n";
    return error.usage ? 2 : 1;
  } catch (const std::exception& error) {
    err << "vellumix4 fractalize: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace vxcli
