// The host's suites: plain tables of functions, acquired by name and version from
// the basic suite. Every operation returns a 32-bit code (0 on success) and hands
// results back through out-parameters; no C++ object or exception crosses them.
//
// A table lists the operations this system calls. Suites whose operations no code
// calls yet are declared empty; their operations join them with the code that
// needs them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace ai {

struct BasicSuite {
  Code (*acquireSuite)(const char* name, int32_t version, const void** suite);
  Code (*releaseSuite)(const char* name, int32_t version);
};

// Named memory blocks. The name is for the host's diagnostics and accounting.
struct BlocksSuite {
  Code (*allocateBlock)(size_t size, const char* name, void** block);  // -108 when exhausted
  Code (*freeBlock)(void* block);
  Code (*reallocateBlock)(void* block, size_t newSize, const char* name, void** newBlock);
};

// Keeps a plug-in's code loaded while a reference is held.
struct AccessSuite {
  Code (*acquirePlugin)(PluginRef plugin, AccessRef* access);
  Code (*releasePlugin)(AccessRef access);
};

struct PluginsSuite {
  Code (*setPluginName)(PluginRef plugin, const char* name);
  Code (*getPluginName)(PluginRef plugin, const char** name);
  // The plug-in's own file, as a host path the caller disposes.
  Code (*getPluginFile)(PluginRef plugin, FilePathRef* file);
};

struct NotifierSuite {
  Code (*addNotifier)(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier);
  Code (*setNotifierActive)(NotifierHandle notifier, int32_t active);
  // Sends every active notifier of `type` the data (a plug-in's own notifiers).
  Code (*notify)(const char* type, void* data);
};

// Work started outside a host message (from a palette) runs inside a pushed
// application context; pushes and pops must pair.
struct ContextSuite {
  Code (*pushAppContext)(PluginRef plugin, AppContext* context);
  Code (*popAppContext)(AppContext context);
};

// Alerts and questions to the user. A prompt or a folder choice answers
// kUserCanceled when the user cancels; a confirmation sets *yes.
struct UserSuite {
  Code (*errorAlert)(UnicodeStringRef text);
  Code (*messageAlert)(UnicodeStringRef text);
  Code (*confirm)(UnicodeStringRef text, int32_t* yes);
  // A window titled `title` showing `prompt`, with a text field labelled `label`
  // that starts with `initial` (title, label and initial may be null) and takes
  // at most `maxLength` characters.
  Code (*promptText)(UnicodeStringRef title, UnicodeStringRef prompt, UnicodeStringRef label,
                     UnicodeStringRef initial, int32_t maxLength, UnicodeStringRef* answer);
  // The folder chooser, opened at `start` (may be null); the chosen folder is the
  // caller's to dispose.
  Code (*chooseFolder)(UnicodeStringRef prompt, FilePathRef start, FilePathRef* chosen);
};

// Host strings in Unicode. Created from UTF-8, read back as UTF-8, disposed by
// whoever created them.
struct UnicodeStringSuite {
  Code (*fromUtf8)(const char* text, size_t length, UnicodeStringRef* string);
  Code (*toUtf8)(UnicodeStringRef string, char* buffer, size_t bufferSize, size_t* length);
  Code (*dispose)(UnicodeStringRef string);
};

struct FilePathSuite {
  Code (*fromPlatformPath)(const char* utf8Path, FilePathRef* path);
  Code (*toPlatformPath)(FilePathRef path, char* buffer, size_t bufferSize, size_t* length);
  Code (*dispose)(FilePathRef path);
};

// Folder kind 16 is the user's settings folder.
struct FoldersSuite {
  Code (*findFolder)(int32_t kind, int32_t create, FilePathRef* path);
};

struct RuntimeSuite {
  Code (*getAppMajorVersion)(int32_t* major);
};

// Document colour models and ruler units.
namespace color_model {
constexpr int16_t kGray = 0, kRGB = 1, kCMYK = 2;
}
namespace ruler_unit {
constexpr int16_t kInches = 1, kCentimeters = 2, kPoints = 3, kPicas = 4, kMillimeters = 5, kPixels = 6, kQ = 7;
}

struct DocumentSuite {
  Code (*getCurrentDocument)(DocumentHandle* document);  // kNoDocument when none is open
  Code (*redraw)();
  Code (*getColorModel)(int16_t* model);
  Code (*getRulerUnits)(int16_t* units);
};

