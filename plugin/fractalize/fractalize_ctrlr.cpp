#include "fractalize/fractalize_ctrlr.h"

#include <new>

#include "effects/framework/effect_actions.h"
#include "fractalize/fractalize_dialog.h"
#include "presets/preset_dialog.h"
#include "fractalize/fractalize_run.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/suite_set.h"
#include "presets/preset_records.h"
#include "ui/palettes/fractalize_palette.h"

namespace vx {
namespace {

const char* SettingsFolder() {
  VELLUMiX4Globals* globals = Globals();
  return globals != nullptr ? globals->settingsFolder : "";
}

// '!sel' unless a path is selected.
ai::Code CheckPathSelected() {
  const ai::MatchSpec spec{ai::art_kind::kPath, ai::art_attr::kSelected, ai::art_attr::kSelected};
  ai::ArtHandle* list = nullptr;
  int32_t count = 0;
  if (ai::Code code = suites::MatchingArt().getMatchingArt(&spec, 1, &list, &count)) return code;
  if (list != nullptr)
    if (ai::Code code = suites::MdMemory().dispose(list)) return code;
  return count > 0 ? ai::kNoError : codes::kNoPathSelected;
}

}  // namespace

FractalizeEffectCtrlr::FractalizeEffectCtrlr() {
  if (recordBlock_.Allocate(sizeof(FractalizeParams), kFractalizeParamsSpec.recordName) != ai::kNoError) return;
  record_ = new (recordBlock_.get()) FractalizeParams{};
  if (LoadLastSetting(SettingsFolder(), kFractalizeParamsSpec, record_) != ai::kNoError)
    SetRecordDefaults(kFractalizeParamsSpec, record_, "Default Setting");
  if (VELLUMiX4Globals* globals = Globals()) globals->currentRecords[kFractalizeRecord] = record_;
}

FractalizeEffectCtrlr::~FractalizeEffectCtrlr() {
  if (record_ == nullptr) return;
  SaveLastSetting(SettingsFolder(), kFractalizeParamsSpec, record_);
  if (VELLUMiX4Globals* globals = Globals(); globals != nullptr && globals->currentRecords[kFractalizeRecord] == record_)
    globals->currentRecords[kFractalizeRecord] = nullptr;
}

int32_t FractalizeEffectCtrlr::ShowDialog() {
  ai::ScreenPoint saved{-1000, -1000};
  if (suites::Preference().getPoint(kFractalizePrefsPrefix, kLocationKey, &saved) != ai::kNoError)
    saved = {-1000, -1000};
  position_ = {saved.x, saved.y};
  FractalizeDialog dialog(*this, liveMode_ != 0);
  dialog.Bind(kFractalizeParamsSpec, record_, kFractalizePalette);
  const int32_t ended = dialog.Run(kFractalizePalette.templateId);
  suites::Preference().putPoint(kFractalizePrefsPrefix, kLocationKey, {position_.x, position_.y});
  dialogResult_ = ended == platform::ui::kIdOk ? 0 : 1;
  return dialogResult_;
}

ai::Code FractalizeEffectCtrlr::Preview(bool reproduce) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;
  globals->fractalizeReproduce = reproduce ? 1 : 0;
  ai::Code code = ai::kNoError;
  if (liveMode_ != 0) {
    newSequence_ = !reproduce;
    code = WriteParameterKeys(dictionary_, *record_);
    if (code == ai::kNoError) code = suites::LiveEffect().updateParameters(dictionary_);
    newSequence_ = false;
  } else {
    code = suites::Undo().revertChanges();
    if (code == ai::kNoError) code = FractalizeSelection(*record_);
  }
  if (code != ai::kNoError) return code;
  return suites::Document().redraw();
}

ai::Code FractalizeEffectCtrlr::RunFilterDialog() {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;
  if (ai::Code code = CheckPathSelected()) return code;
  backup_ = *record_;
  globals->fractalizeLastSeed = NewFractalSeed(globals->fractalizeLastSeed);
  if (ai::Code code = suites::Random().setSeed(globals->fractalizeLastSeed)) return code;
  liveMode_ = 0;
  const int32_t result = ShowDialog();
  // The previews are taken back either way: Cancel leaves the document as it
  // was, and OK's "Go" makes the last preview again from its seed.
  const ai::Code undone = suites::Undo().revertChanges();
  if (result != 0) {
    *record_ = backup_;
    return ai::kStop;
  }
  globals->fractalizeReproduce = 1;
  return undone;
}

