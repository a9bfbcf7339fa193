#include "platform/clock.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace platform {
namespace {

std::optional<uint32_t> PinnedTicksFromEnvironment() {
  const char* text = std::getenv("VELLUMIX4_TICKS");
  if (text == nullptr || *text == '\0') return std::nullopt;
  char* end = nullptr;
  unsigned long value = std::strtoul(text, &end, 10);
  if (end == text || *end != '\0') return std::nullopt;
  return static_cast<uint32_t>(value);
}

std::optional<uint32_t>& PinnedTicks() {
  static std::optional<uint32_t> pinned = PinnedTicksFromEnvironment();
  return pinned;
}

std::optional<int64_t>& PinnedCalendar() {
  static std::optional<int64_t> pinned;
  return pinned;
}

}  // namespace

uint32_t TickCount() {
  if (auto& pinned = PinnedTicks()) return *pinned;
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int64_t CalendarSeconds() {
  if (auto& pinned = PinnedCalendar()) return *pinned;
  return static_cast<int64_t>(std::time(nullptr));
}

void SetTickCount(std::optional<uint32_t> ticks) { PinnedTicks() = ticks; }

void SetCalendarSeconds(std::optional<int64_t> seconds) { PinnedCalendar() = seconds; }

}  // namespace platform
