// vellumix4 tool: uses one of the plug-in's tools on an SVG file the way a
// person does in the editor: choose the tool, press at the first point, drag
// through the others (about 16 ms apart), release at the last, with modifier
// keys held throughout.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "session.h"

namespace vxcli {

struct ToolOptions {
  std::string tool;                  // "warp", "wave", ...
  std::string input;                 // "-" reads standard input
  std::string output;                // "-" writes standard output
  std::vector<std::string> drag;     // "X,Y" in the file's user coordinates (y down)
  std::vector<std::string> sets;     // FIELD=VALUE in the palette's units
  std::vector<std::string> select;   // element ids; none: everything is selected
  bool alt = false;
  bool shift = false;
  bool ctrl = false;
  SessionOptions session;
};

// Returns the exit code: 0 done, 1 input that cannot be processed, 2 a usage
// error; one message on `err` for anything but 0.
int RunTool(const ToolOptions& options, std::ostream& err);

}  // namespace vxcli