ai::Code FractalizeEffectCtrlr::GetParameters(ai::FilterMessage&) { return RunFilterDialog(); }

ai::Code FractalizeEffectCtrlr::EditParameters(ai::LiveEffectMessage& message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || message.parameters == nullptr) return ai::kBadParameter;
  bool stored = false;
  if (ai::Code code = DictionaryHasGenerator(message.parameters, &stored)) return code;
  if (stored)
    if (ai::Code code = ReadParameterKeys(message.parameters, *record_)) return code;
  backup_ = *record_;
  dictionary_ = message.parameters;
  liveMode_ = 1;
  const int32_t result = ShowDialog();
  liveMode_ = 0;
  ai::Code code = ai::kNoError;
  if (result != 0) {
    code = suites::Undo().revertChanges();
    *record_ = backup_;
    if (code == ai::kNoError) code = ai::kStop;
  } else {
    globals->fractalizeReproduce = 1;
    code = WriteParameterKeys(dictionary_, *record_);
    if (code == ai::kNoError) code = suites::LiveEffect().updateParameters(dictionary_);
  }
  dictionary_ = nullptr;
  return code;
}

ai::Code FractalizeEffectCtrlr::Go(ai::FilterMessage&) {
  if (ai::Code code = FractalizeSelection(*record_)) return code;
  return RecordFractalizeAction(record_);
}

ai::Code FractalizeEffectCtrlr::GoLive(ai::LiveEffectMessage& message) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr) return ai::kCantHappen;
  bool stored = false;
  if (ai::Code code = DictionaryHasGenerator(message.parameters, &stored)) return code;
  if (!stored) return ai::kNoError;
  // The object's own parameters, without touching the dialog's record.
  FractalizeParams record = *record_;
  if (ai::Code code = ReadParameterKeys(message.parameters, record)) return code;
  // The object keeps its seed, so rebuilding it repeats its irregularity;
  // a new one is taken for a new object or when the dialog asks for it.
  int32_t seed = 0;
  bool kept = false;
  if (message.instanceInfo != nullptr) {
    const ai::Code code = suites::Dictionary().getInteger(message.instanceInfo, fractal_keys::kRandSeed, &seed);
    if (code != ai::kNoError && code != ai::kNoSuchEntry) return code;
    kept = code == ai::kNoError;
  }
  if (!kept || newSequence_) seed = NewFractalSeed(globals->fractalizeLastSeed);
  globals->fractalizeLastSeed = seed;
  if (ai::Code code = suites::Random().setSeed(seed)) return code;
  if (message.instanceInfo != nullptr)
    if (ai::Code code = suites::Dictionary().setInteger(message.instanceInfo, fractal_keys::kRandSeed, seed))
      return code;
  Generator generator;
  if (ai::Code code = PrepareGenerator(record, generator)) return code;
  return FractalizeArtTree(record, generator, message.art);
}

ai::Code FractalizeEffectCtrlr::PlayAction(bool showDialog) {
  if (showDialog)
    if (ai::Code code = RunFilterDialog()) return code;
  return FractalizeSelection(*record_);
}

std::vector<std::string> FractalizeEffectCtrlr::PresetNames() {
  PresetNameList list;
  std::vector<std::string> names;
  if (ListPresetNames(PresetFilePathFor(SettingsFolder(), kFractalizeParamsSpec), list) != ai::kNoError) return names;
  for (int i = 0; i < list.count(); ++i) names.emplace_back(list.name(i));
  return names;
}

ai::Code FractalizeEffectCtrlr::EditPresets(std::function<ai::Code(int32_t index)> usePreset) {
  PresetDialogOwner owner;
  owner.choosePreset = std::move(usePreset);
  return vx::EditPresets(kFractalizeParamsSpec, record_, owner);
}

ai::Code FractalizeEffectCtrlr::LoadPreset(int32_t index) {
  if (index == kDefaultSettingIndex) return LoadDefaultSetting(SettingsFolder(), kFractalizeParamsSpec, record_);
  return vx::LoadPreset(SettingsFolder(), kFractalizeParamsSpec, record_, index);
}

}  // namespace vx
