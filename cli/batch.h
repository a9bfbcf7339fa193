// One command over many files: `vellumix4 effect neon a.svg b.svg -O out/`.
// Each output is named after its input inside the folder and is written whole
// or not at all; a file that fails is named with its message and the others go
// on; a usage mistake stops the batch, since it would fail every file alike.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vxcli {

// Processes `input` into `output` and returns the command's exit code, with
// its messages on `err`.
using BatchStep = std::function<int(const std::string& input, const std::string& output, std::ostream& err)>;

// The output of `input` in `folder`: the input's file name.
std::string BatchOutput(const std::string& folder, const std::string& input);

// Runs `step` for each input. Prints a progress line per file with what the
// step said (nothing with `quiet`), then a summary naming each file that
// failed. Returns 0 when every file was written, 1 when any failed, 2 for a
// usage mistake: no inputs, standard input, two inputs with one output name,
// an output that would overwrite an input.
int RunBatch(const std::vector<std::string>& inputs, const std::string& folder, bool quiet, const BatchStep& step,
             std::ostream& err);

}  // namespace vxcli
