#pragma once

#include <iosfwd>

#include "session.h"

namespace vxcli {

// Loads the plug-in, starts it, prints its property list and the suites it
// acquired, shuts it down. Returns the exit code.
int RunInfo(const SessionOptions& options, std::ostream& out);

}  // namespace vxcli
