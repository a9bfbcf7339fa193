// UTF-8 and UTF-16 conversions of the host's strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vxhost {

// nullopt for malformed UTF-8 (overlong forms, surrogates, truncated sequences).
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace vxhost
