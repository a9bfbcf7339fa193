// The Live Trail generator: the source art on top, and behind (or over) each
// source object a series of copies running along the drag vector, turning,
// scaling and changing colour toward the end of the trail.
#pragma once

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

struct TrailPGParams;

// Builds the trail of one source object into `into` with `params`.
ai::Code TrailSeries(ai::ArtHandle into, ai::ArtHandle source, const TrailPGParams& params);

// Whether a Live Trail object counts as selected for regeneration: its own
// selected attribute, or that of art in its source (art just wrapped by Apply
// keeps its selection inside the object).
ai::Code TrailObjectSelected(ai::ArtHandle object, bool* selected);

// Copies the source art of `edit` into `into`, then the trail of each source
// object, with the TrailPGParams `record`. The record also becomes Live
// Trail's current record, so the palette shows the settings of the object
// regenerated last.
ai::Code GenerateTrail(ai::ArtHandle object, ai::ArtHandle edit, ai::ArtHandle into, const void* record);

}  // namespace vx
