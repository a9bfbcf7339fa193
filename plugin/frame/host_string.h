// A host Unicode string made from UTF-8 text, disposed when the owner goes.
#pragma once

#include <string>
#include <string_view>

#include "frame/ai_error.h"
#include "frame/suite_set.h"

namespace vx {

class HostString {
 public:
  HostString() = default;
  // Raises ai::Error when the host cannot convert the text.
  explicit HostString(std::string_view utf8) {
    ai::Check(suites::UnicodeString().fromUtf8(utf8.data(), utf8.size(), &ref_));
  }
  ~HostString() { Reset(); }
  HostString(HostString&& other) noexcept : ref_(other.ref_) { other.ref_ = nullptr; }
  HostString& operator=(HostString&& other) noexcept {
    if (this != &other) {
      Reset();
      ref_ = other.ref_;
      other.ref_ = nullptr;
    }
    return *this;
  }

  ai::UnicodeStringRef get() const { return ref_; }
  // Receives a string the host creates for the caller (a prompt's answer).
  ai::UnicodeStringRef* receive() {
    Reset();
    return &ref_;
  }

  // The text as UTF-8; raises ai::Error when the host cannot convert it.
  std::string Utf8() const;

 private:
  void Reset() {
    if (ref_ != nullptr) suites::UnicodeString().dispose(ref_);
    ref_ = nullptr;
  }
  ai::UnicodeStringRef ref_ = nullptr;
};

}  // namespace vx
