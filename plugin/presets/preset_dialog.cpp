#include "presets/preset_dialog.h"

#include <cstdio>

#include "frame/ai_error.h"
#include "frame/error_messages.h"
#include "frame/globals.h"
#include "frame/user_questions.h"
#include "presets/preset_import_export.h"
#include "presets/preset_records.h"
#include "presets/preset_store.h"
#include "ui/import_preset_dialog_controller.h"
#include "ui/preset_dialog_controller.h"

namespace vx {
namespace {

// A failure of an alert that reports another failure has nowhere left to go.
void ShowCode(ai::Code code) {
  try {
    ShowErrorCode(code);
  } catch (const ai::Error&) {
  }
}

// A failure shown with its coded report; the user's cancel is quiet.
ai::Code Reported(ai::Code code) {
  if (code != ai::kUserCanceled) ShowCode(code);
  return code;
}

ai::Code FileFailure(ai::Code code) {
  if (code != ai::kNoError) ShowPresetFileError();
  return code;
}

// Runs one command of the dialog: a host call that fails deep inside ends the
// command with its code, reported.
template <class Command>
ai::Code Guarded(Command command) {
  try {
    return command();
  } catch (const ai::Error& error) {
    ShowCode(error.code());
    return error.code();
  }
}

}  // namespace

void ShowPresetFileError() {
  try {
    ShowMessageAlert(kPresetFileErrorMessage);
  } catch (const ai::Error&) {
  }
}

std::string NewPresetName(int32_t count) {
  char text[32];
  std::snprintf(text, sizeof text, "Preset #%hd", static_cast<short>(count + 1));
  return text;
}

PresetDialog::PresetDialog(const RecordSpec& spec, void* record, const PresetDialogOwner& owner,
                           std::string settingsFolder)
    : spec_(spec),
      record_(record),
      owner_(owner),
      folder_(std::move(settingsFolder)),
      path_(PresetFilePathFor(folder_, spec)) {}

ai::Code PresetDialog::Open() {
  PresetDialogController controller(*this);
  return controller.Run() < 0 ? ai::kCantHappen : ai::kNoError;
}

std::string PresetDialog::Title() const {
  if (owner_.paletteTitle.empty()) return {};
  return "VELLUMiX4: " + owner_.paletteTitle + kPresetDialogTitleSuffix;
}

ai::Code PresetDialog::ListNames(std::vector<std::string>& names) const {
  return ListPresetNames(path_, names);
}

ai::Code PresetDialog::Apply(int32_t index) {
  if (!owner_.choosePreset) return ai::kNoError;
  return Guarded([&] { return FileFailure(owner_.choosePreset(index)); });
}

ai::Code PresetDialog::SetPresetMenu() {
  if (!owner_.setPresetMenu) return ai::kNoError;
  return Guarded([&] { return owner_.setPresetMenu(); });
}

ai::Code PresetDialog::AskName(std::string_view prompt, std::string_view proposed, std::string& name) {
  std::string typed;
  if (ai::Code code = AskForText(kPresetQuestionTitle, prompt, kPresetNameLabel, proposed,
                                 static_cast<int32_t>(kMaxPresetNameBytes), typed))
    return Reported(code);
  name = CutPresetName(typed);
  return ai::kNoError;
}

ai::Code PresetDialog::SaveNew(int32_t presetCount) {
  return Guarded([&] {
    std::string name;
    if (ai::Code code = AskName(kSavePresetPrompt, NewPresetName(presetCount), name)) return code;
    SetPresetName(record_, name);
    return FileFailure(AppendPreset(folder_, spec_, record_));
  });
}

ai::Code PresetDialog::Update(int32_t index, std::string_view currentName) {
  return Guarded([&] {
    std::string name;
    if (ai::Code code = AskName(kUpdatePresetPrompt, currentName, name)) return code;
    SetPresetName(record_, name);
    return FileFailure(ReplacePreset(folder_, spec_, record_, index));
  });
}

ai::Code PresetDialog::Delete(std::span<const int32_t> indices) {
  return Guarded([&] {
    bool yes = false;
    if (ai::Code code = AskYesNo(kDeletePresetsQuestion, &yes)) return Reported(code);
    if (!yes) return ai::kUserCanceled;
    return FileFailure(DeletePresetRecords(path_, indices));
  });
}

ai::Code PresetDialog::Move(int32_t from, int32_t to) {
  return Guarded([&] { return FileFailure(MovePresetRecord(path_, from, to)); });
}

ai::Code PresetDialog::Import() {
  return Guarded([&] {
    int room = 0;
    if (ai::Code code = PresetImportRoom(path_, &room)) return FileFailure(code);
    if (room <= 0) {
      ShowMessageAlert(kNoRoomForPresetsMessage);
      return kPresetFileError;
    }
    std::string folder;
    if (ai::Code code = AskForFolder(kImportFolderPrompt, folder_, folder))
      return code == ai::kUserCanceled ? kFolderChoiceCanceled : Reported(code);
    std::string source;
    if (ai::Code code = CheckImportSource(path_, folder, source)) return Reported(code);
    std::vector<int32_t> picked;
    if (ai::Code code = PickPresetsToImport(source, picked)) return code;
    if (static_cast<int>(picked.size()) > room) ShowMessageAlert(kPresetLimitExceededMessage);
    ImportOutcome outcome;
    return FileFailure(ImportPresets(path_, source, picked, &outcome));
  });
}

ai::Code PresetDialog::Export(std::span<const int32_t> indices) {
  return Guarded([&] {
    std::string folder;
    if (ai::Code code = AskForFolder(kExportFolderPrompt, folder_, folder))
      return code == ai::kUserCanceled ? kFolderChoiceCanceled : Reported(code);
    int exported = 0;
    return Reported(ExportPresets(path_, folder, indices, &exported));
  });
}

ai::Code EditPresets(const RecordSpec& spec, void* record, const PresetDialogOwner& owner) {
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || record == nullptr) return ai::kCantHappen;
  PresetDialog dialog(spec, record, owner, globals->settingsFolder);
  return dialog.Open();
}

ai::Code EditPresets(const RecordSpec& spec, void* record, PanelKind panel, std::string_view paletteTitle,
                     std::function<ai::Code(int32_t index)> choosePreset) {
  PresetDialogOwner owner;
  owner.paletteTitle = std::string(paletteTitle);
  owner.choosePreset = std::move(choosePreset);
  owner.setPresetMenu = [&spec, panel] {
    VELLUMiX4Globals* globals = Globals();
    if (globals == nullptr) return ai::kCantHappen;
    return FillFlyoutPresetsFromFile(panel, PresetFilePathFor(globals->settingsFolder, spec));
  };
  return EditPresets(spec, record, owner);
}

}  // namespace vx
