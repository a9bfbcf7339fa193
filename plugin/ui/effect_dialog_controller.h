// The modal dialog of an effect that runs once (a filter): OK and Cancel, a
// "Preview" check box and a preset button whose popup loads the default setting,
// edits the presets, opens the about box or loads a preset.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/popup_menu.h"
#include "ui/view_controller.h"

namespace vx {

namespace effect_dialog {
constexpr int32_t kPreview = 1436, kPresetButton = 1438;
constexpr int32_t kPresetIcon = 821, kPopupMenu = 822;
constexpr int32_t kDefaultSetting = 40036, kEditPresets = 40037, kAbout = 40038, kFirstPreset = 40039;
constexpr size_t kMaxPresetNameBytes = 255;
}  // namespace effect_dialog

// What the dialog asks of its controller.
class EffectDialogOwner {
 public:
  virtual ~EffectDialogOwner() = default;
  // Where the dialog was last (negative: never shown), and keeping it.
  virtual platform::ui::Point SavedPosition() const = 0;
  virtual void SavePosition(platform::ui::Point topLeft) = 0;
  virtual bool PreviewOn() const = 0;
  virtual void SetPreviewOn(bool on) = 0;
  virtual ai::Code Preview() = 0;
  virtual std::vector<std::string> PresetNames() = 0;
  // Loads preset `index`; -2 loads the default setting.
  virtual ai::Code LoadPreset(int32_t index) = 0;
  // Opens the preset dialog; `usePreset` is what choosing a preset there does.
  virtual ai::Code EditPresets(std::function<ai::Code(int32_t index)> usePreset) = 0;
};

class EffectDialogController : public VELLUMiX4ViewController {
 public:
  explicit EffectDialogController(EffectDialogOwner& owner) : owner_(owner) {}

  // Runs the dialog from the plug-in's template; returns kIdOk, kIdCancel or -1.
  int32_t Run(int32_t templateId);
  const platform::ui::PopupMenu& popup() const { return popup_; }

 protected:
  bool OnInitDialog() override;
  bool PreTranslateKey(const platform::ui::KeyEvent& key) override { return HandleDialogKey(key); }
  void OnPaletteCommand(int32_t id, platform::ui::Notify code) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void FillPresets();
  void ChoosePopupItem(int32_t id);
  // Loads preset `index` (-2: the default setting), shows it and previews it.
  ai::Code UsePreset(int32_t index);

  EffectDialogOwner& owner_;
  platform::ui::PopupMenu popup_;
};

}  // namespace vx
