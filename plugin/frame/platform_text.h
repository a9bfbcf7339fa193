// Text in the host's platform encoding, converted by the host from UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// Raises ai::Error when the host cannot convert the text.
std::string ToPlatformText(std::string_view utf8);

}  // namespace vx
