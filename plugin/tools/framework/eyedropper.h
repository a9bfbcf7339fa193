// What an eyedropper click of a tool finds under the mouse: nothing, the style
// of a path or compound path with the side that was hit, or other art.
#pragma once

#include "frame/host/art_records.h"
#include "frame/host/codes.h"

namespace vx {

struct EyedropperHit {
  enum class Kind { kNothing, kPath, kOther };
  Kind kind = Kind::kNothing;
  ai::PathStyle style{};  // kPath: the art's style
  bool fill = false;      // kPath: the fill was hit (else the stroke or an edge)
};

// Hit-tests `where` within `tolerance` through the host.
ai::Code PickStyleAt(ai::RealPoint where, double tolerance, EyedropperHit* hit);

}  // namespace vx