struct AnnotatorSuite {
  Code (*addAnnotator)(PluginRef plugin, const char* name, AnnotatorHandle* annotator);
  Code (*setAnnotatorActive)(AnnotatorHandle annotator, int32_t active);
  Code (*invalidateRect)(const ViewRect* rect);
};

// Drawing an annotation into the document view while the host asks for it
// ("AI Draw"). Colours are 16-bit per component; view coordinates are pixels.
struct AnnotatorDrawerSuite {
  Code (*setColor)(AnnotatorDrawer drawer, uint16_t red, uint16_t green, uint16_t blue);
  Code (*fillRect)(AnnotatorDrawer drawer, const ViewRect* rect);
  Code (*drawLine)(AnnotatorDrawer drawer, const ViewPoint* from, const ViewPoint* to);
  // The box `text` (UTF-8) covers when drawn with the left end of its base line at `at`.
  Code (*measureText)(AnnotatorDrawer drawer, const char* text, const ViewPoint* at, ViewRect* box);
  Code (*drawText)(AnnotatorDrawer drawer, const char* text, const ViewPoint* at);
};

struct ArtSuite {
  Code (*getKind)(ArtHandle art, int16_t* kind);
  Code (*getParent)(ArtHandle art, ArtHandle* parent);           // null for a layer's group
  Code (*getFirstChild)(ArtHandle art, ArtHandle* child);        // null when there is none
  Code (*getNextSibling)(ArtHandle art, ArtHandle* sibling);     // null at the end
  Code (*getPriorSibling)(ArtHandle art, ArtHandle* sibling);    // null at the start
  // Placements are those of ai::placement, relative to `reference`.
  Code (*newArt)(int16_t kind, int16_t placement, ArtHandle reference, ArtHandle* art);
  Code (*disposeArt)(ArtHandle art);                             // with everything inside it
  Code (*moveArt)(ArtHandle art, int16_t placement, ArtHandle reference);
  Code (*duplicateArt)(ArtHandle art, int16_t placement, ArtHandle reference, ArtHandle* copy);
  // User attributes: reads the bits of `which`; sets the bits of `which` to `value`.
  Code (*getUserAttributes)(ArtHandle art, int32_t which, int32_t* value);
  Code (*setUserAttributes)(ArtHandle art, int32_t which, int32_t value);
  // Bounds under `matrix` (null: none) with the options of ai::bounds_option.
  Code (*getBounds)(ArtHandle art, const RealMatrix* matrix, int32_t options, RealRect* bounds);
  Code (*getLayer)(ArtHandle art, LayerHandle* layer);
  Code (*isValid)(ArtHandle art, int32_t* valid);
};

// A path's segments are addressed by first index and count.
struct PathSuite {
  Code (*getSegmentCount)(ArtHandle path, int32_t* count);
  // Sets the count: extra segments are dropped, new ones copy the last anchor.
  Code (*setSegmentCount)(ArtHandle path, int32_t count);
  Code (*getSegments)(ArtHandle path, int32_t first, int32_t count, SegRecord* segments);
  // Writes segments; writing past the end lengthens the path.
  Code (*setSegments)(ArtHandle path, int32_t first, int32_t count, const SegRecord* segments);
  Code (*getClosed)(ArtHandle path, int32_t* closed);
  Code (*setClosed)(ArtHandle path, int32_t closed);
};

// The style of a path; for a compound path, of its first path (setting it sets
// every path of the compound).
struct PathStyleSuite {
  Code (*getPathStyle)(ArtHandle art, PathStyle* style);
  Code (*setPathStyle)(ArtHandle art, const PathStyle* style);
  // The style the host shows as current: that of the selected art, or the one
  // new art gets when nothing is selected.
  Code (*getCurrentPathStyle)(PathStyle* style);
};

// The host's colour picker: a modal dialog on `color`; kUserCanceled when the
// user cancels it, `color` then unchanged.
struct PaintStyleSuite {
  Code (*displayColorPicker)(ColorRecord* color);
};

// What to match: art of `kind` whose user attributes masked by `which` equal `value`.
struct MatchSpec {
  int16_t kind;
  int32_t which;
  int32_t value;
};

