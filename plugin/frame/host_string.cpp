#include "frame/host_string.h"

namespace vx {

std::string HostString::Utf8() const {
  if (ref_ == nullptr) return {};
  size_t length = 0;
  ai::Check(suites::UnicodeString().toUtf8(ref_, nullptr, 0, &length));
  std::string text(length, '\0');
  ai::Check(suites::UnicodeString().toUtf8(ref_, text.data(), text.size() + 1, &length));
  text.resize(length);
  return text;
}

}  // namespace vx
