// PresetDialogController: the preset dialog's window (template 647). Two lists
// show the presets: one with multiple selection (double-click applies, Alt+click
// updates) and one whose rows are dragged to reorder the presets, shown instead
// while "ドラッグによる行の入れ替え" is checked. Its buttons export, import, save
// new and delete. The dialog can be made larger, never smaller than it opens:
// the lists grow with it, the rest moves down.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/dialog.h"
#include "ui/controls/drag_list_box.h"

namespace vx {

class PresetDialog;

class PresetDialogController : public platform::ui::Dialog {
 public:
  // At most this many presets count as selected.
  static constexpr size_t kMaxSelectedPresets = 1028;

  explicit PresetDialogController(PresetDialog& presets) : presets_(presets) {}

  // Runs the dialog until it is closed; -1 when it cannot be built.
  int32_t Run();

  bool ReorderMode() const;
  // In reorder mode the selected row; otherwise the selected rows in list order.
  std::vector<int32_t> SelectedPresets() const;

 protected:
  bool OnInitDialog() override;
  void OnCommand(int32_t id, platform::ui::Notify code) override;
  bool OnNotify(const platform::ui::Notification& n) override;
  void OnUserMessage(uint32_t message, intptr_t wparam, intptr_t lparam) override;
  void OnSizing(int32_t& width, int32_t& height) override;
  void OnSize(int32_t width, int32_t height) override;

 private:
  // The list of the current mode, filled from the file; nothing selected, so
  // export and delete are off.
  void FillList();
  // After a change: the list and the palette's preset menu.
  void Refill();
  void ShowMode(bool reorder);
  void OnListSelection(int32_t listId);
  void EnableSelectionButtons();
  void OnButton(int32_t id);

  PresetDialog& presets_;
  CKDLDragListBox dragRows_;
  std::vector<std::string> names_;
  int32_t minimumWidth_ = 0, minimumHeight_ = 0;
  std::vector<std::pair<int32_t, platform::ui::Rect>> initialBounds_;  // by control id
};

}  // namespace vx