// Lists of art handles, allocated by the host through the memory suite; the
// caller frees them there.
struct MatchingArtSuite {
  // The selection list: its first entry is the current layer's group, then the
  // selected art in document order.
  Code (*getSelectedArt)(ArtHandle** matches, int32_t* count);
  // Art of the given specs in document order, each art once.
  Code (*getMatchingArt)(const MatchSpec* specs, int32_t specCount, ArtHandle** matches, int32_t* count);
};

struct MdMemorySuite {
  Code (*allocate)(size_t size, void** block);
  Code (*dispose)(void* block);
};

struct GroupSuite {
  Code (*getClipped)(ArtHandle group, int32_t* clipped);
  Code (*setClipped)(ArtHandle group, int32_t clipped);
};

struct LayerSuite {
  Code (*countLayers)(int32_t* count);
  Code (*getNthLayer)(int32_t index, LayerHandle* layer);     // 0 is the topmost
  Code (*getCurrentLayer)(LayerHandle* layer);
  Code (*setCurrentLayer)(LayerHandle layer);
  // A new layer above (placement 1) or below (2) `reference`; null reference: on top.
  Code (*insertLayer)(LayerHandle reference, int16_t placement, LayerHandle* layer);
  Code (*getLayerGroup)(LayerHandle layer, ArtHandle* group);  // the layer's art lives in it
  Code (*getTitle)(LayerHandle layer, char* buffer, size_t bufferSize, size_t* length);  // UTF-8
  Code (*setTitle)(LayerHandle layer, const char* title);
  Code (*getVisible)(LayerHandle layer, int32_t* visible);
  Code (*getEditable)(LayerHandle layer, int32_t* editable);
};

// Named tags on art. Only the type "string" is kept; an absent tag is kTagNotFound.
struct TagSuite {
  Code (*setTag)(ArtHandle art, const char* name, const char* type, const char* value);
  Code (*getTag)(ArtHandle art, const char* name, const char* type, char* buffer, size_t bufferSize,
                 size_t* length);
};

struct TransformArtSuite {
  // Transforms art by `matrix` with the options of ai::transform_option.
  Code (*transformArt)(ArtHandle art, const RealMatrix* matrix, double lineScale, int32_t options);
};

// Arithmetic as the host does it. Products and quotients saturate at
// +-1.7976931348623158e307 instead of overflowing.
struct RealMathSuite {
  Code (*sine)(double radians, double* result);
  Code (*cosine)(double radians, double* result);
  Code (*squareRoot)(double value, double* result);
  Code (*degreesToRadians)(double degrees, double* radians);
  Code (*radiansToDegrees)(double radians, double* degrees);
  Code (*multiply)(double a, double b, double* result);
  Code (*divide)(double a, double b, double* result);
  Code (*pointDistance)(const RealPoint* a, const RealPoint* b, double* distance);
  Code (*pointAngle)(const RealPoint* from, const RealPoint* to, double* radians);
  Code (*polarPoint)(double length, double radians, RealPoint* point);
  Code (*setIdentity)(RealMatrix* matrix);
  Code (*setTranslate)(RealMatrix* matrix, double tx, double ty);
  Code (*setScale)(RealMatrix* matrix, double sx, double sy);
  Code (*setRotate)(RealMatrix* matrix, double radians);
  // result = a * b (a first, then b).
  Code (*concat)(const RealMatrix* a, const RealMatrix* b, RealMatrix* result);
  Code (*concatTranslate)(RealMatrix* matrix, double tx, double ty);
  Code (*concatRotate)(RealMatrix* matrix, double radians);
  Code (*concatScale)(RealMatrix* matrix, double sx, double sy);
  Code (*invert)(const RealMatrix* matrix, RealMatrix* inverse);
  Code (*transformPoint)(const RealMatrix* matrix, const RealPoint* point, RealPoint* result);
  Code (*unionRect)(const RealRect* a, const RealRect* b, RealRect* result);
};

// A seeded generator: the same seed gives the same sequence on every machine.
struct RandomSuite {
  Code (*setSeed)(int32_t seed);
  Code (*nextUniform)(double* value);  // in [0, 1)
};

struct UndoSuite {
  // Reverts every change made since the current undo context began: the current
  // message, or for a tool drag, everything since the mouse went down.
  Code (*revertChanges)();
};

struct BlendStyleSuite {
  Code (*getOpacity)(ArtHandle art, double* opacity);  // 0..1
  Code (*setOpacity)(ArtHandle art, double opacity);
};

