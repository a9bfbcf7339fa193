// The nine tools: their palette index, title, icons and toolset. Registration
// puts them in one tool group divided into six toolsets.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

constexpr int kToolCount = 9;

struct ToolEntry {
  int16_t paletteIndex;  // 0 Warp, 2 Wave, 4 Lens, 6 Craft, 7 Roughening, 8 Broom, 10 MetaBrush, 11 Trail, 13 Live3D Rotate
  const char* title;
  int32_t iconId;
  int32_t darkIconId;
  int16_t toolset;
};

inline constexpr std::array<ToolEntry, kToolCount> kToolTable = {{
    {0, "ワープツール", 20000, 21000, 1},
    {2, "ウェーブツール", 20001, 21001, 2},
    {4, "レンズツール", 20002, 21002, 3},
    {6, "クラフトツール", 20003, 21003, 4},
    {7, "ラフツール", 20004, 21004, 4},
    {8, "ほうきツール", 20005, 21005, 4},
    {10, "メタブラシツール", 20006, 21006, 5},
    {11, "トレイルツール", 20007, 21007, 5},
    {13, "ライブ3D回転ツール", 20008, 21008, 6},
}};

}  // namespace vx
