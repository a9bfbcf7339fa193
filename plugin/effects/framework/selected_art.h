// The host's list of selected art, held for a scope and given back on every path.
// Its first entry is the current layer's group; the selected art follows in
// document order.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

class SelectedArt {
 public:
  SelectedArt() = default;
  ~SelectedArt();
  SelectedArt(const SelectedArt&) = delete;
  SelectedArt& operator=(const SelectedArt&) = delete;

  ai::Code Read();
  int32_t count() const { return count_; }
  ai::ArtHandle operator[](int32_t i) const { return list_[i]; }

 private:
  ai::ArtHandle* list_ = nullptr;
  int32_t count_ = 0;
};

// The art's kind, and for a live object the effect index its plugin group
// belongs to (-1 for another plug-in's group or no live object).
ai::Code ArtKind(ai::ArtHandle art, int16_t* kind);
int16_t EffectOfLiveObject(ai::ArtHandle art);

}  // namespace vx
