// The Live Shadow generator: a darkened copy of the object shifted away from
// the light below the object, and with transparency, the part of the shadow
// under the object drawn again inside the object's outline as seen through it.
#pragma once

#include "effects/shadow/shadow_color.h"
#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

// Restyles every path (and styled art) of `art` for the shadow: outer mode
// shades fill and stroke; inner mode shades the fill and blends the stroke
// with the unshaded fill. Paint on/off flags stay; overprint is cleared.
ai::Code ShadeStyle(ai::ArtHandle art, double shade, double transparency, ShadeMode mode);

// Builds the shadow of the first child of `edit` into `into` with the
// ShadowPGParams `record`; further children are ignored. The first failing
// host call ends it and its code is returned.
ai::Code GenerateShadow(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
