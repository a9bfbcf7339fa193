#include "ui/panels/palette_panel.h"

#include <string>
#include <vector>

#include "frame/suite_set.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialog.h"
#include "presets/preset_store.h"
#include "ui/about_box.h"

namespace vx {
namespace {

constexpr const char* kPrefixes[kPanelKindCount] = {
    "__KwDL_VELLUMiX4Tool_v46_PrefsPrefix__",
    "__KwDL_VELLUMiX4PG_v46_PrefsPrefix__",
    "__KwDL_VELLUMiX4Help_v46_PrefsPrefix__",
};

// The palette shown in each panel; the host's callbacks find it here.
PanelClient* gClients[kPanelKindCount] = {};

int KindIndex(PanelKind kind) { return static_cast<int>(kind); }

PanelKind KindOfPanel(ai::PanelHandle panel, bool* found) {
  for (int i = 0; i < kPanelKindCount; ++i) {
    if (MainPanel(static_cast<PanelKind>(i)).panel == panel) {
      *found = true;
      return static_cast<PanelKind>(i);
    }
  }
  *found = false;
  return PanelKind::kTool;
}

// Host callbacks run outside any message: nothing may escape them.
void OnFlyout(ai::PanelHandle panel, uint32_t itemId) {
  try {
    bool found = false;
    const PanelKind kind = KindOfPanel(panel, &found);
    if (!found) return;
    if (itemId == flyout::kAbout) {
      ShowAboutBox();
      return;
    }
    if (PanelClient* client = gClients[KindIndex(kind)]) client->OnFlyoutItem(itemId);
  } catch (...) {
  }
}

void OnResized(ai::PanelHandle panel) {
  try {
    bool found = false;
    const PanelKind kind = KindOfPanel(panel, &found);
    if (PanelClient* client = found ? gClients[KindIndex(kind)] : nullptr) client->OnPanelResized();
  } catch (...) {
  }
}

ai::Code BuildFlyout(bool withPresets, ai::FlyoutMenuHandle* menu) {
  const ai::PanelFlyoutMenuSuite& fly = suites::PanelFlyoutMenu();
  if (ai::Code code = fly.create(menu)) return code;
  ai::Code code = ai::kNoError;
  if (withPresets) {
    if (!code) code = fly.appendItem(*menu, flyout::kDefaultSetting, "初期設定");
    if (!code) code = fly.appendSeparator(*menu, flyout::kSeparator1);
    if (!code) code = fly.appendItem(*menu, flyout::kEditPresets, "プリセットを編集...");
    if (!code) code = fly.appendSeparator(*menu, flyout::kSeparator2);
    if (!code) code = fly.appendSeparator(*menu, flyout::kSeparator3);
  }
  if (!code) code = fly.appendItem(*menu, flyout::kAbout, "このプラグインについて...");
  if (code) {
    fly.dispose(*menu);
    *menu = nullptr;
  }
  return code;
}

// Where a panel opens: its saved place, else centred on the whole screen.
ai::ScreenPoint StartLocation(PanelKind kind, ai::PanelHandle panel) {
  ai::ScreenPoint location{};
  if (suites::Preference().getPoint(PanelPrefix(kind), kLocationKey, &location) == ai::kNoError) return location;
  ai::ScreenSize size{};
  if (suites::Panel().getSize(panel, &size) != ai::kNoError) return {0, 0};
  const platform::ui::Rect screen = platform::ui::Desktop::Current().Screen();
  return {(screen.Width() - size.width) / 2, (screen.Height() - size.height) / 2};
}

}  // namespace

const char* PanelPrefix(PanelKind kind) { return kPrefixes[KindIndex(kind)]; }

ai::Code CreatePanel(PanelKind kind) {
  PalettePanel& slot = MainPanel(kind);
  if (slot.panel != nullptr) return ai::kNoError;
  ai::FlyoutMenuHandle menu = nullptr;
  if (ai::Code code = BuildFlyout(kind != PanelKind::kHelp, &menu)) return code;
  ai::PanelHandle panel = nullptr;
  if (ai::Code code = suites::Panel().create(nullptr, PanelPrefix(kind), "VELLUMiX4", kPanelSize, menu, &panel)) {
    suites::PanelFlyoutMenu().dispose(menu);
    return code;
  }
  slot = {panel, menu};
  if (ai::Code code = suites::Panel().move(panel, StartLocation(kind, panel))) return code;
  return suites::Panel().show(panel, 0);
}

ai::Code ShowPalette(PanelKind kind, PanelClient* client, platform::ui::Dialog& dialog, std::string_view title,
                     const ShowOptions& options) {
  if (ai::Code code = CreatePanel(kind)) return code;
  const PalettePanel& slot = MainPanel(kind);
  const ai::PanelSuite& panels = suites::Panel();
  const std::string fullTitle = "VELLUMiX4: " + std::string(title);
  if (ai::Code code = panels.setTitle(slot.panel, fullTitle.c_str())) return code;
  gClients[KindIndex(kind)] = client;
  if (ai::Code code = panels.setFlyoutHandler(slot.panel, OnFlyout)) return code;
  const platform::ui::Rect rect = dialog.WindowRect();
  const ai::ScreenSize size{rect.Width(), rect.Height()};
  const ai::ScreenSize maximum{size.width, size.height * (options.maxHeightFactor > 0 ? options.maxHeightFactor : 1)};
  if (ai::Code code = panels.setSizeLimits(slot.panel, size, maximum)) return code;
  if (ai::Code code = panels.setSize(slot.panel, size)) return code;
  if (options.maxHeightFactor > 1) {
    if (ai::Code code = panels.setSizeHandler(slot.panel, OnResized)) return code;
  }
  // The dialog sits in the panel's inside.
  platform::ui::Rect inside{};
  ai::PlatformWindow window = 0;
  if (panels.getPlatformWindow(slot.panel, &window) == ai::kNoError &&
      platform::ui::Desktop::Current().WindowRect(window, &inside))
    dialog.MoveTo({inside.left, inside.top});
  dialog.Show(true);
  if (ai::Code code = panels.show(slot.panel, 1)) return code;
  platform::ui::Desktop::Current().InstallKeyHook();
  return ai::kNoError;
}

ai::Code FillFlyoutPresets(PanelKind kind, const char* const* names, int32_t count) {
  const PalettePanel& slot = MainPanel(kind);
  if (slot.flyout == nullptr) return ai::kNoError;
  const ai::PanelFlyoutMenuSuite& fly = suites::PanelFlyoutMenu();
  // Take out the old preset items (every id from the first preset on).
  int32_t items = 0;
  if (ai::Code code = fly.countItems(slot.flyout, &items)) return code;
  for (int32_t i = items - 1; i >= 0; --i) {
    uint32_t id = 0;
    if (ai::Code code = fly.getItemId(slot.flyout, i, &id)) return code;
    if (id >= flyout::kFirstPreset)
      if (ai::Code code = fly.removeItem(slot.flyout, id)) return code;
  }
  for (int32_t k = 0; k < count; ++k) {
    if (ai::Code code = fly.appendItem(slot.flyout, flyout::kFirstPreset + static_cast<uint32_t>(k), names[k]))
      return code;
  }
  return ai::kNoError;
}

ai::Code FillFlyoutPresetsFromFile(PanelKind kind, const std::string& path) {
  std::vector<std::string> texts;
  const ai::Code listed = ListPresetNames(path, texts);
  std::vector<const char*> names;
  for (const std::string& text : texts) names.push_back(text.c_str());
  if (ai::Code code = FillFlyoutPresets(kind, names.data(), static_cast<int32_t>(names.size()))) return code;
  return listed;
}

bool PanelShown(PanelKind kind) {
  const PalettePanel& slot = MainPanel(kind);
  int32_t shown = 0;
  return slot.panel != nullptr && suites::Panel().isShown(slot.panel, &shown) == ai::kNoError && shown != 0;
}

ai::Code HidePanel(PanelKind kind) {
  gClients[KindIndex(kind)] = nullptr;
  if (!PanelShown(kind)) return ai::kNoError;
  const PalettePanel& slot = MainPanel(kind);
  if (ai::Code code = suites::Panel().show(slot.panel, 1)) return code;
  return suites::Panel().show(slot.panel, 0);
}

void ReleasePanelClient(PanelKind kind, const PanelClient* client) {
  if (gClients[KindIndex(kind)] == client) gClients[KindIndex(kind)] = nullptr;
}

ai::Code SaveAndDisposePanel(PanelKind kind) {
  PalettePanel& slot = MainPanel(kind);
  if (slot.panel == nullptr) return ai::kNoError;
  gClients[KindIndex(kind)] = nullptr;
  ai::Code result = ai::kNoError;
  ai::PlatformWindow window = 0;
  platform::ui::Rect inside{};
  if ((result = suites::Panel().getPlatformWindow(slot.panel, &window)) == ai::kNoError &&
      platform::ui::Desktop::Current().WindowRect(window, &inside)) {
    const ai::ScreenPoint location{inside.left - kPanelFrameOffset.x, inside.top - kPanelFrameOffset.y};
    result = suites::Preference().putPoint(PanelPrefix(kind), kLocationKey, location);
  }
  // The panel goes away even when its place could not be kept.
  if (ai::Code code = suites::Panel().show(slot.panel, 0); code && !result) result = code;
  if (slot.flyout != nullptr)
    if (ai::Code code = suites::PanelFlyoutMenu().dispose(slot.flyout); code && !result) result = code;
  if (ai::Code code = suites::Panel().dispose(slot.panel); code && !result) result = code;
  slot = {};
  return result;
}

}  // namespace vx
