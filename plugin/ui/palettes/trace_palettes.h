// The palettes of the deforming tools whose trace rows the table alone cannot
// say: the "Space:" edit and spin show only while the trace mode is "Drag
// Along" (0); Craft and the Broom disable the trace mode list in dynamic mode
// (1), and choosing dynamic sets the trace mode to "Drag Along".
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

}  // namespace vx