namespace custom_color_kind {
constexpr int32_t kFour = 0, kThree = 1;
}

struct CustomColorSuite {
  Code (*newCustomColor)(const char* name, int32_t spot, int32_t kind, const double* components,
                         CustomColorHandle* color);
  Code (*getName)(CustomColorHandle color, char* buffer, size_t bufferSize, size_t* length);
  Code (*isSpot)(CustomColorHandle color, int32_t* spot);
  // The colour's process equivalent (four- or three-colour) at `tint` (0 full .. 1 white).
  Code (*processEquivalent)(CustomColorHandle color, double tint, ColorRecord* process);
};

namespace gradient_type {
constexpr int16_t kLinear = 0, kRadial = 1;
}

struct GradientStop {
  double midPoint;   // percent, 13..87
  double rampPoint;  // percent, 0..100
  ColorRecord color;
  double opacity;    // 0..1
};

struct GradientSuite {
  Code (*newGradient)(GradientHandle* gradient);
  Code (*disposeGradient)(GradientHandle gradient);
  Code (*getType)(GradientHandle gradient, int16_t* type);
  Code (*setType)(GradientHandle gradient, int16_t type);
  Code (*getName)(GradientHandle gradient, char* buffer, size_t bufferSize, size_t* length);
  Code (*setName)(GradientHandle gradient, const char* name);
  Code (*countStops)(GradientHandle gradient, int32_t* count);
  Code (*getStop)(GradientHandle gradient, int32_t index, GradientStop* stop);
  Code (*setStop)(GradientHandle gradient, int32_t index, const GradientStop* stop);
  Code (*insertStop)(GradientHandle gradient, int32_t index, const GradientStop* stop);
  Code (*deleteStop)(GradientHandle gradient, int32_t index);
};

namespace hit_type {
constexpr int32_t kNothing = -1, kAnchor = 0, kInHandle = 1, kOutHandle = 2, kCurve = 3, kFill = 4;
}

struct HitResult {
  int32_t type;          // ai::hit_type
  ArtHandle art;         // the path (or the art) that was hit
  ArtHandle group;       // the topmost group above it, or the art itself
  int32_t segment;       // index of the segment at the start of the hit curve, or of the anchor
  double t;              // parameter along the curve from `segment` to the next, 0..1
  RealPoint point;       // the point on the art
};

struct HitTestSuite {
  // Hits the topmost art within `tolerance` points of `where`.
  Code (*hitTest)(const RealPoint* where, double tolerance, HitResult* result);
};

// The document window: view coordinates are pixels from its top left, y down.
struct DocumentViewSuite {
  Code (*artworkToView)(const RealPoint* artwork, ViewPoint* view);
  Code (*viewToArtwork)(const ViewPoint* view, RealPoint* artwork);
  Code (*getZoom)(double* zoom);
  // The artwork the document window shows now (top above bottom).
  Code (*getViewBounds)(RealRect* bounds);
};

// Text encodings the character-encoding suite converts between.
namespace text_encoding {
constexpr int32_t kUtf8 = 1;
constexpr int32_t kPlatform = 2;  // the system's code page (932 here)
}  // namespace text_encoding

struct CharacterEncodingSuite {
  // Converts `sourceLength` bytes; writes at most `destinationSize` bytes (no
  // terminator added) and reports the converted length.
  Code (*convert)(const char* source, size_t sourceLength, int32_t sourceEncoding, char* destination,
                  size_t destinationSize, int32_t destinationEncoding, size_t* convertedLength);
};

using MenuGroupHandle = struct MenuGroupOpaque*;

struct MenuSuite {
  // Adds an item named `name` to the menu group `group`; `platformText` is in
  // the platform encoding. Option 1 asks for the host's own update of the item.
  Code (*addMenuItem)(PluginRef plugin, const char* name, const char* group, const char* platformText,
                      int32_t options, MenuItemHandle* item);
  // Turns an item into a submenu holding the new group `name`.
  Code (*addSubmenuGroup)(const char* name, MenuItemHandle item, MenuGroupHandle* group);
  Code (*checkItem)(MenuItemHandle item, int32_t checked);
  Code (*enableItem)(MenuItemHandle item, int32_t enabled);
  Code (*getItemName)(MenuItemHandle item, const char** name);
  // The host enables the item by itself: `action` 1 enables it when the
  // selection condition holds; `selected` 2 means "a path is selected".
  Code (*setAutomaticUpdate)(MenuItemHandle item, int32_t action, int32_t selected);
};

