// vellumix4 tool: uses one of the plug-in's tools on an SVG file the way a
// person does in the editor: choose the tool, press at the first point, drag
// through the others (about 16 ms apart), release at the last, with modifier
// keys held throughout.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "session.h"

namespace vxhost {
class Document;
}

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
  bool last = false;                 // start from the tool's last setting instead of the default
  std::string recordSession;         // write what was done as a session file
  SessionOptions session;
};

// Returns the exit code: 0 done, 1 input that cannot be processed, 2 a usage
// error; one message on `err` for anything but 0.
int RunTool(const ToolOptions& options, std::ostream& err);

// A tool use that cannot be made. `usage` marks a mistake in what was asked
// (exit code 2); otherwise the document could not be worked on (exit code 1).
class ToolUseError : public std::runtime_error {
 public:
  ToolUseError(const std::string& message, bool usage) : std::runtime_error(message), usage(usage) {}
  bool usage;
};

// One use of a tool: the settings typed into its palette, then a press at the
// first point, drags through the others and a release at the last.
struct ToolUse {
  std::string tool;                   // "warp", "wave", ...
  std::vector<ai::RealPoint> points;  // document coordinates (y up)
  int16_t modifiers = 0;              // ai::modifier bits held throughout
  std::vector<std::string> sets;      // FIELD=VALUE in the palette's units
  bool fromLast = false;              // the values go over the last setting instead of the default
};

class SessionPlayer;

// Uses a tool on the selection of the player's open document and puts the
// tool away again, each step an event of the player. The settings (the
// default setting, or the last one with `fromLast`, with the values typed
// over it) become the tool's last setting in the settings folder, as the
// palette keeps them. Returns a note for each value clamped to its field's
// range. Throws ToolUseError.
std::vector<std::string> UseTool(SessionPlayer& player, const ToolUse& use);

// The tool's settings put in place as UseTool does; returns the notes.
// Throws ToolUseError.
std::vector<std::string> ApplyToolSettings(Session& session, const std::string& tool,
                                           const std::vector<std::string>& sets, bool fromLast);
// The title the tool is registered under, empty for a name that is no tool.
std::string ToolTitle(const std::string& tool);

// Selects the art with the given ids, each with everything inside it, as
// clicking it with the selection tool does; with no ids, everything. Throws
// ToolUseError for an id that names nothing.
void SelectArt(vxhost::Document& document, const std::vector<std::string>& ids);

}  // namespace vxcli
