// Feeds that are fractions of an object's size in one mode and lengths in
// the other: switching the mode converts them by an extent of the selection.
#pragma once

#include <cstring>

#include "presets/record_schema.h"

namespace vx {

// Whether `field` is the mode field the feeds follow.
inline bool IsFeedMode(const FieldSpec& field) { return std::strcmp(field.name, "moveRelative") == 0; }

// To lengths the feed is multiplied by `extent`, to fractions divided by it.
// Without an extent (nothing selected has bounds of its own) it is kept.
inline void ConvertFeed(double* feed, double extent, bool toLength) {
  if (!(extent > 0)) return;
  *feed = toLength ? *feed * extent : *feed / extent;
}

}  // namespace vx
