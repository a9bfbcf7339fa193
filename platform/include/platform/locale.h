// The process locale palettes ask for ("jpn"). Numbers in this system are
// always written and read with a decimal point, whichever locale is named, so the
// stand-in records the name without changing how the C library formats numbers.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Sets the locale by the platform's name; returns the one set before.
std::string SetProcessLocale(std::string_view name);
std::string ProcessLocale();

}  // namespace platform
