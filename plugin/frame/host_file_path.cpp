#include "frame/host_file_path.h"

#include <vector>

#include "frame/suite_set.h"

namespace vx {

ai::Code HostFilePath::Make(const std::string& text) { return suites::FilePath().fromPlatformPath(text.c_str(), receive()); }

ai::Code HostFilePath::Text(std::string& text) const {
  size_t length = 0;
  if (ai::Code code = suites::FilePath().toPlatformPath(ref_, nullptr, 0, &length)) return code;
  std::vector<char> buffer(length + 1);
  if (ai::Code code = suites::FilePath().toPlatformPath(ref_, buffer.data(), buffer.size(), &length)) return code;
  text.assign(buffer.data(), length);
  return ai::kNoError;
}

void HostFilePath::Reset() {
  if (ref_ != nullptr) suites::FilePath().dispose(ref_);
  ref_ = nullptr;
}

}  // namespace vx
