#include "platform/locale.h"

namespace platform {
namespace {
std::string& Current() {
  static std::string name = "C";
  return name;
}
}  // namespace

std::string SetProcessLocale(std::string_view name) {
  std::string before = Current();
  Current() = std::string(name);
  return before;
}

std::string ProcessLocale() { return Current(); }

}  // namespace platform
