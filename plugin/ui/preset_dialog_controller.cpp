#include "ui/preset_dialog_controller.h"

#include <algorithm>

#include "platform/locale.h"
#include "platform/ui/desktop.h"
#include "presets/preset_dialog.h"
#include "resources/control_ids.h"
#include "resources/resource_ids.h"

namespace vx {
namespace {

namespace id = ctl::preset;
using platform::ui::Control;
using platform::ui::Notify;

bool IsPresetList(int32_t control) { return control == id::kList || control == id::kReorderList; }

}  // namespace

int32_t PresetDialogController::Run() {
  const platform::ui::DialogTemplate* dialog = PluginResources().LoadDialog(res::kPresetDialog);
  if (dialog == nullptr) return -1;
  return RunModal(*dialog, GetDesktop().HostWindow());
}

bool PresetDialogController::OnInitDialog() {
  platform::SetProcessLocale("jpn");
  minimumWidth_ = WindowRect().Width();
  minimumHeight_ = WindowRect().Height();
  initialBounds_.clear();
  for (const auto& control : Controls()) initialBounds_.emplace_back(control->Id(), control->Bounds());
  SetResizable(true);

  static constexpr std::pair<int32_t, int32_t> kImages[] = {{id::kExport, res::kExportPresetsImage},
                                                            {id::kImport, res::kImportPresetsImage},
                                                            {id::kSaveNew, res::kSaveNewPresetImage},
                                                            {id::kDelete, res::kDeletePresetsImage}};
  for (const auto& [button, image] : kImages)
    if (Control* c = Item(button)) c->SetImage(image);
  if (Control* box = Item(id::kReorder)) box->SetCheck(0);
  if (const std::string title = presets_.Title(); !title.empty()) SetTitle(title);
  ShowMode(false);
  return true;
}

bool PresetDialogController::ReorderMode() const {
  const Control* box = Item(id::kReorder);
  return box != nullptr && box->Check() != 0;
}

std::vector<int32_t> PresetDialogController::SelectedPresets() const {
  if (ReorderMode()) {
    const Control* list = Item(id::kReorderList);
    if (list == nullptr || list->Selection() < 0) return {};
    return {list->Selection()};
  }
  const Control* list = Item(id::kList);
  if (list == nullptr) return {};
  std::vector<int32_t> rows = list->SelectedItems();
  if (rows.size() > kMaxSelectedPresets) rows.resize(kMaxSelectedPresets);
  return rows;
}

void PresetDialogController::FillList() {
  if (presets_.ListNames(names_) != ai::kNoError) {
    ShowPresetFileError();
    names_.clear();
  }
  if (Control* list = Item(ReorderMode() ? id::kReorderList : id::kList)) {
    list->ClearItems();
    for (const std::string& name : names_) list->AddItem(name);
    list->SetSelection(-1);
  }
  EnableSelectionButtons();
}

void PresetDialogController::Refill() {
  FillList();
  if (presets_.SetPresetMenu() != ai::kNoError) ShowPresetFileError();
}

void PresetDialogController::ShowMode(bool reorder) {
  if (Control* list = Item(id::kList)) list->Show(!reorder);
  if (Control* list = Item(id::kReorderList)) list->Show(reorder);
  FillList();
}

void PresetDialogController::EnableSelectionButtons() {
  const bool any = !SelectedPresets().empty();
  for (int32_t button : {id::kExport, id::kDelete})
    if (Control* c = Item(button)) c->Enable(any);
}

void PresetDialogController::OnListSelection(int32_t listId) {
  const Control* list = Item(listId);
  const int32_t row = list != nullptr ? list->Selection() : -1;
  if (row >= 0 && row < static_cast<int32_t>(names_.size()) && list->IsSelected(row) &&
      GetDesktop().IsDown(platform::ui::kAlt)) {
    presets_.Update(row, names_[static_cast<size_t>(row)]);
    Refill();
  }
  EnableSelectionButtons();
}

void PresetDialogController::OnButton(int32_t button) {
  switch (button) {
    case id::kClose:
      EndDialog(platform::ui::kIdCancel);
      return;
    case id::kExport:
      presets_.Export(SelectedPresets());
      return;
    case id::kImport:
      presets_.Import();
      break;
    case id::kSaveNew:
      presets_.SaveNew(static_cast<int32_t>(names_.size()));
      break;
    case id::kDelete: {
      const std::vector<int32_t> selected = SelectedPresets();
      if (selected.empty()) return;
      presets_.Delete(selected);
      break;
    }
    case id::kReorder:
      ShowMode(ReorderMode());
      return;
    default:
      return;
  }
  Refill();
}

void PresetDialogController::OnCommand(int32_t control, Notify code) {
  if (IsPresetList(control) && code == Notify::kSelectionChanged) {
    OnListSelection(control);
  } else if (IsPresetList(control) && code == Notify::kDoubleClicked) {
    if (const Control* list = Item(control); list != nullptr && list->Selection() >= 0)
      presets_.Apply(list->Selection());
  } else if (code == Notify::kClicked && control >= id::kClose && control <= id::kReorder) {
    OnButton(control);
  } else {
    Dialog::OnCommand(control, code);
  }
}

bool PresetDialogController::OnNotify(const platform::ui::Notification& n) {
  Control* list = Item(id::kReorderList);
  return list != nullptr && dragRows_.OnNotify(*this, *list, n);
}

void PresetDialogController::OnUserMessage(uint32_t message, intptr_t, intptr_t lparam) {
  if (message != kDragListMoved || lparam == 0) return;
  const DragRows rows = *reinterpret_cast<const DragRows*>(lparam);
  const auto count = static_cast<int32_t>(names_.size());
  if (rows.start >= 0 && rows.end >= 0 && rows.start < count && rows.end < count && rows.start != rows.end)
    presets_.Move(rows.start, rows.end);
  Refill();
}

void PresetDialogController::OnSizing(int32_t& width, int32_t& height) {
  width = std::max(width, minimumWidth_);
  height = std::max(height, minimumHeight_);
}

void PresetDialogController::OnSize(int32_t width, int32_t height) {
  const int32_t dx = width - minimumWidth_, dy = height - minimumHeight_;
  for (const auto& [control, initial] : initialBounds_) {
    Control* c = Item(control);
    if (c == nullptr) continue;
    platform::ui::Rect bounds = initial;
    if (IsPresetList(control)) {
      bounds.right += dx;
      bounds.bottom += dy;
    } else {
      bounds.top += dy;
      bounds.bottom += dy;
    }
    c->SetBounds(bounds);
  }
}

}  // namespace vx
