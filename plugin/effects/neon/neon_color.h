// Colour mixing of Live Neon copies: the stroke colour moves toward the fill
// colour by a mix factor, optionally toward a shadow tint instead.
#pragma once

#include <optional>

#include "frame/host/art_records.h"
#include "frame/host/codes.h"

namespace vx {

// How one copy's colours are mixed.
struct NeonMix {
  double factor;                // 1 keeps the stroke colour, 0 takes the other end
  bool reverse;                 // the tint replaces the fill end instead of the stroke end
  std::optional<double> tint;   // shadow tint 0..1 (1 is black); none for a lit copy
};

// Mixes two process colours of one kind in place (gray, four-colour or
// three-colour); `fill` changes only when a reversed tint replaces it.
// False, and nothing changed, for other kinds or kinds that differ.
bool MixProcessColors(ai::ColorRecord& stroke, ai::ColorRecord& fill, const NeonMix& mix);

// Mixes the stroke colour of `style` with its fill colour. `fillPainted` says
// whether the fill was painted before the copy switched it off: an unpainted
// fill (or stroke) has no colour, so it never matches the other paint's kind
// and the colours stay as they are. Custom colours are first replaced by their
// process equivalents at their tints. Whenever the kinds match, the stroke's
// overprint is cleared. Returns the host's code when a conversion fails.
ai::Code MixNeonColor(ai::PathStyle& style, bool fillPainted, const NeonMix& mix);

}  // namespace vx
