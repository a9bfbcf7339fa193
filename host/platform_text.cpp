#include "platform_text.h"

#include <iconv.h>

namespace vxhost {
namespace {

std::optional<std::string> Convert(std::string_view text, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  const size_t result = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToPlatform(std::string_view utf8) { return Convert(utf8, "UTF-8", "CP932"); }
std::optional<std::string> PlatformToUtf8(std::string_view platform) { return Convert(platform, "CP932", "UTF-8"); }

}  // namespace vxhost
