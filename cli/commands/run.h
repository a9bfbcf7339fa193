// vellumix4 run: does a session file's events on an SVG file, as the person
// who recorded it did them, at the same ticks of the clock.
#pragma once

#include <iosfwd>
#include <string>

#include "session.h"

namespace vxcli {

struct RunOptions {
  std::string script;  // the session file
  std::string input;   // "-" reads standard input
  std::string output;  // "-" writes standard output
  SessionOptions session;
};

// Returns 0 done, 1 an event that could not be done or input that cannot be
// processed, 2 a session file that cannot be read.
int RunSessionScript(const RunOptions& options, std::ostream& err);

}  // namespace vxcli
