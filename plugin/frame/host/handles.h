// Opaque handles of the host. The plug-in never looks inside them; it passes them
// back to the suite that gave them out.
#pragma once

#include <cstdint>

namespace ai {

using PluginRef = struct PluginOpaque*;
using AccessRef = struct AccessOpaque*;
using NotifierHandle = struct NotifierOpaque*;
using AppContext = struct AppContextOpaque*;
using UnicodeStringRef = struct UnicodeStringOpaque*;
using FilePathRef = struct FilePathOpaque*;
using DocumentHandle = struct DocumentOpaque*;
using MenuItemHandle = struct MenuItemOpaque*;
using AnnotatorHandle = struct AnnotatorOpaque*;
using AnnotatorDrawer = struct AnnotatorDrawerOpaque*;
using ArtHandle = struct ArtOpaque*;
using PluginGroupHandle = struct PluginGroupOpaque*;
using ToolHandle = struct ToolOpaque*;
using FilterHandle = struct FilterOpaque*;
using LiveEffectHandle = struct LiveEffectOpaque*;
using ActionParamsRef = struct ActionParamsOpaque*;
using DictionaryRef = struct DictionaryOpaque*;
using PanelHandle = struct PanelOpaque*;
using FlyoutMenuHandle = struct FlyoutMenuOpaque*;
// A window of the platform's window system (a dialog, a panel's inside).
using PlatformWindow = uint32_t;

// A point on the screen, in pixels, y down.
struct ScreenPoint {
  int32_t x;
  int32_t y;
};

// A width and a height in screen pixels.
struct ScreenSize {
  int32_t width;
  int32_t height;
};

// A rectangle in view coordinates (pixels of the document window).
struct ViewRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

}  // namespace ai