struct PluginGroupData {
  int32_t major;
  int32_t minor;
  const char* description;  // platform encoding
};

struct PluginGroupSuite {
  Code (*addPluginGroup)(PluginRef plugin, const char* name, const PluginGroupData* data, int32_t options,
                         PluginGroupHandle* group);
  Code (*getName)(PluginGroupHandle group, const char** name);
  // The plugin group a live object (kind 10) belongs to.
  Code (*getArtPluginGroup)(ArtHandle art, PluginGroupHandle* group);
  // Binds a live object to a plugin group; the host then sends the group's
  // owner "AI Plugin Group" messages for it.
  Code (*useArtPluginGroup)(ArtHandle art, PluginGroupHandle group);
  // The group holding the user's source art, and the group the host shows.
  Code (*getEditArt)(ArtHandle art, ArtHandle* edit);
  Code (*getResultArt)(ArtHandle art, ArtHandle* result);
  // The live object's data store: a type and sub-type, then bytes.
  Code (*getDataType)(ArtHandle art, int32_t* type, int32_t* subtype);
  Code (*setDataType)(ArtHandle art, int32_t type, int32_t subtype);
  Code (*getDataSize)(ArtHandle art, size_t* size);
  Code (*setDataSize)(ArtHandle art, size_t size);
  Code (*readData)(ArtHandle art, size_t offset, size_t size, void* data);
  Code (*writeData)(ArtHandle art, size_t offset, size_t size, const void* data);
};

struct FilterSuite {
  // `category` and `title` are length-prefixed strings (first byte the length,
  // at most 255) in the platform encoding.
  Code (*addFilter)(PluginRef plugin, const char* name, const unsigned char* category, const unsigned char* title,
                    int32_t options, FilterHandle* filter);
  Code (*getMenuItem)(FilterHandle filter, MenuItemHandle* item);
};

struct LiveEffectData {
  const char* name;
  const char* title;  // UTF-8
  int32_t major;
  int32_t minor;
  int32_t inputPreference;
  int32_t styleFlags;
};

struct LiveEffectSuite {
  Code (*addLiveEffect)(PluginRef plugin, const LiveEffectData* data, LiveEffectHandle* effect);
  // A menu item for the effect under `category` with `title` (UTF-8).
  Code (*addMenuItem)(LiveEffectHandle effect, const char* name, const char* category, const char* title,
                      MenuItemHandle* item);
  // While "Edit Parameters" runs: the art being edited takes the parameters as
  // they are now and is regenerated at once (a preview). `parameters` is the
  // dictionary of that message.
  Code (*updateParameters)(DictionaryRef parameters);
};

struct ToolData {
  const char* title;        // UTF-8
  const char* tooltip;      // UTF-8
  int32_t iconId;           // PNG resource of the plug-in
  int32_t darkIconId;       // the dark-interface variant
  int32_t sameGroupAs;      // a tool number, or kNoTool for a new group
  int32_t sameToolsetAs;    // a tool number, or kNoTool for a new toolset in the group
};
constexpr int32_t kNoTool = -2;

struct ToolSuite {
  Code (*addTool)(PluginRef plugin, const char* name, const ToolData* data, int32_t options, ToolHandle* tool);
  // The host's number of the tool with this title.
  Code (*getToolNumber)(const char* title, int32_t* number);
  // Shows the plug-in's cursor resource `cursorId` over the document.
  Code (*setCursor)(PluginRef plugin, int32_t cursorId);
  // The tool the user works with now (null: one of the host's own), and
  // choosing one: the previous tool is deselected, the new one selected.
  Code (*getSelectedTool)(ToolHandle* tool);
  Code (*setSelectedTool)(ToolHandle tool);
};

// The host's record of a plug-in's option flags.
struct PluginSuite {
  Code (*getOptions)(PluginRef plugin, int32_t* options);
  Code (*setOptions)(PluginRef plugin, int32_t options);
};

// Called by the host when the user picks an item of a panel's flyout menu.
using PanelFlyoutHandler = void (*)(PanelHandle panel, uint32_t itemId);
// Called by the host after the user resized a panel.
using PanelSizeHandler = void (*)(PanelHandle panel);

