#include "ui/import_preset_dialog_controller.h"

#include "platform/locale.h"
#include "platform/ui/desktop.h"
#include "presets/preset_dialog.h"
#include "presets/preset_store.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace vx {

int32_t ImportPresetDialogController::Run() {
  const platform::ui::DialogTemplate* dialog = PluginResources().LoadDialog(res::kImportPresetDialog);
  if (dialog == nullptr) return -1;
  platform::ui::KeyHookSuspension quietHook(GetDesktop());
  return RunModal(*dialog, GetDesktop().HostWindow());
}

bool ImportPresetDialogController::OnInitDialog() {
  platform::SetProcessLocale("jpn");
  picked_.clear();
  std::vector<std::string> names;
  if (ListPresetNames(sourcePath_, names) != ai::kNoError) {
    ShowPresetFileError();
    names.clear();
  }
  if (platform::ui::Control* list = Item(ctl::preset::kImportList))
    for (const std::string& name : names) list->AddItem(name);
  EnableOk();
  return true;
}

void ImportPresetDialogController::EnableOk() {
  const platform::ui::Control* list = Item(ctl::preset::kImportList);
  if (platform::ui::Control* ok = Item(ctl::kOk)) ok->Enable(list != nullptr && !list->SelectedItems().empty());
}

void ImportPresetDialogController::OnCommand(int32_t id, platform::ui::Notify code) {
  if (id == ctl::preset::kImportList && code == platform::ui::Notify::kSelectionChanged) EnableOk();
  Dialog::OnCommand(id, code);
}

void ImportPresetDialogController::OnOK() {
  const platform::ui::Control* list = Item(ctl::preset::kImportList);
  picked_ = list != nullptr ? list->SelectedItems() : std::vector<int32_t>{};
  if (picked_.empty()) return;  // OK stands for the selection
  EndDialog(platform::ui::kIdOk);
}

ai::Code PickPresetsToImport(const std::string& sourcePath, std::vector<int32_t>& picked) {
  picked.clear();
  ImportPresetDialogController dialog(sourcePath);
  const int32_t result = dialog.Run();
  if (result < 0) return ai::kCantHappen;
  if (result != platform::ui::kIdOk) return ai::kUserCanceled;
  picked = dialog.picked();
  return ai::kNoError;
}

}  // namespace vx
