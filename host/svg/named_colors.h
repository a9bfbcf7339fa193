// The CSS colour keywords SVG accepts ("red", "cornflowerblue", ...).
#pragma once

#include <cstdint>
#include <string_view>

namespace vxhost::svg {

// 0xRRGGBB of a keyword, matched without regard to case; false when unknown.
bool NamedColor(std::string_view name, uint32_t& rgb);

}  // namespace vxhost::svg
