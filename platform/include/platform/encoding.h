// Conversion between UTF-8 and the platform encoding of Japanese text, code page
// 932 (Shift_JIS with the vendor extensions). Older preset files, plugin-group
// descriptions and menu texts use it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Both conversions always produce text: a byte sequence that cannot be converted
// becomes '?', and an incomplete character at the end is dropped. They return
// false when anything was replaced or dropped (or the converter is missing, in
// which case `out` is empty).
bool Cp932ToUtf8(std::string_view text, std::string& out);
bool Utf8ToCp932(std::string_view text, std::string& out);

}  // namespace platform
