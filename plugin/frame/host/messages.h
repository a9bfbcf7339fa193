// Message records the host passes to PluginMain, and the caller and selector
// strings that name them. Every record starts with the same four-field header;
// the fields a message carries beyond it follow.
#pragma once

#include <cstdint>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace ai {

struct BasicSuite;

struct MessageHeader {
  uint32_t checkWord;        // host-defined
  PluginRef plugin;          // passed back in every registration call
  void* globals;             // kept by the host between messages; holds the main object
  const BasicSuite* basic;   // acquire and release suites by name and version
};

// "SP Interface" (Startup, Shutdown, About), "SP Access" (Unload, Reload),
// "SP Properties", "SP Cache", timers, clipboard, workspace and file formats carry
// nothing beyond the header.
struct InterfaceMessage {
  MessageHeader d;
};
using AccessMessage = InterfaceMessage;
using PropertiesMessage = InterfaceMessage;
using CacheMessage = InterfaceMessage;

struct NotifierMessage {
  MessageHeader d;
  NotifierHandle notifier;  // the notifier that fired
  const char* type;         // its type string
  void* data;               // notifier-specific data
};

struct MenuMessage {
  MessageHeader d;
  MenuItemHandle item;
};

struct ActionMessage {
  MessageHeader d;
  int32_t showDialog;
  ActionParamsRef parameters;
  intptr_t userData;  // what the plug-in gave when it registered the action
};

struct FilterMessage {
  MessageHeader d;
  FilterHandle filter;
};

struct PluginGroupMessage {
  MessageHeader d;
  PluginGroupHandle group;
  ArtHandle art;
};

// Modifier keys and flags of a tool event's modifier word.
namespace modifier {
constexpr int16_t kCancel = 0x0002;  // the host asks for the drag to be taken back
constexpr int16_t kCtrl = 0x0100;    // Ctrl (Command)
constexpr int16_t kShift = 0x0200;
constexpr int16_t kAlt = 0x0800;
}  // namespace modifier

// What a tool event carries: when it happened (ticks), where the cursor is in
// document coordinates, and the modifier word.
struct ToolEvent {
  uint32_t when;
  RealPoint cursor;
  int16_t modifiers;
};

struct ToolMessage {
  MessageHeader d;
  ToolHandle tool;
  ToolEvent event;
};

struct LiveEffectMessage {
  MessageHeader d;
  LiveEffectHandle effect;
  // "Edit Parameters" and "Go Live": the effect's parameters as the art keeps them.
  DictionaryRef parameters;
  // "Go Live": what the effect keeps with the art beside its parameters.
  DictionaryRef instanceInfo;
  // "Go Live": the art to work on (a copy of the source art); the effect changes it in place.
  ArtHandle art;
};

struct AnnotatorMessage {
  MessageHeader d;
  AnnotatorHandle annotator;
  AnnotatorDrawer drawer;  // for "AI Draw": what the annotation is drawn with
};

namespace callers {
inline constexpr char kAccess[] = "SP Access";
inline constexpr char kInterface[] = "SP Interface";
inline constexpr char kCache[] = "SP Cache";
inline constexpr char kProperties[] = "SP Properties";
inline constexpr char kNotifier[] = "AI Notifier";
inline constexpr char kActionManager[] = "Action Manager";
inline constexpr char kMenu[] = "AI Menu";
inline constexpr char kFilter[] = "AI Filter";
inline constexpr char kPluginGroup[] = "AI Plugin Group";
inline constexpr char kFileFormat[] = "AI File Format";
inline constexpr char kTool[] = "AI Tool";
inline constexpr char kLiveEffect[] = "AI Live Effect";
inline constexpr char kTimer[] = "AI Timer";
inline constexpr char kClipboard[] = "AI Clipboard";
inline constexpr char kWorkspace[] = "Workspace Manager";
inline constexpr char kAnnotation[] = "AI Annotation";
}  // namespace callers

namespace selectors {
inline constexpr char kStartup[] = "Startup";
inline constexpr char kShutdown[] = "Shutdown";
inline constexpr char kAbout[] = "About";
inline constexpr char kUnload[] = "Unload";
inline constexpr char kReload[] = "Reload";
inline constexpr char kPropertiesAcquire[] = "Acquire";
inline constexpr char kPropertiesRelease[] = "Release";
inline constexpr char kPurge[] = "Plug-in Purge";
inline constexpr char kNotify[] = "AI Notify";
inline constexpr char kDoAction[] = "Do Action";
inline constexpr char kGo[] = "AI Go";
inline constexpr char kUpdate[] = "AI Update";
inline constexpr char kGetParameters[] = "AI Get Parameters";
inline constexpr char kNotifyEdits[] = "AI Notify Edits";
inline constexpr char kCheck[] = "AI Check";
inline constexpr char kFileFormatUpdate[] = "AI Update AI140";
inline constexpr char kEditOptions[] = "AI Edit Options";
inline constexpr char kTrackCursor[] = "AI Track Cursor";
inline constexpr char kMouseDown[] = "AI Mouse Down";
inline constexpr char kMouseDrag[] = "AI Mouse Drag";
inline constexpr char kMouseUp[] = "AI Mouse Up";
inline constexpr char kSelect[] = "AI Select";
inline constexpr char kDeselect[] = "AI Deselect";
inline constexpr char kReselect[] = "AI Reselect";
inline constexpr char kDecreaseDiameter[] = "AI Decrease Diameter";
inline constexpr char kIncreaseDiameter[] = "AI Increase Diameter";
inline constexpr char kEditParameters[] = "AI Live Effect Edit Parameters";
inline constexpr char kGoLive[] = "AI Live Effect Go Live";
inline constexpr char kInterpolateParameters[] = "AI Live Effect Interpolate Parameters";
inline constexpr char kInputType[] = "AI Live Effect Input Type";
inline constexpr char kConvertColorSpace[] = "AI Live Effect Convert Color Space";
inline constexpr char kScaleParameters[] = "AI Live Effect Scale Parameters";
inline constexpr char kAdjustColors[] = "AI Live Effect Adjust Colors";
inline constexpr char kHandleMerge[] = "AI Live Effect Handle Merge";
inline constexpr char kCanCopy[] = "AI Can Copy";
inline constexpr char kClone[] = "AI Clone";
inline constexpr char kDispose[] = "AI Dispose";
inline constexpr char kWriteWorkspace[] = "Write Workspace";
inline constexpr char kRestoreWorkspace[] = "Restore Workspace";
inline constexpr char kDefaultWorkspace[] = "Default Workspace";
inline constexpr char kDraw[] = "AI Draw";
inline constexpr char kInvalidate[] = "AI Invalidate";
}  // namespace selectors

namespace notifier_types {
inline constexpr char kApplicationStarted[] = "AI Application Started Notifier";
inline constexpr char kApplicationShutdown[] = "AI Application Shutdown Notifier";
}  // namespace notifier_types

// The signature of the one exported entry point.
using PluginMainFunction = Code (*)(const char* caller, const char* selector, void* message);

}  // namespace ai