// Floating panels of the host's window. A panel has a title, a flyout menu and an
// inside of the platform's window system that the plug-in fills with a dialog.
// Sizes are the inside's; `move` places the panel's frame, whose inside sits one
// pixel right of and 32 pixels below the frame's corner.
struct PanelSuite {
  Code (*create)(PluginRef plugin, const char* identifier, const char* title, ScreenSize size,
                 FlyoutMenuHandle flyout, PanelHandle* panel);
  Code (*dispose)(PanelHandle panel);
  Code (*show)(PanelHandle panel, int32_t shown);
  Code (*isShown)(PanelHandle panel, int32_t* shown);
  Code (*setTitle)(PanelHandle panel, const char* title);  // UTF-8
  Code (*getPlatformWindow)(PanelHandle panel, PlatformWindow* window);
  Code (*getSize)(PanelHandle panel, ScreenSize* size);
  Code (*setSize)(PanelHandle panel, ScreenSize size);
  Code (*setSizeLimits)(PanelHandle panel, ScreenSize minimum, ScreenSize maximum);
  Code (*move)(PanelHandle panel, ScreenPoint frameCorner);
  Code (*setFlyoutHandler)(PanelHandle panel, PanelFlyoutHandler handler);
  Code (*setSizeHandler)(PanelHandle panel, PanelSizeHandler handler);
};

// The menus panels open from their corner button. Items are found by their id.
struct PanelFlyoutMenuSuite {
  Code (*create)(FlyoutMenuHandle* menu);
  Code (*dispose)(FlyoutMenuHandle menu);
  Code (*appendItem)(FlyoutMenuHandle menu, uint32_t id, const char* text);  // UTF-8
  Code (*appendSeparator)(FlyoutMenuHandle menu, uint32_t id);
  // Inserts before the item `beforeId`.
  Code (*insertItem)(FlyoutMenuHandle menu, uint32_t beforeId, uint32_t id, const char* text);
  Code (*removeItem)(FlyoutMenuHandle menu, uint32_t id);
  Code (*countItems)(FlyoutMenuHandle menu, int32_t* count);
  Code (*getItemId)(FlyoutMenuHandle menu, int32_t index, uint32_t* id);
};

// The host's preferences: values kept between runs, named by a prefix and a key.
constexpr Code kNoSuchPreference = FourCC("PRF?");
struct PreferenceSuite {
  Code (*getPoint)(const char* prefix, const char* key, ScreenPoint* value);  // kNoSuchPreference when absent
  Code (*putPoint)(const char* prefix, const char* key, ScreenPoint value);
};

// Units of the host's measurement formatting.
namespace measure_unit {
constexpr int32_t kPoints = 1, kInches = 2, kMillimeters = 3, kCentimeters = 4, kPicas = 5, kQ = 8,
                  kPixels = 10;
}
constexpr Code kNotANumber = FourCC("NUM?");

// Numbers as the host shows them to people.
struct StringFormatUtilsSuite {
  // `value` with `decimals` digits after the point.
  Code (*formatReal)(double value, int32_t decimals, char* buffer, size_t bufferSize);
  // A length given in points, in `unit` with `decimals` digits and the unit's abbreviation.
  Code (*formatMeasurement)(double points, int32_t unit, int32_t decimals, char* buffer, size_t bufferSize);
  // A typed length: a number in `unit`, or a number with a unit of its own ("12 mm",
  // "1in"); kNotANumber when it is neither.
  Code (*parseMeasurement)(const char* text, int32_t unit, double* points);
};

// The host's actions: named, replayable steps that plug-ins register with a
// description of their parameters. While the host records, a plug-in records an
// event (a block of values by four-character key); playing the event back sends
// the plug-in "Action Manager" / "Do Action" with the values and the user data it
// registered. Texts (labels, titles, names) are UTF-8; the host keeps its own
// copies as its strings.
using ActionDescriptionRef = struct ActionDescriptionOpaque*;

// Value types of a parameter description entry.
namespace action_type {
constexpr Code kInteger = FourCC("long");
constexpr Code kReal = FourCC("real");
constexpr Code kBoolean = FourCC("bool");
constexpr Code kEnumerated = FourCC("enum");
constexpr Code kString = FourCC("strn");
constexpr Code kRawData = FourCC("tdta");
}  // namespace action_type

