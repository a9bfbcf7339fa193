// The three host panels palettes live in (tool, effect, help), their flyout menus,
// where they are on the screen between runs, and showing and hiding a palette in
// one. The main object owns the panels; the controller that needs a panel first
// creates it, and the palette it shows takes the panel's flyout commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace platform::ui {
class Dialog;
}

namespace vx {

enum class PanelKind : int { kTool = 0, kEffect = 1, kHelp = 2 };
constexpr int kPanelKindCount = 3;

struct PalettePanel {
  ai::PanelHandle panel;
  ai::FlyoutMenuHandle flyout;
};

// The preference prefix that names each panel and holds its "Location".
const char* PanelPrefix(PanelKind kind);
inline constexpr char kLocationKey[] = "Location";
constexpr ai::ScreenSize kPanelSize{240, 320};

// Flyout item ids. Panels with preset items list them from kFlyoutFirstPreset on.
namespace flyout {
constexpr uint32_t kDefaultSetting = 1, kSeparator1 = 2, kEditPresets = 3, kSeparator2 = 4, kSeparator3 = 5,
                   kAbout = 6, kFirstPreset = 7;
}

// The panels of the running plug-in, kept by the main object.
PalettePanel& MainPanel(PanelKind kind);

// What a palette shown in a panel hears from it.
class PanelClient {
 public:
  virtual ~PanelClient() = default;
  // A flyout item other than the about item was picked.
  virtual void OnFlyoutItem(uint32_t itemId) {}
  // The user resized the panel.
  virtual void OnPanelResized() {}
};

// Creates the panel of `kind` unless it exists: its flyout menu (with the preset
// items' frame for the tool and effect panels), the panel itself, hidden, at its
// saved location or centred on the screen.
ai::Code CreatePanel(PanelKind kind);

// Shows `dialog` in the panel: the title "VELLUMiX4: " + `title`, the panel sized
// to the dialog, the flyout's preset items, `client` as the receiver of its
// commands, and the keyboard hook installed.
struct ShowOptions {
  bool limitToDialog = true;  // minimum and maximum size both the dialog's
  int32_t maxHeightFactor = 1;  // a resizable panel: up to this many times the height
};
ai::Code ShowPalette(PanelKind kind, PanelClient* client, platform::ui::Dialog& dialog, std::string_view title,
                     const ShowOptions& options = {});

// Replaces the flyout's preset items with `names` (UTF-8, NUL-separated in
// `packed`, `count` of them).
ai::Code FillFlyoutPresets(PanelKind kind, const char* const* names, int32_t count);

// Fills the flyout's preset items with the names of the preset file at `path`;
// a file that cannot be listed leaves none and gives its code.
ai::Code FillFlyoutPresetsFromFile(PanelKind kind, const std::string& path);

// Whether the panel exists and is shown.
bool PanelShown(PanelKind kind);

// Tells the host to show and then hide the panel, and forgets its client.
ai::Code HidePanel(PanelKind kind);

// The client of a panel leaves (its controller is being destroyed).
void ReleasePanelClient(PanelKind kind, const PanelClient* client);

// At shutdown: stores where the panel is, hides it, disposes its flyout and itself.
ai::Code SaveAndDisposePanel(PanelKind kind);

// The offset of a panel's inside from the corner it is placed by.
constexpr ai::ScreenPoint kPanelFrameOffset{1, 32};

}  // namespace vx
