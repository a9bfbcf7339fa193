// Every suite this system acquires, with the host's name and version, declared
// once. X(Variable, Struct, "name", version) — the plug-in's suite tables, its
// suite variables and the substitute host's published suites all expand it.
#pragma once

#include "frame/host/suites.h"

// Acquired first, in this order.
#define VX_BOOTSTRAP_SUITES(X)                              \
  X(Access, AccessSuite, "SP Access Suite", 3)              \
  X(Plugins, PluginsSuite, "SP Plug-ins Suite", 4)          \
  X(Notifier, NotifierSuite, "AI Notifier Suite", 4)        \
  X(Context, ContextSuite, "AI Context Suite", 7)           \
  X(User, UserSuite, "AI User Suite", 11)                   \
  X(FilePath, FilePathSuite, "AI File Path Suite", 4)       \
  X(Folders, FoldersSuite, "AI Folders Suite", 5)

// Everything else; all required.
#define VX_IMPORT_SUITES(X)                                                  \
  X(ActionManager, ActionManagerSuite, "AI Action Manager Suite", 5)         \
  X(Annotator, AnnotatorSuite, "AI Annotator Suite", 6)                      \
  X(AnnotatorDrawer, AnnotatorDrawerSuite, "AI Annotator Drawer Suite", 5)   \
  X(Art, ArtSuite, "AI Art Suite", 17)                                       \
  X(BlendStyle, BlendStyleSuite, "AI Blend Style Suite", 5)                  \
  X(CharacterEncoding, CharacterEncodingSuite, "AI Character Encoding Suite", 5) \
  X(ColorConversion, ColorConversionSuite, "AI Color Conversion Suite", 10)  \
  X(ColorSpace, ColorSpaceSuite, "AI Color Space Suite", 7)                  \
  X(CustomColor, CustomColorSuite, "AI Custom Color Suite", 8)               \
  X(Dictionary, DictionarySuite, "AI Dictionary Suite", 8)                   \
  X(Document, DocumentSuite, "AI Document Suite", 14)                        \
  X(DocumentView, DocumentViewSuite, "AI Document View Suite", 12)           \
  X(Filter, FilterSuite, "AI Filter Suite", 4)                               \
  X(Gradient, GradientSuite, "AI Gradient Suite", 9)                         \
  X(Group, GroupSuite, "AI Group Suite", 5)                                  \
  X(HitTest, HitTestSuite, "AI Hit Test Suite", 6)                           \
  X(Layer, LayerSuite, "AI Layer Suite", 13)                                 \
  X(LiveEffect, LiveEffectSuite, "AI Live Effect Suite", 6)                  \
  X(MatchingArt, MatchingArtSuite, "AI Matching Art Suite", 7)               \
  X(MdMemory, MdMemorySuite, "AI MdMemory Suite", 3)                         \
  X(Menu, MenuSuite, "AI Menu Suite", 11)                                    \
  X(Panel, PanelSuite, "AI Panel Suite", 2)                                  \
  X(PanelFlyoutMenu, PanelFlyoutMenuSuite, "AI Panel Flyout Menu Suite", 2)  \
  X(PaintStyle, PaintStyleSuite, "AI Paint Style Suite", 9)                  \
  X(PathStyle, PathStyleSuite, "AI Path Style Suite", 13)                    \
  X(Path, PathSuite, "AI Path Suite", 11)                                    \
  X(PluginGroup, PluginGroupSuite, "AI Plugin Group Suite", 6)               \
  X(Plugin, PluginSuite, "AI Plugin Suite", 5)                               \
  X(Preference, PreferenceSuite, "AI Preference Suite", 6)                   \
  X(Random, RandomSuite, "AI Random Suite", 5)                               \
  X(RealBezier, RealBezierSuite, "AI Real Bezier Suite", 4)                  \
  X(RealMath, RealMathSuite, "AI Real Math Suite", 3)                        \
  X(Runtime, RuntimeSuite, "AI Runtime Suite", 12)                           \
  X(StringFormatUtils, StringFormatUtilsSuite, "AI String Format Utils Suite", 3) \
  X(Tag, TagSuite, "AI Tag Suite", 4)                                        \
  X(Tool, ToolSuite, "AI Tool Suite", 13)                                    \
  X(TransformArt, TransformArtSuite, "AI Transform Art Suite", 3)            \
  X(URL, URLSuite, "AI URL Suite", 3)                                        \
  X(Undo, UndoSuite, "AI Undo Suite", 7)                                     \
  X(UnicodeString, UnicodeStringSuite, "AI Unicode String Suite", 8)         \
  X(Blocks, BlocksSuite, "SP Blocks Suite", 2)

namespace ai {

// Name and version of a suite struct, for code that names suites by type.
template <class Suite>
struct SuiteName;

#define VX_SUITE_NAME_TRAIT(Var, Struct, Name, Version) \
  template <>                                           \
  struct SuiteName<Struct> {                            \
    static constexpr const char* name = Name;           \
    static constexpr int32_t version = Version;         \
  };
VX_BOOTSTRAP_SUITES(VX_SUITE_NAME_TRAIT)
VX_IMPORT_SUITES(VX_SUITE_NAME_TRAIT)
#undef VX_SUITE_NAME_TRAIT

template <>
struct SuiteName<BasicSuite> {
  static constexpr const char* name = "SP Basic Suite";
  static constexpr int32_t version = 4;
};

}  // namespace ai
