// vellumix4 regenerate: rebuilds every live object of an SVG file from its
// source art and stored parameters, as the host has the plug-in do when a
// live object's source changes.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "session.h"

namespace vxcli {

struct RegenerateOptions {
  std::string input;   // "-" reads standard input
  std::string output;  // "-" writes standard output
  SessionOptions session;
};

// Returns the exit code: 0 done (live objects that cannot be rebuilt are kept
// with a warning), 1 input that cannot be processed; one message on `err`.
int RunRegenerate(const RegenerateOptions& options, std::ostream& err);

// A live object the plug-in left as it was.
struct KeptLiveObject {
  std::string id;         // its element id; empty when it has none
  int number = 0;         // its place among the file's live objects, from 1
  std::string groupName;  // the plugin group it belongs to
  bool registered = false;  // whether a loaded plug-in registered that group
};

struct RegenerateSummary {
  int rebuilt = 0;
  std::vector<KeptLiveObject> kept;
};

// Opens a document read from SVG in the session's host as the editor opens a
// file: its live objects show what was saved with them until they are rebuilt.
vxhost::Document& OpenReadDocument(Session& session, std::unique_ptr<vxhost::Document> document);

// Marks every live object of the session's open document as changed and lets
// the host send the plug-in its updates, the innermost objects first so that a
// live object holding another one copies the fresh result. Objects are selected
// while they update (Live Trail rebuilds only what is selected) and their
// selection is given back afterwards. Throws std::runtime_error when a rebuild
// fails.
RegenerateSummary RegenerateLiveObjects(Session& session);

// What a person reads about a kept object: "live object #star (border): ...".
std::string KeptMessage(const KeptLiveObject& kept);

}  // namespace vxcli
