#include "ui/help/help_topics.h"

namespace vx {
namespace {

constexpr HelpTopic kTopics[kHelpTopicCount] = {
    {"ツール プラグイン全般", 0},
    {"- ウェーブ ツール", 2},
    {"- クラフト ツール", 4},
    {"- トレイル ツール", 8},
    {"- ほうき ツール", 6},
    {"- メタブラシ ツール", 7},
    {"- Live3D回転 ツール", 9},
    {"- ラフ ツール", 5},
    {"- レンズ ツール", 3},
    {"- ワープ ツール", 1},
    {"Live プラグイン全般 1/2", 10},
    {"Live プラグイン全般 2/2", 11},
    {"- Live 3D変換 1/2", 26},
    {"- Live 3D変換 2/2", 27},
    {"- Live エクスプロージョン", 23},
    {"- Live エンボス", 14},
    {"- Live カットアウト", 15},
    {"- Live ギャラクシー", 24},
    {"- Live サークル", 18},
    {"- Live ジェネレーション", 22},
    {"- Live シャドウ", 16},
    {"- Live タイリング", 19},
    {"- Live トレイル", 17},
    {"- Live ネオン", 12},
    {"- Live フレーム", 20},
    {"- Live ボーダー", 13},
    {"- Live リフレクション", 21},
    {"- そのパレットを表示", 25},
    {"フラクタル化（フィルタ）", 28},
    {"フラクタル化（効果）", 29},
    {"プリセット・メニュー", 30},
};

}  // namespace

const HelpTopic& HelpTopicAt(int16_t row) {
  if (row < 0 || row >= kHelpTopicCount) row = 0;
  return kTopics[row];
}

int16_t HelpRowOfEffect(int16_t effectIndex) {
  if (effectIndex < 12) return 12;
  if (effectIndex > 24) return 12;
  return static_cast<int16_t>(effectIndex + 2);
}

}  // namespace vx
