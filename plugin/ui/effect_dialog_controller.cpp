#include "ui/effect_dialog_controller.h"

#include "frame/controllers.h"
#include "frame/error_messages.h"
#include "platform/ui/desktop.h"
#include "resources/resource_ids.h"
#include "ui/about_box.h"

namespace vx {
namespace {

// A preset name as a menu shows it: at most 255 bytes, cut at a character boundary.
std::string MenuText(const std::string& name) {
  if (name.size() <= effect_dialog::kMaxPresetNameBytes) return name;
  size_t cut = effect_dialog::kMaxPresetNameBytes;
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut);
}

}  // namespace

int32_t EffectDialogController::Run(int32_t templateId) {
  const platform::ui::DialogTemplate* dialog = PluginResources().LoadDialog(templateId);
  if (dialog == nullptr) return -1;
  return RunModal(*dialog, GetDesktop().HostWindow());
}

bool EffectDialogController::OnInitDialog() {
  VELLUMiX4ViewController::OnInitDialog();
  const platform::ui::Point saved = owner_.SavedPosition();
  PlaceOrCentre(saved);
  if (platform::ui::Control* preview = Item(effect_dialog::kPreview)) preview->SetCheck(0);
  owner_.SetPreviewOn(false);
  if (platform::ui::Control* button = Item(effect_dialog::kPresetButton); button != nullptr && button->Image() < 0)
    button->SetImage(effect_dialog::kPresetIcon);
  const auto menu = PluginResources().FindData(platform::ui::ResourceType::kMenu, effect_dialog::kPopupMenu,
                                               platform::ui::Language::kJapanese);
  if (!menu || !popup_.Parse(*menu)) popup_.items.clear();
  FillPresets();
  Refresh(refresh::kOpened);
  return true;
}

void EffectDialogController::FillPresets() {
  // The presets sit between the two adjacent separators.
  auto& items = popup_.items;
  size_t first = items.size();
  for (size_t i = 0; i + 1 < items.size(); ++i)
    if (items[i].separator && items[i + 1].separator) {
      first = i + 1;
      break;
    }
  if (first == items.size()) return;
  size_t last = first;
  while (last < items.size() && !items[last].separator) ++last;
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(first), items.begin() + static_cast<std::ptrdiff_t>(last));
  const std::vector<std::string> names = owner_.PresetNames();
  for (size_t k = 0; k < names.size(); ++k)
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(first + k),
                 platform::ui::PopupItem{effect_dialog::kFirstPreset + static_cast<int32_t>(k), MenuText(names[k]),
                                         false});
}

ai::Code EffectDialogController::UsePreset(int32_t index) {
  if (ai::Code code = owner_.LoadPreset(index)) return code;
  Refresh(refresh::kPresetFromMenu);
  return owner_.PreviewOn() ? owner_.Preview() : ai::kNoError;
}

void EffectDialogController::ChoosePopupItem(int32_t id) {
  ai::Code code = ai::kNoError;
  if (id == effect_dialog::kAbout) {
    ShowAboutBox();
    return;
  }
  if (id == effect_dialog::kEditPresets) {
    // A preset double-clicked in the preset dialog is used as if picked here.
    code = owner_.EditPresets([this](int32_t index) { return UsePreset(index); });
    FillPresets();
  } else if (id == effect_dialog::kDefaultSetting) {
    code = UsePreset(-2);
  } else if (id >= effect_dialog::kFirstPreset) {
    code = UsePreset(id - effect_dialog::kFirstPreset);
  } else {
    return;
  }
  if (code != ai::kNoError) ShowErrorCode(code);
}

void EffectDialogController::OnPaletteCommand(int32_t id, platform::ui::Notify code) {
  if (code != platform::ui::Notify::kClicked) return;
  if (id == effect_dialog::kPreview) {
    const bool on = Item(id) != nullptr && Item(id)->Check() != 0;
    owner_.SetPreviewOn(on);
    if (on) owner_.Preview();
  } else if (id == effect_dialog::kPresetButton) {
    const platform::ui::Control* button = Item(id);
    const platform::ui::Rect rect = WindowRect();
    const platform::ui::Point corner{rect.left + (button ? button->Bounds().left : 0),
                                     rect.top + (button ? button->Bounds().top : 0)};
    if (const int32_t chosen = platform::ui::TrackPopupMenu(popup_, corner)) ChoosePopupItem(chosen);
  } else {
    VELLUMiX4ViewController::OnPaletteCommand(id, code);
  }
}

void EffectDialogController::OnOK() {
  owner_.SavePosition({WindowRect().left, WindowRect().top});
  EndDialog(platform::ui::kIdOk);
}

void EffectDialogController::OnCancel() {
  owner_.SavePosition({WindowRect().left, WindowRect().top});
  EndDialog(platform::ui::kIdCancel);
}

}  // namespace vx
