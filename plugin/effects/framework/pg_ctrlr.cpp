#include "effects/framework/pg_ctrlr.h"

#include <string>
#include <vector>

#include "effects/framework/effect_actions.h"
#include "effects/framework/live_effect.h"
#include "effects/framework/live_objects.h"
#include "effects/framework/parameter_block.h"
#include "effects/framework/selected_art.h"
#include "frame/context_guard.h"
#include "frame/effect_table.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/plugin.h"
#include "frame/registration.h"
#include "frame/suite_set.h"
#include "presets/preset_dialog.h"
#include "presets/preset_records.h"
#include "presets/preset_store.h"
#include "ui/help/help_topics.h"

namespace vx {
namespace {

ai::PluginRef CurrentPlugin() {
  Plugin* plugin = GlobalPlugin();
  return plugin != nullptr ? plugin->pluginRef() : nullptr;
}

const char* SettingsFolder() {
  VELLUMiX4Globals* globals = Globals();
  return globals != nullptr ? globals->settingsFolder : "";
}

// The effect's record in the globals block, when the factory gave none.
void* RecordOf(int16_t effectIndex, void* given) {
  if (given != nullptr) return given;
  VELLUMiX4Globals* globals = Globals();
  const int slot = RecordSlotOfEffect(effectIndex);
  return globals != nullptr && slot >= 0 ? globals->records[slot] : nullptr;
}

// Writes `record` into the wrapped selection as the effect's Apply does: the
// effect's own hook first (new seeds), then its own walk over the selection.
ai::Code ApplyRecord(int16_t effectIndex, void* record) {
  const LiveEffect& effect = LiveEffectOf(effectIndex);
  if (effect.beforeWrite != nullptr) effect.beforeWrite(record);
  return ApplyEffect(effectIndex, record, effect.walk);
}

}  // namespace

PGCtrlr::PGCtrlr(int16_t effectIndex, const RecordSpec& spec, const PaletteSpec& palette, void* record)
    : effectIndex_(effectIndex), spec_(spec), palette_(palette), record_(RecordOf(effectIndex, record)) {
  if (VELLUMiX4Globals* globals = Globals()) globals->currentRecords[kEffectRecord] = record_;
}

PGCtrlr::~PGCtrlr() {
  ReleasePanelClient(PanelKind::kEffect, this);
  view_.reset();
  // The palette's values are what the effect opens with next time.
  if (record_ != nullptr) SaveLastSetting(SettingsFolder(), spec_, record_);
}

ai::Code PGCtrlr::Open() {
  if (record_ == nullptr) return ai::kCantHappen;
  if (LoadLastSetting(SettingsFolder(), spec_, record_) != ai::kNoError) {
    SetRecordDefaults(spec_, record_, "Default Setting");
    CreatePresetFileFor(SettingsFolder(), spec_, record_);
  }
  if (ai::Code code = CreatePanel(PanelKind::kEffect)) return code;
  ai::PlatformWindow window = 0;
  if (ai::Code code = suites::Panel().getPlatformWindow(MainPanel(PanelKind::kEffect).panel, &window)) return code;
  view_ = MakeView();
  view_->Bind(spec_, record_, palette_);
  if (ai::Code code = view_->CreateFromTemplate(palette_.templateId, window)) return code;
  if (SetPresetMenu() != ai::kNoError) ShowMessageAlert("Preset File Error!");
  return ShowPalette(PanelKind::kEffect, this, *view_, EffectTable()[effectIndex_].paletteTitle);
}

bool PGCtrlr::PaletteShown() const { return view_ != nullptr && PanelShown(PanelKind::kEffect); }

void PGCtrlr::HidePalette() { HidePanel(PanelKind::kEffect); }

void PGCtrlr::Refresh(int32_t flags) {
  if (view_ != nullptr) view_->Refresh(flags);
}

ai::Code PGCtrlr::SetPresetMenu() {
  return FillFlyoutPresetsFromFile(PanelKind::kEffect, PresetFilePathFor(SettingsFolder(), spec_));
}

ai::Code PGCtrlr::LoadPresetIntoRecord(int32_t index) {
  if (index == -2) return LoadDefaultSetting(SettingsFolder(), spec_, record_);
  return LoadPreset(SettingsFolder(), spec_, record_, index);
}

ai::Code PGCtrlr::ChoosePreset(int32_t index) {
  if (!PaletteShown()) return ai::kNoError;
  ContextGuard context(CurrentPlugin());
  if (ai::Code code = LoadPresetIntoRecord(index)) return code;
  Refresh(refresh::kPresetChosen);
  if (LiveUpdateOn())
    if (ai::Code code = Apply()) return code;
  return suites::Document().redraw();
}

void PGCtrlr::OnFlyoutItem(uint32_t itemId) {
  int32_t index = 0;
  if (itemId == flyout::kDefaultSetting) index = -2;
  else if (itemId >= flyout::kFirstPreset) index = static_cast<int32_t>(itemId - flyout::kFirstPreset);
  else {
    if (itemId == flyout::kEditPresets)
      EditPresets(spec_, record_, PanelKind::kEffect, EffectTable()[effectIndex_].paletteTitle,
                  [this](int32_t preset) { return ChoosePreset(preset); });
    return;
  }
  ContextGuard context(CurrentPlugin());
  ai::Code code = LoadPresetIntoRecord(index);
  if (code == ai::kNoError) {
    Refresh(refresh::kPresetFromMenu);
    if (LiveUpdateOn()) code = Apply();
  }
  if (code != ai::kNoError) ShowErrorCode(code);
}

ai::Code PGCtrlr::ReadParamsFromArt(ai::ArtHandle art) { return ReadParameterBlock(art, effectIndex_, record_); }

ai::Code PGCtrlr::LoadFromSelection(bool force) {
  selectionFlags_ = 0;
  bool found = false;
  {
    ContextGuard context(CurrentPlugin());
    SelectedArt selection;
    if (ai::Code code = selection.Read()) return code;
    ai::ArtHandle lastParent = nullptr;
    for (int32_t i = 1; i < selection.count(); ++i) {
      ai::ArtHandle art = selection[i], parent = nullptr;
      if (ai::Code code = suites::Art().getParent(art, &parent)) return code;
      // The paths of one compound path count once. (Other siblings each count: a
      // first sibling that is no target must not hide the paths after it.)
      int16_t parentKind = 0;
      if (i > 1 && parent == lastParent && ArtKind(parent, &parentKind) == ai::kNoError &&
          parentKind == ai::art_kind::kCompoundPath)
        continue;
      lastParent = parent;
      int16_t kind = 0;
      if (ai::Code code = ArtKind(art, &kind)) return code;
      if (kind == ai::art_kind::kCompoundPath) {
        if (ai::Code code = suites::Art().getFirstChild(art, &art)) return code;
        if (art == nullptr || ArtKind(art, &kind) != ai::kNoError) continue;
      }
      if (kind == ai::art_kind::kPath) {
        ai::PathStyle style{};
        if (ai::Code code = suites::PathStyle().getPathStyle(art, &style)) return code;
        if (style.clip == 0) selectionFlags_ |= selection_flag::kApply;
      } else if (kind == ai::art_kind::kPluginGroup && EffectOfLiveObject(art) == effectIndex_) {
        if (VELLUMiX4Globals* globals = Globals()) globals->effectInProcess = effectIndex_;
        if (ai::Code code = ReadParamsFromArt(art)) return code;
        selectionFlags_ = selection_flag::kExpand | selection_flag::kRelease | selection_flag::kApply;
        found = true;
      }
    }
  }
  if (view_ == nullptr) return ai::kNoError;
  if (found || force) view_->Refresh(found ? refresh::kFromSelection : refresh::kOpened);
  view_->EnableButtons(selectionFlags_);
  return ai::kNoError;
}

ai::Code PGCtrlr::Apply() {
  ContextGuard context(CurrentPlugin());
  if (ai::Code code = ApplyRecord(effectIndex_, record_)) return code;
  return RecordEffectAction(effectIndex_, record_);
}

ai::Code PGCtrlr::Release() {
  ContextGuard context(CurrentPlugin());
  return UnwrapSelected(effectIndex_, Unwrap::kRelease);
}

ai::Code PGCtrlr::Expand() {
  ContextGuard context(CurrentPlugin());
  return UnwrapSelected(effectIndex_, Unwrap::kExpand);
}

ai::Code PGCtrlr::LiveUpdate() {
  ContextGuard context(CurrentPlugin());
  const LiveEffect& effect = LiveEffectOf(effectIndex_);
  if (effect.beforeWrite != nullptr) effect.beforeWrite(record_);
  return UpdateSelected(effectIndex_, record_);
}

int16_t PGCtrlr::HelpRow() const { return HelpRowOfEffect(effectIndex_); }

ai::Code ApplyPlayedAction(int16_t effectIndex, void* record) { return ApplyRecord(effectIndex, record); }

}  // namespace vx
