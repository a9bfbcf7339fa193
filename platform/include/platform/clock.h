// Time as the platform gives it: the system's millisecond tick count and calendar
// seconds. Both can be pinned, so tests and scripted runs repeat exactly:
// VELLUMIX4_TICKS=<ms> fixes the tick count at start-up, and the host may set or
// advance either clock while it replays events.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// Milliseconds of a steady clock (or the pinned value).
uint32_t TickCount();

// Seconds since the epoch (or the pinned value).
int64_t CalendarSeconds();

// Pins the tick count; std::nullopt returns to the real clock.
void SetTickCount(std::optional<uint32_t> ticks);

// Pins calendar time; std::nullopt returns to the real clock.
void SetCalendarSeconds(std::optional<int64_t> seconds);

}  // namespace platform
