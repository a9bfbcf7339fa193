#include "frame/platform_text.h"

#include "frame/ai_error.h"
#include "frame/suite_set.h"

namespace vx {

std::string ToPlatformText(std::string_view utf8) {
  size_t length = 0;
  const auto& encoding = suites::CharacterEncoding();
  ai::Check(encoding.convert(utf8.data(), utf8.size(), ai::text_encoding::kUtf8, nullptr, 0,
                             ai::text_encoding::kPlatform, &length));
  std::string text(length, '\0');
  ai::Check(encoding.convert(utf8.data(), utf8.size(), ai::text_encoding::kUtf8, text.data(), text.size(),
                             ai::text_encoding::kPlatform, &length));
  text.resize(length);
  return text;
}

}  // namespace vx
