// vellumix4 actions: the actions the plug-in registers with the host, and
// playing a saved action file on a document as the host's action palette does
// (each event sent to its plug-in as "Do Action").
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "session.h"

namespace vxcli {

struct ActionsOptions {
  std::string action;               // "list" or "play"
  std::string file;                 // play: the action file
  std::string input;                // play: SVG to read ("-" standard input)
  std::string output;               // play: SVG to write ("-" standard output)
  std::vector<std::string> select;  // element ids; none: everything is selected
  SessionOptions session;
};

// Returns the exit code: 0 done, 1 input that cannot be processed, 2 a usage
// error; one message on `err` for anything but 0.
int RunActions(const ActionsOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vxcli
