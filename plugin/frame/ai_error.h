// ai::Error carries a host result code through the plug-in's own layers. Handlers
// catch it at their boundary and return the code to the host.
#pragma once

#include "frame/host/codes.h"

namespace ai {

class Error {
 public:
  explicit Error(Code code) : code_(code) {}
  Code code() const { return code_; }

 private:
  Code code_;
};

// Raises a failed host call as ai::Error.
inline void Check(Code code) {
  if (code != kNoError) throw Error(code);
}

}  // namespace ai
