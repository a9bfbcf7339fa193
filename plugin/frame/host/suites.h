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
};

struct NotifierSuite {
  Code (*addNotifier)(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier);
  Code (*setNotifierActive)(NotifierHandle notifier, int32_t active);
};

// Work started outside a host message (from a palette) runs inside a pushed
// application context; pushes and pops must pair.
struct ContextSuite {
  Code (*pushAppContext)(PluginRef plugin, AppContext* context);
  Code (*popAppContext)(AppContext context);
};

// Alerts and questions to the user. A prompt answers kUserCanceled when the user
// cancels; a confirmation sets *yes.
struct UserSuite {
  Code (*errorAlert)(UnicodeStringRef text);
  Code (*messageAlert)(UnicodeStringRef text);
  Code (*confirm)(UnicodeStringRef text, int32_t* yes);
  Code (*promptText)(UnicodeStringRef prompt, UnicodeStringRef initial, int32_t maxLength,
                     UnicodeStringRef* answer);
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

struct DocumentSuite {
  Code (*getCurrentDocument)(DocumentHandle* document);  // kNoDocument when none is open
  Code (*redraw)();
};

struct AnnotatorSuite {
  Code (*addAnnotator)(PluginRef plugin, const char* name, AnnotatorHandle* annotator);
  Code (*setAnnotatorActive)(AnnotatorHandle annotator, int32_t active);
  Code (*invalidateRect)(const ViewRect* rect);
};

// Suites this system acquires whose operations are added as the code that calls
// them is written.
struct ActionManagerSuite {};
struct AnnotatorDrawerSuite {};
struct ArtSuite {};
struct BlendStyleSuite {};
struct CharacterEncodingSuite {};
struct ColorConversionSuite {};
struct ColorSpaceSuite {};
struct CustomColorSuite {};
struct DictionarySuite {};
struct DocumentViewSuite {};
struct FilterSuite {};
struct GradientSuite {};
struct GroupSuite {};
struct HitTestSuite {};
struct LayerSuite {};
struct LiveEffectSuite {};
struct MatchingArtSuite {};
struct MdMemorySuite {};
struct MenuSuite {};
struct PanelSuite {};
struct PanelFlyoutMenuSuite {};
struct PathStyleSuite {};
struct PathSuite {};
struct PluginGroupSuite {};
struct PluginSuite {};
struct PreferenceSuite {};
struct RandomSuite {};
struct RealBezierSuite {};
struct RealMathSuite {};
struct StringFormatUtilsSuite {};
struct TagSuite {};
struct ToolSuite {};
struct TransformArtSuite {};
struct URLSuite {};
struct UndoSuite {};

}  // namespace ai
