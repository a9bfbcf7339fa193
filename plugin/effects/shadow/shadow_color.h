// How Live Shadow darkens colours: the outer shadow moves a colour toward black
// by the shade, lightened where the object lets light through; the inner
// shadow, seen through the object, darkens less and blends the stroke with the
// object's own fill.
#pragma once

#include "frame/host/art_records.h"
#include "frame/host/codes.h"

namespace vx {

enum class ShadeMode { kOuter, kInner };

// Shades `color` in place for shade a and transparency b (both 0..1), with
//   outer: r = (1 - b) a,        s = a,         d = 1 - a
//   inner: r = (1 - b) a b / 2,  s = 1 + a b,   d = -a b
// gray g' = s g (+ r), four-colour c, m, y scaled by s and black k' = s k (+ r),
// three-colour x' = x + (1 - x) d (- r), all kept in range. A custom colour is
// replaced by its process equivalent first; other kinds are left as they are.
// The host's code when a conversion fails.
ai::Code ShadeColor(ai::ColorRecord& color, double shade, double transparency, ShadeMode mode);

// Blends the stroke toward the unshaded fill for the inner shadow, when both
// are of one kind: (1 - g) F + g S with g = a b, then darkened by
// f = (1 - b) a b / 2. Custom colours blend through their process equivalents.
// `blended` tells whether a blend took place (the kinds matched).
ai::Code BlendShade(ai::ColorRecord& stroke, ai::ColorRecord fill, double shade, double transparency, bool* blended);

}  // namespace vx
