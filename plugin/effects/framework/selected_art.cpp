#include "effects/framework/selected_art.h"

#include "frame/effect_table.h"
#include "frame/globals.h"
#include "frame/suite_set.h"

namespace vx {

SelectedArt::~SelectedArt() {
  if (list_ != nullptr) suites::MdMemory().dispose(list_);
}

ai::Code SelectedArt::Read() {
  if (list_ != nullptr) suites::MdMemory().dispose(list_);
  list_ = nullptr;
  count_ = 0;
  return suites::MatchingArt().getSelectedArt(&list_, &count_);
}

ai::Code ArtKind(ai::ArtHandle art, int16_t* kind) { return suites::Art().getKind(art, kind); }

int16_t EffectOfLiveObject(ai::ArtHandle art) {
  ai::PluginGroupHandle group = nullptr;
  VELLUMiX4Globals* globals = Globals();
  if (globals == nullptr || suites::PluginGroup().getArtPluginGroup(art, &group) != ai::kNoError) return -1;
  for (int16_t index = 0; index < kEffectCount; ++index)
    if (globals->pluginGroups[index] == group) return index;
  return -1;
}

}  // namespace vx
