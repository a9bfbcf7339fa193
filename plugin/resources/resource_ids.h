// Ids of the plug-in's resources: dialog templates, help pages, pictures,
// icons, cursors and the popup menu, and the one resource table that holds
// them. Resources are found by type, id and language; ids of different types
// may coincide (dialog 648 is the help palette, bitmap 648 the export button's
// image).
//
// Image data. Every picture resource (bitmap, icon, PNG, cursor) is a small SVG
// document drawn for this plug-in; the resource type says what the picture is
// for, the data is always SVG text. A cursor's SVG names its hot spot in the
// root attribute vx:hotspot="x,y" (namespace urn:vellumix4:svg).
//
// Control ids inside the templates: resources/control_ids.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/ui/dialog_template.h"

namespace vx {

// The plug-in's resources. Japanese is the loading language; the English
// templates, help texts and help pictures are carried and found only when
// asked for by language.
const platform::ui::ResourceTable& PluginResources();

namespace res {

// --- Dialog templates (Japanese, loaded) ---------------------------------
//
// 101 and 645-670. 101, 645-648, 657-662, 668 and 669 are the fixed ids of
// their dialogs. The fourteen palettes without a fixed id take the free ids in
// order, the seven effect palettes first (Neon, Border, Emboss, Cutout,
// Shadow, Trail, Circle), then the seven tool palettes in tool order (Wave,
// Lens, Craft, Roughening, Broom, MetaBrush, Trail): 649-656, 663-667, 670.
// That uses every free id; the Live3D Rotate tool has no palette of its own.
constexpr int32_t kWarpPalette = 101;
constexpr int32_t kAboutBox = 645;
constexpr int32_t kImportPresetDialog = 646;
constexpr int32_t kPresetDialog = 647;
constexpr int32_t kHelpPalette = 648;
constexpr int32_t kNeonPalette = 649;
constexpr int32_t kBorderPalette = 650;
constexpr int32_t kEmbossPalette = 651;
constexpr int32_t kCutoutPalette = 652;
constexpr int32_t kShadowPalette = 653;
constexpr int32_t kTrailPalette = 654;
constexpr int32_t kCirclePalette = 655;
constexpr int32_t kWavePalette = 656;
constexpr int32_t kFractalizeDialog = 657;
constexpr int32_t k3DPalette = 658;  // shared by the twelve 3D shapes
constexpr int32_t kExplosionPalette = 659;
constexpr int32_t kGalaxyPalette = 660;
constexpr int32_t kTilingPalette = 661;
constexpr int32_t kFramePalette = 662;
constexpr int32_t kLensPalette = 663;
constexpr int32_t kCraftPalette = 664;
constexpr int32_t kRoughPalette = 665;
constexpr int32_t kBroomPalette = 666;
constexpr int32_t kMetaBrushPalette = 667;
constexpr int32_t kReflectionsPalette = 668;
constexpr int32_t kGenerationPalette = 669;
constexpr int32_t kTrailToolPalette = 670;

constexpr int32_t kFirstTemplate = 645;  // 645-670, besides 101
constexpr int32_t kLastTemplate = 670;

// --- English templates (carried) -----------------------------------------
//
// 671-697, one per Japanese template, in the order 101, 645, 646, ..., 670:
// 101 -> 671, and 645-670 -> the same id + 27 (672-697).
constexpr int32_t kFirstEnglishTemplate = 671;
constexpr int32_t kLastEnglishTemplate = 697;

// The English counterpart of a Japanese template id, 0 for any other id.
constexpr int32_t EnglishTemplateOf(int32_t japaneseId) {
  if (japaneseId == kWarpPalette) return kFirstEnglishTemplate;
  if (japaneseId >= kFirstTemplate && japaneseId <= kLastTemplate) return japaneseId + 27;
  return 0;
}

// --- Help pages -----------------------------------------------------------
constexpr int32_t kHelpPageCount = 31;
constexpr int32_t kHelpTextBase = 654;     // type kText, 654 + page, UTF-8
constexpr int32_t kHelpPictureBase = 690;  // type kBitmap, 690 + page
constexpr int32_t kHelpTextLimit = 32000;  // the palette shows longer pages as empty

constexpr int32_t HelpTextId(int32_t page) { return kHelpTextBase + page; }
constexpr int32_t HelpPictureId(int32_t page) { return kHelpPictureBase + page; }

// --- Popup menu of the modal effect dialog (type kMenu) -------------------
//
// UTF-8 text, one item a line: the decimal command id, a tab and the item's
// text; a line holding only "-" is a separator. Blank lines are skipped. This
// is the text platform::ui::PopupMenu::Parse reads.
constexpr int32_t kPresetPopupMenu = 822;
constexpr int32_t kMenuDefaultSetting = 40036;  // "初期設定"
constexpr int32_t kMenuEditPresets = 40037;     // "プリセットを編集..."
constexpr int32_t kMenuAbout = 40038;           // "このプラグインについて..."
constexpr int32_t kMenuFirstPreset = 40039;     // presets are inserted from here on

// --- Button images and icons ----------------------------------------------

// Preset dialog buttons (type kBitmap).
constexpr int32_t kExportPresetsImage = 648;
constexpr int32_t kImportPresetsImage = 649;
constexpr int32_t kSaveNewPresetImage = 650;
constexpr int32_t kDeletePresetsImage = 651;

// The 16 x 16 icon of the modal dialog's preset button (type kIcon).
constexpr int32_t kPresetButtonIcon = 821;

// Fractalize's generator shapes: one image list (type kBitmap), fourteen
// 32 x 32 cells side by side in generator order, white meaning transparent.
constexpr int32_t kGeneratorImageList = 823;
constexpr int32_t kGeneratorImageSize = 32;

// The remaining images are 32 x 32 icons (type kIcon).

// Border's quick-set buttons (-100, 0, 100), normal and with "Reverse" checked.
constexpr int32_t kBorderQuickIcons = 831;          // 831, 832, 833
constexpr int32_t kBorderQuickReversedIcons = 834;  // 834, 835, 836
constexpr int32_t BorderQuickIcon(int32_t button, bool reversed) {
  return (reversed ? kBorderQuickReversedIcons : kBorderQuickIcons) + button;
}

// Neon's gradient-arc quick-set buttons (-100, 0, 100).
constexpr int32_t kNeonArcIcons = 837;  // 837, 838, 839

// Trail (effect and tool): stacking on top, below.
constexpr int32_t kStackOnTopIcon = 788;
constexpr int32_t kStackBelowIcon = 789;
// Trail's end-colour buttons: own colour, white, black, none, swap fill and stroke.
constexpr int32_t kEndOwnColorIcon = 790;
constexpr int32_t kEndWhiteIcon = 791;
constexpr int32_t kEndBlackIcon = 792;
constexpr int32_t kEndNoneIcon = 793;
constexpr int32_t kEndSwapIcon = 794;

// Frame: corner offset -100, 0, +100; cycling clockwise, counter-clockwise.
constexpr int32_t kFrameCornerIcons = 840;  // 840, 841, 842
constexpr int32_t kFrameClockwiseIcon = 843;
constexpr int32_t kFrameCounterClockwiseIcon = 844;

// Tool palette buttons, in value order.
constexpr int32_t kWarpShapeIcons = 900;       // 900-921, shape 0-21
constexpr int32_t kWaveShapeIcons = 930;       // 930-934, shape 0-4
constexpr int32_t kLensTypeIcons = 940;        // 940-943, type 0-3
constexpr int32_t kDistortModeIcons = 950;     // 950-953: free, dynamic, pinch, twirl (Craft and Broom)
constexpr int32_t kOrientationIcons = 970;     // 970-972: MetaBrush angle modes
constexpr int32_t kStampStackingIcons = 975;   // 975-978: MetaBrush stacking modes

// --- Tools: icons (type kPng) and cursors (type kCursor) ------------------

// Toolbox icons in tool order (Warp, Wave, Lens, Craft, Roughening, Broom,
// MetaBrush, Trail, Live3D Rotate); the dark-interface variant is +1000.
constexpr int32_t kToolIcons = 20000;      // 20000-20008
constexpr int32_t kDarkToolIcons = 21000;  // 21000-21008

constexpr int32_t kPointerCursor = 16020;        // 16021 over a path, 16022 over a segment
constexpr int32_t kEyedropperCursor = 16040;     // 16041, 16042 likewise
constexpr int32_t kEyedropperDownCursor = 16043; // 16044, 16045 likewise
constexpr int32_t kCrossCursor = 16050;          // centre point (setting a tool's area)
constexpr int32_t kAddAnchorCursor = 16052;
constexpr int32_t kCraftCursor = 16054;
constexpr int32_t kRoughCursor = 16056;
constexpr int32_t kMetaBrushCursor = 16059;
constexpr int32_t kTrailCursor = 16060;
constexpr int32_t kBroomCursor = 16068;
constexpr int32_t kLive3DRotateCursor = 17060;
constexpr int32_t kTurnedCursorOffset = 1;  // a shape cursor's turned-frame variant

// Warp's shape cursors by shape 0-21; each has its turned variant at +1.
inline constexpr int32_t kWarpShapeCursors[22] = {16100, 16110, 16120, 16200, 16210, 16220, 16500, 16300,
                                                  16310, 16320, 16400, 16410, 16420, 16600, 16700, 16800,
                                                  16810, 16820, 16900, 16910, 16920, 17000};
// Wave's shape cursors by shape 0-4; turned variant at +1.
inline constexpr int32_t kWaveShapeCursors[5] = {17010, 17020, 17030, 17040, 17050};

// --- Palettes of the record kinds ----------------------------------------

struct PaletteOfKind {
  std::string_view kind;  // RecordKind::name
  int32_t templateId;     // Japanese template
};

// Every parameter record kind and the template of the palette (or dialog)
// that edits it.
inline constexpr PaletteOfKind kPaletteOfKind[] = {
    {"fractalize", kFractalizeDialog},
    {"warp", kWarpPalette},
    {"wave", kWavePalette},
    {"lens", kLensPalette},
    {"craft", kCraftPalette},
    {"roughening", kRoughPalette},
    {"broom", kBroomPalette},
    {"metabrush", kMetaBrushPalette},
    {"trail-tool", kTrailToolPalette},
    {"3d-rotate", k3DPalette},
    {"3d-twist", k3DPalette},
    {"3d-arc", k3DPalette},
    {"3d-screw", k3DPalette},
    {"3d-twirl", k3DPalette},
    {"3d-wave-hv", k3DPalette},
    {"3d-wave-z", k3DPalette},
    {"3d-wave-r", k3DPalette},
    {"3d-sphere", k3DPalette},
    {"3d-torus", k3DPalette},
    {"3d-spiral", k3DPalette},
    {"3d-cylinder", k3DPalette},
    {"border", kBorderPalette},
    {"circle", kCirclePalette},
    {"cutout", kCutoutPalette},
    {"emboss", kEmbossPalette},
    {"explosion", kExplosionPalette},
    {"frame", kFramePalette},
    {"galaxy", kGalaxyPalette},
    {"generation", kGenerationPalette},
    {"neon", kNeonPalette},
    {"reflections", kReflectionsPalette},
    {"shadow", kShadowPalette},
    {"tiling", kTilingPalette},
    {"trail", kTrailPalette},
};

// The template of a record kind's palette, 0 for an unknown kind.
constexpr int32_t PaletteTemplateOf(std::string_view kind) {
  for (const PaletteOfKind& entry : kPaletteOfKind)
    if (entry.kind == kind) return entry.templateId;
  return 0;
}

// The palette template of an effect index (0-24), 0 for any other index.
constexpr int32_t EffectPaletteTemplate(int effectIndex) {
  constexpr int32_t kByIndex[] = {kExplosionPalette, kEmbossPalette, kCutoutPalette,    kGalaxyPalette,
                                  kCirclePalette,    kGenerationPalette, kShadowPalette, kTilingPalette,
                                  kTrailPalette,     kNeonPalette,    kFramePalette,     kBorderPalette,
                                  kReflectionsPalette};
  if (effectIndex >= 0 && effectIndex < 12) return k3DPalette;
  if (effectIndex >= 12 && effectIndex <= 24) return kByIndex[effectIndex - 12];
  return 0;
}

// The palette template of a tool's palette index; 0 for Live3D Rotate (13),
// which has no palette, and for any other index.
constexpr int32_t ToolPaletteTemplate(int toolIndex) {
  switch (toolIndex) {
    case 0: return kWarpPalette;
    case 2: return kWavePalette;
    case 4: return kLensPalette;
    case 6: return kCraftPalette;
    case 7: return kRoughPalette;
    case 8: return kBroomPalette;
    case 10: return kMetaBrushPalette;
    case 11: return kTrailToolPalette;
    default: return 0;
  }
}

}  // namespace res
}  // namespace vx
