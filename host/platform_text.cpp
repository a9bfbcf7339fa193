#include "platform_text.h"

#include "platform/encoding.h"

namespace vxhost {

std::optional<std::string> Utf8ToPlatform(std::string_view utf8) {
  std::string out;
  if (!platform::Utf8ToCp932(utf8, out)) return std::nullopt;
  return out;
}

std::optional<std::string> PlatformToUtf8(std::string_view text) {
  std::string out;
  if (!platform::Cp932ToUtf8(text, out)) return std::nullopt;
  return out;
}

}  // namespace vxhost
