#include "frame/effect_table.h"

namespace vx {

const std::array<EffectEntry, kEffectCount>& EffectTable() {
  static const std::array<EffectEntry, kEffectCount> table = {{
      {0, "VELLUMiX4 3D_SmpleRot ", "回転", "Live 3D 回転", nullptr},
      {1, "VELLUMiX4 3D_Twist ", "ツイスト", "Live 3D ツイスト", nullptr},
      {2, "VELLUMiX4 3D_Arc ", "扇形", "Live 3D 扇形", nullptr},
      {3, "VELLUMiX4 3D_Screw ", "スクリュー", "Live 3D スクリュー", nullptr},
      {4, "VELLUMiX4 3D_Twirl ", "スピン", "Live 3D スピン", nullptr},
      {5, "VELLUMiX4 3D_WaveHV ", "ウェーブ (水平垂直)", "Live 3D ウェーブ (水平垂直)", nullptr},
      {6, "VELLUMiX4 3D_WaveZ ", "ウェーブ (前後)", "Live 3D ウェーブ (前後)", nullptr},
      {7, "VELLUMiX4 3D_WaveR ", "ウェーブ (同心円)", "Live 3D ウェーブ (同心円)", nullptr},
      {8, "VELLUMiX4 3D_Sphere ", "球面", "Live 3D 球面", nullptr},
      {9, "VELLUMiX4 3D_Torus ", "輪環面", "Live 3D 輪環面", nullptr},
      {10, "VELLUMiX4 3D_Spiral ", "らせん環面", "Live 3D らせん環面", nullptr},
      {11, "VELLUMiX4 3D_Cylinder ", "円筒／円錐面", "Live 3D 円筒／円錐面", nullptr},
      {12, "VELLUMiX4 Explosion ", "Live エクスプロージョン", "Live エクスプロージョン", "エクスプロージョン"},
      {13, "VELLUMiX4 Emboss ", "Live エンボス", "Live エンボス", "エンボス"},
      {14, "VELLUMiX4 Cutout ", "Live カットアウト", "Live カットアウト", "カットアウト"},
      {15, "VELLUMiX4 Galaxy ", "Live ギャラクシー", "Live ギャラクシー", "ギャラクシー"},
      {16, "VELLUMiX4 Circle ", "Live サークル", "Live サークル", "サークル"},
      {17, "VELLUMiX4 Generation ", "Live ジェネレーション", "Live ジェネレーション", "ジェネレーション"},
      {18, "VELLUMiX4 DropShadow ", "Live シャドウ", "Live シャドウ", "シャドウ"},
      {19, "VELLUMiX4 Tiling ", "Live タイリング", "Live タイリング", "タイリング"},
      {20, "VELLUMiX4 Trail ", "Live トレイル", "Live トレイル", "トレイル"},
      {21, "VELLUMiX4 Neon ", "Live ネオン", "Live ネオン", "ネオン"},
      {22, "VELLUMiX4 Frame ", "Live フレーム", "Live フレーム", "フレーム"},
      {23, "VELLUMiX4 Border ", "Live ボーダー", "Live ボーダー", "ボーダー"},
      {24, "VELLUMiX4 Reflections ", "Live リフレクション", "Live リフレクション", "リフレクション"},
  }};
  return table;
}

}  // namespace vx
