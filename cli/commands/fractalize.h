// vellumix4 fractalize: Fractalize on an SVG file the way a person uses it in the
// editor: select the paths, choose the filter "フラクタル化..." (or, with --live,
// the effect of that name), type the values into its dialog, press OK.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "session.h"

namespace vxcli {

struct FractalizeOptions {
  std::string input;                // "-" reads standard input
  std::string output;               // "-" writes standard output
  bool live = false;                // the live effect instead of the filter
  std::vector<std::string> sets;    // FIELD=VALUE as typed into the dialog
  std::optional<uint32_t> seed;     // the tick count the random sequence starts from
  std::vector<std::string> select;  // element ids; none: everything
  std::string png;                  // also render the result to this PNG
  std::string record;               // record the filter as an action into this file
  bool fromDefault = false;         // start from the dialog's default setting instead of the last one
  SessionOptions session;
};

// Fractalize that cannot be done. `usage` marks a mistake in what was asked
// (exit code 2); otherwise the document could not be worked on (exit code 1).
class FractalizeError : public std::runtime_error {
 public:
  FractalizeError(const std::string& message, bool usage) : std::runtime_error(message), usage(usage) {}
  bool usage;
};

struct FractalizeUse {
  bool live = false;
  std::vector<std::string> sets;  // FIELD=VALUE as typed into the dialog
  std::optional<uint32_t> seed;
  bool fromDefault = false;       // choose the default setting in the dialog before the values
};

// Runs Fractalize on the selection of the session's open document. Throws
// FractalizeError.
void UseFractalize(Session& session, const FractalizeUse& use);

// Returns the exit code: 0 done, 1 input that cannot be processed, 2 a usage
// error; one message on `err` for anything but 0.
int RunFractalize(const FractalizeOptions& options, std::ostream& err);

}  // namespace vxcli
