// The host's platform encoding (code page 932) and UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vxhost {

// nullopt when the text cannot be converted.
std::optional<std::string> Utf8ToPlatform(std::string_view utf8);
std::optional<std::string> PlatformToUtf8(std::string_view platform);

}  // namespace vxhost
