// A host file path, disposed when the owner goes.
#pragma once

#include <string>

#include "frame/host/codes.h"
#include "frame/host/handles.h"

namespace vx {

class HostFilePath {
 public:
  HostFilePath() = default;
  ~HostFilePath() { Reset(); }
  HostFilePath(const HostFilePath&) = delete;
  HostFilePath& operator=(const HostFilePath&) = delete;

  // Makes the host's path of a UTF-8 path.
  ai::Code Make(const std::string& text);
  ai::FilePathRef get() const { return ref_; }
  // Receives a path the host creates for the caller.
  ai::FilePathRef* receive() {
    Reset();
    return &ref_;
  }

  // The path as UTF-8.
  ai::Code Text(std::string& text) const;

 private:
  void Reset();
  ai::FilePathRef ref_ = nullptr;
};

}  // namespace vx
