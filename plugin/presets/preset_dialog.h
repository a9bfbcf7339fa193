// The preset dialog of a palette: the user applies, saves, updates, deletes,
// reorders, imports and exports the presets of the palette's record. Every
// change goes through the preset store; after each one the dialog's list and
// the palette's preset menu are filled again from the file.
//
// Opening it, from any palette or dialog that has presets:
//
//   // A palette in a host panel (the flyout item "プリセットを編集..."): the
//   // panel's flyout is refilled from the file after every change.
//   EditPresets(spec, record, PanelKind::kEffect, "Live ネオン",
//               [this](int32_t index) { return ChoosePreset(index); });
//
//   // A modal dialog's preset popup (no panel): give what the dialog does to
//   // apply a preset; refill the popup once EditPresets returns.
//   PresetDialogOwner owner;
//   owner.choosePreset = [&](int32_t index) { ...load preset index, refresh, preview...; };
//   EditPresets(spec, record, owner);
//
// `record` is the record the palette edits: "save new" and "update" write it
// under the name the user gives, which also becomes its preset name. The call
// returns when the user closes the dialog; the dialog shows its own failures,
// so the result is 0 unless the dialog could not be opened.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/host/codes.h"
#include "presets/record_schema.h"
#include "ui/panels/palette_panel.h"

namespace vx {

// What the palette that opens the dialog does for it.
struct PresetDialogOwner {
  // The palette's title: the dialog is titled after the palette's panel
  // ("VELLUMiX4: " + title + " プリセット"). Empty for a dialog that is not a
  // palette; the dialog keeps its own title then.
  std::string paletteTitle;
  // Double-click on a preset: apply preset `index` as choosing it in the palette does.
  std::function<ai::Code(int32_t index)> choosePreset;
  // After every change: fill the palette's preset menu again from the file (may be empty).
  std::function<ai::Code()> setPresetMenu;
};

ai::Code EditPresets(const RecordSpec& spec, void* record, const PresetDialogOwner& owner);
ai::Code EditPresets(const RecordSpec& spec, void* record, PanelKind panel, std::string_view paletteTitle,
                     std::function<ai::Code(int32_t index)> choosePreset);

// The dialog's messages and questions.
inline constexpr char kPresetFileErrorMessage[] = "Preset File Error!";
inline constexpr char kPresetQuestionTitle[] = "VELLUMiX4";
inline constexpr char kPresetNameLabel[] = "名前：";
inline constexpr char kUpdatePresetPrompt[] = "選択中のプリセットを、次の名前と現在の設定で更新します。";
inline constexpr char kSavePresetPrompt[] = "現在の設定を次の名前で保存します。";
inline constexpr char kDeletePresetsQuestion[] = "選択されているプリセットを削除します。（復元できません！）";
inline constexpr char kPresetDialogTitleSuffix[] = " プリセット";

// Shows "Preset File Error!"; a failure of the alert itself is dropped.
void ShowPresetFileError();

// The name "save new" proposes for the next preset of a list of `count`.
std::string NewPresetName(int32_t count);

// The wrapper a palette opens: it holds the palette's record and file and does
// the file side of each command of the dialog. Each command asks the user what
// it needs, shows its own failure ("Preset File Error!" for the file, the coded
// report for anything else) and returns the code; 'Cncl' when the user
// declined, '!sGf' when the folder chooser was cancelled.
class PresetDialog {
 public:
  PresetDialog(const RecordSpec& spec, void* record, const PresetDialogOwner& owner, std::string settingsFolder);

  // Runs the modal dialog until the user closes it.
  ai::Code Open();

  const std::string& path() const { return path_; }
  const std::string& settingsFolder() const { return folder_; }
  // The dialog's title, or empty to keep the template's.
  std::string Title() const;

  // The presets' names in list order.
  ai::Code ListNames(std::vector<std::string>& names) const;

  ai::Code Apply(int32_t index);
  ai::Code SaveNew(int32_t presetCount);
  ai::Code Update(int32_t index, std::string_view currentName);
  ai::Code Delete(std::span<const int32_t> indices);
  ai::Code Move(int32_t from, int32_t to);
  ai::Code Import();
  ai::Code Export(std::span<const int32_t> indices);
  // Fills the palette's preset menu again.
  ai::Code SetPresetMenu();

 private:
  ai::Code AskName(std::string_view prompt, std::string_view proposed, std::string& name);
  void NameRecord(const std::string& name);

  const RecordSpec& spec_;
  void* record_;
  const PresetDialogOwner& owner_;
  std::string folder_;
  std::string path_;
};

}  // namespace vx
