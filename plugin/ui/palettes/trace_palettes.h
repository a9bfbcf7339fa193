// The palettes of the deforming tools whose trace rows the table alone cannot
// say: the "Space:" edit and spin show only while the trace mode is "Drag
// Along" (0); Craft and the Broom disable the trace mode list in dynamic mode
// (1), and choosing dynamic sets the trace mode to "Drag Along". The Lens shows
// the rows of its current lens type, which its caption names.
#pragma once

#include "resources/resource_ids.h"
#include "ui/palettes/palette_table.h"

namespace vx {

inline constexpr int32_t kDragAlong = 0;
inline constexpr int32_t kDynamicMode = 1;

// Sets the trace mode to "Drag Along" when the mode becomes dynamic.
extern const PaletteHooks kCraftModesHooks;

inline constexpr int32_t kWarpSpaceControls[] = {1312, 1315, 0};
inline constexpr EnableRule kWarpRules[] = {{"traceMode", kDragAlong, kWarpSpaceControls, false, true}};
inline constexpr PaletteSpec kWarpPalette{res::kWarpPalette, kWarpRules, {}};

inline constexpr int32_t kWaveSpaceControls[] = {1327, 1330, 0};
inline constexpr EnableRule kWaveRules[] = {{"traceMode", kDragAlong, kWaveSpaceControls, false, true}};
inline constexpr PaletteSpec kWavePalette{res::kWavePalette, kWaveRules, {}};

inline constexpr int32_t kCraftSpaceControls[] = {1048, 1051, 0};
inline constexpr int32_t kCraftTraceModeList[] = {1046, 0};
inline constexpr EnableRule kCraftRules[] = {{"traceMode", kDragAlong, kCraftSpaceControls, false, true},
                                             {"mode", kDynamicMode, kCraftTraceModeList, true}};
inline constexpr PaletteSpec kCraftPalette{res::kCraftPalette, kCraftRules, {}, &kCraftModesHooks};

inline constexpr int32_t kBroomSpaceControls[] = {1032, 1035, 0};
inline constexpr int32_t kBroomTraceModeList[] = {1030, 0};
inline constexpr EnableRule kBroomRules[] = {{"traceMode", kDragAlong, kBroomSpaceControls, false, true},
                                             {"mode", kDynamicMode, kBroomTraceModeList, true}};
inline constexpr PaletteSpec kBroomPalette{res::kBroomPalette, kBroomRules, {}, &kCraftModesHooks};

// Names the current lens type above its rows.
extern const PaletteHooks kLensHooks;

inline constexpr int32_t kLensSpaceControls[] = {1075, 1085, 0};
inline constexpr int32_t kFishEyeRows[] = {1071, 1081, 0};
inline constexpr int32_t kMagnifyingRows[] = {1072, 1082, 0};
inline constexpr int32_t kTwirlRows[] = {1077, 1087, 1078, 1088, 0};
inline constexpr int32_t kToneRows[] = {1073, 1083, 1074, 1084, 1066, 0};
inline constexpr EnableRule kLensRules[] = {{"lensType", 0, kFishEyeRows, false, true},
                                            {"lensType", 1, kMagnifyingRows, false, true},
                                            {"lensType", 2, kTwirlRows, false, true},
                                            {"lensType", 3, kToneRows, false, true},
                                            {"traceMode", kDragAlong, kLensSpaceControls, false, true}};
inline constexpr PaletteSpec kLensPalette{res::kLensPalette, kLensRules, {}, &kLensHooks};

}  // namespace vx
