// Clipping copies: a source object's outline, duplicated into a group that the
// host then clips with it, so art below it in that group shows only inside the
// source. Groups and containers become one compound path whose paths together
// make the outline; the copy's paths are restyled to clip.
#pragma once

#include <cstdint>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

struct ClipCopyRules {
  // Where a duplicate goes in its target: on top or at the bottom.
  int16_t placement;
  // A container holding text-like art passes its children straight into the
  // clip group instead of into a compound path of their own.
  bool textContainerUsesGroup;
  // The clipping paths lose their stroke as well as their fill.
  bool strokeOff;
};

// Puts a clipping copy of `source` into `target` by `rules`: a group's duplicate
// goes into a new compound path on top of the target; a path, compound path or
// text-like art is duplicated into the target; a container's children each get
// a clipping copy in a new compound path (or, by the rules, in the target).
// Other art makes nothing. Does not mark the group clipped.
ai::Code AddClipCopy(ai::ArtHandle target, ai::ArtHandle source, const ClipCopyRules& rules);

// Fills `group` with a clipping copy of `source` on top (fill off, clipping on)
// and marks it a clipping group: the art below the copy shows only inside the
// source's outline.
ai::Code MakeClipCopy(ai::ArtHandle group, ai::ArtHandle source);

// The same for a band clipped by its object: the copy goes to the bottom of
// `group` and keeps neither fill nor stroke; the group is marked clipping.
ai::Code BorderClipCopy(ai::ArtHandle group, ai::ArtHandle source);

// The same for a cut-out: the copy goes to the bottom of `group` and keeps
// neither fill nor stroke; the group is marked clipping.
ai::Code CutoutClipCopy(ai::ArtHandle group, ai::ArtHandle source);

// Restyles the paths of `art` (through groups, compound paths and containers)
// as clipping paths: clipping on, fill off, and the stroke off too when asked.
ai::Code RestyleForClipping(ai::ArtHandle art, bool strokeOff);

}  // namespace vx
