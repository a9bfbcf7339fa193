// vellumix4 as an Inkscape extension. `extension write FOLDER` writes one .inx
// descriptor per effect whose palette this build has (and Fractalize), each
// made from the effect's record table, with the script Inkscape runs;
// `extension install` writes them into the user's Inkscape extensions folder.
// Inkscape then runs `vellumix4 inkscape --vx-kind=NAME [--id=ID]...
// [--FIELD=VALUE]... DOCUMENT` and reads the result from standard output.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "session.h"

namespace vxcli {

struct ExtensionOptions {
  std::string action;  // "write" or "install"
  std::string folder;  // where the descriptors go; install: empty for the user's extensions folder
  SessionOptions session;
};

// Returns 0 done, 1 a folder that cannot be written, 2 a usage error.
int RunExtension(const ExtensionOptions& options, std::ostream& out, std::ostream& err);

// Inkscape's call, with the arguments after "inkscape": the effect (or
// Fractalize) applied to the objects named by --id, with every parameter of
// its dialog, the result on `out`, nothing on `err` unless it fails.
int RunInkscape(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The user's Inkscape extensions folder ($XDG_CONFIG_HOME/inkscape/extensions,
// else ~/.config/inkscape/extensions).
std::string UserExtensionsFolder();

}  // namespace vxcli