// Units of real values.
namespace action_unit {
constexpr Code kNone = FourCC("#Nne");
constexpr Code kPercent = FourCC("#Prc");
constexpr Code kAngle = FourCC("#Ang");      // degrees
constexpr Code kPixels = FourCC("#Pxl");     // document distance, points
constexpr Code kResolution = FourCC("#Rsl");
}  // namespace action_unit

constexpr Code kNoSuchActionKey = FourCC("KEY?");   // the value block has no value under the key
constexpr Code kWrongActionType = FourCC("TYP?");   // the value under the key is of another type
constexpr Code kNoSuchAction = FourCC("ACT?");

struct ActionManagerSuite {
  Code (*newDescription)(ActionDescriptionRef* description);
  Code (*addDescriptionEntry)(ActionDescriptionRef description, Code key, const char* label, Code type,
                              int32_t shown);
  Code (*disposeDescription)(ActionDescriptionRef description);
  // The host copies the description; the caller disposes its own.
  Code (*registerAction)(const char* name, const char* title, int32_t version, int32_t flags, PluginRef plugin,
                         intptr_t userData, ActionDescriptionRef description);
  Code (*isRecording)(int32_t* recording);

  Code (*newValues)(ActionParamsRef* values);
  Code (*disposeValues)(ActionParamsRef values);
  Code (*putInteger)(ActionParamsRef values, Code key, int32_t value);
  Code (*putReal)(ActionParamsRef values, Code key, double value);
  Code (*putUnitReal)(ActionParamsRef values, Code key, Code unit, double value);
  Code (*putBoolean)(ActionParamsRef values, Code key, int32_t value);
  Code (*putString)(ActionParamsRef values, Code key, const char* text);
  Code (*putEnumerated)(ActionParamsRef values, Code key, const char* name, int32_t value);
  Code (*putRawData)(ActionParamsRef values, Code key, const void* data, size_t size);
  // Getters answer kNoSuchActionKey for a missing key and kWrongActionType for
  // a value of another type.
  Code (*getInteger)(ActionParamsRef values, Code key, int32_t* value);
  Code (*getReal)(ActionParamsRef values, Code key, double* value);
  Code (*getUnitReal)(ActionParamsRef values, Code key, Code* unit, double* value);
  Code (*getBoolean)(ActionParamsRef values, Code key, int32_t* value);
  // Copies at most bufferSize - 1 bytes and a terminator; *length is the whole text's.
  Code (*getString)(ActionParamsRef values, Code key, char* buffer, size_t bufferSize, size_t* length);
  // `name` may be null.
  Code (*getEnumerated)(ActionParamsRef values, Code key, char* name, size_t nameSize, int32_t* value);
  // kBadParameter when the data is not exactly `size` bytes; *actualSize tells its size.
  Code (*getRawData)(ActionParamsRef values, Code key, void* data, size_t size, size_t* actualSize);
  // Records an event of the action `name` with a copy of the values (only while recording).
  Code (*recordEvent)(const char* name, ActionParamsRef values);
};

// Dictionaries of keyed values that the host keeps with art (a live effect's
// parameters, and what the effect keeps beside them). Keys are UTF-8 words.
constexpr Code kNoSuchEntry = FourCC("ENT?");     // the dictionary has no value under the key
constexpr Code kWrongEntryType = FourCC("ETY?");  // the value under the key is of another type
struct DictionarySuite {
  Code (*isKnown)(DictionaryRef dictionary, const char* key, int32_t* known);
  Code (*getInteger)(DictionaryRef dictionary, const char* key, int32_t* value);
  Code (*setInteger)(DictionaryRef dictionary, const char* key, int32_t value);
  // A whole number under the key reads as a real too.
  Code (*getReal)(DictionaryRef dictionary, const char* key, double* value);
  Code (*setReal)(DictionaryRef dictionary, const char* key, double value);
};

// Cubic Bezier curves given as their four control points P0..P3.
struct RealBezierSuite {
  // The curve's length, measured along a polyline that departs from the curve by
  // at most `flatness` points.
  Code (*length)(const RealPoint* points, double flatness, double* length);
};

// Suites this system acquires whose operations are added as the code that calls
// them is written.
struct ColorConversionSuite {};
struct ColorSpaceSuite {};
struct URLSuite {};

}  // namespace ai
