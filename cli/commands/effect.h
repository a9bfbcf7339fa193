// vellumix4 effect: applies a live effect to an SVG file the way a person does in
// the editor: select the art, open the effect's palette from the menu, type the
// values into its controls, press "Apply" (and "Expand" when asked).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "presets/record_registry.h"
#include "session.h"

namespace vxcli {

struct EffectOptions {
  std::string effect;               // "neon", ...; empty with --list
  std::string input;                // "-" reads standard input
  std::string output;               // "-" writes standard output
  std::vector<std::string> sets;    // FIELD=VALUE as typed into the palette
  std::string preset;               // a preset of the effect's preset file, chosen before the values
  bool last = false;                // start from the palette's last setting instead of the default
  bool skipDisabled = false;        // values for controls the palette has switched off are left out
  std::vector<std::string> select;  // element ids; none: every top-level object
  bool expand = false;              // keep the result art only
  std::string png;                  // also render the result to this PNG
  std::string record;               // record the Apply as an action into this file
  std::string recordSession;        // write what was done as a session file
  bool list = false;                // list the effects
  bool fields = false;              // list the effect's fields (what --help shows with an effect)
  SessionOptions session;
};

// Returns the exit code: 0 done, 1 input that cannot be processed, 2 a usage
// error; one message on `err` for anything but 0. Listings go to `out`.
int RunEffect(const EffectOptions& options, std::ostream& out, std::ostream& err);

// The effects whose palettes open in this build of the plug-in. Throws
// std::runtime_error when the plug-in does not start.
std::vector<const vx::RecordKind*> EffectsWithPalettes(const SessionOptions& options);

}  // namespace vxcli
