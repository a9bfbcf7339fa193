// Colour mixing shared by the shading effects: the stroke colour moves toward
// the fill colour by a mix factor, optionally toward a shadow tint instead; a
// custom colour takes part through its process equivalent.
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

// Replaces a custom colour by its process equivalent at its tint (the host's
// conversion); the host's code when it fails.
ai::Code ToProcessColor(ai::ColorRecord& color);

// Mixes two process colours of one kind in place (gray, four-colour or
// three-colour); `fill` changes only when a reversed tint replaces it.
// False, and nothing changed, for other kinds or kinds that differ.
bool MixProcessColors(ai::ColorRecord& stroke, ai::ColorRecord& fill, const NeonMix& mix);

// Moves a process colour toward black by `amount` when it is above 0 (gray and
// black grow, three-colour channels fall), then keeps its values in range:
// gray, cyan, magenta, yellow and black capped at 1, three-colour channels
// clamped to 0..1. Other kinds are left alone.
void DarkenProcessColor(ai::ColorRecord& color, double amount);

// Mixes the stroke colour of `style` with its fill colour. `fillPainted` says
// whether the fill was painted before the copy switched it off: an unpainted
// fill (or stroke) has no colour, so it never matches the other paint's kind
// and the colours stay as they are. Custom colours are first replaced by their
// process equivalents at their tints. Whenever the kinds match, the stroke's
// overprint is cleared. Returns the host's code when a conversion fails.
ai::Code MixNeonColor(ai::PathStyle& style, bool fillPainted, const NeonMix& mix);

}  // namespace vx
